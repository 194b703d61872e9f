// Built-in regions, areas and classifications of Germany and Austria.
// The position of every entry is its stored ID, separators included:
// never reorder, insert into or remove from these lists.
#include "catalogue/regions/RegionTablesData.h"

namespace RegionTables::Data {
namespace {

// CountryGermany
constexpr Entry kGermanyAhrAreas[] = {
    {"Klosterberg"},
};
constexpr Entry kGermanyBadenAreas[] = {
    {"Sonnenufer"}, {"Vogtei Rötteln"}, {"Burg Neuenfels"}, {"Lorettoberg"}, {"Attilafelsen"}, {"Vulkanfelsen"},
    {"Burg Zähringen"}, {"Burg Lichteneck"}, {"Schutterlindenberg"}, {"Fürsteneck"}, {"Schloß Rodeck"},
    {"Hohenberg"}, {"Mannaberg"}, {"Stiftsberg"}, {"Ritterberg"}, {"Tauberklinge"},
};
constexpr Entry kGermanyFrankenAreas[] = {
    {"Roßtal"}, {"Ravensburg"}, {"Ewig Leben"}, {"Teufelstor"}, {"Ölspiel"}, {"Hofrat"}, {"Honigberg"},
    {"Kirchberg"}, {"Engelsberg"}, {"Markgraf Babenberg"}, {"Marienberg"}, {"Burg"},
    {"Frankenberger Schloßstück"}, {"Burgweg"}, {"Schloßberg"}, {"Herrenberg"}, {"Schild"}, {"Steige"},
    {"Zabelstein"}, {"Ipsheimer Burgberg"}, {"Kapellenberg"},
};
constexpr Entry kGermanyHessenAreas[] = {
    {"Schloßberg"}, {"Wolfsmagen"}, {"Rott"},
};
constexpr Entry kGermanyMittelRheinAreas[] = {
    {"Schloß Reichenstein"}, {"Schloß Stahleck"}, {"Gedeonseck"}, {"Herrenberg"}, {"Lahntal"},
    {"Loreleyfelsen"}, {"Marksburg"}, {"Schloß Schönburg"}, {"Burg Hammerstein"}, {"Burg Rheinfels"},
    {"Petersberg"},
};
constexpr Entry kGermanyMoselAreas[] = {
    {"Weinhex"}, {"Goldbäumchen"}, {"Rosenhang"}, {"Grafschaft"}, {"Schwarze Katz"}, {"Vom heißen Stein"},
    {"Schwarzlay"}, {"Nacktarsch"}, {"Münzlay"}, {"Badstube"}, {"Beerenlay"}, {"Kurfürstenlay"},
    {"Michelsberg"}, {"St. Michael"}, {"Probstberg"}, {"Römerlay"}, {"Scharzberg"}, {"Königsberg"}, {"Gipfel"},
    {"Schloß Bübinger"},
};
constexpr Entry kGermanyNaheAreas[] = {
    {"Kronenberg"}, {"Pfarrgarten"}, {"Schloßkapelle"}, {"Sonnenborn"}, {"Burgweg"}, {"Paradiesgarten"},
    {"Rosengarten"},
};
constexpr Entry kGermanyPfalzAreas[] = {
    {"Guttenberg"}, {"Kloster Liebfrauenberg"}, {"Herrlich"}, {"Königsgarten"}, {"Bischofskreuz"},
    {"Trappenberg"}, {"Ordensgut"}, {"Schloß Ludwigshöhe"}, {"Mandelhöhe"}, {"Pfaffengrund"}, {"Rebstöckel"},
    {"Meerspinne"}, {"Hofstück"}, {"Mariengarten"}, {"Schnepfenflug"}, {"Schenkenböhl"}, {"Hochmeß"},
    {"Honigsäckel"}, {"Feuerberg"}, {"Kobnert"}, {"Rosenbühl"}, {"Schwarzerde"}, {"Höllenpfad"},
    {"Grafenstück"}, {"Schepfenflug vom Zellertal"},
};
constexpr Entry kGermanyRheingauAreas[] = {
    {"Burgweg"}, {"Steil"}, {"Erntebringer"}, {"Honigberg"}, {"Gottesthal"}, {"Deutelsberg"}, {"Mehrhölzchen"},
    {"Heiligenstock"}, {"Steinmächer"}, {"Daubhaus"},
};
constexpr Entry kGermanyRheinhessenAreas[] = {
    {"Domblick"}, {"Liebfrauenmorgen"}, {"Burg Rodenstein"}, {"Sybillenstein"}, {"Bergkloster"}, {"Pilgerpfad"},
    {"Sankt Alban"}, {"Domherr"}, {"Rehbach"}, {"Gutes Domtal"}, {"Auflangen"}, {"Spiegelberg"},
    {"Güldenmorgen"}, {"Vogelsgärten"}, {"Krötenbrunnen"}, {"Rheinblick"}, {"Petersberg"}, {"Adelberg"},
    {"Rheingrafenstein"}, {"Kurfürstenstück"}, {"Abtey"}, {"Sankt-Rochus-Kapelle"}, {"Kaiserpfalz"},
};
constexpr Entry kGermanyWuertenbergAreas[] = {
    {"Tauberberg"}, {"Kocherberg"}, {"Stromberg"}, {"Heuchelberg"}, {"Schalkstein"}, {"Kirchweinberg"},
    {"Staufenberg"}, {"Schozachtal"}, {"Wunnenstein"}, {"Salzberg"}, {"Lindelberg"}, {"Weinsteige"}, {"Kopf"},
    {"Wartbühl"}, {"Sonnenbühl"}, {"Hohenneuffen"},
};
constexpr RegionClass kGermanyRegionClasses[] = {
    {"RegioGermanyAhr", kGermanyAhrAreas, {}},
    {"RegioGermanyBaden", kGermanyBadenAreas, {}},
    {"RegioGermanyFranken", kGermanyFrankenAreas, {}},
    {"RegioGermanyHessen", kGermanyHessenAreas, {}},
    {"RegioGermanyMittelRhein", kGermanyMittelRheinAreas, {}},
    {"RegioGermanyMosel", kGermanyMoselAreas, {}},
    {"RegioGermanyNahe", kGermanyNaheAreas, {}},
    {"RegioGermanyPfalz", kGermanyPfalzAreas, {}},
    {"RegioGermanyRheingau", kGermanyRheingauAreas, {}},
    {"RegioGermanyRheinhessen", kGermanyRheinhessenAreas, {}},
    {"RegioGermanyWuertenberg", kGermanyWuertenbergAreas, {}},
};
constexpr const char* const kGermanyKeys[] = {
    "Germany",
};
constexpr RegionEntry kGermanyRegions[] = {
    {"Ahr", "RegioGermanyAhr"}, {"Baden", "RegioGermanyBaden"}, {"Franken", "RegioGermanyFranken"},
    {"Hessische Bergstraße", "RegioGermanyHessen"}, {"Mittelrhein", "RegioGermanyMittelRhein"},
    {"Mosel-Saar-Ruwer", "RegioGermanyMosel"}, {"Nahe", "RegioGermanyNahe"}, {"Pfalz", "RegioGermanyPfalz"},
    {"Rheingau", "RegioGermanyRheingau"}, {"Rheinhessen", "RegioGermanyRheinhessen"}, {"Saale-Unstrut"},
    {"Sachsen"}, {"Württemberg", "RegioGermanyWuertenberg"},
};
constexpr Entry kGermanyClassifications[] = {
    {"Tafelwein"}, {"QbA"}, {"-"}, {"Kabinett"}, {"Spätlese"}, {"Auslese"}, {"Beerenauslese"},
    {"Trockenbeerenauslese"}, {"-"}, {"Eiswein"}, {"-"}, {"Classic"}, {"Selection"},
};
constexpr CountryData kGermany{
    {"CountryGermany", kGermanyKeys, kGermanyRegions, kGermanyClassifications},
    kGermanyRegionClasses,
};

// CountryAustria
// Austria's separators are the text "-" itself, never translated.
constexpr Entry kAustriaBurgenlandAreas[] = {
    {"Central Burgenland"}, {"Neusiedlersee"}, {"Neusiedlersee-Hügelland"}, {"South Burgenland"},
};
constexpr Entry kAustriaNiederAreas[] = {
    {"Carnuntum"}, {"Donauland"}, {"Kamptal"}, {"Kremstal"}, {"Thermenregion"}, {"Weinviertel"}, {"Wachau"},
};
constexpr Entry kAustriaNiederClassifications[] = {
    {"Tafelwein"}, {"Landwein"}, {"-", Lookup::Literal}, {"Qualitätswein"}, {"Kabinett"}, {"Prädikatswein"},
    {"-", Lookup::Literal}, {"Spätlese"}, {"Auslese"}, {"Beerenauslese"}, {"Ausbruch"},
    {"Trockenbeerenauslese"}, {"Eiswein"}, {"-", Lookup::Literal}, {"Steinfeder"}, {"Federspiel"}, {"Smaragd"},
};
constexpr Entry kAustriaSteiermarkAreas[] = {
    {"South Steiermark"}, {"South-East Steiermark"}, {"West Steiermark"},
};
constexpr RegionClass kAustriaRegionClasses[] = {
    {"RegioAustriaBurgenland", kAustriaBurgenlandAreas, {}},
    {"RegioAustriaNieder", kAustriaNiederAreas, kAustriaNiederClassifications},
    {"RegioAustriaSteiermark", kAustriaSteiermarkAreas, {}},
};
constexpr const char* const kAustriaKeys[] = {
    "Austria",
};
constexpr RegionEntry kAustriaRegions[] = {
    {"Burgenland", "RegioAustriaBurgenland"}, {"Niederöstereich", "RegioAustriaNieder"},
    {"Steiermark", "RegioAustriaSteiermark"}, {"Wien"},
};
constexpr Entry kAustriaClassifications[] = {
    {"Tafelwein"}, {"Landwein"}, {"-", Lookup::Literal}, {"Qualitätswein"}, {"Kabinett"}, {"Prädikatswein"},
    {"-", Lookup::Literal}, {"Spätlese"}, {"Auslese"}, {"Beerenauslese"}, {"Ausbruch"},
    {"Trockenbeerenauslese"}, {"Eiswein"},
};
constexpr CountryData kAustria{
    {"CountryAustria", kAustriaKeys, kAustriaRegions, kAustriaClassifications},
    kAustriaRegionClasses,
};

} // namespace

const CountryData& germany() { return kGermany; }
const CountryData& austria() { return kAustria; }

} // namespace RegionTables::Data
