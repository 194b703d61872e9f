#include "catalogue/CatalogueClasses.h"

#include <mutex>

#include "catalogue/Appelation.h"
#include "catalogue/Area.h"
#include "catalogue/Bottle.h"
#include "catalogue/Classification.h"
#include "catalogue/Country.h"
#include "catalogue/RegionClasses.h"
#include "catalogue/Regio.h"
#include "catalogue/WineInfos.h"
#include "catalogue/WineType.h"

void registerCatalogueClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerArchivable<WineInfos>(QStringLiteral("WineInfos"), WineInfos::Version);
        registerArchivable<Country>(Country::BaseClassName, Country::Version);
        registerArchivable<Regio>(Regio::BaseClassName, Regio::Version);
        registerArchivable<Area>(QStringLiteral("Area"), Area::Version);
        registerArchivable<Classification>(QStringLiteral("Classification"), Classification::Version);
        registerArchivable<Appelation>(QStringLiteral("Appelation"), Appelation::Version);
        registerArchivable<WineType>(QStringLiteral("WineType"), WineType::Version);
        registerArchivable<Bottle>(QStringLiteral("Bottle"), Bottle::Version);
        RegionClasses::registerClassNames();
    });
}
