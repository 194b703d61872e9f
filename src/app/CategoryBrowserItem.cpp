#include "app/CategoryBrowserItem.h"
#include "model/Group.h"

namespace {
void addGroups(CategoryBrowserItem& parent, const QList<std::shared_ptr<Group>>& groups, int depth)
{
    // A cycle in stored groups must not recurse for ever.
    if (depth > 64)
        return;
    for (const auto& g : groups) {
        if (!g)
            continue;
        auto item = std::make_shared<CategoryBrowserItem>(g->name(), g);
        addGroups(*item, g->children(), depth + 1);
        parent.children().append(item);
    }
}
}

std::shared_ptr<CategoryBrowserItem> CategoryBrowserItem::outline(const QString& cellarTitle,
                                                                  const QList<std::shared_ptr<Group>>& groups)
{
    auto root = std::make_shared<CategoryBrowserItem>(cellarTitle, nullptr);
    addGroups(*root, groups, 0);
    return root;
}
