#include "reports/barcode/BarcodeDrag.h"

#include "reports/barcode/KVNBarcodeOffscreenView.h"

#include <QDir>
#include <QDrag>
#include <QImage>
#include <QMimeData>
#include <QPixmap>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QUrl>

namespace BarcodeDrag {

namespace {
constexpr double kDragResolution = 144.0;
}

QString folder()
{
    // Kept for the whole run: a drop target may read the file after the drag ends.
    static const QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/kelvan-drag-XXXXXX"));
    return dir.isValid() ? dir.path() : QString();
}

QMimeData* mimeData(const QByteArray& pdf, QString* error)
{
    auto* data = new QMimeData;
    data->setData(QStringLiteral("application/pdf"), pdf);
    QString problem;
    const QString dir = folder();
    if (dir.isEmpty()) {
        problem = QStringLiteral("Cannot make a private folder for the dragged barcode.");
    } else {
        const QString path = QDir(dir).filePath(QStringLiteral("barcode.pdf"));
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size() && file.commit())
            data->setUrls({QUrl::fromLocalFile(path)});
        else
            problem = QStringLiteral("Cannot write the dragged barcode to %1: %2")
                          .arg(QDir::toNativeSeparators(path), file.errorString());
    }
    if (error)
        *error = problem;
    return data;
}

Qt::DropAction drag(QObject* source, const KVNBarcode& barcode)
{
    const KVNBarcodeOffscreenView view(barcode);
    const QByteArray pdf = view.pdfData();
    const QImage picture = view.image(kDragResolution);
    if (pdf.isEmpty() || picture.isNull())
        return Qt::IgnoreAction;
    auto* drag = new QDrag(source);
    drag->setMimeData(mimeData(pdf));
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(kDragResolution / 72.0);
    drag->setPixmap(pixmap);
    drag->setHotSpot(QPoint(int(view.bounds().width() / 2), int(view.bounds().height() / 2)));
    return drag->exec(Qt::CopyAction);
}

} // namespace BarcodeDrag
