#include "reports/BarcodeImages.h"
#include "model/BottleIdentifier.h"
#include "model/Wine.h"

QByteArray barcodeImage(const Wine& wine)
{
    return wineBarcodeEps(wine.wineID());
}

QByteArray barcodeImage(const BottleIdentifier& identifier)
{
    return identifierBarcodeEps(identifier.ubid());
}

BarcodeFileResult saveBarcodeImage(const Wine& wine, const QString& dataFolder)
{
    return saveWineBarcode(dataFolder, wine.wineID());
}

BarcodeFileResult saveBarcodeImage(const BottleIdentifier& identifier, const QString& dataFolder)
{
    return saveIdentifierBarcode(dataFolder, identifier.ubid());
}
