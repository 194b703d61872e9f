#pragma once
#include <QString>
#include <QStringList>

// The client list "ClientList.cldb" of the product folder: the names of the
// clients in the order they were added, one a line, UTF-8.
namespace ClientList {
// A missing file is an empty list; unusable lines are skipped.
QStringList read(const QString& path);
// An error text naming the file, empty on success.
QString write(const QString& path, const QStringList& clients);
// The clients to offer: the listed ones that still have a folder, then folders not listed.
QStringList merge(const QStringList& listed, const QStringList& folders);
}
