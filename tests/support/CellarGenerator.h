#pragma once
// Builds cellars of any size with every kind of record, for tests and benchmarks.
#include "model/Aroma.h"
#include "model/BottleIdentifier.h"
#include "model/CellarBook.h"
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
#include <QRandomGenerator>

namespace CellarGenerator {

// Each wine has 3 purchases, 2 uses, a review, 4 aromas, 6 bottle identifiers
// and a storage place, and every scalar field set to something other than its default.
inline std::shared_ptr<CellarBook> generate(int wineCount, quint32 seed = 42)
{
    QRandomGenerator rng(seed);
    auto book = CellarBook::createNew();
    book->setAuthor(QStringLiteral("Anna Keller"));
    book->setIDBuserID(4711);
    book->setRovantLabel(QStringLiteral("Parker"));
    book->addJournal(QStringLiteral("Vinum"));
    book->addAuthor(QStringLiteral("J. Robinson"));
    book->addOutof(QStringLiteral("100"));
    auto rack = book->racks().first();
    auto group = std::make_shared<Group>();
    group->setName(QStringLiteral("Favourites"));
    auto child = std::make_shared<Group>();
    child->setName(QStringLiteral("Sunday"));
    group->children().append(child);
    book->groups().append(group);
    auto address = std::make_shared<KVNAddress>();
    address->setUID(QStringLiteral("urn-uuid-winery-0001"));
    address->setIsWinery(true);
    address->setCompany(QStringLiteral("Weingut Müller & Söhne"));
    address->setCity(QStringLiteral("Rüdesheim"));
    address->setCountryIDProperty(-3);
    address->setImage(QByteArray("\x00\x01TIFF", 6));
    book->addAddress(address);

    const auto& aromas = book->aromaList();
    TagQuestions never;
    for (int i = 0; i < wineCount; ++i) {
        auto w = std::make_shared<Wine>();
        w->setWinename(QStringLiteral("Wine %1 «Grand Cru» ñ").arg(i));
        w->setYear(quint16(1990 + rng.bounded(35)));
        w->setType(quint16(1 + rng.bounded(5)));
        w->setCountry(1 + int(rng.bounded(200)));
        w->setRegio(1 + int(rng.bounded(10)));
        w->setArea(quint16(rng.bounded(5)));
        w->setClassification(quint16(rng.bounded(7)));
        w->setFood(QStringLiteral("Lamb, cheese"));
        w->setCustomSight(QStringLiteral("clear"));
        w->setWinery(address->uID());
        w->setInternAddress(address);
        w->setAlcohol(12.5f + float(rng.bounded(30)) / 10.0f);
        w->setScore(float(rng.bounded(1000)) / 10.0f);
        w->setPoints(rng.bounded(100u));
        w->setRovant(quint16(rng.bounded(11)));
        w->setLenght(quint16(rng.bounded(7)));
        w->setBubblesSize(-2);
        w->setKosher(i % 7 == 0);
        w->setCedar(i % 3 == 0);
        w->setTwoody(i % 5 == 0);
        w->setComment(QStringLiteral("Tasted with friends — round and long. %1").arg(i).toUtf8());
        w->sightcolorSecondary()[2] = int(rng.bounded(28));
        w->setRebsorte(book->grapes().at(i % book->grapes().size()));
        w->setOdour(book->odours().at(i % book->odours().size()));
        w->setTasteA(book->tastes().at(i % book->tastes().size()));
        for (int p = 0; p < 3; ++p) {
            auto purchase = std::make_shared<Purchase>();
            purchase->setDate(QDateTime::fromMSecsSinceEpoch(1500000000000LL + qint64(i) * 86400000LL + p, Qt::UTC));
            purchase->setNumber(2 + quint32(p));
            purchase->setPrice(9.5f + float(p));
            purchase->setBottle(quint16(1 + p));
            purchase->setSupplier(QStringLiteral("urn-uuid-supplier-0002"));
            w->purchases().append(purchase);
        }
        for (int u = 0; u < 2; ++u) {
            auto used = std::make_shared<Used>();
            used->setDate(QDateTime::fromMSecsSinceEpoch(1600000000000LL + qint64(i) * 1000 + u, Qt::UTC));
            used->setUsed(1);
            used->setOccasion(QStringLiteral("Birthday"));
            used->setGuests(QStringLiteral("Tom, Eva"));
            w->used().append(used);
        }
        auto review = std::make_shared<Review>();
        review->setRvJournal(QStringLiteral("Vinum"));
        review->setRvScore(17.5f);
        review->setRvOutOf(20.0f);
        review->setRvReview(QStringLiteral("Dense, dark fruit."));
        w->reviews().append(review);
        for (int a = 0; a < 4; ++a) {
            auto wa = std::make_shared<WineAroma>();
            wa->setAroma(aromas.at((i + a * 7) % aromas.size()));
            wa->setStrength(quint16(1 + a));
            wa->setComment(a == 0 ? QStringLiteral("strong") : QString());
            (a < 2 ? w->smellAromas() : w->tasteAromas()).append(wa);
        }
        book->addWine(w);
        auto place = std::make_shared<RackZuord>();
        place->setRack(rack);
        place->setWine(w);
        place->setX(quint16(1 + i % 2));
        place->setY(quint16(1 + i % 6));
        place->setN(6);
        book->addRackZuord(place);
        book->addTagForWine(w, place, 6, never);
        w->solveStockbalance();
        if (i % 10 == 0)
            group->wines().append(w);
        if (i % 25 == 0)
            child->wines().append(w);
    }
    if (!book->numoraTags().isEmpty()) {
        book->numoraTags().first()->setOn(false);
        book->numoraTags().first()->setComment(QStringLiteral("drunk"));
    }
    return book;
}

} // namespace CellarGenerator
