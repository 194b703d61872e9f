#pragma once
#include "model/Property.h"
#include "platform/Archivable.h"

// A review of a wine published in a journal.
class Review : public Archivable {
public:
    static constexpr int Version = 1;
    QString className() const override { return QStringLiteral("Review"); }
    void archive(Coder& c) override;

    KV_PROPERTY(QString, rvReview, setRvReview)
    KV_PROPERTY(QString, rvJournal, setRvJournal)
    KV_PROPERTY(QString, rvEdition, setRvEdition)
    KV_PROPERTY(QString, rvAuthor, setRvAuthor)
    KV_VALUE(float, rvScore, setRvScore, 0.0f)
    KV_VALUE(float, rvOutOf, setRvOutOf, 0.0f)
};
