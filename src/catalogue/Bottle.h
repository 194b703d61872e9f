#pragma once
#include "catalogue/ListEntry.h"

// A bottle size ("Normal", "Magnum", ...).
class Bottle : public ListEntry {
public:
    static constexpr int Version = 1;
    QString className() const override { return QStringLiteral("Bottle"); }
    void archive(Coder& c) override;
};
