#include <QByteArray>
#include <QtGlobal>
#include <cstddef>
#include <cstdint>

#include "catalogue/CatalogueClasses.h"
#include "catalogue/Country.h"
#include "catalogue/Regio.h"
#include "catalogue/WineInfos.h"
#include "platform/Coder.h"
#include "platform/SequentialArchive.h"

// Reads bytes as a catalogue file and walks every look-up over what came back:
// a damaged file must give an ArchiveError, never a crash.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        registerCatalogueClasses();
        return true;
    }();
    (void)ready;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        auto infos = std::dynamic_pointer_cast<WineInfos>(SequentialArchive::read(bytes));
        if (!infos)
            return 0;
        const int n = int(infos->orderedCountries().size());
        for (int c = 0; c <= n + 1; ++c) {
            infos->countryName(c);
            infos->countryCode(c);
            auto country = infos->country(c);
            const int regions = country ? int(country->regios().size()) : 0;
            for (int r = 0; r <= regions + 1; ++r) {
                infos->regioName(c, r);
                infos->regioIsSystem(c, r);
                for (int a = 0; a <= 2; ++a)
                    for (int k = 0; k <= 3; ++k) {
                        infos->classificationName(c, r, a, k);
                        infos->classificationIsSystem(c, r, a, k);
                    }
            }
        }
        WineInfos::RegionAreaDictionary dict;
        infos->createRegionAreaDictionary(dict);
        for (const auto& e : dict)
            e->countryName(), e->regionName(), e->areaName();
        infos->brimoraExport();
        infos->findCountryIDForISO3alpha(QStringLiteral("ita"));
        infos->winetypeFor(QStringLiteral("red"));
    } catch (const ArchiveError&) {
    }
    return 0;
}
