#include <gtest/gtest.h>

#include "reports/barcode/BarcodePictures.h"
#include "reports/barcode/KVNBarcodeOffscreenView.h"
#include "reports/barcode/KVNCode128Barcode.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <set>

// Renders barcodes to PNG files and reads them back with an independent decoder
// (zbarimg): the only proof that a scanner reads what we print.
namespace {

QString zbarimg()
{
    return QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
}

// Decodes one picture; returns the raw text of the one symbol found.
QByteArray decode(const QImage& image, const QTemporaryDir& dir, const QString& name, QString* failure)
{
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    if (!image.save(path, "PNG")) {
        *failure = QStringLiteral("cannot write ") + path;
        return {};
    }
    QProcess zbar;
    zbar.start(zbarimg(), {QStringLiteral("-q"), QStringLiteral("--raw"), QStringLiteral("-Sdisable"),
                           QStringLiteral("-Scode128.enable"), path});
    if (!zbar.waitForFinished(30000) || zbar.exitStatus() != QProcess::NormalExit || zbar.exitCode() != 0) {
        *failure = QStringLiteral("zbarimg found no barcode in ") + path + QLatin1Char(' ')
            + QString::fromLocal8Bit(zbar.readAllStandardError());
        return {};
    }
    QByteArray out = zbar.readAllStandardOutput();
    if (out.endsWith('\n'))
        out.chop(1);
    return out;
}

// A barcode at one point per module, rendered at three pixels per module.
QImage render(const KVNCode128Barcode& barcode, double dotsPerInch)
{
    return KVNBarcodeOffscreenView(barcode).image(dotsPerInch);
}

KVNCode128Barcode plain(const QString& content)
{
    KVNCode128Barcode bc(content, false);
    bc.setBarWidth(1.0);
    bc.setHeight(40.0);
    bc.calculateWidth();
    return bc;
}

// Set C encodes digits by pairs, so an odd count of digits is read back with a
// leading zero (the whole-number search reads "07" as 7).
QByteArray expectedReading(const QString& content)
{
    const QByteArray text = content.toLatin1();
    const bool digits = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    return digits && text.size() % 2 ? '0' + text : text;
}

} // namespace

TEST(BarcodeDecode, EverySymbolValueReadsBack)
{
    if (zbarimg().isEmpty())
        GTEST_SKIP() << "zbarimg (Debian package zbar-tools) is not installed; install it to read barcodes back";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    QStringList contents;
    // Set C: every pair 00 to 99, ten pairs a symbol.
    for (int first = 0; first < 100; first += 10) {
        QString digits;
        for (int v = first; v < first + 10; ++v)
            digits += QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
        contents.append(digits);
    }
    // Set B: every character from space to tilde.
    for (int first = 32; first <= 126; first += 19) {
        QString text;
        for (int c = first; c < first + 19 && c <= 126; ++c)
            text += QChar(c);
        contents.append(text);
    }
    // The check values that no data symbol reaches: identifier numbers whose check is 100 to 102.
    for (int wanted = 96; wanted <= 102; ++wanted) {
        for (int n = 1; n < 100000; ++n) {
            if (KVNCode128Barcode(QString::number(n)).checkDigit() == wanted) {
                contents.append(QString::number(n));
                break;
            }
        }
    }

    std::set<int> used;
    for (const QString& content : contents) {
        const KVNCode128Barcode bc = plain(content);
        ASSERT_TRUE(bc.isContentValid()) << bc.contentError().toStdString();
        for (int v : bc.dataValues())
            used.insert(v);
        used.insert(bc.checkDigit());
    }
    for (int v = 0; v <= 102; ++v)
        ASSERT_TRUE(used.count(v)) << "no content uses the value " << v;

    int index = 0;
    for (const QString& content : contents) {
        QString failure;
        const QByteArray read = decode(render(plain(content), 216.0), dir, QStringLiteral("c%1").arg(index++), &failure);
        EXPECT_TRUE(failure.isEmpty()) << failure.toStdString() << " for " << content.toStdString();
        EXPECT_EQ(read, expectedReading(content));
    }
}

TEST(BarcodeDecode, ControlCharactersReadBackInSetA)
{
    if (zbarimg().isEmpty())
        GTEST_SKIP() << "zbarimg (Debian package zbar-tools) is not installed; install it to read barcodes back";
    QTemporaryDir dir;
    const QString content = QStringLiteral("AB\x01\x1e\x1f");
    const KVNCode128Barcode bc = plain(content);
    ASSERT_EQ(bc.codeSet(), KVNCode128Barcode::CodeSetA);
    QString failure;
    const QByteArray read = decode(render(bc, 216.0), dir, QStringLiteral("setA"), &failure);
    EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
    EXPECT_EQ(read, content.toLatin1());
}

TEST(BarcodeDecode, TheApplicationsBarcodesReadBack)
{
    if (zbarimg().isEmpty())
        GTEST_SKIP() << "zbarimg (Debian package zbar-tools) is not installed; install it to read barcodes back";
    QTemporaryDir dir;
    // Identifier numbers whose pairs or checks are 94 and 95, which a short table lacks.
    const QList<quint32> identifiers = {1, 7, 94, 95, 194, 1234, 9495, 123456, 4000000000u};
    for (quint32 id : identifiers) {
        QString failure;
        // 300 dots per inch: 4.5 pixels per module, so bars round unevenly as on a printer.
        const QByteArray read = decode(render(identifierBarcode(id), 300.0), dir, QStringLiteral("u%1").arg(id), &failure);
        EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
        EXPECT_EQ(read, expectedReading(QString::number(id)));
    }
    for (quint32 id : {1u, 7u, 94u, 1000u, 65535u}) {
        QString failure;
        const QByteArray read = decode(render(wineBarcode(id), 300.0), dir, QStringLiteral("w%1").arg(id), &failure);
        EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
        EXPECT_EQ(read, "wID-" + QByteArray::number(id));
    }
}

TEST(BarcodeDecode, PdfPictureReadsBack)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (zbarimg().isEmpty() || pdftoppm.isEmpty())
        GTEST_SKIP() << "zbarimg (zbar-tools) or pdftoppm (poppler-utils) is not installed; install them to read PDFs back";
    QTemporaryDir dir;
    const QByteArray pdf = KVNBarcodeOffscreenView(identifierBarcode(9495)).pdfData();
    QFile file(dir.filePath(QStringLiteral("tag.pdf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pdf);
    file.close();
    QProcess raster;
    raster.start(pdftoppm, {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                            file.fileName(), dir.filePath(QStringLiteral("tag"))});
    ASSERT_TRUE(raster.waitForFinished(30000));
    ASSERT_EQ(raster.exitCode(), 0) << raster.readAllStandardError().constData();
    QImage image(dir.filePath(QStringLiteral("tag.png")));
    ASSERT_FALSE(image.isNull());
    QString failure;
    EXPECT_EQ(decode(image, dir, QStringLiteral("again"), &failure), "9495") << failure.toStdString();
}
