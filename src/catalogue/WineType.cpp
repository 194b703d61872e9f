#include "catalogue/WineType.h"

#include "platform/Coder.h"

void WineType::archive(Coder& c)
{
    c.versionOf(className());
    archiveFields(c);
    c.io("image", m_image);
}
