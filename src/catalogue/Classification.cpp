#include "catalogue/Classification.h"

#include "platform/Coder.h"

void Classification::archive(Coder& c)
{
    const int v = c.versionOf(className());
    c.io("classificationID", m_id);
    c.io("name", m_name);
    // Removing entries came with version 2.
    if (v >= 2)
        c.io("isRemoved", m_isRemoved);
    archiveLinks(c);
}
