// Built-in regions, areas and classifications of Greece.
// The position of every entry is its stored ID, separators included:
// never reorder, insert into or remove from these lists.
#include "catalogue/regions/RegionTablesData.h"

namespace RegionTables::Data {
namespace {

// CountryGreece
constexpr Entry kGreeceNorthAreas[] = {
    {"Amindeo"}, {"Côtes de Meliton"}, {"Goumenissa"}, {"Naoussa"},
};
constexpr Entry kGreeceCentralAreas[] = {
    {"Ankalos"}, {"Kantza"}, {"Kefallinia"}, {"Rapsani"}, {"Zitsa"},
};
constexpr Entry kGreecePeloponnesAreas[] = {
    {"Tripol"}, {"Levidi"}, {"Kapsas"}, {"Artemisio"}, {"Pikerni"}, {"Sangka"}, {"Nestani"}, {"Louka"},
    {"Zevgolatio"}, {"Partheni"}, {"Kandyla"}, {"Orhomenos"}, {"Paleopyrgos"}, {"Skopí"}, {"Merkovounio"},
    {"Ayios Konstantinos"}, {"Ayios Vassilios"}, {"Neohorio"}, {"Steno"}, {"Lithovounia"}, {"Agiorgitika"},
    {"Neméa"}, {"Archaia Neméa"}, {"Aidonía"}, {"Petri"}, {"Archaiï Kleones"}, {"Leondio"}, {"Psari"},
    {"Asprokambos"}, {"Dafni"}, {"Kastraki"}, {"Koutsi"}, {"Bozika"}, {"Titani"}, {"Kefalari"}, {"Argolida"},
    {"Gymno"}, {"Malendrenio"},
};
constexpr Entry kGreecePeloponnesClassifications[] = {
    {"Epitrapezios Inos (Table wine)"}, {"Topikos Inos (Local wine)"}, {"Kava"}, {"O.P.E. Appellations"},
    {"O.P.E. Reserve"}, {"O.P.E. Grande Reserve"}, {"O.P.A.P. Appellations"}, {"O.P.A.P. Reserve"},
    {"O.P.A.P. Grande Reserve"}, {"-"}, {"O.P.A.P. Mantinía"}, {"O.P.A.P. Neméa"}, {"O.P.A.P. Pátra"},
    {"O.P.E. Muscat of Pátra"}, {"O.P.E. Muscat of Rio of Pátra"}, {"O.P.E. Mavrodafni of Pátra"},
};
constexpr Entry kGreeceIslandsAreas[] = {
    {"Lemnos"}, {"Paros"}, {"Rhodos"}, {"Samos"}, {"Santorin"},
};
constexpr Entry kGreeceKretaAreas[] = {
    {"Arhánes"}, {"Dafnés"}, {"Pezá"}, {"Sitia"}, {"Ano Arhánes (upper)"}, {"Kato Arhánes (lower)"},
    {"Vasilíes"}, {"Skalani"}, {"Profítis Ilías"}, {"Ayios Síllas"}, {"Kerasia"}, {"Venerato"}, {"Siva"},
    {"Avyeniki"}, {"Ayios Thomas"}, {"Douli"}, {"Larani"}, {"Megali Vrisi"}, {"Ayia Varvara"}, {"Ano moulia"},
    {"Panasos"}, {"Yeryeri"}, {"Prinias"}, {"Ano Asites"}, {"Kato Asites"}, {"Pyrgou"}, {"Ayios Myronas"},
    {"Pentamodi"}, {"Petrokefalo"}, {"Kalloní"}, {"Houdetsi"}, {"Katalagari"}, {"Mirtia"}, {"Astraki"},
    {"Sambas"}, {"Ayies Paraskies"}, {"Meleses"}, {"Astritsi"}, {"Ayios Vasilios"}, {"Alagni"}, {"Panorama"},
    {"Patsideros"}, {"Kounavi"},
};
constexpr Entry kGreeceKretaClassifications[] = {
    {"Epitrapezios Inos (Table wine)"}, {"Topikos Inos (Local wine)"}, {"Kava"}, {"O.P.E. Appellations"},
    {"O.P.E. Reserve"}, {"O.P.E. Grande Reserve"}, {"O.P.A.P. Appellations"}, {"O.P.A.P. Reserve"},
    {"O.P.A.P. Grande Reserve"}, {"-"}, {"O.P.A.P. Arhánes"}, {"O.P.A.P. Dafnés"}, {"O.P.A.P. Pezá Red"},
    {"O.P.A.P. Pezá White"}, {"O.P.A.P. Sitia Red"}, {"O.P.A.P. Sitia White"},
};
constexpr Entry kGreeceEpirusAreas[] = {
    {"Protopappa"}, {"Ligopsa"}, {"Klimatia"}, {"Gavrisii"}, {"Karitsa"},
};
constexpr Entry kGreeceEpirusClassifications[] = {
    {"Epitrapezios Inos (Table wine)"}, {"Topikos Inos (Local wine)"}, {"Kava"}, {"O.P.E. Appellations"},
    {"O.P.E. Reserve"}, {"O.P.E. Grande Reserve"}, {"O.P.A.P. Appellations"}, {"O.P.A.P. Reserve"},
    {"O.P.A.P. Grande Reserve"}, {"-"}, {"O.P.A.P. Zítsa"},
};
constexpr Entry kGreeceMakedoniaAreas[] = {
    {"Amyndaio"}, {"Ayios Panteleimonas"}, {"Vegóras"}, {"Lakkiá"}, {"Kleidí"}, {"Antígonos"}, {"Maniaki"},
    {"Pétres"}, {"Fanos"}, {"Xynó Neró"}, {"Pedinó"}, {"Aetos"}, {"Rodóna"}, {"Agrapídia"}, {"Anagyri"},
    {"Varikó"}, {"Gouménissa"}, {"Filiriá"}, {"Státhi"}, {"Gorgópi"}, {"Kárpi"}, {"Gríva"}, {"Pendálafo"},
    {"Gerakóna"}, {"Náousa"}, {"Stenimachos"}, {"Yiannakohori"}, {"Marina"}, {"Lefkadia"}, {"Kopanos"},
};
constexpr Entry kGreeceMakedoniaClassifications[] = {
    {"Epitrapezios Inos (Table wine)"}, {"Topikos Inos (Local wine)"}, {"Kava"}, {"O.P.E. Appellations"},
    {"O.P.E. Reserve"}, {"O.P.E. Grande Reserve"}, {"O.P.A.P. Appellations"}, {"O.P.A.P. Reserve"},
    {"O.P.A.P. Grande Reserve"}, {"-"}, {"O.P.A.P. Amyntaio"}, {"O.P.A.P. Gouménissa"}, {"O.P.A.P. Náousa"},
    {"O.P.A.P. Playies Melitona Red"}, {"O.P.A.P. Playies Melitona White"},
};
constexpr Entry kGreeceThessaliaAreas[] = {
    {"Nea Anhialos"}, {"Aïdinio"}, {"Krokí"}, {"Mikrothives"}, {"Moskato"}, {"Messsenikola"}, {"Morphovoumio"},
    {"Rapsani"}, {"Kraniá"}, {"Piryetós"}, {"Ambelákia"},
};
constexpr Entry kGreeceThessaliaClassifications[] = {
    {"Epitrapezios Inos (Table wine)"}, {"Topikos Inos (Local wine)"}, {"Kava"}, {"O.P.E. Appellations"},
    {"O.P.E. Reserve"}, {"O.P.E. Grande Reserve"}, {"O.P.A.P. Appellations"}, {"O.P.A.P. Reserve"},
    {"O.P.A.P. Grande Reserve"}, {"-"}, {"O.P.A.P. Anhialos"}, {"O.P.A.P. Messenikóla"}, {"O.P.A.P. Rapsani"},
};
constexpr Entry kGreeceLimnosClassifications[] = {
    {"Epitrapezios Inos (Table wine)"}, {"Topikos Inos (Local wine)"}, {"Kava"}, {"O.P.E. Appellations"},
    {"O.P.E. Reserve"}, {"O.P.E. Grande Reserve"}, {"O.P.A.P. Appellations"}, {"O.P.A.P. Reserve"},
    {"O.P.A.P. Grande Reserve"}, {"-"}, {"O.P.E. Muscat of Límnos"}, {"O.P.A.P. Límnos"},
};
constexpr Entry kGreeceParosClassifications[] = {
    {"Epitrapezios Inos (Table wine)"}, {"Topikos Inos (Local wine)"}, {"Kava"}, {"O.P.E. Appellations"},
    {"O.P.E. Reserve"}, {"O.P.E. Grande Reserve"}, {"O.P.A.P. Appellations"}, {"O.P.A.P. Reserve"},
    {"O.P.A.P. Grande Reserve"}, {"-"}, {"O.P.A.P. Paros Red"}, {"O.P.A.P. Paros White"},
};
constexpr Entry kGreeceRhodesClassifications[] = {
    {"Epitrapezios Inos (Table wine)"}, {"Topikos Inos (Local wine)"}, {"Kava"}, {"O.P.E. Appellations"},
    {"O.P.E. Reserve"}, {"O.P.E. Grande Reserve"}, {"O.P.A.P. Appellations"}, {"O.P.A.P. Reserve"},
    {"O.P.A.P. Grande Reserve"}, {"-"}, {"O.P.A.P. Ródos Red"}, {"O.P.A.P. Ródos White"},
    {"O.P.A.P. Muscat of Ródos"},
};
constexpr Entry kGreeceSamosClassifications[] = {
    {"Epitrapezios Inos (Table wine)"}, {"Topikos Inos (Local wine)"}, {"Kava"}, {"O.P.E. Appellations"},
    {"O.P.E. Reserve"}, {"O.P.E. Grande Reserve"}, {"O.P.A.P. Appellations"}, {"O.P.A.P. Reserve"},
    {"O.P.A.P. Grande Reserve"}, {"-"}, {"O.P.A.P. Muscat of Samos"},
};
constexpr Entry kGreeceSantoriniAreas[] = {
    {"Santorini"}, {"Thirasía"},
};
constexpr Entry kGreeceSantoriniClassifications[] = {
    {"Epitrapezios Inos (Table wine)"}, {"Topikos Inos (Local wine)"}, {"Kava"}, {"O.P.E. Appellations"},
    {"O.P.E. Reserve"}, {"O.P.E. Grande Reserve"}, {"O.P.A.P. Appellations"}, {"O.P.A.P. Reserve"},
    {"O.P.A.P. Grande Reserve"}, {"-"}, {"O.P.A.P. Santorini White"},
};
constexpr Entry kGreeceKefaloniaAreas[] = {
    {"Lixouri"}, {"Kranaía"}, {"Sami"},
};
constexpr Entry kGreeceKefaloniaClassifications[] = {
    {"Epitrapezios Inos (Table wine)"}, {"Topikos Inos (Local wine)"}, {"Kava"}, {"O.P.E. Appellations"},
    {"O.P.E. Reserve"}, {"O.P.E. Grande Reserve"}, {"O.P.A.P. Appellations"}, {"O.P.A.P. Reserve"},
    {"O.P.A.P. Grande Reserve"}, {"-"}, {"O.P.A.P. Robóla of Kefaloniá"}, {"O.P.E. Muscat of Kefaloniá"},
    {"O.P.E. Mavrodáfni of Kefaloniá"},
};
constexpr RegionClass kGreeceRegionClasses[] = {
    {"RegioGreeceNorth", kGreeceNorthAreas, {}},
    {"RegioGreeceCentral", kGreeceCentralAreas, {}},
    {"RegioGreecePeloponnes", kGreecePeloponnesAreas, kGreecePeloponnesClassifications},
    {"RegioGreeceIslands", kGreeceIslandsAreas, {}},
    {"RegioGreeceKreta", kGreeceKretaAreas, kGreeceKretaClassifications},
    {"RegioGreeceEpirus", kGreeceEpirusAreas, kGreeceEpirusClassifications},
    {"RegioGreeceMakedonia", kGreeceMakedoniaAreas, kGreeceMakedoniaClassifications},
    {"RegioGreeceThessalia", kGreeceThessaliaAreas, kGreeceThessaliaClassifications},
    {"RegioGreeceThraki", {}, {}},
    {"RegioGreeceLimnos", {}, kGreeceLimnosClassifications},
    {"RegioGreeceMykonos", {}, {}},
    {"RegioGreeceParos", {}, kGreeceParosClassifications},
    {"RegioGreeceRhodes", {}, kGreeceRhodesClassifications},
    {"RegioGreeceSamos", {}, kGreeceSamosClassifications},
    {"RegioGreeceSantorini", kGreeceSantoriniAreas, kGreeceSantoriniClassifications},
    {"RegioGreeceKefalonia", kGreeceKefaloniaAreas, kGreeceKefaloniaClassifications},
    {"RegioGreeceKerkyra", {}, {}},
    {"RegioGreeceLefkada", {}, {}},
    {"RegioGreeceZakynthos", {}, {}},
};
constexpr const char* const kGreeceKeys[] = {
    "Greece",
};
constexpr RegionEntry kGreeceRegions[] = {
    {"North-Greece", "RegioGreeceNorth"}, {"Central-Greece", "RegioGreeceCentral"},
    {"Peloponnes", "RegioGreecePeloponnes"}, {"Islands", "RegioGreeceIslands"}, {"Kreta", "RegioGreeceKreta"},
    {"Epirus", "RegioGreeceEpirus"}, {"Makedonia", "RegioGreeceMakedonia"},
    {"Thessalia", "RegioGreeceThessalia"}, {"Thraki", "RegioGreeceThraki"}, {"Limnos", "RegioGreeceLimnos"},
    {"Mykonos", "RegioGreeceMykonos"}, {"Paros", "RegioGreeceParos"}, {"Rhodes", "RegioGreeceRhodes"},
    {"Samos", "RegioGreeceSamos"}, {"Santorini", "RegioGreeceSantorini"}, {"Kefalonia", "RegioGreeceKefalonia"},
    {"Kerkyra", "RegioGreeceKerkyra"}, {"Lefkada", "RegioGreeceLefkada"}, {"Zakynthos", "RegioGreeceZakynthos"},
};
constexpr Entry kGreeceClassifications[] = {
    {"Epitrapezios Inos (Table wine)"}, {"Topikos Inos (Local wine)"}, {"Kava"}, {"O.P.E. Appellations"},
    {"O.P.E. Reserve"}, {"O.P.E. Grande Reserve"}, {"O.P.A.P. Appellations"}, {"O.P.A.P. Reserve"},
    {"O.P.A.P. Grande Reserve"},
};
constexpr CountryData kGreece{
    {"CountryGreece", kGreeceKeys, kGreeceRegions, kGreeceClassifications},
    kGreeceRegionClasses,
};

} // namespace

const CountryData& greece() { return kGreece; }

} // namespace RegionTables::Data
