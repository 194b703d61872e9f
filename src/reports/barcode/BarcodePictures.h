#pragma once
#include <QByteArray>
#include <QString>

class KVNCode128Barcode;

// The two barcodes the application makes, from plain values so that the model
// stays free of drawing: a wine's ("wID-<id>") and a bottle identifier's
// ("<number>"), and their pictures cached as EPS files in the data folder.

// Configured barcodes, for callers that draw them straight onto a page.
KVNCode128Barcode wineBarcode(quint32 wineID);
KVNCode128Barcode identifierBarcode(quint32 ubid);

// The EPS pictures.
QByteArray wineBarcodeEps(quint32 wineID);
QByteArray identifierBarcodeEps(quint32 ubid);

// Where the cached pictures live: Images/Barcodes/wID-<id>.eps and
// Images/Barcodes/UBIDs/<number>.eps in the data folder.
QString wineBarcodePath(const QString& dataFolder, quint32 wineID);
QString identifierBarcodePath(const QString& dataFolder, quint32 ubid);

struct BarcodeFileResult {
    enum Status { Written, AlreadyPresent, Failed };
    Status status = Failed;
    QString path;
    QString error;  // set when status is Failed
    bool ok() const { return status != Failed; }
};

// Writes the picture once: an existing file is kept as it is. The folder is made
// when missing and the file appears whole or not at all.
BarcodeFileResult saveWineBarcode(const QString& dataFolder, quint32 wineID);
BarcodeFileResult saveIdentifierBarcode(const QString& dataFolder, quint32 ubid);
