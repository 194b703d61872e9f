#include "model/Depot.h"
#include "platform/Coder.h"

void Depot::archive(Coder& c)
{
    c.versionOf(className());
    c.io("depotID", m_depotID);
    c.io("name", m_name);
    c.io("description", m_description);
}
