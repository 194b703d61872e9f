#pragma once
#include "platform/richtext/RichText.h"

#include <QBuffer>
#include <QImage>

namespace richtextfixtures {
inline QByteArray picture(const char* format, const QColor& colour, QSize size = QSize(4, 3))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

inline CharFormat format(const QString& font, double size, bool bold = false, bool italic = false,
                         bool underline = false, const QColor& colour = {})
{
    CharFormat f;
    f.font = font;
    f.size = size;
    f.bold = bold;
    f.italic = italic;
    f.underline = underline;
    f.colour = colour;
    return f;
}

inline CharFormat bold()
{
    CharFormat f;
    f.bold = true;
    return f;
}

// A text that uses every feature the model has.
inline RichText sample()
{
    ParagraphFormat centred;
    centred.alignment = ParagraphFormat::Alignment::Center;
    ParagraphFormat tabbed;
    tabbed.alignment = ParagraphFormat::Alignment::Justified;
    tabbed.tabs = {36, 72.5, 144};
    ParagraphFormat right;
    right.alignment = ParagraphFormat::Alignment::Right;

    RichText t;
    t.appendText(QStringLiteral("Cellar {report} \\ "), format(QStringLiteral("Times New Roman"), 18, true), centred);
    t.appendText(QStringLiteral("Ch\u00e2teau \u20ac 12 \u0416\u0438\u0432\u043e \U0001F377\n"),
                 format(QString(), 12, false, true, false, QColor(200, 30, 40)), centred);
    t.appendText(QStringLiteral("Name\tYear\tPrice\n"), format(QStringLiteral("Helvetica"), 10.5, false, false, true),
                 tabbed);
    t.appendText(QStringLiteral("line one\u2028line two\f"), format(QString(), 12), tabbed);
    t.appendText(QStringLiteral("Label: "), format(QStringLiteral("Helvetica"), 12), right);
    Attachment png;
    png.name = QStringLiteral("label.png");
    png.bytes = picture("PNG", Qt::red);
    png.size = QSizeF(40, 30);
    t.appendAttachment(png, format(QStringLiteral("Helvetica"), 12));
    Attachment jpeg;
    jpeg.name = QStringLiteral("photo.jpg");
    jpeg.bytes = picture("JPEG", Qt::blue, QSize(8, 8));
    t.appendAttachment(jpeg, format(QStringLiteral("Helvetica"), 12));
    Attachment file;
    file.name = QStringLiteral("notes.pdf");
    file.bytes = QByteArray("%PDF-1.4 \x00\x01\x02 {}\\", 18);
    t.appendAttachment(file, format(QStringLiteral("Helvetica"), 12));
    t.appendText(QStringLiteral(" end\n\n"), format(QStringLiteral("Helvetica"), 12), right);
    PageAttributes& page = t.page();
    page.paperSize = QSizeF(595.25, 842);
    page.leftMargin = 72;
    page.rightMargin = 54;
    page.topMargin = 36.5;
    page.bottomMargin = 0;
    return t;
}

// Describes the differences, so a failed comparison says where.
inline std::string describe(const RichText& t)
{
    std::string s = "text: " + t.text().toStdString() + "\n";
    for (const auto& r : t.runs()) {
        s += "  run " + std::to_string(r.length) + " font='" + r.format.font.toStdString() + "' size="
             + std::to_string(r.format.size) + (r.format.bold ? " b" : "") + (r.format.italic ? " i" : "")
             + (r.format.underline ? " u" : "") + " colour=" + r.format.colour.name().toStdString()
             + " align=" + std::to_string(int(r.paragraph.alignment)) + " tabs="
             + std::to_string(r.paragraph.tabs.size());
        if (r.attachment)
            s += " attachment=" + r.attachment->name.toStdString() + "/" + std::to_string(r.attachment->bytes.size())
                 + "/" + std::to_string(r.attachment->size.width()) + "x" + std::to_string(r.attachment->size.height());
        s += "\n";
    }
    return s;
}
}
