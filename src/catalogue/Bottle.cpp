#include "catalogue/Bottle.h"

#include "platform/Coder.h"

void Bottle::archive(Coder& c)
{
    c.versionOf(className());
    archiveFields(c);
}
