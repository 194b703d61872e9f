// Reading a folder of 5,000 cards and searching them, as the cellar does at
// launch and in the editor's address search.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "platform/addressbook/ABGroup.h"
#include "platform/addressbook/ABMultiValue.h"
#include "platform/addressbook/ABPerson.h"
#include "platform/addressbook/ABSearchElement.h"
#include "platform/addressbook/AddressBook.h"
#include "platform/addressbook/CellarAddressBook.h"

namespace {
const QString& folderOf5000()
{
    static QTemporaryDir dir;
    static QString folder;
    if (folder.isEmpty()) {
        folder = dir.filePath("AddressBook");
        auto book = AddressBook::openFolder(folder);
        const CellarAddressGroups ids = prepareCellarAddressBook(*book);
        auto wineries = book->groupForUniqueId(ids.wineriesID);
        for (int i = 0; i < 5000; ++i) {
            auto p = std::make_shared<ABPerson>();
            p->setValue(QStringLiteral("Weingut Nummer %1").arg(i), kABOrganizationProperty);
            p->setValue(kABShowAsCompany, kABPersonFlags);
            ABMultiValue adr;
            adr.addValue(QVariantMap{{kABAddressStreetKey, QStringLiteral("Kellergasse %1").arg(i)},
                                     {kABAddressCityKey, QStringLiteral("Ort %1").arg(i % 300)},
                                     {kABAddressStateKey, QString()},
                                     {kABAddressZIPKey, QString::number(3000 + i % 900)},
                                     {kABAddressCountryKey, QStringLiteral("Österreich")}},
                         kABAddressWorkLabel);
            p->setValue(QVariant::fromValue(adr), kABAddressProperty);
            ABMultiValue tel;
            tel.addValue(QStringLiteral("+43 2732 %1").arg(i), kABPhoneMainLabel);
            tel.addValue(QStringLiteral("+43 2732 %1 9").arg(i), kABPhoneWorkFAXLabel);
            p->setValue(QVariant::fromValue(tel), kABPhoneProperty);
            ABMultiValue mail;
            mail.addValue(QStringLiteral("office%1@example.org").arg(i), kABEmailWorkLabel);
            p->setValue(QVariant::fromValue(mail), kABEmailProperty);
            p->setValue(QStringLiteral("Notiz für Nummer %1,\nmit zwei Zeilen").arg(i), kABNoteProperty);
            p->setValue(i % 29 + 1, kCountryIDProperty);
            p->setValue(QStringLiteral("Kamptal"), kRegionProperty);
            book->addRecord(p);
            wineries->addMember(p);
        }
        book->save();
    }
    return folder;
}

void BM_ReadFolderOf5000(benchmark::State& state)
{
    const QString folder = folderOf5000();
    for (auto _ : state) {
        auto book = AddressBook::openFolder(folder);
        benchmark::DoNotOptimize(book->people().size());
    }
}
BENCHMARK(BM_ReadFolderOf5000)->Unit(benchmark::kMillisecond);

void BM_SearchOrganisationOrCityIn5000(benchmark::State& state)
{
    auto book = AddressBook::openFolder(folderOf5000());
    const auto element = ABSearchElement::searchElementForConjunction(
        ABSearchConjunction::Or,
        {ABPerson::searchElementForProperty(kABOrganizationProperty, {}, {}, QStringLiteral("NUMMER 42"),
                                            ABSearchComparison::ContainsSubStringCaseInsensitive),
         ABPerson::searchElementForProperty(kABAddressProperty, kABAddressWorkLabel, kABAddressCityKey,
                                            QStringLiteral("ort 17"), ABSearchComparison::ContainsSubStringCaseInsensitive)});
    for (auto _ : state)
        benchmark::DoNotOptimize(book->recordsMatchingSearchElement(element).size());
}
BENCHMARK(BM_SearchOrganisationOrCityIn5000)->Unit(benchmark::kMillisecond);
}
