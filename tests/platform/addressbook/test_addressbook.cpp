#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/addressbook/ABGroup.h"
#include "platform/addressbook/ABMultiValue.h"
#include "platform/addressbook/ABPerson.h"
#include "platform/addressbook/ABSearchElement.h"
#include "platform/addressbook/AddressBook.h"
#include "platform/addressbook/CellarAddressBook.h"
#include "platform/addressbook/FolderAddressBackend.h"
#include "platform/addressbook/MemoryAddressBackend.h"
#include "platform/addressbook/VCardLine.h"

namespace {
const QString kNote = QStringLiteral("Grüner Veltliner, Riesling; Zweigelt\nKeller: 3\\4 — „Ried Käferberg“\n\n€ 12,50");

QVariantMap address(const QString& street, const QString& city, const QString& zip, const QString& country)
{
    return {{kABAddressStreetKey, street}, {kABAddressCityKey, city}, {kABAddressStateKey, QString()},
            {kABAddressZIPKey, zip}, {kABAddressCountryKey, country}};
}

QByteArray tiffPicture()
{
    QByteArray data("II*\0", 4);
    for (int i = 0; i < 3000; ++i)
        data += char(i * 7);
    return data;
}

// A company with every kind of value this layer stores.
std::shared_ptr<ABPerson> fullPerson()
{
    auto p = std::make_shared<ABPerson>();
    EXPECT_TRUE(p->setValue(QStringLiteral("Weingut Bründlmayer, Söhne; & Co"), kABOrganizationProperty));
    EXPECT_TRUE(p->setValue(QStringLiteral("Keller"), kABDepartmentProperty));
    EXPECT_TRUE(p->setValue(QStringLiteral("Willi"), kABFirstNameProperty));
    EXPECT_TRUE(p->setValue(QStringLiteral("Bründlmayer"), kABLastNameProperty));
    EXPECT_TRUE(p->setValue(QStringLiteral("J."), kABMiddleNameProperty));
    EXPECT_TRUE(p->setValue(QStringLiteral("Ing."), kABTitleProperty));
    EXPECT_TRUE(p->setValue(QStringLiteral("sen."), kABSuffixProperty));
    EXPECT_TRUE(p->setValue(QStringLiteral("Winzer"), kABJobTitleProperty));
    EXPECT_TRUE(p->setValue(QStringLiteral("https://example.org/a,b;c?x=1&y=2"), kABHomePageProperty));
    EXPECT_TRUE(p->setValue(kNote, kABNoteProperty));
    EXPECT_TRUE(p->setValue(kABShowAsCompany, kABPersonFlags));

    ABMultiValue adr;
    adr.addValue(address("Zwettler Straße 23", "Langenlois", "3550", "Austria"), kABAddressHomeLabel);
    const QString work = adr.addValue(address("Hof 1; Tor 2", "Krems, Stadt", "3500", "Österreich"), kABAddressWorkLabel);
    adr.addValue(address("Postfach 9", "Wien", "1010", "Austria"), kABOtherLabel);
    adr.addValue(address("Kellergasse \"7\"", "Zöbing", "3561", "Austria"), QStringLiteral("Cellar door; \"old\""));
    EXPECT_TRUE(adr.setPrimaryIdentifier(work));
    EXPECT_TRUE(p->setValue(QVariant::fromValue(adr), kABAddressProperty));

    ABMultiValue tel;
    const QLatin1StringView labels[] = {kABPhoneMainLabel, kABPhoneWorkLabel, kABPhoneHomeLabel,
                                        kABPhoneMobileLabel, kABPhoneWorkFAXLabel, kABPhoneHomeFAXLabel,
                                        kABPhonePagerLabel, kABOtherLabel};
    for (int i = 0; i < int(std::size(labels)); ++i)
        tel.addValue(QStringLiteral("+43 2734 %1").arg(2172 + i), labels[i]);
    tel.addValue(QStringLiteral("+43 664 1"), QStringLiteral("Kellermeister"));
    EXPECT_TRUE(tel.setPrimaryIdentifier(tel.identifierAtIndex(4)));
    EXPECT_TRUE(p->setValue(QVariant::fromValue(tel), kABPhoneProperty));

    ABMultiValue email;
    email.addValue(QStringLiteral("office@example.org"), kABEmailWorkLabel);
    const QString home = email.addValue(QStringLiteral("willi@example.org"), kABEmailHomeLabel);
    email.addValue(QStringLiteral("x,y@example.org"), kABOtherLabel);
    EXPECT_TRUE(email.setPrimaryIdentifier(home));
    EXPECT_TRUE(p->setValue(QVariant::fromValue(email), kABEmailProperty));

    EXPECT_TRUE(p->setValue(QStringLiteral("Kamptal"), kRegionProperty));
    EXPECT_TRUE(p->setValue(12, kRegionIDProperty));
    EXPECT_TRUE(p->setValue(2, kCountryIDProperty));
    EXPECT_TRUE(p->setValue(QStringLiteral("zweite Zeile: Hof"), kAdditionalProperty));
    EXPECT_TRUE(p->setValue(QStringLiteral("Grüner Veltliner,\nRiesling"), kVarietiesProperty));
    EXPECT_TRUE(p->setValue(QStringLiteral("Heiligenstein; Käferberg"), kVineyardsProperty));
    EXPECT_TRUE(p->setImageData(tiffPicture()));
    return p;
}

const QLatin1StringView kAllProperties[] = {
    kABOrganizationProperty, kABDepartmentProperty, kABFirstNameProperty, kABLastNameProperty,
    kABMiddleNameProperty, kABTitleProperty, kABSuffixProperty, kABJobTitleProperty, kABHomePageProperty,
    kABNoteProperty, kABPersonFlags, kABAddressProperty, kABPhoneProperty, kABEmailProperty, kRegionProperty,
    kRegionIDProperty, kCountryIDProperty, kAdditionalProperty, kVarietiesProperty, kVineyardsProperty};

void expectSamePerson(const ABPerson& a, const ABPerson& b)
{
    EXPECT_EQ(a.uniqueId(), b.uniqueId());
    for (QLatin1StringView key : kAllProperties)
        EXPECT_EQ(a.valueForProperty(key), b.valueForProperty(key)) << "property " << key.data();
    EXPECT_EQ(a.imageData(), b.imageData());
}

// The unfolded content lines of a card.
QList<QByteArray> contentLines(const QByteArray& bytes)
{
    QList<VCardLine> lines;
    QString error;
    EXPECT_TRUE(VCardSyntax::splitLines(bytes, &lines, &error)) << error.toStdString();
    QList<QByteArray> out;
    for (const VCardLine& l : lines)
        out.append(l.text);
    return out;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class AddressBookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = dir.filePath("AddressBook");
    }
    std::unique_ptr<AddressBook> open() { return AddressBook::openFolder(folder); }
    QString file(const QString& name) const { return folder + u'/' + name; }

    QTemporaryDir dir;
    QString folder;
};
}

TEST_F(AddressBookTest, FullPersonAndGroupsSurviveSaveAndFreshRead)
{
    auto book = open();
    const CellarAddressGroups ids = prepareCellarAddressBook(*book);
    auto person = fullPerson();
    EXPECT_GT(person->uniqueId().size(), 10);
    ASSERT_TRUE(book->addRecord(person));
    book->groupForUniqueId(ids.wineriesID)->addMember(person);
    book->groupForUniqueId(ids.suppliersID)->addMember(person);
    ASSERT_TRUE(book->save()) << book->lastError().toStdString();

    auto again = open();
    EXPECT_TRUE(again->skippedFiles().isEmpty());
    ASSERT_EQ(again->people().size(), 1);
    auto read = again->personForUniqueId(person->uniqueId());
    ASSERT_TRUE(read);
    expectSamePerson(*person, *read);
    const ABMultiValue tel = read->valueForProperty(kABPhoneProperty).value<ABMultiValue>();
    EXPECT_EQ(tel.primaryIndex(), 4);
    EXPECT_EQ(tel.labelAtIndex(4), kABPhoneWorkFAXLabel);
    EXPECT_EQ(tel.labelAtIndex(8), QStringLiteral("Kellermeister"));
    EXPECT_EQ(read->valueForProperty(kABAddressProperty).value<ABMultiValue>().primaryValue().toMap()
                  .value(kABAddressCityKey), QStringLiteral("Krems, Stadt"));
    EXPECT_EQ(read->valueForProperty(kCountryIDProperty).metaType(), QMetaType::fromType<qlonglong>());

    const auto parents = read->parentGroups();
    ASSERT_EQ(parents.size(), 2);
    QStringList names{parents[0]->name(), parents[1]->name()};
    names.sort();
    EXPECT_EQ(names, (QStringList{"Wine Suppliers", "Wineries"}));
    EXPECT_EQ(again->groupForUniqueId(ids.wineriesID)->members().value(0), read);

    // What is on disk: one file per record, the main phone under a type of our own,
    // the custom property as an X- property, the group as KIND:group with its member.
    const QByteArray card = readFile(file(person->uniqueId() + ".vcf"));
    const QList<QByteArray> lines = contentLines(card);
    EXPECT_TRUE(lines.contains("KIND:org"));
    EXPECT_TRUE(lines.contains("TEL;TYPE=x-main:+43 2734 2172"));
    EXPECT_TRUE(lines.contains("TEL;TYPE=fax,work;PREF=1:+43 2734 2176"));
    EXPECT_TRUE(lines.contains("X-COM-HALVOBRENN-COUNTRYIDPROPERTY;X-ABKEY=com.halvobrenn.countryIDProperty;VALUE=integer:2"));
    EXPECT_TRUE(lines.contains("ORG:Weingut Bründlmayer\\, Söhne\\; & Co;Keller"));
    const QByteArray group = readFile(file(ids.wineriesID + ".vcf"));
    EXPECT_TRUE(contentLines(group).contains("KIND:group"));
    EXPECT_TRUE(contentLines(group).contains("MEMBER:urn:uuid:" + person->uniqueId().toUtf8()));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 3);
}

TEST_F(AddressBookTest, FilesAreVCard4ThatAStandardReaderAccepts)
{
    const QString python = QStringLiteral("/usr/bin/python3");
    QProcess probe;
    probe.start(python, {"-c", "import vobject"});
    if (!probe.waitForFinished(20000) || probe.exitCode() != 0)
        GTEST_SKIP() << "python3-vobject is not installed: the vCard reader check is skipped";

    auto book = open();
    const CellarAddressGroups ids = prepareCellarAddressBook(*book);
    auto person = fullPerson();
    book->addRecord(person);
    book->groupForUniqueId(ids.wineriesID)->addMember(person);
    ASSERT_TRUE(book->save());

    const char* script = R"(
import json, sys, vobject
out = []
for path in sys.argv[1:]:
    with open(path, encoding='utf-8', newline='') as f:
        data = f.read()
    for line in data.split('\r\n')[:-1]:
        assert len(line.encode('utf-8')) <= 75, line
    card = vobject.readOne(data)
    c = card.contents
    out.append({'version': card.version.value, 'uid': card.uid.value, 'fn': card.fn.value,
                'note': card.note.value if 'note' in c else None,
                'tel': [t.value for t in c.get('tel', [])],
                'member': [m.value for m in c.get('member', [])]})
print(json.dumps(out))
)";
    QProcess p;
    p.start(python, QStringList{"-c", script, file(person->uniqueId() + ".vcf"), file(ids.wineriesID + ".vcf")});
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QJsonArray cards = QJsonDocument::fromJson(p.readAllStandardOutput()).array();
    ASSERT_EQ(cards.size(), 2);
    const QJsonObject pc = cards[0].toObject();
    EXPECT_EQ(pc["version"].toString(), "4.0");
    EXPECT_EQ(pc["uid"].toString(), "urn:uuid:" + person->uniqueId());
    EXPECT_EQ(pc["fn"].toString(), QStringLiteral("Weingut Bründlmayer, Söhne; & Co"));
    EXPECT_EQ(pc["note"].toString(), kNote);
    EXPECT_EQ(pc["tel"].toArray().size(), 9);
    EXPECT_EQ(pc["tel"].toArray()[0].toString(), "+43 2734 2172");
    const QJsonObject gc = cards[1].toObject();
    EXPECT_EQ(gc["fn"].toString(), "Wineries");
    EXPECT_EQ(gc["member"].toArray().size(), 1);
}

TEST_F(AddressBookTest, UnknownPropertiesAreKeptAndUntouchedFilesStayByteForByte)
{
    ASSERT_TRUE(QDir().mkpath(folder));
    // Written by another program: folded at odd places (inside a UTF-8 character
    // too), with properties, parameters and groups this layer does not know.
    const QByteArray foreign =
        "BEGIN:VCARD\r\n"
        "VERSION:4.0\r\n"
        "UID:urn:uuid:0b6a4f2e-6a52-4c4e-9d1a-7f3e1c2b9a10\r\n"
        "FN:Anna Gruber\r\n"
        "N:Gruber;Anna;;;\r\n"
        "BDAY:19700412\r\n"
        "X-EVOLUTION-SPOUSE;X-P=\"a;b:c\":Hans\\, Maria\r\n"
        "item1.X-ABLABEL:Keller\r\n"
        "item1.TEL:+43 1 9\r\n"
        "URL:https://first.example\r\n"
        "URL:https://second.example\r\n"
        "X-LONG:Sehr lange Zeile mit Umlauten äöü und mehr Text, damit sie gefaltet wird \xC3\r\n"
        " \xA4 und weiter geht es bis zum Ende.\r\n"
        "END:VCARD\r\n";
    const QByteArray other =
        "BEGIN:VCARD\nVERSION:4.0\nUID:plainid\nFN:Other\nX-FOO:bar\nEND:VCARD\n";
    writeFile(file("anna.vcf"), foreign);
    writeFile(file("other.vcf"), other);

    auto book = open();
    ASSERT_EQ(book->people().size(), 2);
    auto anna = book->personForUniqueId("0b6a4f2e-6a52-4c4e-9d1a-7f3e1c2b9a10");
    ASSERT_TRUE(anna);
    EXPECT_EQ(anna->valueForProperty(kABHomePageProperty).toString(), "https://first.example");
    EXPECT_EQ(book->personForUniqueId("plainid")->uniqueId().size(), 7) << "foreign IDs are taken as they are";
    EXPECT_FALSE(book->hasUnsavedChanges());
    ASSERT_TRUE(anna->setValue(QStringLiteral("Neue Notiz"), kABNoteProperty));
    ASSERT_TRUE(book->save());

    EXPECT_EQ(readFile(file("other.vcf")), other) << "an unchanged record is not rewritten";
    const QList<QByteArray> before = contentLines(foreign);
    const QList<QByteArray> after = contentLines(readFile(file("anna.vcf")));
    for (const char* kept : {"BDAY:19700412", "X-EVOLUTION-SPOUSE;X-P=\"a;b:c\":Hans\\, Maria",
                             "item1.X-ABLABEL:Keller", "item1.TEL:+43 1 9", "URL:https://second.example"})
        EXPECT_TRUE(after.contains(kept)) << kept;
    const QByteArray longLine = before[11];
    EXPECT_TRUE(longLine.contains("\xC3\xA4 und weiter"));
    EXPECT_TRUE(after.contains(longLine));
    EXPECT_TRUE(after.contains("NOTE:Neue Notiz"));
    EXPECT_TRUE(after.contains("UID:urn:uuid:0b6a4f2e-6a52-4c4e-9d1a-7f3e1c2b9a10"));
    EXPECT_EQ(after.count("URL:https://first.example"), 1);
}

TEST_F(AddressBookTest, GroupMembershipBothWaysAndRemoval)
{
    auto book = open();
    const CellarAddressGroups ids = prepareCellarAddressBook(*book);
    auto wineries = book->groupForUniqueId(ids.wineriesID);
    auto suppliers = book->groupForUniqueId(ids.suppliersID);
    auto a = std::make_shared<ABPerson>();
    auto b = std::make_shared<ABPerson>();
    auto c = std::make_shared<ABPerson>();
    for (const auto& p : {a, b, c})
        ASSERT_TRUE(book->addRecord(p));
    EXPECT_NE(a->uniqueId(), b->uniqueId());
    EXPECT_TRUE(wineries->addMember(a));
    EXPECT_FALSE(wineries->addMember(a)) << "already a member";
    EXPECT_TRUE(wineries->addMember(b));
    EXPECT_TRUE(suppliers->addMember(b));
    EXPECT_TRUE(suppliers->addMember(c));
    EXPECT_TRUE(suppliers->removeMember(c));
    EXPECT_FALSE(suppliers->removeMember(c));
    ASSERT_TRUE(book->save());

    // A member whose own file is gone stays a member when the group is written again.
    auto again = open();
    auto w = again->groupForUniqueId(ids.wineriesID);
    EXPECT_EQ(w->members().size(), 2);
    EXPECT_EQ(again->personForUniqueId(b->uniqueId())->parentGroups().size(), 2);
    EXPECT_TRUE(again->personForUniqueId(c->uniqueId())->parentGroups().isEmpty());
    ASSERT_TRUE(QFile::remove(file(a->uniqueId() + ".vcf")));
    auto third = open();
    auto w3 = third->groupForUniqueId(ids.wineriesID);
    EXPECT_EQ(w3->members().size(), 1);
    EXPECT_TRUE(w3->isMember(a->uniqueId()));
    auto c3 = third->personForUniqueId(c->uniqueId());
    EXPECT_TRUE(w3->addMember(c3));
    // Removing a person takes it out of every group and deletes its file.
    auto b3 = third->personForUniqueId(b->uniqueId());
    ASSERT_TRUE(third->removeRecord(b3));
    EXPECT_FALSE(third->groupForUniqueId(ids.suppliersID)->isMember(b->uniqueId()));
    ASSERT_TRUE(third->save());
    EXPECT_FALSE(QFile::exists(file(b->uniqueId() + ".vcf")));

    auto fourth = open();
    const QList<QByteArray> lines = contentLines(readFile(file(ids.wineriesID + ".vcf")));
    EXPECT_TRUE(lines.contains("MEMBER:urn:uuid:" + a->uniqueId().toUtf8()));
    EXPECT_TRUE(lines.contains("MEMBER:urn:uuid:" + c->uniqueId().toUtf8()));
    EXPECT_FALSE(lines.contains("MEMBER:urn:uuid:" + b->uniqueId().toUtf8()));
    EXPECT_TRUE(fourth->groupForUniqueId(ids.suppliersID)->members().isEmpty());
    EXPECT_EQ(fourth->personForUniqueId(c->uniqueId())->parentGroups().value(0)->name(), "Wineries");
}

TEST(AddressBookSearch, EqualContainsCaseInsensitiveAndConjunctions)
{
    auto backend = std::make_unique<MemoryAddressBackend>();
    AddressBook book(std::move(backend));
    auto make = [&](const QString& org, const QString& workCity, const QString& homeCity) {
        auto p = std::make_shared<ABPerson>();
        p->setValue(org, kABOrganizationProperty);
        ABMultiValue adr;
        adr.addValue(address("", homeCity, "", ""), kABAddressHomeLabel);
        adr.addValue(address("", workCity, "", ""), kABAddressWorkLabel);
        p->setValue(QVariant::fromValue(adr), kABAddressProperty);
        book.addRecord(p);
        return p;
    };
    auto knoll = make("Weingut Knoll", "Dürnstein", "Wien");
    auto hirtzberger = make("HIRTZBERGER", "Spitz", "Krems");
    auto vinothek = make("Vinothek Wien", "Wien", "Graz");
    book.addRecord(std::make_shared<ABPerson>()); // no properties at all

    auto search = [&](const ABSearchElement& e) {
        QStringList orgs;
        for (const auto& p : book.recordsMatchingSearchElement(e))
            orgs.append(p->valueForProperty(kABOrganizationProperty).toString());
        return orgs;
    };
    using C = ABSearchComparison;
    const auto org = [](const QString& v, C c) { return ABPerson::searchElementForProperty(kABOrganizationProperty, {}, {}, v, c); };
    const auto city = [](const QString& label, const QString& v, C c) {
        return ABPerson::searchElementForProperty(kABAddressProperty, label, kABAddressCityKey, v, c);
    };
    EXPECT_EQ(search(org("weingut knoll", C::EqualCaseInsensitive)), QStringList{"Weingut Knoll"});
    EXPECT_TRUE(search(org("weingut knoll", C::Equal)).isEmpty());
    EXPECT_TRUE(search(org("Weingut", C::EqualCaseInsensitive)).isEmpty()) << "equal is not a prefix match";
    EXPECT_EQ(search(org("hirtz", C::ContainsSubStringCaseInsensitive)), QStringList{"HIRTZBERGER"});
    EXPECT_TRUE(search(org("hirtz", C::ContainsSubString)).isEmpty());
    // The label limits the search to work addresses; no label means any entry.
    EXPECT_EQ(search(city(kABAddressWorkLabel, "WIEN", C::ContainsSubStringCaseInsensitive)), QStringList{"Vinothek Wien"});
    EXPECT_EQ(search(city({}, "wien", C::EqualCaseInsensitive)), (QStringList{"Weingut Knoll", "Vinothek Wien"}));
    EXPECT_EQ(search(ABPerson::searchElementForProperty(kABAddressProperty, {}, {}, "graz", C::EqualCaseInsensitive)),
              QStringList{"Vinothek Wien"}) << "no key means any key of the dictionary";
    // The editor's search: organisation or work city, anywhere, any case.
    const auto either = ABSearchElement::searchElementForConjunction(
        ABSearchConjunction::Or, {org("wien", C::ContainsSubStringCaseInsensitive),
                                  city(kABAddressWorkLabel, "spitz", C::ContainsSubStringCaseInsensitive)});
    EXPECT_EQ(search(either), (QStringList{"HIRTZBERGER", "Vinothek Wien"}));
    const auto both = ABSearchElement::searchElementForConjunction(
        ABSearchConjunction::And, {org("wien", C::ContainsSubStringCaseInsensitive),
                                   city(kABAddressHomeLabel, "graz", C::EqualCaseInsensitive)});
    EXPECT_EQ(search(both), QStringList{"Vinothek Wien"});
    EXPECT_TRUE(search(ABSearchElement::searchElementForConjunction(ABSearchConjunction::Or, {})).isEmpty());
    (void)knoll;
    (void)hirtzberger;
    (void)vinothek;
}

TEST(AddressBookChanges, UnsavedFlagFollowsEveryKindOfChange)
{
    auto backend = std::make_unique<MemoryAddressBackend>();
    MemoryAddressBackend* store = backend.get();
    AddressBook book(std::move(backend));
    prepareCellarAddressBook(book);
    EXPECT_FALSE(book.hasUnsavedChanges()) << "the new groups were saved at once";
    EXPECT_EQ(store->files().size(), 2);

    auto p = std::make_shared<ABPerson>();
    p->setValue(QStringLiteral("Detached"), kABOrganizationProperty);
    EXPECT_FALSE(book.hasUnsavedChanges()) << "a person not in the book changes nothing";
    ASSERT_TRUE(book.addRecord(p));
    EXPECT_FALSE(book.addRecord(p)) << "added twice";
    EXPECT_TRUE(book.hasUnsavedChanges());
    ASSERT_TRUE(book.save());
    EXPECT_FALSE(book.hasUnsavedChanges());

    // Refused values change nothing; the same value again is no change.
    EXPECT_FALSE(p->setValue(QStringLiteral("seven"), kCountryIDProperty));
    EXPECT_FALSE(p->setValue(1.5, kCountryIDProperty));
    EXPECT_FALSE(p->setValue(7, kABNoteProperty));
    EXPECT_FALSE(p->setValue(QStringLiteral("x"), QStringLiteral("com.example.unregistered")));
    EXPECT_FALSE(p->setValue(QStringLiteral("+43 1"), kABPhoneProperty)) << "a phone list must be a multi-value";
    EXPECT_TRUE(p->setValue(QStringLiteral("Detached"), kABOrganizationProperty));
    EXPECT_FALSE(book.hasUnsavedChanges());

    const std::function<void()> changes[] = {
        [&] { p->setValue(7, kCountryIDProperty); },
        [&] { p->setImageData("II*\0x"); },
        [&] { p->removeValueForProperty(kABOrganizationProperty); },
        [&] { book.groups().first()->addMember(p); },
        [&] { book.groups().first()->removeMember(p); },
        [&] { book.removeRecord(p); },
    };
    for (const auto& change : changes) {
        change();
        EXPECT_TRUE(book.hasUnsavedChanges());
        ASSERT_TRUE(book.save());
        EXPECT_FALSE(book.hasUnsavedChanges());
    }
    EXPECT_EQ(store->files().size(), 2) << "the removed person's file is gone";

    // A failed write keeps the change unsaved and is tried again.
    auto q = std::make_shared<ABPerson>();
    book.addRecord(q);
    store->setFailWrites(true);
    EXPECT_FALSE(book.save());
    EXPECT_TRUE(book.hasUnsavedChanges());
    EXPECT_FALSE(book.lastError().isEmpty());
    store->setFailWrites(false);
    EXPECT_TRUE(book.save());
    EXPECT_EQ(store->files().size(), 3);
}

TEST_F(AddressBookTest, DamagedOrForeignFilesAreSkippedAndNeverTouched)
{
    ASSERT_TRUE(QDir().mkpath(folder));
    const QByteArray good = "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:urn:uuid:11111111-2222-3333-4444-555555555555\r\n"
                            "FN:Good\r\nORG:Good\r\nEND:VCARD\r\n";
    const QMap<QString, QByteArray> bad = {
        {"binary.vcf", QByteArray("\x00\x01\x02garbage\xFF", 12)},
        {"three.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Old\r\nEND:VCARD\r\n"},
        {"two.vcf", "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:A\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:4.0\r\nFN:B\r\nEND:VCARD\r\n"},
        {"latin1.vcf", "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:M\xFC" "ller\r\nEND:VCARD\r\n"},
        {"place.vcf", "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:location\r\nFN:Keller\r\nEND:VCARD\r\n"},
        {"cut.vcf", "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Cut"},
        {"twin.vcf", good},
        {"noversion.vcf", "BEGIN:VCARD\r\nFN:No\r\nEND:VCARD\r\n"},
        {"empty.vcf", ""},
    };
    writeFile(file("good.vcf"), good);
    for (auto it = bad.cbegin(); it != bad.cend(); ++it)
        writeFile(file(it.key()), it.value());
    writeFile(file("notes.txt"), "not a card");

    auto book = open();
    ASSERT_EQ(book->people().size(), 1);
    const QStringList skipped = book->skippedFiles();
    EXPECT_EQ(skipped.size(), bad.size());
    for (const QString& name : bad.keys())
        EXPECT_EQ(skipped.filter(u'"' + name + u'"').size(), 1) << name.toStdString();

    // Changing, adding and removing through the book leaves every bad file as it was.
    book->people().first()->setValue(QStringLiteral("Changed"), kABNoteProperty);
    prepareCellarAddressBook(*book);
    auto added = std::make_shared<ABPerson>();
    book->addRecord(added);
    ASSERT_TRUE(book->save());
    ASSERT_TRUE(book->removeRecord(added));
    ASSERT_TRUE(book->save());
    for (auto it = bad.cbegin(); it != bad.cend(); ++it)
        EXPECT_EQ(readFile(file(it.key())), it.value()) << it.key().toStdString();
    EXPECT_EQ(readFile(file("notes.txt")), QByteArray("not a card"));
    EXPECT_TRUE(readFile(file("good.vcf")).contains("NOTE:Changed"));
}

TEST_F(AddressBookTest, WritesAreAtomicAndAFailedWriteKeepsTheOldFile)
{
    auto book = open();
    auto kept = std::make_shared<ABPerson>();
    kept->setValue(QStringLiteral("First version"), kABNoteProperty);
    book->addRecord(kept);
    ASSERT_TRUE(book->save());
    const QByteArray first = readFile(file(kept->uniqueId() + ".vcf"));

    // Another person's file name is taken by a folder: that write fails,
    // the other records are still written in full.
    auto blocked = std::make_shared<ABPerson>();
    ASSERT_TRUE(QDir().mkpath(file(blocked->uniqueId() + ".vcf")));
    book->addRecord(blocked);
    kept->setValue(QStringLiteral("Second version"), kABNoteProperty);
    EXPECT_FALSE(book->save());
    EXPECT_TRUE(book->hasUnsavedChanges());
    EXPECT_TRUE(book->lastError().contains(blocked->uniqueId()));
    const QByteArray second = readFile(file(kept->uniqueId() + ".vcf"));
    EXPECT_NE(second, first);
    EXPECT_TRUE(second.endsWith("END:VCARD\r\n"));
    EXPECT_TRUE(second.contains("NOTE:Second version"));
    // No temporary file is left behind next to the cards.
    for (const QString& name : QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        EXPECT_TRUE(name.endsWith(".vcf")) << name.toStdString();

    ASSERT_TRUE(QDir(file(blocked->uniqueId() + ".vcf")).removeRecursively());
    EXPECT_TRUE(book->save());
    EXPECT_FALSE(book->hasUnsavedChanges());
    EXPECT_EQ(open()->people().size(), 2);
}

TEST_F(AddressBookTest, CardWithoutUidKeepsAStableIdAcrossRuns)
{
    ASSERT_TRUE(QDir().mkpath(folder));
    writeFile(file("nouid.vcf"), "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Nameless\r\nEND:VCARD\r\n");
    const QString id = open()->people().value(0)->uniqueId();
    EXPECT_GT(id.size(), 10);
    auto book = open();
    ASSERT_TRUE(book->personForUniqueId(id));
    EXPECT_FALSE(book->hasUnsavedChanges());
    book->personForUniqueId(id)->setValue(QStringLiteral("x"), kABNoteProperty);
    ASSERT_TRUE(book->save());
    EXPECT_TRUE(contentLines(readFile(file("nouid.vcf"))).contains("UID:urn:uuid:" + id.toUtf8()));
    EXPECT_TRUE(contentLines(readFile(file("nouid.vcf"))).contains("FN:Nameless")) << "a name no property holds is kept";
    EXPECT_TRUE(open()->personForUniqueId(id));
}

TEST_F(AddressBookTest, LaunchFindsOrCreatesTheTwoGroupsOnce)
{
    EXPECT_EQ(AddressBook::defaultFolder(),
              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/AddressBook");
    CellarAddressGroups first;
    {
        auto book = open();
        first = prepareCellarAddressBook(*book);
        EXPECT_NE(first.wineriesID, first.suppliersID);
        EXPECT_GT(first.wineriesID.size(), 10);
        EXPECT_EQ(book->groupForUniqueId(first.wineriesID)->name(), "Wineries");
        EXPECT_EQ(book->groupForUniqueId(first.suppliersID)->name(), "Wine Suppliers");
    }
    auto book = open();
    const CellarAddressGroups byName = prepareCellarAddressBook(*book);
    EXPECT_EQ(byName.wineriesID, first.wineriesID);
    EXPECT_EQ(byName.suppliersID, first.suppliersID);
    EXPECT_EQ(book->groups().size(), 2);

    // A renamed group is still found by the ID the cellar keeps.
    book->groupForUniqueId(first.wineriesID)->setValue(QStringLiteral("Weingüter"), kABGroupNameProperty);
    ASSERT_TRUE(book->save());
    auto renamed = open();
    EXPECT_EQ(prepareCellarAddressBook(*renamed, first.wineriesID, first.suppliersID).wineriesID, first.wineriesID);
    EXPECT_EQ(renamed->groups().size(), 2);
    // Without the ID it is not found by name, so a new "Wineries" is made.
    EXPECT_NE(prepareCellarAddressBook(*renamed).wineriesID, first.wineriesID);
    EXPECT_EQ(renamed->groups().size(), 3);

    for (QLatin1StringView key : {kAdditionalProperty, kRegionProperty, kVarietiesProperty, kVineyardsProperty})
        EXPECT_EQ(ABPerson::typeOfProperty(key), ABPropertyType::String);
    EXPECT_EQ(ABPerson::typeOfProperty(kRegionIDProperty), ABPropertyType::Integer);
    EXPECT_EQ(ABPerson::typeOfProperty(kCountryIDProperty), ABPropertyType::Integer);
}
