#pragma once

class QTextCursor;
class QTextDocument;
class RichText;

// Rich text in Qt's text documents, for showing, editing and printing. A form
// feed becomes a paragraph that starts on a new page, and back; attachments
// become images that keep their file's bytes and name.
namespace RichTextDocument {
// Replaces the document's content.
void toTextDocument(const RichText& text, QTextDocument* document);
// Inserts at the cursor, as pasting would.
void insert(QTextCursor& cursor, const RichText& text);
RichText fromTextDocument(const QTextDocument& document);
}
