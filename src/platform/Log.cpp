#include "platform/Log.h"
#include <QDebug>

namespace Log {
void line(const QString& text)
{
    qInfo().noquote() << text;
}
}
