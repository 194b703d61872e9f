#include "exchange/online/ZuzWines.h"
#include "platform/addressbook/ABConstants.h"
#include "platform/addressbook/ABPerson.h"
#include "platform/addressbook/AddressBook.h"
#include "model/CellarBook.h"
#include "model/VocabularyEntry.h"
#include "model/Wine.h"
#include <limits>

namespace {

// Values that do not fit a field are dropped rather than wrapped into another value.
quint16 u16(int value)
{
    return value >= 0 && value <= std::numeric_limits<quint16>::max() ? quint16(value) : 0;
}

quint32 u32(int value)
{
    return value >= 0 ? quint32(value) : 0;
}

template <typename Entry>
QString nameOf(const std::shared_ptr<Entry>& entry)
{
    return entry ? entry->name() : QString();
}

} // namespace

ZuzWineRow zuzRowFromWine(const Wine& w, CellarBook& book, const ZuzWineContext& context)
{
    ZuzWineRow r;
    r.iDBwineID = w.iDBwineID();
    r.winename = w.winename();
    r.year = w.year();
    r.type = w.type();
    r.country = w.country();
    r.regio = w.regio();
    r.regioIsSystem = context.regioIsSystem;
    r.area = w.area();
    r.areaIsSystem = context.areaIsSystem;
    r.classification = w.classification();
    r.classificationIsSystem = context.classificationIsSystem;
    r.comment = w.commentPlainText();
    r.winespectator = w.winespectator();
    r.rovant = w.rovant();
    r.vinum = w.vinum();
    r.custompoints = w.custompoints();
    r.customQuality = w.customQuality();
    if (w.rebsorte() && book.grapes().contains(w.rebsorte()))
        r.rebsorte = w.rebsorte()->name();
    // The upload writes 32-bit signed numbers; larger unsigned values are left out.
    const auto s32 = [](quint32 v) { return v <= quint32(std::numeric_limits<int>::max()) ? int(v) : 0; };
    r.points = s32(w.points());
    r.supple = w.supple();
    r.finesse = w.finesse();
    r.elegance = w.elegance();
    r.harmonious = w.harmonious();
    r.rich = w.rich();
    r.delicate = w.delicate();
    r.breed = w.breed();
    r.from = w.from();
    r.best = w.best();
    r.to = w.to();
    r.temperatur = w.temperatur();
    r.tempTo = w.tempTo();
    r.food = w.food();
    r.quality = w.quality();
    r.score = w.score();
    r.customSight = w.customSight();
    r.clarity = w.clarity();
    r.colordepth = w.colordepth();
    r.sightcolor = w.sightcolor();
    r.viscosity = w.viscosity();
    r.sightpoints = s32(w.sightpoints());
    r.unbestimmt = w.unbestimmt();
    r.cloudyopaque = w.cloudyopaque();
    for (int i = 0; i < Wine::SecondaryColours && i < w.sightcolorSecondary().size(); ++i)
        r.sightcolorSecondary[size_t(i)] = w.sightcolorSecondary().at(i);
    r.amber = w.amber();
    r.black = w.black();
    r.glanzhell = w.glanzhell();
    r.granat = w.granat();
    r.perdrix = w.perdrix();
    r.ruby = w.ruby();
    r.stroh = w.stroh();
    r.tawny = w.tawny();
    r.ziegelrot = w.ziegelrot();
    r.customSmell = w.customSmell();
    r.appeal = w.appeal();
    r.aroma = w.aroma();
    r.bouquet = w.bouquet();
    r.odour = nameOf(w.odour());
    r.odourA = nameOf(w.odourA());
    r.smellpoints = s32(w.smellpoints());
    r.cedar = w.cedar();
    r.corky = w.corky();
    r.woody = w.woody();
    r.musty = w.musty();
    r.flowery = w.flowery();
    r.peach = w.peach();
    r.honey = w.honey();
    r.lemon = w.lemon();
    r.spicy = w.spicy();
    r.smoky = w.smoky();
    r.pears = w.pears();
    r.sulphury = w.sulphury();
    r.roestarome = w.roestarome();
    r.customTaste = w.customTaste();
    r.sweet = w.sweet();
    r.tannin = w.tannin();
    r.acidity = w.acidity();
    r.body = w.body();
    r.balance = w.balance();
    r.lenght = w.lenght();
    r.taste = nameOf(w.taste());
    r.tasteA = nameOf(w.tasteA());
    r.tastepoints = s32(w.tastepoints());
    r.appley = w.appley();
    r.bitter = w.bitter();
    r.currants = w.currants();
    r.caramel = w.caramel();
    r.earthy = w.earthy();
    r.tastespicy = w.tastespicy();
    r.silky = w.silky();
    r.salty = w.salty();
    r.nutty = w.nutty();
    r.mouldy = w.mouldy();
    r.metallic = w.metallic();
    r.fleshy = w.fleshy();
    r.flinty = w.flinty();
    r.green = w.green();
    r.heady = w.heady();
    r.melow = w.melow();
    r.flabby = w.flabby();
    r.flat = w.flat();
    r.twoody = w.twoody();
    r.price = w.price();
    r.currency = w.currency();
    r.marketvalue = w.marketvalue();
    r.kosher = w.kosher();
    r.alcoholfree = w.alcoholfree();
    r.barrique = w.barrique();
    r.alcohol = w.alcohol();
    r.acid = w.acid();
    r.sugar = w.sugar();
    r.barcode = w.barcode();
    r.winery = context.winery;
    return r;
}

std::shared_ptr<Wine> wineFromZuzRow(const ZuzWineRow& r, CellarBook& book)
{
    auto w = std::make_shared<Wine>();
    w->setIdbhome(true);
    w->setIDBwineID(r.iDBwineID);
    w->setWinename(r.winename);
    w->setYear(u16(r.year));
    w->setAcidity(u16(r.acidity));
    w->setAlcoholfree(r.alcoholfree);
    w->setAmber(r.amber);
    w->setAppeal(u16(r.appeal));
    w->setAppley(r.appley);
    w->setArea(u16(r.area));
    w->setAroma(u16(r.aroma));
    w->setBalance(u16(r.balance));
    w->setBarrique(r.barrique);
    w->setBitter(r.bitter);
    w->setBlack(r.black);
    w->setBody(u16(r.body));
    w->setBouquet(u16(r.bouquet));
    w->setBreed(r.breed);
    w->setCaramel(r.caramel);
    w->setCedar(r.cedar);
    w->setClarity(u16(r.clarity));
    w->setCloudyopaque(r.cloudyopaque);
    w->setColordepth(u16(r.colordepth));
    // A plain-text comment is a valid stored comment (the model reads it as text).
    w->setComment(r.comment.toUtf8());
    w->setCorky(r.corky);
    w->setCountry(u16(r.country));
    w->setCurrants(r.currants);
    w->setCustompoints(float(r.custompoints));
    w->setCustomQuality(r.customQuality);
    w->setCustomSight(r.customSight);
    w->setCustomSmell(r.customSmell);
    w->setCustomTaste(r.customTaste);
    w->setDelicate(r.delicate);
    w->setEarthy(r.earthy);
    w->setElegance(r.elegance);
    w->setFinesse(r.finesse);
    w->setFlabby(r.flabby);
    w->setFlat(r.flat);
    w->setFleshy(r.fleshy);
    w->setFlinty(r.flinty);
    w->setFlowery(r.flowery);
    w->setFood(r.food);
    w->setFrom(u16(r.from));
    w->setBest(u16(r.best));
    w->setGlanzhell(r.glanzhell);
    w->setGranat(r.granat);
    w->setGreen(r.green);
    w->setHarmonious(r.harmonious);
    w->setHeady(r.heady);
    w->setHoney(r.honey);
    w->setClassification(u16(r.classification));
    w->setKosher(r.kosher);
    w->setLemon(r.lemon);
    w->setLenght(u16(r.lenght));
    w->setMelow(r.melow);
    w->setMetallic(r.metallic);
    w->setMouldy(r.mouldy);
    w->setMusty(r.musty);
    w->setNutty(r.nutty);
    if (auto o = book.odourFor(r.odour))
        w->setOdour(o);
    if (auto o = book.odourFor(r.odourA))
        w->setOdourA(o);
    w->setRovant(u16(r.rovant));
    w->setPeach(r.peach);
    w->setPears(r.pears);
    w->setPerdrix(r.perdrix);
    w->setPoints(u32(r.points));
    w->setQuality(u16(r.quality));
    if (auto g = book.grapeFor(r.rebsorte))
        w->setRebsorte(g);
    w->setRegio(u16(r.regio));
    w->setAlcohol(float(r.alcohol));
    w->setAcid(float(r.acid));
    w->setSugar(float(r.sugar));
    w->setRich(r.rich);
    w->setRoestarome(r.roestarome);
    w->setRuby(r.ruby);
    w->setSalty(r.salty);
    w->setScore(float(r.score));
    w->setSightcolor(u16(r.sightcolor));
    w->setSightpoints(u32(r.sightpoints));
    w->setSilky(r.silky);
    w->setSmellpoints(u32(r.smellpoints));
    w->setSmoky(r.smoky);
    w->setSpicy(r.spicy);
    w->setStroh(r.stroh);
    w->setSulphury(r.sulphury);
    w->setSupple(r.supple);
    w->setSweet(u16(r.sweet));
    w->setTannin(u16(r.tannin));
    if (auto t = book.tasteFor(r.taste))
        w->setTaste(t);
    if (auto t = book.tasteFor(r.tasteA))
        w->setTasteA(t);
    w->setTastepoints(u32(r.tastepoints));
    w->setTastespicy(r.tastespicy);
    w->setTawny(r.tawny);
    w->setTemperatur(u16(r.temperatur));
    w->setTempTo(u16(r.tempTo));
    w->setTo(u16(r.to));
    w->setTwoody(r.twoody);
    w->setType(u16(r.type));
    w->setUnbestimmt(r.unbestimmt);
    w->setVinum(u16(r.vinum));
    w->setViscosity(u16(r.viscosity));
    w->setWinespectator(u16(r.winespectator));
    w->setWoody(r.woody);
    w->setZiegelrot(r.ziegelrot);
    QList<qint32>& secondary = w->sightcolorSecondary();
    while (secondary.size() < Wine::SecondaryColours)
        secondary.append(0);
    for (int i = 0; i < Wine::SecondaryColours; ++i)
        secondary[i] = r.sightcolorSecondary[size_t(i)];
    return w;
}

QList<std::shared_ptr<Wine>> createWinesFromArray(const QList<ZuzWineRow>& rows, CellarBook& book)
{
    QList<std::shared_ptr<Wine>> wines;
    wines.reserve(rows.size());
    for (const ZuzWineRow& r : rows)
        wines.append(wineFromZuzRow(r, book));
    return wines;
}

ZuzWineContext zuzContextForWine(const Wine& wine, const AddressBook* addresses)
{
    ZuzWineContext context;
    context.regioIsSystem = wine.regioIsSystem();
    context.areaIsSystem = wine.areaIsSystem();
    context.classificationIsSystem = wine.classificationIsSystem();
    if (addresses && !wine.winery().isEmpty())
        if (auto person = addresses->personForUniqueId(wine.winery()))
            context.winery = person->valueForProperty(kABOrganizationProperty).toString();
    return context;
}
