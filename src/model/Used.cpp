#include "model/Used.h"
#include "platform/Coder.h"

Used::Used()
    : m_date(QDateTime::currentDateTimeUtc())
    , m_occasion(QLatin1String(""))
    , m_guests(QLatin1String(""))
    , m_fare(QLatin1String(""))
    , m_comment(QLatin1String(""))
{
}

void Used::archive(Coder& c)
{
    c.versionOf(className());
    c.io("date", m_date);
    c.io("used", m_used);
    c.io("occasion", m_occasion);
    c.io("guests", m_guests);
    c.io("fare", m_fare);
    c.io("comment", m_comment);
}
