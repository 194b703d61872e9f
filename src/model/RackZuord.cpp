#include "model/RackZuord.h"
#include "model/Rack.h"
#include "model/Wine.h"
#include "platform/Coder.h"

QString RackZuord::rackName() const
{
    return m_rack ? m_rack->rackName() : QStringLiteral("?");
}

void RackZuord::archive(Coder& c)
{
    c.versionOf(className());
    c.object("rack", m_rack);
    c.object("wine", m_wine);
    c.io("x", m_x);
    c.io("y", m_y);
    c.io("n", m_n);
}
