#pragma once
#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QString>

class KVNBarcode;
class QImage;
class QPainter;

// Draws a barcode and gives the picture as EPS, PDF or a bitmap. All outputs
// come from the same geometry: one rectangle per run of bar modules, with a
// quiet zone of ten modules on either side of the symbol.
//
// The view keeps a reference: the barcode must outlive it.
class KVNBarcodeOffscreenView
{
public:
    static constexpr int QuietZoneModules = 10;

    explicit KVNBarcodeOffscreenView(const KVNBarcode& barcode);

    const KVNBarcode& barcode() const { return *m_barcode; }
    void setBarcode(const KVNBarcode& barcode) { m_barcode = &barcode; }

    // Width of each quiet zone in points.
    double quietZone() const;
    // The picture: (0, 0) to the symbol's width plus both quiet zones, by its height.
    QRectF bounds() const;

    // The bar rectangles in points, y growing upwards from the picture's bottom
    // edge, as PostScript and PDF place them.
    QList<QRectF> barRects() const;

    // Paints the picture with its top-left corner at the painter's origin, one
    // unit being one point. Callers that place barcodes on a page translate first.
    void drawRect(QPainter& painter) const;

    // Encapsulated PostScript of the picture; empty with an error message for a
    // content the barcode cannot encode.
    QByteArray epsData(QString* error = nullptr) const;
    // A one-page PDF of the picture's size.
    QByteArray pdfData(QString* error = nullptr) const;
    // A bitmap on white at the given resolution; null for an invalid content.
    QImage image(double dotsPerInch, QString* error = nullptr) const;
    QByteArray pngData(double dotsPerInch, QString* error = nullptr) const;

private:
    struct CaptionLine {
        QString text;
        double x;       // points from the picture's left edge
        double bottom;  // points above the picture's bottom edge
        bool centred;   // x is the centre rather than the left edge
    };
    QList<CaptionLine> captionLines() const;
    bool checkContent(QString* error) const;

    const KVNBarcode* m_barcode;
};
