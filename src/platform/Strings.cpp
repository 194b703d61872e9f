#include "platform/Strings.h"
#include <QCoreApplication>

namespace Strings {
QString lookup(const char* table, const QString& key)
{
    if (key.isEmpty())
        return key;
    const QByteArray utf8 = key.toUtf8();
    const QString text = QCoreApplication::translate(table, utf8.constData());
    return text.isEmpty() ? key : text;
}
}
