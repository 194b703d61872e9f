// Built-in regions, areas and classifications of Italy.
// The position of every entry is its stored ID, separators included:
// never reorder, insert into or remove from these lists.
#include "catalogue/regions/RegionTablesData.h"

namespace RegionTables::Data {
namespace {

// CountryItaly
constexpr Entry kItalyAostatalAreas[] = {
    {"Aosta"},
};
constexpr Entry kItalyAostatalClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Valle D'Aosta DOC"},
};
constexpr Entry kItalyPiemontAreas[] = {
    {"Alessandria"}, {"Asti"}, {"Biella"}, {"Cuneo"}, {"Novara"}, {"Torino"}, {"Verbania"}, {"Vercelli"},
};
constexpr Entry kItalyPiemontClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Asti DOCG"}, {"Barbaresco DOCG"},
    {"Barbera D'Alba DOC"}, {"Barbera D'Asti DOC"}, {"Barbera Del Monferrato DOC"}, {"Barolo DOCG"},
    {"Boca DOC"}, {"Brachetto D'Acqui DOCG"}, {"Bramaterra DOC"}, {"Canavese DOC"}, {"Carema DOC"},
    {"Casteller Doccolli Tortonesi DOC"}, {"Colline Novaresi DOC"}, {"Colline Saluzzesi DOC"},
    {"Cortese Dell'Alto Monferrato DOC"}, {"Coste Della Sesia DOC"}, {"Dolcetto D'Alba DOC"},
    {"Dolcetto D'Asti DOC"}, {"Dolcetto Delle Langhe Monregalesi DOC"}, {"Dolcetto Di Diano D'Alba DOC"},
    {"Dolcetto Di Dogliani DOC"}, {"Dolcetto Di Ovada DOC"}, {"Erbaluce Di Caluso DOC"}, {"Fara DOC"},
    {"Freisa D'Asti DOC"}, {"Freisa Di Chieri DOC"}, {"Gabiano DOC"}, {"Gattinara DOCG"}, {"Gavi DOC"},
    {"Ghemme DOC"}, {"Grignolino D'Asti DOC"}, {"Grignolino Del Monferrato Casalese DOC"}, {"Langhe DOC"},
    {"Lessona DOC"}, {"Loazzolo DOC"}, {"Malvasia Di Casorzo D'Asti DOC"},
    {"Malvasia Di Castelnuovo Don Bosco DOC"}, {"Monferrato DOC"}, {"Moscato D'Asti DOCG"},
    {"Nebbiolo D'Alba DOC"}, {"Piemonte DOC"}, {"Pinerolese DOC"}, {"Roero DOC"}, {"Rubino Di Cantavenna DOC"},
    {"Ruché Di Castagnole Monferrato DOC"}, {"Sizzano DOC"}, {"Verduno Pelaverga O Verduno DOC"},
};
constexpr Entry kItalyLigurienAreas[] = {
    {"Genova"}, {"Imperia"}, {"La Spezia"}, {"Savona"},
};
constexpr Entry kItalyLigurienClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Cinque Terre DOC"},
    {"Cinque Terre Sciacchetrà DOC"}, {"Colli Di Luni DOC"}, {"Colline Di Levanto DOC"},
    {"Golfo Del Tigullio DOC"}, {"Riviera Ligure Di Ponente DOC"}, {"Rossese Di Dolceacqua DOC"},
};
constexpr Entry kItalyLombardeiAreas[] = {
    {"Bergamo"}, {"Brescia"}, {"Como"}, {"Cremona"}, {"Lecco"}, {"Lodi"}, {"Milano"}, {"Pavia"}, {"Sondrio"},
    {"Varese"}, {"Mantova"},
};
constexpr Entry kItalyLombardeiClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Botticino DOC"}, {"Capriano Del Colle DOC"},
    {"Cellatica DOC"}, {"Franciacorta DOCG"}, {"Garda DOC"}, {"Garda Colli Mantovani DOC"},
    {"Lambrusco Mantovano DOC"}, {"Lugana DOC"}, {"Oltrepò Pavese DOC"}, {"Riviera Del Garda Bresciano DOC"},
    {"San Colombano Al Lambro DOC"}, {"San Martino Della Battaglia DOC"}, {"Terre Di Franciacorta DOC"},
    {"Valcalepio DOC"}, {"Valtellina DOC"},
};
constexpr Entry kItalyTrentinoAreas[] = {
    {"Bolzano"}, {"Trento"},
};
constexpr Entry kItalyTrentinoClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Alto Adige (Sudtiroler) DOC"},
    {"Alto Adige Colli Di Bolzano DOC"}, {"Alto Adige Meranese Di Collina DOC"},
    {"Alto Adige Santa Maddalena DOC"}, {"Alto Adige Terlano DOC"}, {"Alto Adige Valle Isarco DOC"},
    {"Casteller DOC"}, {"Lago Di Caldaro DOC"}, {"Sorni DOC"}, {"Teroldego Rotaliano DOC"}, {"Trentino DOC"},
    {"Trento Spumante DOC"}, {"Valdadige DOC"},
};
constexpr Entry kItalyVenetoAreas[] = {
    {"Belluno"}, {"Padova"}, {"Rovigo"}, {"Treviso"}, {"Venezia"}, {"Verona"}, {"Vicenza"},
};
constexpr Entry kItalyVenetoClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Bagnoli Di Sopra DOC"}, {"Bardolino DOC"},
    {"Bianco Di Custoza DOC"}, {"Breganze DOC"}, {"Colli Berici DOC"}, {"Colli Di Conegliano DOC"},
    {"Colli Euganei DOC"}, {"Gambellara DOC"}, {"Garda DOC"}, {"Lessini Durello DOC"},
    {"Lison-Pramaggiore DOC"}, {"Lugana DOC"}, {"Montello E Colli Asolani DOC"},
    {"Prosecco Di Conegliano Valdobbiadene DOC"}, {"San Martino Della Battaglia DOC"}, {"Soave DOC"},
    {"Valdadige DOC"}, {"Vini Del Piave DOC"}, {"Valpolicella DOC"},
};
constexpr Entry kItalyFriaulAreas[] = {
    {"Gorizia"}, {"Pordenone"}, {"Trieste"}, {"Udine"},
};
constexpr Entry kItalyFriaulClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Carso DOC"},
    {"Colli Orientali Del Friuli DOC"}, {"Collio Goriziano DOC"}, {"Friuli Aquileia DOC"}, {"Friuli Grave DOC"},
    {"Friuli Isonzo DOC"}, {"Friuli Latisana DOC"}, {"Friuli-Annia DOC"}, {"Lison-Pramaggiore DOC"},
};
constexpr Entry kItalyEmiliaRomagnaAreas[] = {
    {"Bologna"}, {"Ferrara"}, {"Forli"}, {"Modena"}, {"Parma"}, {"Piacenza"}, {"Ravenna"}, {"Reggio Emilia"},
    {"Rimini"},
};
constexpr Entry kItalyEmiliaRomagnaClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Albana Di Romagna DOCG"},
    {"Bianco Di Scandiano DOC"}, {"Bosco Eliceo DOC"}, {"Cagnina Di Romagna DOC"}, {"Colli Bolognesi DOC"},
    {"Colli Bolognesi Classico Pignoletto DOC"}, {"Colli Di Faenza DOC"}, {"Colli Di Imola DOC"},
    {"Colli Di Parma DOC"}, {"Colli Di Rimini DOC"}, {"Colli Di Scandiano E Di Canossa DOC"},
    {"Colli Piacentini DOC"}, {"Lambrusco Di Sorbara DOC"}, {"Lambrusco Grasparossa Di Castelvetro DOC"},
    {"Lambrusco Reggiano DOC"}, {"Lambrusco Salamino Di Santa Croce DOC"}, {"Montuni Del Reno DOC"},
    {"Reggiano DOC"}, {"Reno DOC"}, {"Romagna Albana Spumante DOC"}, {"Sangiovese Di Romagna DOC"},
    {"Terre Di Veleja Igt"}, {"Trebbiano Di Romagna DOC"},
};
constexpr Entry kItalyToskanaAreas[] = {
    {"Arezzo"}, {"Firenze"}, {"Grosseto"}, {"Livorno"}, {"Lucca"}, {"Massa"}, {"Carrara"}, {"Pisa"},
    {"Pistoia"}, {"Prato"}, {"Siena"},
};
constexpr Entry kItalyToskanaClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"},
    {"Barco Reale Di Carmignano E Carmignano DOC"}, {"Bianco Dell'Empolese DOC"},
    {"Bianco Della Valdinievole DOC"}, {"Bianco Di Pitigliano DOC"}, {"Bianco Pisano Di San Torpè DOC"},
    {"Bianco Vergine Valdichiana DOC"}, {"Bolgheri E Bolgheri Sassicaia DOC"}, {"Brunello Di Montalcino DOCG"},
    {"Candia Dei Colli Apuani DOC"}, {"Carmignano DOCG"}, {"Chianti DOCG"}, {"Chianti Classico DOCG"},
    {"Colli Dell'Etruria Centrale DOC"}, {"Colli Di Luni DOC"}, {"Colline Lucchesi DOC"}, {"Elba DOC"},
    {"Montecarlo DOC"}, {"Monteregio Di Massa Marittima DOC"}, {"Montescudaio DOC"},
    {"Morellino Di Scansano DOC"}, {"Moscadello Di Montalcino DOC"}, {"Parrina DOC"}, {"Pomino DOC"},
    {"Rosso Di Montalcino DOC"}, {"Rosso Di Montepulciano DOC"}, {"San Giminiano DOC"}, {"Sant'Antimo DOC"},
    {"Val D'Arbia DOC"}, {"Val Di Cornia DOC"}, {"Vernaccia Di San Gimignano DOCG"},
    {"Vin Santo Di Montepulciano DOC"}, {"Vino Nobile Di Montepulciano DOCG"},
};
constexpr Entry kItalyMarkenAreas[] = {
    {"Ancona"}, {"Ascoli Piceno"}, {"Macerata"}, {"Pesaro"},
};
constexpr Entry kItalyMarkenClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Bianchello Del Metauro DOC"},
    {"Colli Maceratesi DOC"}, {"Colli Pesaresi DOC"}, {"Falerio Dei Colli Ascolani DOC"},
    {"Lacrima Di Morro DOC"}, {"Rosso Conero DOC"}, {"Verdicchio Dei Castelli Di Jesi DOC"},
    {"Verdicchio Di Matelica DOC"}, {"Vernaccia Di Serrapetrona DOC"},
};
constexpr Entry kItalyUmbrienAreas[] = {
    {"Perugia"}, {"Terni"},
};
constexpr Entry kItalyUmbrienClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Colli Altotiberini DOC"},
    {"Colli Amerini DOC"}, {"Colli Del Trasimeno DOC"}, {"Colli Martani DOC"}, {"Colli Perugini DOC"},
    {"Montefalco DOC"}, {"Montefalco Sagrantino DOCG"}, {"Orvieto DOC"}, {"Torgiano DOC"},
    {"Torgiano Rosso Riserva DOCG"},
};
constexpr Entry kItalyLatiumAreas[] = {
    {"Frosinone"}, {"Latina"}, {"Rieti"}, {"Roma"}, {"Viterbo"},
};
constexpr Entry kItalyLatiumClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Aleatico Di Gradoli DOC"}, {"Aprilia DOC"},
    {"Bianco Capena DOC"}, {"Castelli Romani DOC"}, {"Cerveteri DOC"}, {"Cesanese Del Piglio DOC"},
    {"Cesanese Di Affile DOC"}, {"Cesanese Di Olevano Romano DOC"}, {"Circeo DOC"}, {"Colli Albani DOC"},
    {"Colli Della Sabina DOC"}, {"Colli Etruschi Viterbesi DOC"}, {"Colli Lanuvini DOC"}, {"Cori DOC"},
    {"Est! Est!! Est!!! Di Montefiascone DOC"}, {"Frascati DOC"}, {"Genazzano DOC"}, {"Marino DOC"},
    {"Montecompatri-Colonna DOC"}, {"Orvieto DOC"}, {"Tarquinia DOC"}, {"Velletri DOC"}, {"Vignanello DOC"},
    {"Zagarolo DOC"},
};
constexpr Entry kItalyAbruzzenAreas[] = {
    {"Chieti"}, {"L'Aquila"}, {"Pescara"}, {"Teramo"},
};
constexpr Entry kItalyAbruzzenClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Controguerra DOC"},
    {"Montepulciano D'Abruzzo DOC"}, {"Trebbiano D'Abruzzo DOC"},
};
constexpr Entry kItalyMoliseAreas[] = {
    {"Campobasso"}, {"Isernia"},
};
constexpr Entry kItalyMoliseClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Biferno DOC"}, {"Pentro Di Isernia DOC"},
};
// The area "Napoli" gets "Capri DOC" and "Ischia DOC" as classifications of its own.
constexpr Entry kItalyKampanienAreas[] = {
    {"Avellino"}, {"Benevento"}, {"Caserta"}, {"Napoli"}, {"Salerno"},
};
constexpr Entry kItalyKampanienClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Aglianico Del Taburno DOC"}, {"Aversa DOC"},
    {"Campi Flegrei DOC"}, {"Capri DOC"}, {"Castel San Lorenzo DOC"}, {"Cilento DOC"},
    {"Falerno Del Massico DOC"}, {"Fiano Di Avellino DOC"}, {"Galluccio DOC"}, {"Greco Di Tufo DOC"},
    {"Guardiolo DOC"}, {"Ischia DOC"}, {"Penisola Sorrentina DOC"}, {"Sannio DOC"}, {"Sant'Agata De' Goti DOC"},
    {"Solopaca DOC"}, {"Taurasi DOCG"}, {"Vesuvio DOC"}, {"Costa d'Amalfi DOC"},
};
constexpr Entry kItalyKampanienExtraAreaClassifications[] = {
    {"Capri DOC"}, {"Ischia DOC"},
};
constexpr Entry kItalyApulienAreas[] = {
    {"Bari"}, {"Brindisi"}, {"Foggia"}, {"Lecce"}, {"Taranto"},
};
constexpr Entry kItalyApulienClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Aleatico Di Puglia DOC"}, {"Alezio DOC"},
    {"Brindisi DOC"}, {"Cacc'E Mmitte Di Lucera DOC"}, {"Castel Del Monte DOC"}, {"Copertino DOC"},
    {"Galatina DOC"}, {"Gioia Del Colle DOC"}, {"Gravina DOC"}, {"Leverano DOC"}, {"Lizzano DOC"},
    {"Locorotondo DOC"}, {"Martina DOC"}, {"Matino DOC"}, {"Moscato Di Trani DOC"}, {"Nardò DOC"},
    {"Orta Nova DOC"}, {"Ostuni DOC"}, {"Primitivo Di Manduria DOC"}, {"Rosso Barletta DOC"},
    {"Rosso Canosa DOC"}, {"Rosso Di Cerignola DOC"}, {"Salice Salentino DOC"}, {"San Severo DOC"},
    {"Squinzano DOC"},
};
constexpr Entry kItalyBasilicataAreas[] = {
    {"Matera"}, {"Potenza"},
};
constexpr Entry kItalyBasilicataClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Aglianico Del Vulture DOC"},
};
constexpr Entry kItalyKalabrienAreas[] = {
    {"Catanzaro"}, {"Cosenza"}, {"Crotone"}, {"Reggio Calabria"}, {"Vibo Valentia"},
};
constexpr Entry kItalyKalabrienClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Bivongi DOC"}, {"Cirò DOC"},
    {"Donnici DOC"}, {"Greco Di Bianco DOC"}, {"Lamezia DOC"}, {"Melissa DOC"}, {"Pollino DOC"},
    {"S.Anna Di Isola Capo Rizzuto DOC"}, {"San Vito Di Luzzi DOC"}, {"Savuto DOC"}, {"Scavigna DOC"},
    {"Verbicaro DOC"},
};
constexpr Entry kItalySizilienAreas[] = {
    {"Agrigento"}, {"Caltanissetta"}, {"Catania"}, {"Enna"}, {"Messina"}, {"Palermo"}, {"Ragusa"}, {"Siracusa"},
    {"Trapani"},
};
constexpr Entry kItalySizilienClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Bianco Alcamo DOC"},
    {"Cerasuolo Di Vittoria DOC"}, {"Contea Di Sclafani DOC"}, {"Contessa Entellina DOC"}, {"Eloro DOC"},
    {"Etna DOC"}, {"Faro DOC"}, {"Malvasia Delle Lipari DOC"}, {"Marsala DOC"}, {"Menfi DOC"},
    {"Moscato Di Noto Naturale DOC"}, {"Moscato Di Pantelleria DOC"}, {"Moscato Di Siracusa DOC"},
    {"Moscato Passito Di Pantelleria DOC"}, {"Sambuca Di Sicilia DOC"}, {"Santa Margherita Di Belice DOC"},
};
// The first separator here comes from the default strings table.
constexpr Entry kItalySardinienAreas[] = {
    {"Cagliari"}, {"Nuoro"}, {"Oristano"}, {"Sassari"},
};
constexpr Entry kItalySardinienClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-", Lookup::Default}, {"DOC"}, {"DOCG"}, {"-"}, {"Alghero DOC"},
    {"Arborea DOC"}, {"Campidano Di Terralba DOC"}, {"Cannonau Di Sardegna DOC"}, {"Carignano Del Sulcis DOC"},
    {"Girò Di Cagliari DOC"}, {"Malvasia Di Bosa DOC"}, {"Malvasia Di Cagliari DOC"}, {"Mandrolisai DOC"},
    {"Monica Di Cagliari DOC"}, {"Monica Di Sardegna DOC"}, {"Moscato Di Cagliari DOC"},
    {"Moscato Di Sardegna DOC"}, {"Moscato Di Sorso-Sennori DOC"}, {"Nasco Di Cagliari DOC"},
    {"Nuragus Di Cagliari DOC"}, {"Sardegna Semidano DOC"}, {"Vermentino Di Gallura DOCG"},
    {"Vermentino Di Sardegna DOC"}, {"Vernaccia Di Oristano DOC"},
};
constexpr RegionClass kItalyRegionClasses[] = {
    {"RegioItalyAostatal", kItalyAostatalAreas, kItalyAostatalClassifications},
    {"RegioItalyPiemont", kItalyPiemontAreas, kItalyPiemontClassifications},
    {"RegioItalyLigurien", kItalyLigurienAreas, kItalyLigurienClassifications},
    {"RegioItalyLombardei", kItalyLombardeiAreas, kItalyLombardeiClassifications},
    {"RegioItalyTrentino", kItalyTrentinoAreas, kItalyTrentinoClassifications},
    {"RegioItalyVeneto", kItalyVenetoAreas, kItalyVenetoClassifications},
    {"RegioItalyFriaul", kItalyFriaulAreas, kItalyFriaulClassifications},
    {"RegioItalyEmiliaRomagna", kItalyEmiliaRomagnaAreas, kItalyEmiliaRomagnaClassifications},
    {"RegioItalyToskana", kItalyToskanaAreas, kItalyToskanaClassifications},
    {"RegioItalyMarken", kItalyMarkenAreas, kItalyMarkenClassifications},
    {"RegioItalyUmbrien", kItalyUmbrienAreas, kItalyUmbrienClassifications},
    {"RegioItalyLatium", kItalyLatiumAreas, kItalyLatiumClassifications},
    {"RegioItalyAbruzzen", kItalyAbruzzenAreas, kItalyAbruzzenClassifications},
    {"RegioItalyMolise", kItalyMoliseAreas, kItalyMoliseClassifications},
    {"RegioItalyKampanien", kItalyKampanienAreas, kItalyKampanienClassifications,
     "Napoli", kItalyKampanienExtraAreaClassifications},
    {"RegioItalyApulien", kItalyApulienAreas, kItalyApulienClassifications},
    {"RegioItalyBasilicata", kItalyBasilicataAreas, kItalyBasilicataClassifications},
    {"RegioItalyKalabrien", kItalyKalabrienAreas, kItalyKalabrienClassifications},
    {"RegioItalySizilien", kItalySizilienAreas, kItalySizilienClassifications},
    {"RegioItalySardinien", kItalySardinienAreas, kItalySardinienClassifications},
};
constexpr const char* const kItalyKeys[] = {
    "Italy",
};
constexpr RegionEntry kItalyRegions[] = {
    {"Aosta Valley", "RegioItalyAostatal"}, {"Piedmont", "RegioItalyPiemont"},
    {"Liguria", "RegioItalyLigurien"}, {"Lombardy", "RegioItalyLombardei"},
    {"Trentino Alto-Adige", "RegioItalyTrentino"}, {"Veneto", "RegioItalyVeneto"},
    {"Friuli Venezia Giulia", "RegioItalyFriaul"}, {"Emilia-Romagna", "RegioItalyEmiliaRomagna"},
    {"Tuscany", "RegioItalyToskana"}, {"The Marches", "RegioItalyMarken"}, {"Umbria", "RegioItalyUmbrien"},
    {"Latium", "RegioItalyLatium"}, {"Abruzzi", "RegioItalyAbruzzen"}, {"Molise", "RegioItalyMolise"},
    {"Campania", "RegioItalyKampanien"}, {"Apulia", "RegioItalyApulien"},
    {"Basilicata", "RegioItalyBasilicata"}, {"Calabria", "RegioItalyKalabrien"},
    {"Sicily", "RegioItalySizilien"}, {"Sardinia", "RegioItalySardinien"},
};
constexpr Entry kItalyClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"},
};
constexpr CountryData kItaly{
    {"CountryItaly", kItalyKeys, kItalyRegions, kItalyClassifications},
    kItalyRegionClasses,
};

} // namespace

const CountryData& italy() { return kItaly; }

} // namespace RegionTables::Data
