#pragma once
#include <QByteArray>
#include <memory>

#include "platform/SequentialArchive.h"

// The keyed archive: a readable, self-describing XML form of the same objects,
// used for backups. Every field carries its key and type, so a reader can find
// fields by name, and a person can read (and, in need, repair) a backup.
// The binary form is the same document compressed, behind the magic "KVLNKEYZ".
namespace KeyedArchive {
enum class Form { Xml, Binary };
QByteArray write(const std::shared_ptr<Archivable>& root, Form form = Form::Xml);
std::shared_ptr<Archivable> read(const QByteArray& bytes,
                                 const SequentialArchive::NewerVersionHandler& onNewer = {});
bool looksLikeKeyedArchive(const QByteArray& bytes);
}
