#pragma once
#include <QString>

class RichText;

// Rich text as HTML. Pictures are written inline (data URLs), so the page
// needs no files beside it.
namespace RichTextHtml {
QString toHtml(const RichText& text);
// Relative picture paths are looked up in baseFolder.
RichText fromHtml(const QString& html, const QString& baseFolder = {});
}
