#include "catalogue/Appelation.h"

#include "platform/Coder.h"

void Appelation::archive(Coder& c)
{
    c.versionOf(className());
    c.io("appelationID", m_id);
    c.io("name", m_name);
    c.io("isRemoved", m_isRemoved);
    archiveLinks(c);
}
