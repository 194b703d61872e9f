#include "model/BottleIdentifier.h"
#include "model/RackZuord.h"
#include "model/Used.h"
#include "model/Wine.h"
#include "platform/Coder.h"

BottleIdentifier::BottleIdentifier()
    : m_date(QDateTime::currentDateTimeUtc())
    , m_comment(QLatin1String(""))
{
}

QString BottleIdentifier::winename() const
{
    return m_wine ? m_wine->winename() : QString(QLatin1String(""));
}

QString BottleIdentifier::year() const
{
    return m_wine ? QString::number(m_wine->year()) : QString(QLatin1String(""));
}

QString BottleIdentifier::bottle() const
{
    if (!m_wine)
        return QString(QLatin1String(""));
    return QStringLiteral("%1/%2").arg(m_bottlenumber).arg(m_wine->purchaseNumber());
}

QString BottleIdentifier::rackname() const
{
    return m_rackref ? m_rackref->rackName() : QString(QLatin1String(""));
}

void BottleIdentifier::archive(Coder& c)
{
    c.versionOf(className());
    c.io("identifierID", m_identifierID);
    c.io("ubid", m_ubid);
    c.io("on", m_on);
    c.object("wine", m_wine);
    c.object("rackref", m_rackref);
    c.object("used", m_used);
    c.io("bottlenumber", m_bottlenumber);
    c.io("x", m_x);
    c.io("y", m_y);
    c.io("z", m_z);
    c.io("date", m_date);
    c.io("comment", m_comment);
    if (c.isReading() && m_comment.isNull())
        m_comment = QLatin1String("");
}
