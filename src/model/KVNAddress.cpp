#include "model/KVNAddress.h"
#include "platform/Coder.h"

void KVNAddress::archive(Coder& c)
{
    c.versionOf(className());
    c.io("uID", m_uID);
    c.io("isWinery", m_isWinery);
    c.io("isSupplier", m_isSupplier);
    c.io("company", m_company);
    c.io("additionalProperty", m_additionalProperty);
    c.io("street", m_street);
    c.io("zip", m_zip);
    c.io("city", m_city);
    c.io("state", m_state);
    c.io("country", m_country);
    c.io("phone", m_phone);
    c.io("fax", m_fax);
    c.io("email", m_email);
    c.io("homepage", m_homepage);
    c.io("note", m_note);
    c.io("regionProperty", m_regionProperty);
    c.io("countryIDProperty", m_countryIDProperty);
    c.io("regionIDProperty", m_regionIDProperty);
    c.io("image", m_image);
}
