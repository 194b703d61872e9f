#pragma once
#include <QString>
#include <memory>

#include "platform/SequentialArchive.h"

class WineInfos;

// The catalogue's own file "Wine Info DB.kvwi" in the data folder: a sequential
// archive whose root is the WineInfos.
namespace CatalogueFile {
QString fileName();
// Writes atomically; an empty string on success, else a message naming the file.
QString write(const QString& path, const std::shared_ptr<WineInfos>& infos);
// Throws ArchiveError (naming the file) when the file is missing, damaged or no catalogue.
std::shared_ptr<WineInfos> read(const QString& path,
                                const SequentialArchive::NewerVersionHandler& onNewer = {});
}
