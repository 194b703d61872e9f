#pragma once
#include <QString>
#include <Qt>

class KVNBarcode;
class QMimeData;
class QObject;

// Dragging a barcode picture out of the application: the receiver gets the PDF
// data and, where it wants files, a PDF file. The file lives in a folder private
// to this process (removed at exit), never at a fixed, guessable path.
namespace BarcodeDrag {

// The private folder of drag files, made on first use; empty when it cannot be made.
QString folder();

// The payload for a drag of this PDF: "application/pdf" always, and the URL of
// a file holding it when the file could be written. The caller owns the result.
QMimeData* mimeData(const QByteArray& pdf, QString* error = nullptr);

// Drags the barcode's picture from the current mouse position, centred on the
// pointer, offering a copy. Does nothing for a barcode that cannot be drawn.
Qt::DropAction drag(QObject* source, const KVNBarcode& barcode);

} // namespace BarcodeDrag
