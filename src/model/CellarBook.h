#pragma once
#include <QList>
#include <QSet>
#include <QStringList>
#include <functional>
#include <optional>
#include "model/Property.h"
#include "platform/Archivable.h"

class AddressBook;
class ABPerson;
class Aroma;
class AromaType;
class BottleIdentifier;
class Depot;
class Grape;
class Group;
class KVNAddress;
class Odour;
class Rack;
class RackZuord;
class Taste;
class Wine;
class WineInfos;

// What the tag operations ask of the user. The model never shows a dialog itself:
// the caller passes answers (the application's come from Dialogs).
struct TagQuestions {
    // Shows an alert with a title and a message.
    std::function<void(const QString& title, const QString& message)> alert;
    // Asks for a new start number of the printed tags; nullopt = cancel.
    std::function<std::optional<quint32>(const QString& title, const QString& message)> askStartNumber;
};

// The root of all cellar data: wines, vocabularies, storage places, groups,
// bottle identifiers, address copies and the ID counters. The one object that
// is archived as the cellar database.
class CellarBook : public Archivable {
public:
    static constexpr int Version = 8;

    // An empty book, as the archive reader makes it.
    CellarBook();
    ~CellarBook() override;
    // A new cellar: the storage place "Wine Cellar" with the rack "Main Rack",
    // the built-in vocabularies, aroma tree and point scale.
    static std::shared_ptr<CellarBook> createNew();

    QString className() const override { return QStringLiteral("CellarBook"); }
    void archive(Coder& c) override;

    // ---- the catalogue that travels inside the cellar
    std::shared_ptr<WineInfos> wineInfos() const { return m_wineInfos; }
    void setWineInfos(const std::shared_ptr<WineInfos>& infos) { m_wineInfos = infos; }

    // ---- wines
    QList<std::shared_ptr<Wine>>& wines() { return m_wines; }
    const QList<std::shared_ptr<Wine>>& wines() const { return m_wines; }
    // Gives the wine the next wine ID and appends it. False (nothing changed)
    // only when the counter is exhausted.
    bool addWine(const std::shared_ptr<Wine>& wine);
    // True when the list holds that very object.
    bool containsWine(const Wine* wine) const;
    // Removes the wine from the book and from every group.
    void removeWine(const Wine* wine);

    // ---- vocabularies
    QList<std::shared_ptr<Grape>>& grapes() { return m_grapes; }
    QList<std::shared_ptr<Odour>>& odours() { return m_odours; }
    QList<std::shared_ptr<Taste>>& tastes() { return m_tastes; }
    bool addGrape(const std::shared_ptr<Grape>& grape);
    bool addOdour(const std::shared_ptr<Odour>& odour);
    bool addTaste(const std::shared_ptr<Taste>& taste);
    std::shared_ptr<Grape> addGrapeString(const QString& name);
    std::shared_ptr<Odour> addOdourString(const QString& name);
    std::shared_ptr<Taste> addTasteString(const QString& name);
    // The entry of exactly that name; else, for a name of 3 characters or more, a
    // new entry of that name; else none (a short name never answers an unrelated entry).
    std::shared_ptr<Grape> grapeFor(const QString& name);
    std::shared_ptr<Odour> odourFor(const QString& name);
    std::shared_ptr<Taste> tasteFor(const QString& name);

    QStringList& journals() { return m_journals; }
    QStringList& authors() { return m_authors; }
    QStringList& outofs() { return m_outofs; }
    void addJournal(const QString& s) { m_journals.append(s); }
    void addAuthor(const QString& s) { m_authors.append(s); }
    void addOutof(const QString& s) { m_outofs.append(s); }

    // ---- aroma tree
    QList<std::shared_ptr<AromaType>>& aromas() { return m_aromas; }
    std::shared_ptr<AromaType> addAromaTypeString(const QString& name);
    // All aromas in tree order, each stamped with its type and group; built on first use.
    const QList<std::shared_ptr<Aroma>>& aromaList();
    // Rebuilds aromaList and answers the aroma's position in it (0 when absent).
    int updateAromaList(const Aroma* aroma);

    // ---- point scale, labels, currency, owner
    KV_VALUE(float, pointStep, setPointStep, 0.5f)
    KV_VALUE(float, pointSight, setPointSight, 3.0f)
    KV_VALUE(float, pointSmell, setPointSmell, 6.0f)
    KV_VALUE(float, pointTaste, setPointTaste, 8.0f)
    KV_VALUE(float, pointQuality, setPointQuality, 3.0f)
public:
    float pointSum() const { return m_pointSight + m_pointSmell + m_pointTaste + m_pointQuality; }
    // The labels of the four rating scales; a short placeholder while unset.
    QString rovantLabel() const;
    QString vinumLabel() const;
    QString winespectatorLabel() const;
    QString customPointsLabel() const;
    void setRovantLabel(const QString& s) { m_rovantLabel = s; }
    void setVinumLabel(const QString& s) { m_vinumLabel = s; }
    void setWinespectatorLabel(const QString& s) { m_winespectatorLabel = s; }
    void setCustomPointsLabel(const QString& s) { m_customPointsLabel = s; }
    // Sets every wine's currency; amounts are not converted.
    void changeCurrencyforAllWines(const QString& code);

    KV_PROPERTY(QString, currency, setCurrency)
    KV_PROPERTY(QString, author, setAuthor)
    KV_VALUE(quint32, iDBuserID, setIDBuserID, 0)
    KV_PROPERTY(QString, addressesWineriesID, setAddressesWineriesID)
    KV_PROPERTY(QString, addressesSuppliersID, setAddressesSuppliersID)

public:
    // ---- storage places
    QList<std::shared_ptr<Depot>>& depots() { return m_depots; }
    QList<std::shared_ptr<Rack>>& racks() { return m_racks; }
    bool addDepot(const std::shared_ptr<Depot>& depot);
    bool addRack(const std::shared_ptr<Rack>& rack);
    QList<std::shared_ptr<RackZuord>>& rackZuord()
    {
        m_placesValid = false;
        return m_rackZuord;
    }
    // Appends a place; a null one or one already in the list is refused with a log line.
    bool addRackZuord(const std::shared_ptr<RackZuord>& place);
    // The book's own places of that wine, each once, in the book's order. Only answers.
    QList<std::shared_ptr<RackZuord>> rackZuordForWine(const Wine* wine) const;

    // ---- groups
    QList<std::shared_ptr<Group>>& groups() { return m_groups; }

    // ---- bottle identifiers
    // The list itself: callers may reorder or edit it.
    QList<std::shared_ptr<BottleIdentifier>>& numoraTags()
    {
        m_takenValid = false;
        return m_numoraTags;
    }
    QList<std::shared_ptr<BottleIdentifier>> numoraTagsUnused() const;
    QList<std::shared_ptr<BottleIdentifier>> numoraTagsUsed() const;
    QList<std::shared_ptr<BottleIdentifier>> numoraTagsFor(qint64 ubid) const;
    QList<std::shared_ptr<BottleIdentifier>> numoraTagsForTail(qint64 tail) const;
    QList<std::shared_ptr<BottleIdentifier>> bottlesForWine(const Wine* wine) const;
    QList<std::shared_ptr<BottleIdentifier>> bottlesForWineUnused(const Wine* wine) const;
    QList<std::shared_ptr<BottleIdentifier>> bottlesForWineUsed(const Wine* wine) const;
    // Makes count identifiers for the wine at the place, bottle numbers after the
    // wine's purchaseNumber; asks for a new start number when a tag number is taken.
    // Answers the identifiers made (fewer when the user cancels).
    QList<std::shared_ptr<BottleIdentifier>> addTagForWine(const std::shared_ptr<Wine>& wine,
                                                           const std::shared_ptr<RackZuord>& place,
                                                           quint32 count, const TagQuestions& ask);
    // One more identifier of the same wine and place, when the wine has bottles
    // without one; else the alert "Sorry!" / "No more bottles available." and none.
    std::shared_ptr<BottleIdentifier> addTagAtIndex(int index, const std::shared_ptr<BottleIdentifier>& basedOn,
                                                    const TagQuestions& ask);
    // Identifiers for every bought bottle that has none yet; answers how many were made.
    int createIdentifiersForAll(const TagQuestions& ask);
    void removeTag(BottleIdentifier& tag);
    void recycleTag(BottleIdentifier& tag);
    void deleteTag(const BottleIdentifier* tag);
    void deleteAllTags();
    // "UBID's: " and each number in the cellar followed by ", ".
    QString ubidStringsForWine(const Wine* wine) const;
    // One line per identifier in the cellar: number, rack, x, y, z, comment, tab-separated.
    QString ubidTableForWine(const Wine* wine) const;
    KV_VALUE(quint32, numoraCounter, setNumoraCounter, 1)
    KV_VALUE(quint32, identifierCounter, setIdentifierCounter, 0)

public:
    // ---- address copies
    QList<std::shared_ptr<KVNAddress>>& addresses() { return m_addresses; }
    // Appends the copy; when a copy with the same unique ID is there already, that
    // copy takes the new values instead (the wines keep pointing at it).
    void addAddress(const std::shared_ptr<KVNAddress>& address);
    std::shared_ptr<KVNAddress> internAddressForID(const QString& uID) const;
    std::shared_ptr<KVNAddress> recordForAddressUID(const QString& uID) const { return internAddressForID(uID); }
    void removeInternAddress(const QString& uID);
    // The first person of the address book whose organisation equals the name,
    // ignoring case; none for the empty name.
    static std::shared_ptr<ABPerson> isDoubleAddressCompany(const AddressBook& book, const QString& company);
    // For an ID the address book no longer knows: puts the cellar's copy back as
    // a person (or takes a person of the same company and city), restores its groups
    // and picture, points every wine and purchase at the person's ID, saves the
    // address book when changed, and answers the ID. Empty when there is no copy.
    QString refreshAddressForUID(AddressBook& book, const QString& uID);

    // ---- counters (counter + 1, never reused)
    quint32 wineCounter() const { return m_wineCounter; }
    quint32 grapeCounter() const { return m_grapeCounter; }
    quint32 odourCounter() const { return m_odourCounter; }
    quint32 tasteCounter() const { return m_tasteCounter; }
    quint32 depotCounter() const { return m_depotCounter; }
    quint32 rackCounter() const { return m_rackCounter; }

private:
    bool nextTagNumber(const QString& wineName, const TagQuestions& ask, quint32* number);
    bool isTagNumberTaken(quint32 number);
    std::shared_ptr<BottleIdentifier> makeTag(const std::shared_ptr<Wine>& wine,
                                              const std::shared_ptr<RackZuord>& place,
                                              quint32 bottleNumber, const TagQuestions& ask);

    std::shared_ptr<WineInfos> m_wineInfos;
    QList<std::shared_ptr<Wine>> m_wines;
    QList<std::shared_ptr<Grape>> m_grapes;
    QList<std::shared_ptr<Odour>> m_odours;
    QList<std::shared_ptr<Taste>> m_tastes;
    QStringList m_journals;
    QStringList m_authors;
    QStringList m_outofs;
    QList<std::shared_ptr<AromaType>> m_aromas;
    QList<std::shared_ptr<Aroma>> m_aromaList;
    bool m_aromaListBuilt = false;
    QString m_rovantLabel;
    QString m_vinumLabel;
    QString m_winespectatorLabel;
    QString m_customPointsLabel;
    QList<std::shared_ptr<Depot>> m_depots;
    QList<std::shared_ptr<Rack>> m_racks;
    QList<std::shared_ptr<RackZuord>> m_rackZuord;
    // The places in the list, for the duplicate check of addRackZuord.
    QSet<const RackZuord*> m_placeSet;
    bool m_placesValid = false;
    QList<std::shared_ptr<Group>> m_groups;
    QList<std::shared_ptr<BottleIdentifier>> m_numoraTags;
    // The printed numbers in use, so that making tags stays linear in big cellars.
    QSet<quint32> m_takenNumbers;
    qsizetype m_takenCount = 0;
    bool m_takenValid = false;
    QList<std::shared_ptr<KVNAddress>> m_addresses;
    quint32 m_wineCounter = 0;
    quint32 m_grapeCounter = 0;
    quint32 m_odourCounter = 0;
    quint32 m_tasteCounter = 0;
    quint32 m_depotCounter = 0;
    quint32 m_rackCounter = 0;
};

// Registers every class of the cellar database with the archive; safe to call often.
void registerModelClasses();
