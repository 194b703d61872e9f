#include "reports/barcode/BarcodePictures.h"

#include "reports/barcode/KVNBarcodeOffscreenView.h"
#include "reports/barcode/KVNCode128Barcode.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr double kCaptionFontSize = 9.0;

KVNCode128Barcode makeBarcode(const QString& content, double barWidth, double extraHeight)
{
    KVNCode128Barcode barcode(content, false);
    barcode.setBarWidth(barWidth);
    barcode.setFontSize(kCaptionFontSize);
    barcode.setHeight(barcode.captionHeight() * 72.0 + extraHeight);
    barcode.calculateWidth();
    return barcode;
}

QByteArray epsOf(const KVNCode128Barcode& barcode)
{
    return KVNBarcodeOffscreenView(barcode).epsData();
}

BarcodeFileResult saveOnce(const QString& path, const KVNCode128Barcode& barcode)
{
    BarcodeFileResult result;
    result.path = path;
    const QFileInfo info(path);
    if (info.exists()) {
        if (info.isFile()) {
            result.status = BarcodeFileResult::AlreadyPresent;
        } else {
            result.error = QStringLiteral("Cannot write the barcode picture %1: something else of that name is in the way.")
                               .arg(QDir::toNativeSeparators(path));
        }
        return result;
    }
    if (!QDir().mkpath(info.absolutePath())) {
        result.error = QStringLiteral("Cannot make the folder %1 for barcode pictures.")
                           .arg(QDir::toNativeSeparators(info.absolutePath()));
        return result;
    }
    QString why;
    const QByteArray eps = KVNBarcodeOffscreenView(barcode).epsData(&why);
    if (eps.isEmpty()) {
        result.error = QStringLiteral("Cannot draw the barcode %1: %2").arg(barcode.content(), why);
        return result;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(eps) != eps.size() || !file.commit()) {
        result.error = QStringLiteral("Cannot write the barcode picture %1: %2")
                           .arg(QDir::toNativeSeparators(path), file.errorString());
        return result;
    }
    result.status = BarcodeFileResult::Written;
    return result;
}

} // namespace

KVNCode128Barcode wineBarcode(quint32 wineID)
{
    return makeBarcode(QStringLiteral("wID-%1").arg(wineID), 0.72, 14.4);
}

KVNCode128Barcode identifierBarcode(quint32 ubid)
{
    return makeBarcode(QString::number(ubid), 1.08, 21.6);
}

QByteArray wineBarcodeEps(quint32 wineID)
{
    return epsOf(wineBarcode(wineID));
}

QByteArray identifierBarcodeEps(quint32 ubid)
{
    return epsOf(identifierBarcode(ubid));
}

QString wineBarcodePath(const QString& dataFolder, quint32 wineID)
{
    return QDir(dataFolder).filePath(QStringLiteral("Images/Barcodes/wID-%1.eps").arg(wineID));
}

QString identifierBarcodePath(const QString& dataFolder, quint32 ubid)
{
    return QDir(dataFolder).filePath(QStringLiteral("Images/Barcodes/UBIDs/%1.eps").arg(ubid));
}

BarcodeFileResult saveWineBarcode(const QString& dataFolder, quint32 wineID)
{
    return saveOnce(wineBarcodePath(dataFolder, wineID), wineBarcode(wineID));
}

BarcodeFileResult saveIdentifierBarcode(const QString& dataFolder, quint32 ubid)
{
    return saveOnce(identifierBarcodePath(dataFolder, ubid), identifierBarcode(ubid));
}
