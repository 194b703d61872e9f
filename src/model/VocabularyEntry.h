#pragma once
#include "model/Property.h"
#include "platform/Archivable.h"

// The common part of the tasting vocabularies (tastes, odours, grapes):
// an ID from the cellar book's counter, a name and a description.
class VocabularyEntry : public Archivable {
public:
    void archive(Coder& c) override;
    // Orders by the stored names as texts.
    bool operator<(const VocabularyEntry& other) const { return m_name < other.m_name; }

    KV_VALUE(quint32, entryID, setEntryID, 0)
    KV_PROPERTY(QString, name, setName)
    KV_PROPERTY(QString, description, setDescription)
};

class Taste : public VocabularyEntry {
public:
    static constexpr int Version = 1;
    QString className() const override { return QStringLiteral("Taste"); }
    quint32 tasteID() const { return entryID(); }
    void setTasteID(quint32 id) { setEntryID(id); }
};

class Odour : public VocabularyEntry {
public:
    static constexpr int Version = 1;
    QString className() const override { return QStringLiteral("Odour"); }
    quint32 odourID() const { return entryID(); }
    void setOdourID(quint32 id) { setEntryID(id); }
};

class Aroma;

class Grape : public VocabularyEntry {
public:
    static constexpr int Version = 1;
    QString className() const override { return QStringLiteral("Grape"); }
    void archive(Coder& c) override;
    quint32 grapeID() const { return entryID(); }
    void setGrapeID(quint32 id) { setEntryID(id); }

    QList<std::shared_ptr<Aroma>>& aromas() { return m_aromas; }
    const QList<std::shared_ptr<Aroma>>& aromas() const { return m_aromas; }

    KV_VALUE(bool, on, setOn, false)

private:
    QList<std::shared_ptr<Aroma>> m_aromas;
};
