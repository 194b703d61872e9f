#include "model/CellarBook.h"
#include "model/Aroma.h"
#include "model/BottleIdentifier.h"
#include "model/Depot.h"
#include "model/Group.h"
#include "model/KVNAddress.h"
#include "model/Purchase.h"
#include "model/Rack.h"
#include "model/RackZuord.h"
#include "model/Review.h"
#include "model/Used.h"
#include "model/VocabularyEntry.h"
#include "model/Wine.h"
#include "catalogue/CatalogueClasses.h"
#include "catalogue/WineInfos.h"
#include "platform/Coder.h"
#include "platform/Log.h"
#include <QSet>
#include <functional>
#include <limits>
#include <mutex>

namespace {
// counter + 1, never reused; an exhausted counter refuses instead of wrapping to 0.
bool takeNext(quint32& counter, quint32* id, const char* what)
{
    if (counter == std::numeric_limits<quint32>::max()) {
        Log::line(QStringLiteral("CellarBook: the %1 counter is exhausted").arg(QLatin1String(what)));
        return false;
    }
    *id = ++counter;
    return true;
}

template <class T>
std::shared_ptr<T> findByName(const QList<std::shared_ptr<T>>& list, const QString& name)
{
    for (const auto& e : list)
        if (e->name() == name)
            return e;
    return nullptr;
}
}

CellarBook::CellarBook()
    : m_currency(QStringLiteral("USD"))
{
    registerModelClasses();
}

CellarBook::~CellarBook() = default;

// ---------------------------------------------------------------- wines

bool CellarBook::addWine(const std::shared_ptr<Wine>& wine)
{
    if (!wine)
        return false;
    quint32 id = 0;
    if (!takeNext(m_wineCounter, &id, "wine"))
        return false;
    wine->setWineID(id);
    m_wines.append(wine);
    return true;
}

bool CellarBook::containsWine(const Wine* wine) const
{
    for (const auto& w : m_wines)
        if (w.get() == wine)
            return true;
    return false;
}

void CellarBook::removeWine(const Wine* wine)
{
    for (const auto& g : m_groups)
        g->removeWineDeep(wine);
    m_wines.removeIf([wine](const std::shared_ptr<Wine>& w) { return w.get() == wine; });
}

// ---------------------------------------------------------------- vocabularies

namespace {
// Gives a vocabulary entry the next ID of its counter and appends it.
template <class T>
bool addEntry(QList<std::shared_ptr<T>>& list, quint32& counter, const std::shared_ptr<T>& entry,
              const char* what)
{
    quint32 id = 0;
    if (!entry || !takeNext(counter, &id, what))
        return false;
    entry->setEntryID(id);
    list.append(entry);
    return true;
}

template <class T>
std::shared_ptr<T> addNamed(QList<std::shared_ptr<T>>& list, quint32& counter, const QString& name,
                            const char* what)
{
    auto entry = std::make_shared<T>();
    entry->setName(name);
    return addEntry(list, counter, entry, what) ? entry : nullptr;
}

// The entry of exactly that name; else a new one for names of 3 characters or more.
template <class T>
std::shared_ptr<T> entryFor(QList<std::shared_ptr<T>>& list, quint32& counter, const QString& name,
                            const char* what)
{
    if (auto e = findByName(list, name))
        return e;
    return name.size() >= 3 ? addNamed(list, counter, name, what) : nullptr;
}
}

bool CellarBook::addGrape(const std::shared_ptr<Grape>& g) { return addEntry(m_grapes, m_grapeCounter, g, "grape"); }
bool CellarBook::addOdour(const std::shared_ptr<Odour>& o) { return addEntry(m_odours, m_odourCounter, o, "odour"); }
bool CellarBook::addTaste(const std::shared_ptr<Taste>& t) { return addEntry(m_tastes, m_tasteCounter, t, "taste"); }

std::shared_ptr<Grape> CellarBook::addGrapeString(const QString& name)
{
    return addNamed(m_grapes, m_grapeCounter, name, "grape");
}

std::shared_ptr<Odour> CellarBook::addOdourString(const QString& name)
{
    return addNamed(m_odours, m_odourCounter, name, "odour");
}

std::shared_ptr<Taste> CellarBook::addTasteString(const QString& name)
{
    return addNamed(m_tastes, m_tasteCounter, name, "taste");
}

std::shared_ptr<Grape> CellarBook::grapeFor(const QString& name)
{
    return entryFor(m_grapes, m_grapeCounter, name, "grape");
}

std::shared_ptr<Odour> CellarBook::odourFor(const QString& name)
{
    return entryFor(m_odours, m_odourCounter, name, "odour");
}

std::shared_ptr<Taste> CellarBook::tasteFor(const QString& name)
{
    return entryFor(m_tastes, m_tasteCounter, name, "taste");
}

// ---------------------------------------------------------------- aromas

std::shared_ptr<AromaType> CellarBook::addAromaTypeString(const QString& name)
{
    auto t = std::make_shared<AromaType>();
    t->setName(name);
    m_aromas.append(t);
    return t;
}

const QList<std::shared_ptr<Aroma>>& CellarBook::aromaList()
{
    if (!m_aromaListBuilt) {
        m_aromaList.clear();
        for (const auto& type : m_aromas)
            for (const auto& group : type->groups())
                for (const auto& aroma : group->aromas()) {
                    aroma->stamp(type, group);
                    m_aromaList.append(aroma);
                }
        m_aromaListBuilt = true;
    }
    return m_aromaList;
}

int CellarBook::updateAromaList(const Aroma* aroma)
{
    m_aromaListBuilt = false;
    const auto& list = aromaList();
    for (int i = 0; i < list.size(); ++i)
        if (list.at(i).get() == aroma)
            return i;
    return 0;
}

// ---------------------------------------------------------------- labels, currency

QString CellarBook::rovantLabel() const
{
    return m_rovantLabel.isEmpty() ? QStringLiteral("P *") : m_rovantLabel;
}

QString CellarBook::vinumLabel() const
{
    return m_vinumLabel.isEmpty() ? QStringLiteral("V *") : m_vinumLabel;
}

QString CellarBook::winespectatorLabel() const
{
    return m_winespectatorLabel.isEmpty() ? QStringLiteral("W *") : m_winespectatorLabel;
}

QString CellarBook::customPointsLabel() const
{
    return m_customPointsLabel.isEmpty() ? QStringLiteral("C *") : m_customPointsLabel;
}

void CellarBook::changeCurrencyforAllWines(const QString& code)
{
    for (const auto& w : m_wines)
        w->setCurrency(code);
}

// ---------------------------------------------------------------- storage places

bool CellarBook::addDepot(const std::shared_ptr<Depot>& depot)
{
    quint32 id = 0;
    if (!depot || m_depotCounter >= quint32(std::numeric_limits<qint32>::max())
        || !takeNext(m_depotCounter, &id, "storage place"))
        return false;
    depot->setDepotID(qint32(id));
    m_depots.append(depot);
    return true;
}

bool CellarBook::addRack(const std::shared_ptr<Rack>& rack)
{
    quint32 id = 0;
    if (!rack || !takeNext(m_rackCounter, &id, "rack"))
        return false;
    rack->setRackID(id);
    m_racks.append(rack);
    return true;
}

bool CellarBook::addRackZuord(const std::shared_ptr<RackZuord>& place)
{
    if (!place) {
        Log::line(QStringLiteral("CellarBook addRackZuord: no rack place given"));
        return false;
    }
    if (!m_placesValid || m_placeSet.size() != m_rackZuord.size()) {
        m_placeSet.clear();
        for (const auto& p : m_rackZuord)
            m_placeSet.insert(p.get());
        m_placesValid = true;
    }
    if (m_placeSet.contains(place.get())) {
        Log::line(QStringLiteral("CellarBook addRackZuord: the rack place is already there"));
        return false;
    }
    m_rackZuord.append(place);
    m_placeSet.insert(place.get());
    return true;
}

QList<std::shared_ptr<RackZuord>> CellarBook::rackZuordForWine(const Wine* wine) const
{
    QList<std::shared_ptr<RackZuord>> found;
    QSet<const RackZuord*> seen;
    for (const auto& p : m_rackZuord) {
        if (p->wine().get() != wine || seen.contains(p.get()))
            continue;
        seen.insert(p.get());
        found.append(p);
    }
    return found;
}

// ---------------------------------------------------------------- bottle identifiers

namespace {
using Tags = QList<std::shared_ptr<BottleIdentifier>>;
template <class Pred>
Tags filterTags(const Tags& tags, Pred pred)
{
    Tags out;
    for (const auto& t : tags)
        if (pred(*t))
            out.append(t);
    return out;
}
}

Tags CellarBook::numoraTagsUnused() const
{
    return filterTags(m_numoraTags, [](const BottleIdentifier& t) { return t.on(); });
}

Tags CellarBook::numoraTagsUsed() const
{
    return filterTags(m_numoraTags, [](const BottleIdentifier& t) { return !t.on(); });
}

Tags CellarBook::numoraTagsFor(qint64 ubid) const
{
    return filterTags(m_numoraTags, [ubid](const BottleIdentifier& t) { return t.on() && qint64(t.ubid()) == ubid; });
}

Tags CellarBook::numoraTagsForTail(qint64 t) const
{
    QString tail;
    if (t == 0)
        tail = QStringLiteral("000");
    else if (t <= 9)
        tail = QStringLiteral("00") + QString::number(t);
    else if (t <= 99)
        tail = QStringLiteral("0") + QString::number(t);
    else
        tail = QString::number(t);
    return filterTags(m_numoraTags, [&tail](const BottleIdentifier& b) {
        return b.on() && QString(QStringLiteral("000") + QString::number(b.ubid())).endsWith(tail);
    });
}

Tags CellarBook::bottlesForWine(const Wine* wine) const
{
    return filterTags(m_numoraTags, [wine](const BottleIdentifier& t) { return t.wine().get() == wine; });
}

Tags CellarBook::bottlesForWineUnused(const Wine* wine) const
{
    return filterTags(m_numoraTags, [wine](const BottleIdentifier& t) { return t.on() && t.wine().get() == wine; });
}

Tags CellarBook::bottlesForWineUsed(const Wine* wine) const
{
    return filterTags(m_numoraTags, [wine](const BottleIdentifier& t) { return !t.on() && t.wine().get() == wine; });
}

bool CellarBook::isTagNumberTaken(quint32 number)
{
    if (!m_takenValid || m_takenCount != m_numoraTags.size()) {
        m_takenNumbers.clear();
        for (const auto& t : m_numoraTags)
            m_takenNumbers.insert(t->ubid());
        m_takenCount = m_numoraTags.size();
        m_takenValid = true;
    }
    return m_takenNumbers.contains(number);
}

bool CellarBook::nextTagNumber(const QString& wineName, const TagQuestions& ask, quint32* number)
{
    for (;;) {
        const quint32 candidate = m_numoraCounter;
        const bool exhausted = candidate == std::numeric_limits<quint32>::max();
        if (candidate != 0 && !exhausted && !isTagNumberTaken(candidate)) {
            *number = candidate;
            m_numoraCounter = candidate + 1;
            return true;
        }
        // One arg() call: a "%2" in the wine's name must stay as typed.
        const QString message = QStringLiteral("Can't create bottle ID for '%1'.\nThe ID '%2' isn't free.")
                                    .arg(wineName, QString::number(candidate));
        if (ask.alert)
            ask.alert(QStringLiteral("Error!"), message);
        const std::optional<quint32> start =
            ask.askStartNumber ? ask.askStartNumber(QStringLiteral("Error!"),
                                                    QStringLiteral("Please choose an other start ID."))
                               : std::nullopt;
        if (!start)
            return false;
        m_numoraCounter = *start;
    }
}

std::shared_ptr<BottleIdentifier> CellarBook::makeTag(const std::shared_ptr<Wine>& wine,
                                                      const std::shared_ptr<RackZuord>& place,
                                                      quint32 bottleNumber, const TagQuestions& ask)
{
    quint32 ubid = 0;
    if (!nextTagNumber(wine ? wine->winename() : QString(), ask, &ubid))
        return nullptr;
    quint32 id = 0;
    if (!takeNext(m_identifierCounter, &id, "bottle identifier"))
        return nullptr;
    auto tag = std::make_shared<BottleIdentifier>();
    tag->setIdentifierID(id);
    tag->setUbid(ubid);
    tag->setWine(wine);
    tag->setRackref(place);
    tag->setBottlenumber(bottleNumber);
    m_numoraTags.append(tag);
    if (m_takenValid) {
        m_takenNumbers.insert(ubid);
        m_takenCount = m_numoraTags.size();
    }
    return tag;
}

Tags CellarBook::addTagForWine(const std::shared_ptr<Wine>& wine, const std::shared_ptr<RackZuord>& place,
                               quint32 count, const TagQuestions& ask)
{
    Tags made;
    if (!wine)
        return made;
    const quint64 p = wine->purchaseNumber();
    for (quint32 i = 1; i <= count; ++i) {
        const quint64 number = p + i;
        if (number > std::numeric_limits<quint32>::max())
            break;
        auto tag = makeTag(wine, place, quint32(number), ask);
        if (!tag)
            break;
        made.append(tag);
    }
    return made;
}

std::shared_ptr<BottleIdentifier> CellarBook::addTagAtIndex(int, const std::shared_ptr<BottleIdentifier>& basedOn,
                                                            const TagQuestions& ask)
{
    if (!basedOn || !basedOn->wine())
        return nullptr;
    const auto wine = basedOn->wine();
    const quint64 next = quint64(bottlesForWine(wine.get()).size()) + 1;
    if (next > wine->purchaseNumber()) {
        if (ask.alert)
            ask.alert(QStringLiteral("Sorry!"), QStringLiteral("No more bottles available."));
        return nullptr;
    }
    return makeTag(wine, basedOn->rackref(), quint32(next), ask);
}

int CellarBook::createIdentifiersForAll(const TagQuestions& ask)
{
    int made = 0;
    // One pass over the identifiers and the places, not one per wine.
    QHash<const Wine*, quint64> counted;
    for (const auto& t : m_numoraTags)
        ++counted[t->wine().get()];
    QHash<const Wine*, std::shared_ptr<RackZuord>> firstPlace;
    for (const auto& p : m_rackZuord)
        if (!firstPlace.contains(p->wine().get()))
            firstPlace.insert(p->wine().get(), p);
    for (const auto& wine : m_wines) {
        const auto place = firstPlace.value(wine.get());
        quint64 have = counted.value(wine.get());
        while (have < wine->purchaseNumber()) {
            auto tag = makeTag(wine, place, quint32(have + 1), ask);
            if (!tag)
                return made;
            ++have;
            ++made;
        }
    }
    return made;
}

void CellarBook::removeTag(BottleIdentifier& tag)
{
    tag.setOn(false);
}

void CellarBook::recycleTag(BottleIdentifier& tag)
{
    tag.setOn(true);
}

void CellarBook::deleteTag(const BottleIdentifier* tag)
{
    m_numoraTags.removeIf([tag](const std::shared_ptr<BottleIdentifier>& t) { return t.get() == tag; });
    m_takenValid = false;
}

void CellarBook::deleteAllTags()
{
    m_numoraTags = Tags();
    m_takenValid = false;
}

QString CellarBook::ubidStringsForWine(const Wine* wine) const
{
    QString s = QStringLiteral("UBID's: ");
    for (const auto& t : bottlesForWineUnused(wine))
        s += QString::number(t->ubid()) + QStringLiteral(", ");
    return s;
}

QString CellarBook::ubidTableForWine(const Wine* wine) const
{
    QString s;
    for (const auto& t : bottlesForWineUnused(wine))
        s += QStringList{QString::number(t->ubid()), t->rackname(), QString::number(t->x()),
                         QString::number(t->y()), QString::number(t->z()), t->comment()}
                 .join(QLatin1Char('\t'))
            + QLatin1Char('\n');
    return s;
}

// ---------------------------------------------------------------- address copies

void CellarBook::addAddress(const std::shared_ptr<KVNAddress>& address)
{
    if (!address)
        return;
    const auto existing = address->uID().isEmpty() ? nullptr : internAddressForID(address->uID());
    if (existing == address)
        return;
    if (existing) {
        *existing = *address;
        return;
    }
    m_addresses.append(address);
}

std::shared_ptr<KVNAddress> CellarBook::internAddressForID(const QString& uID) const
{
    for (const auto& a : m_addresses)
        if (a->uID() == uID)
            return a;
    return nullptr;
}

void CellarBook::removeInternAddress(const QString& uID)
{
    const auto before = m_addresses.size();
    m_addresses.removeIf([&uID](const std::shared_ptr<KVNAddress>& a) { return a->uID() == uID; });
    Log::line(QStringLiteral("CellarBook removeInternAddress %1: %2 removed").arg(uID, QString::number(before - m_addresses.size())));
}

// ---------------------------------------------------------------- archive

namespace {
// Lifts a counter to the highest ID its records carry.
template <class T, class Getter>
void raiseToHighest(quint32& counter, const QList<std::shared_ptr<T>>& records, Getter id)
{
    for (const auto& r : records)
        counter = qMax(counter, quint32(std::invoke(id, *r)));
}
}

// Version 7 had no review pick list of scales ("outofs") and no online user ID.
void CellarBook::archive(Coder& c)
{
    const int v = c.versionOf(className());
    c.io("wineCounter", m_wineCounter);
    c.io("grapeCounter", m_grapeCounter);
    c.io("odourCounter", m_odourCounter);
    c.io("tasteCounter", m_tasteCounter);
    c.io("depotCounter", m_depotCounter);
    c.io("rackCounter", m_rackCounter);
    c.io("identifierCounter", m_identifierCounter);
    c.io("numoraCounter", m_numoraCounter);
    c.io("currency", m_currency);
    c.io("author", m_author);
    if (v >= 8)
        c.io("iDBuserID", m_iDBuserID);
    c.io("pointStep", m_pointStep);
    c.io("pointSight", m_pointSight);
    c.io("pointSmell", m_pointSmell);
    c.io("pointTaste", m_pointTaste);
    c.io("pointQuality", m_pointQuality);
    c.io("rovantLabel", m_rovantLabel);
    c.io("vinumLabel", m_vinumLabel);
    c.io("winespectatorLabel", m_winespectatorLabel);
    c.io("customPointsLabel", m_customPointsLabel);
    c.io("addressesWineriesID", m_addressesWineriesID);
    c.io("addressesSuppliersID", m_addressesSuppliersID);
    c.object("wineInfos", m_wineInfos);
    c.objects("tastes", m_tastes);
    c.objects("odours", m_odours);
    c.objects("grapes", m_grapes);
    c.objects("aromas", m_aromas);
    c.strings("journals", m_journals);
    c.strings("authors", m_authors);
    if (v >= 8)
        c.strings("outofs", m_outofs);
    c.objects("depots", m_depots);
    c.objects("racks", m_racks);
    c.objects("addresses", m_addresses);
    c.objects("wines", m_wines);
    c.objects("rackZuord", m_rackZuord);
    c.objects("groups", m_groups);
    c.objects("numoraTags", m_numoraTags);
    if (c.isReading()) {
        m_aromaListBuilt = false;
        m_takenValid = false;
        m_placesValid = false;
        // A cellar stored without its catalogue still needs one to name its wines.
        if (!m_wineInfos)
            m_wineInfos = WineInfos::create();
        // A damaged file must not make the counters hand out an ID again.
        raiseToHighest(m_wineCounter, m_wines, &Wine::wineID);
        raiseToHighest(m_identifierCounter, m_numoraTags, &BottleIdentifier::identifierID);
        raiseToHighest(m_grapeCounter, m_grapes, &Grape::entryID);
        raiseToHighest(m_odourCounter, m_odours, &Odour::entryID);
        raiseToHighest(m_tasteCounter, m_tastes, &Taste::entryID);
        raiseToHighest(m_rackCounter, m_racks, &Rack::rackID);
        for (const auto& d : m_depots)
            if (d->depotID() > 0)
                m_depotCounter = qMax(m_depotCounter, quint32(d->depotID()));
    }
}

// ---------------------------------------------------------------- classes

void registerModelClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerCatalogueClasses();
        registerArchivable<CellarBook>(QStringLiteral("CellarBook"), CellarBook::Version);
        ClassRegistry::add(QStringLiteral("Wine"), Wine::Version,
                           [] { return std::static_pointer_cast<Archivable>(std::make_shared<Wine>(Wine::Blank)); });
        ClassRegistry::add(QStringLiteral("Purchase"), Purchase::Version,
                           [] { return std::static_pointer_cast<Archivable>(std::make_shared<Purchase>(Purchase::Blank)); });
        ClassRegistry::add(QStringLiteral("Used"), Used::Version,
                           [] { return std::static_pointer_cast<Archivable>(std::make_shared<Used>(Used::Blank)); });
        registerArchivable<Review>(QStringLiteral("Review"), Review::Version);
        registerArchivable<WineAroma>(QStringLiteral("WineAroma"), WineAroma::Version);
        registerArchivable<Taste>(QStringLiteral("Taste"), Taste::Version);
        registerArchivable<Odour>(QStringLiteral("Odour"), Odour::Version);
        registerArchivable<Grape>(QStringLiteral("Grape"), Grape::Version);
        registerArchivable<AromaType>(QStringLiteral("AromaType"), AromaType::Version);
        registerArchivable<AromaGroup>(QStringLiteral("AromaGroup"), AromaGroup::Version);
        registerArchivable<Aroma>(QStringLiteral("Aroma"), Aroma::Version);
        registerArchivable<Depot>(QStringLiteral("Depot"), Depot::Version);
        registerArchivable<Rack>(QStringLiteral("Rack"), Rack::Version);
        registerArchivable<RackZuord>(QStringLiteral("RackZuord"), RackZuord::Version);
        registerArchivable<Group>(QStringLiteral("Group"), Group::Version);
        ClassRegistry::add(QStringLiteral("BottleIdentifier"), BottleIdentifier::Version,
                           [] { return std::static_pointer_cast<Archivable>(std::make_shared<BottleIdentifier>(BottleIdentifier::Blank)); });
        registerArchivable<KVNAddress>(QStringLiteral("KVNAddress"), KVNAddress::Version);
    });
}
