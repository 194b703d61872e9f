#include "reports/ChartAttachment.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

#include "platform/AtomicFile.h"
#include "platform/richtext/RichText.h"
#include "reports/ChartView.h"

namespace {
void setError(QString* error, const QString& message)
{
    if (error)
        *error = message;
}
} // namespace

RichText chartAttachment(const ChartView& view, const QString& dataFolder, QString* error)
{
    setError(error, QString());
    RichText out;
    const QImage& image = view.image();
    if (image.isNull())
        return out;

    QByteArray tiff;
    QBuffer buffer(&tiff);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "tiff");
    writer.setCompression(1); // LZW
    const QString scratch = QDir(dataFolder).filePath(QStringLiteral("Images/kvcharttemp.tiff"));
    if (!writer.write(image)) {
        setError(error, QStringLiteral("The chart picture could not be encoded: %1").arg(writer.errorString()));
    } else {
        QDir().mkpath(QFileInfo(scratch).absolutePath());
        setError(error, AtomicFile::write(scratch, tiff));
    }

    // The report's own copy is a PNG: the picture form rich text shows everywhere.
    Attachment picture;
    picture.name = QStringLiteral("kvchart.png");
    picture.bytes = view.pngData();
    picture.size = QSizeF(image.size());
    out.appendAttachment(picture);
    return out;
}

RichText chartAttachmentForImagePath(const QString& path, QString* error)
{
    QString readError;
    const QByteArray bytes = AtomicFile::read(path, &readError);
    setError(error, readError);
    RichText out;
    if (!readError.isEmpty())
        return out;
    Attachment picture;
    picture.name = QFileInfo(path).fileName();
    picture.bytes = bytes;
    out.appendAttachment(picture);
    return out;
}
