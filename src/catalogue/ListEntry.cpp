#include "catalogue/ListEntry.h"

#include "platform/Coder.h"

void ListEntry::archiveFields(Coder& c)
{
    c.io("typeID", m_typeID);
    c.io("name", m_name);
    c.io("on", m_on);
}
