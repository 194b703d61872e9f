#include "model/Group.h"
#include "model/Wine.h"
#include "platform/Coder.h"

bool Group::containsWine(const Wine* wine) const
{
    for (const auto& w : m_wines)
        if (w.get() == wine)
            return true;
    return false;
}

void Group::removeWineDeep(const Wine* wine)
{
    m_wines.removeIf([wine](const std::shared_ptr<Wine>& w) { return w.get() == wine; });
    for (const auto& g : m_children)
        g->removeWineDeep(wine);
}

void Group::archive(Coder& c)
{
    c.versionOf(className());
    c.io("name", m_name);
    c.io("exportToPDA", m_exportToPDA);
    c.objects("wines", m_wines);
    c.objects("children", m_children);
}
