#pragma once
#include <QList>
#include "model/Property.h"
#include "platform/Archivable.h"

class Wine;

// A user group of wines, with child groups.
class Group : public Archivable {
public:
    static constexpr int Version = 1;
    QString className() const override { return QStringLiteral("Group"); }
    void archive(Coder& c) override;

    QList<std::shared_ptr<Wine>>& wines() { return m_wines; }
    const QList<std::shared_ptr<Wine>>& wines() const { return m_wines; }
    QList<std::shared_ptr<Group>>& children() { return m_children; }
    const QList<std::shared_ptr<Group>>& children() const { return m_children; }
    bool containsWine(const Wine* wine) const;
    // Removes the wine from this group and every group below it.
    void removeWineDeep(const Wine* wine);

    KV_PROPERTY(QString, name, setName)
    KV_VALUE(bool, exportToPDA, setExportToPDA, false)

private:
    QList<std::shared_ptr<Wine>> m_wines;
    QList<std::shared_ptr<Group>> m_children;
};
