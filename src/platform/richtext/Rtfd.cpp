#include "platform/richtext/Rtfd.h"
#include "platform/AtomicFile.h"
#include "platform/richtext/RichText.h"
#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

namespace {
// A referenced file larger than this is treated as missing.
constexpr qint64 kMaxAttachmentBytes = qint64(512) << 20;

bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0));
}

QString defaultName(const Attachment& a, int n)
{
    const QString ext = a.isPng() ? QStringLiteral("png") : a.isJpeg() ? QStringLiteral("jpg") : QStringLiteral("dat");
    return QStringLiteral("Attachment %1.%2").arg(n).arg(ext);
}
}

namespace Rtfd {
RichText read(const QString& folder, QString* error)
{
    const QDir dir(folder);
    if (!QFileInfo(folder).isDir()) {
        if (error)
            *error = QStringLiteral("\"%1\" is not a rich-text folder.").arg(folder);
        return {};
    }
    QString readError;
    const QByteArray rtf = AtomicFile::read(dir.filePath(QString::fromLatin1(TextFileName)), &readError);
    if (!readError.isEmpty()) {
        if (error)
            *error = readError;
        return {};
    }
    const RtfReader::FileLoader loader = [&dir](const QString& name) -> std::optional<QByteArray> {
        if (!isPlainFileName(name))
            return std::nullopt;
        const QFileInfo info(dir.filePath(name));
        if (!info.isFile() || info.size() > kMaxAttachmentBytes)
            return std::nullopt;
        QString e;
        QByteArray bytes = AtomicFile::read(info.filePath(), &e);
        if (!e.isEmpty())
            return std::nullopt;
        return bytes;
    };
    return RtfReader::read(rtf, error, loader);
}

QStringList fileNames(const RichText& text)
{
    QStringList names;
    QSet<QString> taken{QString::fromLatin1(TextFileName).toLower()};
    int n = 0;
    for (const qsizetype pos : text.attachmentPositions()) {
        const AttachmentPtr a = text.attachmentAt(pos);
        ++n;
        QString name = a->name;
        name.replace(u'/', u'_').replace(u'\\', u'_').remove(QChar(0));
        while (name.startsWith(u'.'))
            name.remove(0, 1);
        if (!isPlainFileName(name))
            name = defaultName(*a, n);
        QString unique = name;
        const QFileInfo parts(name);
        const QString base = parts.completeBaseName();
        const QString suffix = parts.suffix().isEmpty() ? QString() : u'.' + parts.suffix();
        for (int k = 2; taken.contains(unique.toLower()); ++k)
            unique = QStringLiteral("%1 %2%3").arg(base).arg(k).arg(suffix);
        taken.insert(unique.toLower());
        names.append(unique);
    }
    return names;
}

QString write(const QString& folder, const RichText& text)
{
    const QFileInfo target(QDir::cleanPath(folder));
    const QDir parent = target.absoluteDir();
    if (!parent.exists())
        return QStringLiteral("Could not write \"%1\": its folder does not exist.").arg(folder);
    if (target.exists() && !target.isDir())
        return QStringLiteral("Could not write \"%1\": a file of that name is in the way.").arg(folder);

    QTemporaryDir temp(parent.filePath(u'.' + target.fileName() + QStringLiteral("-XXXXXX")));
    if (!temp.isValid())
        return QStringLiteral("Could not write \"%1\": %2").arg(folder, temp.errorString());

    RtfWriter::Options options;
    options.pictures = RtfWriter::Pictures::FileReferences;
    options.fileNames = fileNames(text);
    const QDir tempDir(temp.path());
    QString error = AtomicFile::write(tempDir.filePath(QString::fromLatin1(TextFileName)), RtfWriter::write(text, options));
    const QList<qsizetype> positions = text.attachmentPositions();
    for (qsizetype i = 0; error.isEmpty() && i < positions.size(); ++i) {
        const AttachmentPtr a = text.attachmentAt(positions[i]);
        if (!a->bytes.isEmpty())
            error = AtomicFile::write(tempDir.filePath(options.fileNames[i]), a->bytes);
    }
    if (!error.isEmpty())
        return error;

    // Swap the new folder in; the old one goes only once the new one is in place.
    const QString finalPath = target.absoluteFilePath();
    QString old;
    if (target.exists()) {
        QTemporaryDir holder(parent.filePath(u'.' + target.fileName() + QStringLiteral("-old-XXXXXX")));
        if (!holder.isValid())
            return QStringLiteral("Could not write \"%1\": %2").arg(folder, holder.errorString());
        old = holder.path();
        holder.setAutoRemove(false);
        QDir().rmdir(old);
        if (!QDir().rename(finalPath, old))
            return QStringLiteral("Could not write \"%1\": the old folder cannot be moved aside.").arg(folder);
    }
    if (!QDir().rename(temp.path(), finalPath)) {
        if (!old.isEmpty())
            QDir().rename(old, finalPath);
        return QStringLiteral("Could not write \"%1\": the new folder cannot be moved into place.").arg(folder);
    }
    temp.setAutoRemove(false);
    if (!old.isEmpty())
        QDir(old).removeRecursively();
    return {};
}
}
