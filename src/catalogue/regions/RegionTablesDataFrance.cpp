// Built-in regions, areas and classifications of France.
// The position of every entry is its stored ID, separators included:
// never reorder, insert into or remove from these lists.
#include "catalogue/regions/RegionTablesData.h"

namespace RegionTables::Data {
namespace {

// CountryFrance
constexpr Entry kFranceAlsaceClassifications[] = {
    {"Vin de Table"}, {"Vin de Pays"}, {"Appellation d'Origine Vin De Qualité Supérieure (AOVDQS)"},
    {"Appellation d'Origine Contrôlée (AOC)"}, {"-"}, {"Vendange Tardive"}, {"Sélection de Grains Nobles"},
    {"-"}, {"(AOC) Alsace Chasselas Ou Gutedel"}, {"(AOC) Alsace Gewurztraminer"}, {"(AOC) Alsace Grand Cru"},
    {"(AOC) Alsace Muscat"}, {"(AOC) Alsace Pinot Noir"}, {"(AOC) Alsace Pinot Ou Klevner"},
    {"(AOC) Alsace Riesling"}, {"(AOC) Alsace Sylvaner"}, {"(AOC) Alsace Tokay-Pinot Gris"},
    {"(AOC) Cremant D'Alsace"},
};
constexpr Entry kFranceBordeauxAreas[] = {
    {"Barsac"}, {"Bordeaux Haut-Benauge"}, {"Bordeaux-Côtes de Francs"}, {"Cadillac"}, {"Cérons"},
    {"Côtes Canon-Fronsac"}, {"Côtes de Blaye"}, {"Côtes de Bordeaux-St-Macaire"}, {"Côtes de Bourg"},
    {"Côtes de Castillon"}, {"Entre-Deux-Mers"}, {"Fronsac"}, {"Graves"}, {"Graves de Vayres"}, {"Haut-Médoc"},
    {"Lalande-de-Pomerol"}, {"Listrac-Médoc"}, {"Loupiac"}, {"Lussac"}, {"Margaux"}, {"Médoc"}, {"Montagne"},
    {"Moulis"}, {"Pauillac"}, {"Pessac-Léognan"}, {"Pomerol"}, {"Premières Côtes de Blaye"},
    {"Premières Côtes de Bordeaux"}, {"Puisseguin"}, {"Sauternes"}, {"St-Émilion"}, {"St-Estèphe"},
    {"St-Georges"}, {"St-Julien"}, {"Ste-Croix-du-Mont"}, {"Ste-Foy-Bordeaux"},
};
constexpr Entry kFranceBordeauxClassifications[] = {
    {"Crus artisans"}, {"Crus bourgeois"}, {"-"}, {"Cinquièmes grands crus classés"},
    {"Quatrièmes grands crus classés"}, {"Troisièmes grands crus classés"}, {"Deuxièmes grands crus classés"},
    {"Premier grands crus classés"}, {"-"}, {"Grands crus classés"}, {"Premier grands crus classés B"},
    {"Premier grands crus classés A"}, {"-"}, {"Crus Classés"}, {"-"}, {"Cru Superieur"}, {"Premiers Crus"},
    {"Deuxièmes Crus"}, {"-"}, {"(AOC) Barsac"}, {"(AOC) Blaye"}, {"(AOC) Bordeaux"},
    {"(AOC) Bordeaux Clairet"}, {"(AOC) Bordeaux Cotes De Francs"}, {"(AOC) Bordeaux Rose"},
    {"(AOC) Bordeaux Sec"}, {"(AOC) Bordeaux Superieur"}, {"(AOC) Cadillac"}, {"(AOC) Canon-Fronsac"},
    {"(AOC) Cerons"}, {"(AOC) Cremant De Bordeaux"}, {"(AOC) Cotes De Blaye"}, {"(AOC) Cotes De Bourg"},
    {"(AOC) Cotes De Castillon"}, {"(AOC) Entre-Deux-Mers"}, {"(AOC) Fronsac"}, {"(AOC) Graves"},
    {"(AOC) Graves De Vayres"}, {"(AOC) Graves Superieures"}, {"(AOC) Haut-Medoc"},
    {"(AOC) Lalande De Pomerol"}, {"(AOC) Listrac-Medoc"}, {"(AOC) Loupiac"}, {"(AOC) Margaux"},
    {"(AOC) Medoc"}, {"(AOC) Montagne Saint-Emilion"}, {"(AOC) Moulis En Medoc"}, {"(AOC) Pauillac"},
    {"(AOC) Pessac Leognan"}, {"(AOC) Pomerol"}, {"(AOC) Premieres Cotes De Bordeaux"},
    {"(AOC) Premieres Cotes De Blaye"}, {"(AOC) Puisseguin Saint-Emilion"}, {"(AOC) Saint-Emilion"},
    {"(AOC) Saint-Emilion Grand Cru"}, {"(AOC) Saint-Estephe"}, {"(AOC) Saint-Georges Saint-Emilion"},
    {"(AOC) Saint-Julien"}, {"(AOC) Sainte-Croix-Du-Mont"}, {"(AOC) Sainte-Foix-Bordeaux"}, {"(AOC) Sauternes"},
};
constexpr Entry kFranceBurgundAreas[] = {
    {"Beaujolais"}, {"Chablis"}, {"Côte Chalonnaise"}, {"Côte de Beaune"}, {"Côte de Nuits"}, {"Mâconnais"},
};
constexpr Entry kFranceBurgundClassifications[] = {
    {"Premier Crus"}, {"Grand Crus"}, {"-"}, {"(AOC) Aloxe-Corton"}, {"(AOC) Auxey-Duresses"},
    {"(AOC) Batard-Montrachet"}, {"(AOC) Beaune"}, {"(AOC) Bonnes-Mares"}, {"(AOC) Bourgogne"},
    {"(AOC) Bourgogne Aligote"}, {"(AOC) Bourgogne Aligote Bouzeron"},
    {"(AOC) Bourgogne Hautes-Cotes De Nuits"}, {"(AOC) Bourgogne Hautes-Cotes De Beaune"},
    {"(AOC) Bourgogne Irancy"}, {"(AOC) Bourgogne Passetoutgrain"}, {"(AOC) Chablis"},
    {"(AOC) Chablis Grand Cru"}, {"(AOC) Chablis Premier Cru"}, {"(AOC) Chambertin"},
    {"(AOC) Charmes-Chambertin"}, {"(AOC) Chambolle Musigny"}, {"(AOC) Chassagne-Montrachet"},
    {"(AOC) Chevalier-Montrachet"}, {"(AOC) Chorey-Les-Beaune"}, {"(AOC) Clos De Vougeot"},
    {"(AOC) Clos Saint-Denis"}, {"(AOC) Corton"}, {"(AOC) Corton-Charlemagne"}, {"(AOC) Cote De Beaune Blanc"},
    {"(AOC) Cote De Nuits-Villages"}, {"(AOC) Cotes De Beaune"}, {"(AOC) Echezeaux"}, {"(AOC) Fixin"},
    {"(AOC) Gevrey-Chambertin"}, {"(AOC) Givry"}, {"(AOC) Ladoix"}, {"(AOC) Macon"}, {"(AOC) Macon Superieur"},
    {"(AOC) Macon-Villages"}, {"(AOC) Maranges"}, {"(AOC) Marsannay"}, {"(AOC) Mazis-Chambertin"},
    {"(AOC) Mercurey"}, {"(AOC) Meursault"}, {"(AOC) Montagny"}, {"(AOC) Monthelie"}, {"(AOC) Montrachet"},
    {"(AOC) Morey-Saint-Denis"}, {"(AOC) Nuit-Saint-Georges"}, {"(AOC) Pernand-Vergelesses"},
    {"(AOC) Petit Chablis"}, {"(AOC) Pommard"}, {"(AOC) Pouilly-Fuisse"}, {"(AOC) Pouilly-Loche"},
    {"(AOC) Pouilly-Vinzelles"}, {"(AOC) Puligny-Montrachet"}, {"(AOC) Richebourg"},
    {"(AOC) Ruchottes-Chambertin"}, {"(AOC) Rully"}, {"(AOC) Saint-Aubin"}, {"(AOC) Saint-Romain"},
    {"(AOC) Saint-Veran"}, {"(AOC) Santenay"}, {"(AOC) Savigny-Les-Beaune"}, {"(AOC) Volnay"},
    {"(AOC) Vosne-Romanee"}, {"(AOC) Vougeot"}, {"-"}, {"(AOC) Beaujolais"}, {"(AOC) Beaujolais-Villages"},
    {"(AOC) Brouilly"}, {"(AOC) Chenas"}, {"(AOC) Chiroubles"}, {"(AOC) Cote De Brouilly"},
    {"(AOC) Coteaux Du Lyonnais (Lyonnais)"}, {"(AOC) Fleurie"}, {"(AOC) Julienas"}, {"(AOC) Morgon"},
    {"(AOC) Moulin A Vent"}, {"(AOC) Regnie"}, {"(AOC) Saint-Amour"}, {"-"}, {"(AOC) Viré-Clessé"},
};
constexpr Entry kFranceCorsicaClassifications[] = {
    {"(AOC) Corse"}, {"(AOC) Ajaccio"}, {"(AOC) Patrimonio"}, {"(AOC) Vin De Corse"},
    {"Appellation Ajaccio Contrôlée"}, {"Appellation Corse Calvi Contrôlée"},
    {"Appellation Corse Coteaux du Cap Corse Contrôlée"}, {"Appellation Corse Figari Contrôlée"},
    {"Appellation Muscat du Cap Corse Contrôlée"}, {"Appellation Patrimonio Contrôlée"},
    {"Appellation Corse Porto Vecchio Contrôlée"}, {"Appellation Corse Sartène Contrôlée"},
    {"Appellation Corse Contrôlée"},
};
constexpr Entry kFranceRhoneAreas[] = {
    {"Chateau-Grillet"}, {"Chateauneuf-Du-Pape"}, {"Clairette De Die"}, {"Condrieu"}, {"Cornas"},
    {"Cote Rotie"}, {"Coteaux De Pierrevert"}, {"Coteaux Du Tricastin"}, {"Cotes Du Luberon"},
    {"Cotes Du Rhone"}, {"Cotes Du Rhone-Villages"}, {"Cotes Du Ventoux"}, {"Cotes Du Vivarais Aovdqs"},
    {"Crozes-Hermitage"}, {"Gigondas"}, {"Hermitage"}, {"Lirac"}, {"Saint-Joseph"}, {"Saint Peray"}, {"Tavel"},
    {"Vacqueyras"},
};
constexpr Entry kFranceRhoneClassifications[] = {
    {"Vin de Table"}, {"Vin de Pays"}, {"Appellation d'Origine Vin De Qualité Supérieure (AOVDQS)"},
    {"Appellation d'Origine Contrôlée (AOC)"}, {"-"}, {"(AOC) Chateau-Grillet"}, {"(AOC) Chateauneuf-Du-Pape"},
    {"(AOC) Clairette De Die"}, {"(AOC) Condrieu"}, {"(AOC) Cornas"}, {"(AOC) Cote Rotie"},
    {"(AOC) Coteaux De Pierrevert"}, {"(AOC) Coteaux Du Tricastin"}, {"(AOC) Cotes Du Luberon"},
    {"(AOC) Cotes Du Rhone"}, {"(AOC) Cotes Du Rhone-Villages"}, {"(AOC) Cotes Du Ventoux"},
    {"(AOC) Cotes Du Vivarais Aovdqs"}, {"(AOC) Crozes-Hermitage"}, {"(AOC) Gigondas"}, {"(AOC) Hermitage"},
    {"(AOC) Lirac"}, {"(AOC) Saint-Joseph"}, {"(AOC) Saint Peray"}, {"(AOC) Tavel"}, {"(AOC) Vacqueyras"},
    {"(AOC) Valréas"},
};
constexpr Entry kFranceLanguedocAreas[] = {
    {"Cabardès"}, {"Clairette de Bellegarde"}, {"Clairette du Languedoc"}, {"Corbières"},
    {"Costières de Nîmes"}, {"Coteaux du Languedoc"}, {"Côtes de la Malepère"}, {"Faugères"}, {"Fitou"},
    {"Limoux"}, {"Minervois"}, {"Oc"}, {"St-Chinian"}, {"Côtes de Thongue"},
};
constexpr Entry kFranceLanguedocClassifications[] = {
    {"Vin de Table"}, {"Vin de Pays"}, {"Appellation d'Origine Vin De Qualité Supérieure (AOVDQS)"},
    {"Appellation d'Origine Contrôlée (AOC)"}, {"-"}, {"(AOC) Banyuls"}, {"(AOC) Banyuls Grand Cru"},
    {"(AOC) Blanquette De Limoux"}, {"(AOC) Cabardes Aovdqs"}, {"(AOC) Clairette De Bellegarde"},
    {"(AOC) Clairette Du Languedoc"}, {"(AOC) Collioure"}, {"(AOC) Corbieres"}, {"(AOC) Costieres De Nimes"},
    {"(AOC) Coteaux Du Languedoc"}, {"(AOC) Cotes De La Malepere"}, {"(AOC) Cotes Du Roussillon"},
    {"(AOC) Cotes Du Roussillon-Villages"}, {"(AOC) Faugeres"}, {"(AOC) Fitou"}, {"(AOC) Limoux"},
    {"(AOC) Maury"}, {"(AOC) Minervois"}, {"(AOC) Muscat De Beaumes-De-Venise"}, {"(AOC) Muscat De Lunel"},
    {"(AOC) Muscat De Mireval"}, {"(AOC) Muscat De Rivesaltes"}, {"(AOC) Muscat De Saint-Jean De Minervois"},
    {"(AOC) Rivesaltes"}, {"(AOC) Saint-Chinian"},
};
constexpr Entry kFranceLoireAreas[] = {
    {"Anjou-Saumur"}, {"Nantais"}, {"Touraine"}, {"Upper-Loire"},
};
constexpr Entry kFranceLoireClassifications[] = {
    {"Vin de Table"}, {"Vin de Pays"}, {"Appellation d'Origine Vin De Qualité Supérieure (AOVDQS)"},
    {"Appellation d'Origine Contrôlée (AOC)"}, {"-"}, {"(AOC) Anjou"}, {"(AOC) Anjou-Coteaux De La Loire"},
    {"(AOC) Anjou-Gamay"}, {"(AOC) Anjou-Villages"}, {"(AOC) Bonnezeaux"}, {"(AOC) Bourgueil"},
    {"(AOC) Cabernet D'Anjou"}, {"(AOC) Chateaumeillant Aovdqs"}, {"(AOC) Cheverny"}, {"(AOC) Chinon"},
    {"(AOC) Cote Roannaise"}, {"(AOC) Coteaux De L'Aubance"}, {"(AOC) Coteaux Du Giennois Aovdqs"},
    {"(AOC) Coteaux Du Layon"}, {"(AOC) Coteaux Du Loir"}, {"(AOC) Coteaux Du Vendomois Aovdqs"},
    {"(AOC) Cotes D'Auvergne Aovdqs"}, {"(AOC) Cotes Du Forez Aovdqs"}, {"(AOC) Cour-Cheverny"},
    {"(AOC) Fiefs Vendeens Aovdqs"}, {"(AOC) Gros Plant Aovdqs"}, {"(AOC) Haut-Poitou Aovdqs"},
    {"(AOC) Menetou-Salon"}, {"(AOC) Montlouis"}, {"(AOC) Muscadet Cotes De Grand-Lieu"},
    {"(AOC) Muscadet De Sevre-Et-Maine"}, {"(AOC) Muscadet Des Coteaux De La Loire"},
    {"(AOC) Quarts De Chaume"}, {"(AOC) Pouilly-Fume"}, {"(AOC) Pouilly-Sur-Loire"}, {"(AOC) Quincy"},
    {"(AOC) Reuilly"}, {"(AOC) Rose De Loire"}, {"(AOC) Rose D'Anjou"}, {"(AOC) Saint-Nicolas-De-Bourgueil"},
    {"(AOC) Saint-Pourcain Aovdqs"}, {"(AOC) Sancerre"}, {"(AOC) Saumur"}, {"(AOC) Saumur Sec Blanc"},
    {"(AOC) Saumur-Champigny"}, {"(AOC) Savennieres"}, {"(AOC) Touraine"}, {"(AOC) Touraine Amboise"},
    {"(AOC) Touraine-Azay-Le-Rideau"}, {"(AOC) Touraine-Mesland"}, {"(AOC) Valencay Aovdqs"}, {"(AOC) Vouvray"},
};
constexpr Entry kFranceProvenceAreas[] = {
    {"Bandol"}, {"Cassis"}, {"Coteaux d'Aix-en-Provence"}, {"Coteaux Varois"}, {"Côtes de Provence"},
    {"Palette"},
};
constexpr Entry kFranceProvenceClassifications[] = {
    {"Vin de Table"}, {"Vin de Pays"}, {"Appellation d'Origine Vin De Qualité Supérieure (AOVDQS)"},
    {"Appellation d'Origine Contrôlée (AOC)"}, {"-"}, {"(AOC) Bandol"}, {"(AOC) Bellet"}, {"(AOC) Cassis"},
    {"(AOC) Coteaux D'Aix"}, {"(AOC) Coteaux Varois"}, {"(AOC) Cotes De Provence"}, {"(AOC) Corse"},
    {"(AOC) Ajaccio"}, {"(AOC) Patrimonio"}, {"(AOC) Vin De Corse"},
};
constexpr Entry kFranceSouthFranceAreas[] = {
    {"Cahors"}, {"Côtes de Buzet"}, {"Monbazillac"}, {"Gaillac"}, {"Madiran"},
};
constexpr Entry kFranceSouthFranceClassifications[] = {
    {"Vin de Table"}, {"Vin de Pays"}, {"Appellation d'Origine Vin De Qualité Supérieure (AOVDQS)"},
    {"Appellation d'Origine Contrôlée (AOC)"}, {"-"}, {"(AOC) Bearn"}, {"(AOC) Bergerac"},
    {"(AOC) Bergerac Sec"}, {"(AOC) Buzet"}, {"(AOC) Cahors"}, {"(AOC) Cotes De Bergerac"},
    {"(AOC) Cotes De Bergerac Moelleux"}, {"(AOC) Cotes De Duras"}, {"(AOC) Cotes De Saint-Mont Aovdqs"},
    {"(AOC) Cotes Du Frontonnais"}, {"(AOC) Cotes Du Marmandais"}, {"(AOC) Gaillac"}, {"(AOC) Haut-Montravel"},
    {"(AOC) Irouleguy"}, {"(AOC) Jurancon"}, {"(AOC) Jurancon Sec"}, {"(AOC) Madiran"}, {"(AOC) Marcillac"},
    {"(AOC) Monbazillac"}, {"(AOC) Montravel"}, {"(AOC) Pacherenc Du Vic-Bilh"}, {"(AOC) Pecharmant"},
    {"(AOC) Saussignac"}, {"(AOC) Tursan Aovdqs"},
};
constexpr Entry kFranceChampagneAreas[] = {
    {"Aube"}, {"Côte des Blancs"}, {"Montagne de Reims"}, {"Vallée de la Marne"},
};
constexpr Entry kFranceJuraAreas[] = {
    {"Arbois"}, {"Chateau-Chalon"}, {"Côtes du Jura"}, {"L'Étoile"},
};
constexpr Entry kFranceSavoyenAreas[] = {
    {"Crépy"}, {"Seyssel"}, {"Vin de Savoie"}, {"Vin du Bugey"},
};
constexpr RegionClass kFranceRegionClasses[] = {
    {"RegioFranceAlsace", {}, kFranceAlsaceClassifications},
    {"RegioFranceBordeaux", kFranceBordeauxAreas, kFranceBordeauxClassifications},
    {"RegioFranceBurgund", kFranceBurgundAreas, kFranceBurgundClassifications},
    {"RegioFranceCorsica", {}, kFranceCorsicaClassifications},
    {"RegioFranceRhone", kFranceRhoneAreas, kFranceRhoneClassifications},
    {"RegioFranceLanguedoc", kFranceLanguedocAreas, kFranceLanguedocClassifications},
    {"RegioFranceLoire", kFranceLoireAreas, kFranceLoireClassifications},
    {"RegioFranceProvence", kFranceProvenceAreas, kFranceProvenceClassifications},
    {"RegioFranceSouthFrance", kFranceSouthFranceAreas, kFranceSouthFranceClassifications},
    {"RegioFranceChampagne", kFranceChampagneAreas, {}},
    {"RegioFranceLothringen", {}, {}},
    {"RegioFranceJura", kFranceJuraAreas, {}},
    {"RegioFranceSavoyen", kFranceSavoyenAreas, {}},
};
constexpr const char* const kFranceKeys[] = {
    "France",
};
constexpr RegionEntry kFranceRegions[] = {
    {"Alsace", "RegioFranceAlsace"}, {"Bordeaux", "RegioFranceBordeaux"}, {"Burgundy", "RegioFranceBurgund"},
    {"Corsica", "RegioFranceCorsica"}, {"Côtes du Rhône", "RegioFranceRhone"},
    {"Languedoc-Roussillon", "RegioFranceLanguedoc"}, {"Loire", "RegioFranceLoire"},
    {"Provence", "RegioFranceProvence"}, {"South West", "RegioFranceSouthFrance"},
    {"Champagne", "RegioFranceChampagne"}, {"Lothringen", "RegioFranceLothringen"}, {"Jura", "RegioFranceJura"},
    {"Savoyen", "RegioFranceSavoyen"},
};
constexpr Entry kFranceClassifications[] = {
    {"Vin de Table"}, {"Vin de Pays"}, {"Appellation d'Origine Vin De Qualité Supérieure (AOVDQS)"},
    {"Appellation d'Origine Contrôlée (AOC)"}, {"-"}, {"(AOC) Arbois (Jura)"}, {"(AOC) Bugey Aovdqs"},
    {"(AOC) Chateau-Chalon (Jura)"}, {"(AOC) Champagne"}, {"(AOC) Coteaux Champenois (Champagne)"},
    {"(AOC) Rose Des Riceys (Champagne)"}, {"(AOC) Cotes De Toul Aovdqs (Est)"}, {"(AOC) Moselle Aovdqs (Est)"},
    {"(AOC) Cotes Du Jura"}, {"(AOC) Cremant Du Jura"}, {"(AOC) L'Etoile (Jura)"},
    {"(AOC) Pineau Des Charentes"}, {"(AOC) Roussette De Savoie"}, {"(AOC) Vin De Savoie"},
};
constexpr CountryData kFrance{
    {"CountryFrance", kFranceKeys, kFranceRegions, kFranceClassifications},
    kFranceRegionClasses,
};

} // namespace

const CountryData& france() { return kFrance; }

} // namespace RegionTables::Data
