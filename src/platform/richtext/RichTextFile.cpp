#include "platform/richtext/RichTextFile.h"
#include "platform/AtomicFile.h"
#include "platform/richtext/RichText.h"
#include "platform/richtext/RichTextHtml.h"
#include "platform/richtext/RtfCodePages.h"
#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"
#include "platform/richtext/Rtfd.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace {
enum class Kind { Plain, Rtf, Rtfd, Html };

Kind kindOf(const QString& path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("rtf"))
        return Kind::Rtf;
    if (ext == QLatin1String("rtfd"))
        return Kind::Rtfd;
    if (ext == QLatin1String("htm") || ext == QLatin1String("html") || ext == QLatin1String("shtml"))
        return Kind::Html;
    return Kind::Plain;
}
}

namespace RichTextFile {
QString decodePlainText(const QByteArray& bytes)
{
    if (const auto bom = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*bom);
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return RtfCodePages::decode(bytes, 1252);
}

RichText read(const QString& path, QString* error)
{
    QString e;
    RichText text;
    const Kind kind = kindOf(path);
    if (kind == Kind::Rtfd) {
        text = Rtfd::read(path, &e);
    } else {
        const QByteArray bytes = AtomicFile::read(path, &e);
        if (e.isEmpty()) {
            if (kind == Kind::Rtf)
                text = RtfReader::read(bytes, &e);
            else if (kind == Kind::Html)
                text = RichTextHtml::fromHtml(decodePlainText(bytes), QFileInfo(path).absolutePath());
            else
                text = RichText::fromPlainText(decodePlainText(bytes));
        }
    }
    if (error)
        *error = e;
    return text;
}

QString write(const QString& path, const RichText& text)
{
    switch (kindOf(path)) {
    case Kind::Rtfd: return Rtfd::write(path, text);
    case Kind::Rtf: return AtomicFile::write(path, RtfWriter::write(text));
    case Kind::Html: return AtomicFile::write(path, RichTextHtml::toHtml(text).toUtf8());
    case Kind::Plain: break;
    }
    return AtomicFile::write(path, text.plainText().toUtf8());
}
}
