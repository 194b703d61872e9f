#include "model/Rack.h"
#include "model/Depot.h"
#include "platform/Coder.h"

QString Rack::rackName() const
{
    return (m_depot ? m_depot->name() : QString()) + QLatin1Char('/') + m_name;
}

void Rack::archive(Coder& c)
{
    c.versionOf(className());
    c.io("rackID", m_rackID);
    c.io("x", m_x);
    c.io("y", m_y);
    c.io("w", m_w);
    c.io("h", m_h);
    c.io("xPos", m_xPos);
    c.io("yPos", m_yPos);
    c.io("wPos", m_wPos);
    c.io("hPos", m_hPos);
    c.io("zoom", m_zoom);
    c.io("type", m_type);
    c.io("name", m_name);
    c.io("description", m_description);
    c.object("depot", m_depot);
}
