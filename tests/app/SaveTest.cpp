#include "AppFixture.h"
#include "app/Backups.h"
#include "platform/Settings.h"
#include <QFileInfo>

namespace {
// Which of the save requests 1..count wrote the database file.
QList<int> writingRequests(MainWindowController& app, const QString& database, int count)
{
    QList<int> wrote;
    for (int i = 1; i <= count; ++i) {
        QFile::remove(database);
        app.saveToDB();
        if (QFileInfo::exists(database))
            wrote.append(i);
    }
    return wrote;
}
}

TEST_F(AppFixture, SaveRequestsAreThinnedByCellarSize)
{
    writeCellar(database(), 999);
    {
        MainWindowController app(options());
        ASSERT_TRUE(app.launch());
        app.setDBasChanged();
        EXPECT_EQ(writingRequests(app, database(), 6), (QList<int>{2, 4, 6}));
    }
    writeCellar(database(), 1000);
    {
        MainWindowController app(options());
        ASSERT_TRUE(app.launch());
        // Unchanged: the counted requests write nothing.
        EXPECT_TRUE(writingRequests(app, database(), 5).isEmpty());
        writeCellar(database(), 1000);
        app.setDBasChanged();
        EXPECT_EQ(writingRequests(app, database(), 10), (QList<int>{5, 10}));
        auto back = CellarDatabase::load(database());
        ASSERT_TRUE(back.book);
        EXPECT_EQ(back.book->wines().size(), 1000);
    }
}

TEST_F(AppFixture, FailedWriteIsReportedAndNotTakenAsSaved)
{
    writeCellar(database(), 2);
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    app.setDBasChanged();
    // A folder in the way of the file makes the write fail.
    ASSERT_TRUE(QFile::remove(database()));
    ASSERT_TRUE(QDir().mkpath(database()));
    EXPECT_FALSE(app.saveToDBNOW());
    ASSERT_FALSE(dialogs.asked().isEmpty());
    EXPECT_EQ(dialogs.asked().last().title, QStringLiteral("The cellar could not be saved."));
    // At quit the user may stay (the default answer).
    EXPECT_FALSE(app.applicationShouldTerminate(true));
    EXPECT_FALSE(app.hasTerminated());
    dialogs.push(0); // the failed-save report
    dialogs.push(1); // quit anyway
    EXPECT_TRUE(app.applicationShouldTerminate(true));
}

class BackupAge : public AppFixture, public ::testing::WithParamInterface<int> {};

TEST_P(BackupAge, QuittingWritesTheDueBackups)
{
    const int days = GetParam();
    writeCellar(database(), 4);
    const QString backups = product() + QStringLiteral("/Backups");
    QDir().mkpath(backups);
    const QDateTime last = clock.addDays(-days);
    for (auto kind : {Backups::Kind::Keyed, Backups::Kind::Sequential, Backups::Kind::KeyedXml})
        ASSERT_TRUE(AtomicFile::write(backups + QLatin1Char('/') + Backups::fileName(kind, last), "old").isEmpty());

    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    app.cellarBook()->wines().first()->setWinename(QStringLiteral("Changed"));
    app.setDBasChanged();
    ASSERT_TRUE(app.applicationShouldTerminate());

    auto saved = CellarDatabase::load(database());
    ASSERT_TRUE(saved.book);
    EXPECT_EQ(saved.book->wines().first()->winename(), QStringLiteral("Changed"));

    const QString keyed = backups + QLatin1Char('/') + Backups::fileName(Backups::Kind::Keyed, clock);
    const QString copy = backups + QLatin1Char('/') + Backups::fileName(Backups::Kind::Sequential, clock);
    const QString xml = backups + QLatin1Char('/') + Backups::fileName(Backups::Kind::KeyedXml, clock);
    EXPECT_EQ(QFileInfo::exists(keyed), days > 4);
    EXPECT_EQ(QFileInfo::exists(copy), days > 4);
    EXPECT_EQ(QFileInfo::exists(xml), days > 16);
    // Every backup written holds the cellar as saved.
    for (const QString& path : {keyed, copy, xml}) {
        if (!QFileInfo::exists(path))
            continue;
        auto back = CellarDatabase::load(path);
        ASSERT_TRUE(back.book) << back.error.toStdString();
        ASSERT_EQ(back.book->wines().size(), 4) << path.toStdString();
        EXPECT_EQ(back.book->wines().first()->winename(), QStringLiteral("Changed"));
    }
    if (days > 16) {
        EXPECT_TRUE(bytesOf(xml).contains("<?xml")) << "the XML form is readable text";
    }
    EXPECT_EQ(Backups::lastBackup(backups, Backups::Kind::Keyed), days > 4 ? clock : last);
}

INSTANTIATE_TEST_SUITE_P(Days, BackupAge, ::testing::Values(3, 5, 17));

TEST_F(AppFixture, NoBackupYetCountsAsDue)
{
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    app.setDBasChanged();
    ASSERT_TRUE(app.applicationShouldTerminate());
    const QDir backups(product() + QStringLiteral("/Backups"));
    EXPECT_EQ(backups.entryList({QStringLiteral("DaDirad *")}, QDir::Files, QDir::Name),
              (QStringList{Backups::fileName(Backups::Kind::Sequential, clock),
                           Backups::fileName(Backups::Kind::Keyed, clock),
                           Backups::fileName(Backups::Kind::KeyedXml, clock)}));
    // The version backup's name is not taken for a dated one.
    const QString other = tmp.filePath(QStringLiteral("other"));
    QDir().mkpath(other);
    ASSERT_TRUE(AtomicFile::write(other + QStringLiteral("/DaDirad 0.1.0.kvdb"), "x").isEmpty());
    EXPECT_FALSE(Backups::lastBackup(other, Backups::Kind::Sequential).has_value());
}

TEST_F(AppFixture, DesktopBackupAndSaveAs)
{
    writeCellar(database(), 3);
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    const QString backup = app.saveToDBDesktopBackup();
    EXPECT_EQ(backup, tmp.filePath(QStringLiteral("Desktop/DaDirad BACKUP 2024-03-15 10.30.00.kvdb")));
    auto back = CellarDatabase::load(backup);
    ASSERT_TRUE(back.book);
    EXPECT_EQ(back.book->wines().size(), 3);

    dialogs.push(tmp.filePath(QStringLiteral("Desktop/Mine")));
    const QString saved = app.saveDATABASE();
    EXPECT_EQ(saved, tmp.filePath(QStringLiteral("Desktop/Mine.kvdb")));
    EXPECT_TRUE(dialogs.asked().last().text.endsWith(QStringLiteral("/USER_Wines.kvdb")));
    EXPECT_TRUE(CellarDatabase::load(saved).book);
    dialogs.push(QVariant()); // cancelled: nothing written
    EXPECT_TRUE(app.saveDATABASE().isEmpty());
}

TEST_F(AppFixture, SettingsRoundTripWithDefaultsAndInvertedKeys)
{
    {
        MainWindowController app(options());
        ASSERT_TRUE(app.launch());
        // Unset keys: the two inverted switches read on, the numbers read their defaults.
        EXPECT_TRUE(app.expertMode());
        EXPECT_TRUE(app.saveAutomatically());
        EXPECT_FALSE(app.sendAddressToiDB());
        EXPECT_FALSE(app.isCheckForUpdate());
        EXPECT_EQ(app.deltaUBID(), 250);
        const int temps[] = {app.tempFromRed(), app.tempToRed(), app.tempFromWhite(), app.tempToWhite(),
                             app.tempFromOther(), app.tempToOther()};
        EXPECT_EQ(std::vector<int>(std::begin(temps), std::end(temps)), (std::vector<int>{16, 18, 10, 12, 12, 16}));
        const int deltas[] = {app.drinkDeltaFromRed(), app.drinkDeltaBestRed(), app.drinkDeltaToRed(),
                              app.drinkDeltaFromWhite(), app.drinkDeltaBestWhite(), app.drinkDeltaToWhite(),
                              app.drinkDeltaFromOther(), app.drinkDeltaBestOther(), app.drinkDeltaToOther()};
        EXPECT_EQ(std::vector<int>(std::begin(deltas), std::end(deltas)), (std::vector<int>{2, 4, 6, 1, 2, 3, 1, 2, 3}));

        app.setExpertMode(false);
        app.setSaveAutomatically(false);
        app.setSendAddressToiDB(true);
        app.setCheckforUpdate(true);
        app.setUseBrushMetal(true);
        app.setUseUBID(true);
        app.setSaveAutomaticallyToPda(true);
        app.setDeltaUBID(100);
        app.setTempFromRed(17);
        app.setDrinkDeltaToOther(0); // stored 0 reads as the default again
        app.setUFirstName(QStringLiteral("Anna"));
        app.setUName(QStringLiteral("Keller"));
        app.setUEmail(QStringLiteral("anna@example.org"));
        app.setULanguage(QStringLiteral("deu   -   German"));
        app.setDisplayModeUBIDlist(2);
        EXPECT_EQ(app.cellarBook()->author(), QStringLiteral("Anna Keller"));
        ASSERT_TRUE(app.applicationShouldTerminate());
    }
    Settings raw(tmp.filePath(QStringLiteral("settings.ini")));
    EXPECT_EQ(raw.value(QStringLiteral("expertMode")).toString(), QStringLiteral("true")) << "stored inverted";
    EXPECT_EQ(raw.value(QStringLiteral("saveAutomatically")).toString(), QStringLiteral("true"));
    EXPECT_EQ(raw.value(QStringLiteral("KelvansendAddressToiDB")).toString(), QStringLiteral("true"));
    EXPECT_EQ(raw.value(QStringLiteral("automaticUpdateCheck")).toString(), QStringLiteral("true"));
    EXPECT_EQ(raw.value(QStringLiteral("uName")).toString(), QStringLiteral("Keller"));
    EXPECT_EQ(raw.value(QStringLiteral("drinkDeltaToOther")).toInt(), 0);

    MainWindowController again(options());
    ASSERT_TRUE(again.launch());
    EXPECT_FALSE(again.expertMode());
    EXPECT_FALSE(again.saveAutomatically());
    EXPECT_TRUE(again.sendAddressToiDB());
    EXPECT_TRUE(again.isCheckForUpdate());
    EXPECT_TRUE(again.brushMetal());
    EXPECT_TRUE(again.useUBID());
    EXPECT_TRUE(again.saveAutomaticallyToPda());
    EXPECT_EQ(again.deltaUBID(), 100);
    EXPECT_EQ(again.tempFromRed(), 17);
    EXPECT_EQ(again.drinkDeltaToOther(), 3);
    EXPECT_EQ(again.uFirstName(), QStringLiteral("Anna"));
    EXPECT_EQ(again.uEmail(), QStringLiteral("anna@example.org"));
    EXPECT_EQ(again.uLanguage(), QStringLiteral("deu   -   German"));
    EXPECT_EQ(again.displayModeUBIDlist(), 2);
}
