#include "model/Purchase.h"
#include "platform/Coder.h"

Purchase::Purchase()
    : m_date(QDateTime::currentDateTimeUtc())
{
}

// Version 1 held date, number and price; 2 added the supplier; 3 the bottle size.
void Purchase::archive(Coder& c)
{
    const int v = c.versionOf(className());
    c.io("date", m_date);
    c.io("number", m_number);
    c.io("price", m_price);
    if (v >= 2)
        c.io("supplier", m_supplier);
    if (v >= 3)
        c.io("bottle", m_bottle);
}
