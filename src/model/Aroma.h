#pragma once
#include <QList>
#include "model/Property.h"
#include "platform/Archivable.h"

class AromaType;
class AromaGroup;

// The aroma vocabulary is a tree: types hold groups, groups hold aromas.
// Shown names are looked up in the "Aromas" strings table; the stored name stays as it is.
class AromaNode : public Archivable {
public:
    void archive(Coder& c) override;
    // The looked-up name.
    QString name() const;
    QString storedName() const { return m_name; }
    void setName(const QString& name) { m_name = name; }

    KV_VALUE(quint32, nodeID, setNodeID, 0)
    KV_VALUE(bool, on, setOn, true)

private:
    QString m_name;
};

class Aroma : public AromaNode {
public:
    static constexpr int Version = 1;
    QString className() const override { return QStringLiteral("Aroma"); }
    void archive(Coder& c) override;

    QString aromaName() const { return name(); }
    // The picture name of the aroma: "Aroma_" and the stored name.
    QString listImage() const { return QStringLiteral("Aroma_") + storedName(); }

    // Stamped by the cellar book's aromaList; not stored.
    std::shared_ptr<AromaType> type() const { return m_type.lock(); }
    std::shared_ptr<AromaGroup> group() const { return m_group.lock(); }
    void stamp(const std::shared_ptr<AromaType>& type, const std::shared_ptr<AromaGroup>& group)
    {
        m_type = type;
        m_group = group;
    }
    QString typeName() const;
    QString groupName() const;

    KV_VALUE(bool, fault, setFault, false)

private:
    std::weak_ptr<AromaType> m_type;
    std::weak_ptr<AromaGroup> m_group;
};

class AromaGroup : public AromaNode {
public:
    static constexpr int Version = 1;
    QString className() const override { return QStringLiteral("AromaGroup"); }
    void archive(Coder& c) override;

    QList<std::shared_ptr<Aroma>>& aromas() { return m_aromas; }
    const QList<std::shared_ptr<Aroma>>& aromas() const { return m_aromas; }
    // Creates an aroma of that name, on, ID 0, appends and returns it.
    std::shared_ptr<Aroma> addAromaString(const QString& name);
    void addAroma(const std::shared_ptr<Aroma>& aroma);

private:
    QList<std::shared_ptr<Aroma>> m_aromas;
};

class AromaType : public AromaNode {
public:
    static constexpr int Version = 1;
    QString className() const override { return QStringLiteral("AromaType"); }
    void archive(Coder& c) override;

    QList<std::shared_ptr<AromaGroup>>& groups() { return m_groups; }
    const QList<std::shared_ptr<AromaGroup>>& groups() const { return m_groups; }
    // Creates a group of that name, on, ID 0, appends and returns it.
    std::shared_ptr<AromaGroup> addAromaGroupString(const QString& name);

private:
    QList<std::shared_ptr<AromaGroup>> m_groups;
};

// One rated aroma of a wine: the vocabulary's aroma (by identity), a strength 0..6, a comment.
class WineAroma : public Archivable {
public:
    static constexpr int Version = 1;
    QString className() const override { return QStringLiteral("WineAroma"); }
    void archive(Coder& c) override;

    std::shared_ptr<Aroma> aroma() const { return m_aroma; }
    void setAroma(const std::shared_ptr<Aroma>& aroma) { m_aroma = aroma; }
    quint16 strength() const { return m_strength; }
    // Strengths above 6 are kept at 6: the scale has seven steps.
    void setStrength(quint16 s) { m_strength = s > 6 ? 6 : s; }
    QString listImage() const { return m_aroma ? m_aroma->listImage() : QString(); }

    KV_PROPERTY(QString, comment, setComment)

private:
    std::shared_ptr<Aroma> m_aroma;
    quint16 m_strength = 0;
};
