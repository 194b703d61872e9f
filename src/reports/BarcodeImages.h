#pragma once
#include <QByteArray>
#include <QString>

#include "reports/barcode/BarcodePictures.h"

class BottleIdentifier;
class Wine;

// The barcodes of wines and numbered bottles. They live here, above the model,
// so that the model stays plain data.

// EPS data of the wine's barcode ("wID-<wine ID>").
QByteArray barcodeImage(const Wine& wine);
// EPS data of the identifier's barcode (its printed number).
QByteArray barcodeImage(const BottleIdentifier& identifier);
// Writes the picture into the data folder once; an existing picture is kept.
BarcodeFileResult saveBarcodeImage(const Wine& wine, const QString& dataFolder);
BarcodeFileResult saveBarcodeImage(const BottleIdentifier& identifier, const QString& dataFolder);
