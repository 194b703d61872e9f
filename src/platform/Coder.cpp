#include "platform/Coder.h"

void Coder::fail(const QString& why)
{
    throw ArchiveError(why);
}
