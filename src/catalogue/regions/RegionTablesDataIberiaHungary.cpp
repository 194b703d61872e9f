// Built-in regions, areas and classifications of Spain, Portugal and Hungary.
// The position of every entry is its stored ID, separators included:
// never reorder, insert into or remove from these lists.
#include "catalogue/regions/RegionTablesData.h"

namespace RegionTables::Data {
namespace {

// CountrySpain
constexpr const char* const kSpainKeys[] = {
    "Spain",
};
constexpr RegionEntry kSpainRegions[] = {
    {"Allela"}, {"Alicante"}, {"Almansa"}, {"Ampurdán-Costa Brava"}, {"Aragón"}, {"Bierzo"}, {"Benissalem"},
    {"Calatayud"}, {"Campo de Borja"}, {"Carinena"}, {"Cava"}, {"Chacolí"}, {"Cigales"}, {"Conca de Barberá"},
    {"Condado de Huelva"}, {"Costers del Segre"}, {"Galicien"}, {"Jerez"}, {"Jumilla"}, {"Katalonien"},
    {"La Mancha"}, {"Málaga"}, {"Méntrida"}, {"Montilla-Moriles"}, {"Navarra"}, {"Penedés"}, {"Pla de Bages"},
    {"Priorato"}, {"Rías Baixas"}, {"Ribeiro"}, {"Ribera del Duero"}, {"Rioja"}, {"Rueda"}, {"Somontano"},
    {"Tacoronte-Acentejo"}, {"Tarragona"}, {"Terra Alta"}, {"Toro"}, {"Utiel-Requena"}, {"Valdeorras"},
    {"Valdepenas"}, {"Valencia"}, {"Vinos de Madrid"}, {"Ycoden-Daute-Isora"}, {"Yecla"}, {"Montsant"},
};
constexpr Entry kSpainClassifications[] = {
    {"vino de mesa"}, {"vino de la tierra"}, {"-"}, {"DO (denominación de origen)"},
    {"DOCa (denominación de origen calificada)"}, {"-"}, {"DO Crianza"}, {"DO Reserva"}, {"DO Grand Reserva"},
    {"-"}, {"DOCa Crianza"}, {"DOCa Reserva"}, {"DOCa Grand Reserva"},
};
constexpr CountryData kSpain{
    {"CountrySpain", kSpainKeys, kSpainRegions, kSpainClassifications},
    {},
};

// CountryPortugal
constexpr const char* const kPortugalKeys[] = {
    "Portugal",
};
constexpr RegionEntry kPortugalRegions[] = {
    {"Alcobaça"}, {"Alenquer"}, {"Almeirim"}, {"Arrábida"}, {"Arruda"}, {"Bairrada"}, {"Óbidos"}, {"Biscoitos"},
    {"Borba"}, {"Bucelas"}, {"Carcavelos"}, {"Cartaxo"}, {"Castelo Rodrigo"}, {"Chamusca"}, {"Chaves"},
    {"Colares"}, {"Coruche"}, {"Cova da Beira"}, {"Dão"}, {"Encostas da Nave"}, {"Encostas de Aire"}, {"Évora"},
    {"Graciosa"}, {"Granja-Amareleja"}, {"Lafões"}, {"Lagoa"}, {"Lagos"}, {"Madeira"}, {"Moura"}, {"Palmela"},
    {"Pico"}, {"Pinhel"}, {"Planalto-Mirandês"}, {"Portalegre"}, {"Portimão"}, {"Porto / Douro"}, {"Redondo"},
    {"Reguengos"}, {"Santarém"}, {"Setúbal"}, {"Tavira"}, {"Tomar"}, {"Torres Vedras"}, {"Valpaços"},
    {"Varosa"}, {"Vidigueira"}, {"Vinho Verde"},
};
constexpr Entry kPortugalClassifications[] = {
    {"Vinode Mesa"}, {"(VR) Vinho Regional"}, {"(IPR) Indicação de Proveniência Regulamentada"},
    {"(DOC) Denominação de Origem Controlada"},
};
constexpr CountryData kPortugal{
    {"CountryPortugal", kPortugalKeys, kPortugalRegions, kPortugalClassifications},
    {},
};

// CountryHungary
constexpr const char* const kHungaryKeys[] = {
    "Hungary",
};
constexpr RegionEntry kHungaryRegions[] = {
    {"Badacsony"}, {"Balatonfüred-Csopak"}, {"Balatonmellék"}, {"Bükkalja"}, {"Csongrád"}, {"Dél-Balaton"},
    {"Eger"}, {"Etyek"}, {"Hajós-Vaskút"}, {"Izár-Neszmély"}, {"Kiskunság"}, {"Mátraalja"}, {"Mecsekalja"},
    {"Mór"}, {"Pannonhalma-Sokoróalja"}, {"Somló"}, {"Sopron"}, {"Szekszárd"}, {"Tokjhegyalja"},
    {"Villány-Siklós"},
};
constexpr Entry kHungaryClassifications[] = {
    {"Asztali"}, {"Tajjelegü"}, {"Minöségi , Különleges Minöségü"}, {"Aszú (3 Puttonyos)"},
    {"Aszú (4 Puttonyos)"}, {"Aszú (5 Puttonyos)"}, {"Aszú (6 Puttonyos)"}, {"Aszú Essencia"}, {"Essencia"},
};
constexpr CountryData kHungary{
    {"CountryHungary", kHungaryKeys, kHungaryRegions, kHungaryClassifications},
    {},
};

} // namespace

const CountryData& spain() { return kSpain; }
const CountryData& portugal() { return kPortugal; }
const CountryData& hungary() { return kHungary; }

} // namespace RegionTables::Data
