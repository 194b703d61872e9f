#pragma once
#include "catalogue/ListEntry.h"

// A wine type ("Red wine", ...) with the name of its picture.
class WineType : public ListEntry {
public:
    static constexpr int Version = 1;
    QString className() const override { return QStringLiteral("WineType"); }
    void archive(Coder& c) override;

    QString image() const { return m_image; }
    void setImage(const QString& image) { m_image = image; }

private:
    QString m_image = QStringLiteral("");
};
