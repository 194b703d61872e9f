#pragma once
#include <QList>
#include <QString>
#include <memory>

class Group;

// A node of the main window's source list: the whole cellar (no group) or a user group.
class CategoryBrowserItem {
public:
    CategoryBrowserItem(QString name, std::shared_ptr<Group> group)
        : m_name(std::move(name))
        , m_group(std::move(group))
    {
    }
    const QString& name() const { return m_name; }
    const std::shared_ptr<Group>& group() const { return m_group; }
    QList<std::shared_ptr<CategoryBrowserItem>>& children() { return m_children; }
    const QList<std::shared_ptr<CategoryBrowserItem>>& children() const { return m_children; }

    // The item of the whole cellar with one child per group, recursively.
    static std::shared_ptr<CategoryBrowserItem> outline(const QString& cellarTitle,
                                                        const QList<std::shared_ptr<Group>>& groups);

private:
    QString m_name;
    std::shared_ptr<Group> m_group;
    QList<std::shared_ptr<CategoryBrowserItem>> m_children;
};
