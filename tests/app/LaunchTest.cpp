#include "AppFixture.h"
#include "app/WineListModel.h"
#include "model/Group.h"
#include <QFileInfo>
#include <QMainWindow>

TEST_F(AppFixture, FreshHomeGetsTheWholeFolderTreeAndTemplates)
{
    // A template the user has edited stays as it is.
    QDir().mkpath(product() + QStringLiteral("/Templates/Reports"));
    ASSERT_TRUE(AtomicFile::write(tmp.filePath(QStringLiteral("shipped/Mine.html")), "shipped").isEmpty());
    ASSERT_TRUE(AtomicFile::write(product() + QStringLiteral("/Templates/Reports/Mine.html"), "edited").isEmpty());

    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    for (const char* sub : {"", "/Backups", "/Images", "/Images/Barcodes", "/Images/Barcodes/UBIDs", "/Templates",
                            "/Templates/Reports"})
        EXPECT_TRUE(QFileInfo(product() + QLatin1String(sub)).isDir()) << sub;
    EXPECT_EQ(bytesOf(product() + QStringLiteral("/Templates/Reports/Basic.html")), QByteArray("<kelvan Winename>"));
    EXPECT_EQ(bytesOf(product() + QStringLiteral("/Templates/Reports/Mine.html")), QByteArray("edited"));
    EXPECT_EQ(app.dataPath(), product());
    EXPECT_TRUE(app.rootPath().endsWith(QStringLiteral("Documents/Kelvan")));
    ASSERT_TRUE(app.cellarBook());
    EXPECT_TRUE(app.cellarBook()->wines().isEmpty());
    EXPECT_FALSE(app.cellarBook()->depots().isEmpty()) << "a new cellar has its storage place";
    EXPECT_FALSE(QFileInfo::exists(product() + QStringLiteral("/Clients"))) << "client mode is never switched on by itself";

    // Nothing changed: quitting writes no cellar and no backups, but the settings.
    ASSERT_TRUE(app.applicationShouldTerminate());
    EXPECT_FALSE(QFileInfo::exists(database()));
    EXPECT_TRUE(QDir(product() + QStringLiteral("/Backups")).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(tmp.filePath(QStringLiteral("settings.ini"))));
    EXPECT_TRUE(dialogs.asked().isEmpty());
}

TEST_F(AppFixture, ExistingCellarIsLoadedShownAndKeptAsVersionBackup)
{
    writeCellar(database(), 7);
    const QByteArray before = bytesOf(database());
    {
        MainWindowController app(options());
        ASSERT_TRUE(app.launch());
        ASSERT_EQ(app.cellarBook()->wines().size(), 7);
        ASSERT_EQ(app.foundWines().size(), 7);
        WineListModel* model = app.wineListModel();
        ASSERT_EQ(model->rowCount(), 7);
        EXPECT_EQ(model->index(3, WineListModel::Name).data().toString(), QStringLiteral("Wine 3"));
        EXPECT_EQ(model->index(3, WineListModel::Vintage).data().toString(), QStringLiteral("1998"));
        EXPECT_EQ(Wine::cellarBook(), app.cellarBook().get());
        ASSERT_TRUE(app.applicationShouldTerminate());
    }
    const QStringList versions = QDir(product() + QStringLiteral("/Backups")).entryList({QStringLiteral("DaDirad *.kvdb")});
    ASSERT_EQ(versions.size(), 1);
    EXPECT_EQ(bytesOf(product() + QStringLiteral("/Backups/") + versions.first()), before);
    EXPECT_EQ(bytesOf(database()), before) << "an unchanged cellar is not rewritten";
}

TEST_F(AppFixture, DamagedCellarIsReportedAndNeverWritten)
{
    QDir().mkpath(product());
    QByteArray damaged = CellarDatabase::toBytes(*cellarOf(3));
    damaged.truncate(damaged.size() / 2);
    ASSERT_TRUE(AtomicFile::write(database(), damaged).isEmpty());

    {
        // The default answer is to quit.
        MainWindowController app(options());
        EXPECT_FALSE(app.launch());
        ASSERT_EQ(dialogs.asked().size(), 1);
        EXPECT_TRUE(dialogs.asked().first().text.contains(database())) << dialogs.asked().first().text.toStdString();
        EXPECT_EQ(dialogs.asked().first().options.size(), 2);
    }
    EXPECT_EQ(bytesOf(database()), damaged);

    dialogs.clear();
    dialogs.push(1); // work on a new cellar
    const QString elsewhere = tmp.filePath(QStringLiteral("Desktop/Rescue.kvdb"));
    {
        MainWindowController app(options());
        ASSERT_TRUE(app.launch());
        EXPECT_TRUE(app.loadFailed());
        auto wine = std::make_shared<Wine>();
        wine->setWinename(QStringLiteral("New one"));
        app.cellarBook()->addWine(wine);
        app.addFoundWines(wine);
        app.setDBasChanged();
        EXPECT_FALSE(app.saveToDBNOW()) << "refusing to write must not count as saved";
        EXPECT_FALSE(app.saveToDBNOW());
        dialogs.push(elsewhere);
        EXPECT_EQ(app.saveDATABASE(), elsewhere);
        EXPECT_TRUE(app.applicationShouldTerminate());
    }
    EXPECT_EQ(bytesOf(database()), damaged) << "the damaged file stays byte for byte";
    EXPECT_FALSE(QFileInfo::exists(product() + QStringLiteral("/DaDirad~.kvdb")));
    const QStringList dated = QDir(product() + QStringLiteral("/Backups"))
                                  .entryList({QStringLiteral("*.kvkeyed"), QStringLiteral("*.kvxml")});
    EXPECT_TRUE(dated.isEmpty());
    int notSaved = 0;
    for (const auto& a : dialogs.asked())
        notSaved += a.title == QStringLiteral("The cellar is not saved.");
    EXPECT_EQ(notSaved, 1) << "told once, not on every save";
    auto rescued = CellarDatabase::load(elsewhere);
    ASSERT_TRUE(rescued.book) << rescued.error.toStdString();
    ASSERT_EQ(rescued.book->wines().size(), 1);
    EXPECT_EQ(rescued.book->wines().first()->winename(), QStringLiteral("New one"));
}

TEST_F(AppFixture, ClientModeAsksAndUsesTheChosenClientsFolder)
{
    QDir().mkpath(product() + QStringLiteral("/Clients/Anna"));
    QDir().mkpath(product() + QStringLiteral("/Clients/Bert"));
    ASSERT_TRUE(AtomicFile::write(product() + QStringLiteral("/ClientList.cldb"), "Bert\nGone\n../evil\n").isEmpty());
    writeCellar(product() + QStringLiteral("/Clients/Anna/DaDirad.kvdb"), 2, QStringLiteral("Anna's"));
    writeCellar(database(), 5, QStringLiteral("Own"));

    dialogs.push(1);
    {
        MainWindowController app(options());
        ASSERT_TRUE(app.launch());
        ASSERT_EQ(dialogs.asked().size(), 1);
        EXPECT_EQ(dialogs.asked().first().kind, QStringLiteral("chooseItem"));
        EXPECT_EQ(dialogs.asked().first().options, (QStringList{QStringLiteral("Bert"), QStringLiteral("Anna")}));
        EXPECT_EQ(app.dataPath(), product() + QStringLiteral("/Clients/Anna"));
        EXPECT_TRUE(app.rootPath().endsWith(QStringLiteral("Documents/Kelvan/Clients/Anna")));
        ASSERT_EQ(app.cellarBook()->wines().size(), 2);
        EXPECT_EQ(app.foundWines().first()->winename(), QStringLiteral("Anna's 0"));
        EXPECT_TRUE(QFileInfo(product() + QStringLiteral("/Clients/Anna/Images/Barcodes/UBIDs")).isDir());
        app.setDBasChanged();
        ASSERT_TRUE(app.applicationShouldTerminate());
    }
    // The client's backups are kept apart from the others'.
    EXPECT_FALSE(QDir(product() + QStringLiteral("/Backups/Anna")).entryList({QStringLiteral("*.kvkeyed")}).isEmpty());
    const QByteArray list = bytesOf(product() + QStringLiteral("/ClientList.cldb"));
    EXPECT_EQ(list, QByteArray("Bert\nGone\nAnna\n"));

    dialogs.clear(); // cancelling the question ends the run
    MainWindowController cancelled(options());
    EXPECT_FALSE(cancelled.launch());
}

TEST_F(AppFixture, ClosingTheMainWindowRunsTheQuitPath)
{
    writeCellar(database(), 3);
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    app.cellarBook()->wines().first()->setWinename(QStringLiteral("Renamed"));
    app.setDBasChanged();
    app.window()->show();
    app.window()->close();
    EXPECT_TRUE(app.hasTerminated());
    auto back = CellarDatabase::load(database());
    ASSERT_TRUE(back.book);
    EXPECT_EQ(back.book->wines().first()->winename(), QStringLiteral("Renamed"));
    // The previous file became the copy.
    auto copy = CellarDatabase::load(product() + QStringLiteral("/DaDirad~.kvdb"));
    ASSERT_TRUE(copy.book);
    EXPECT_EQ(copy.book->wines().first()->winename(), QStringLiteral("Wine 0"));
}

TEST_F(AppFixture, DatabaseDocumentsAreRefused)
{
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    app.openFiles({tmp.filePath(QStringLiteral("other.kvdb"))});
    ASSERT_EQ(dialogs.asked().size(), 1);
    EXPECT_EQ(dialogs.asked().first().title,
              QStringLiteral("Sorry! The program do only use the database file ~/Documents/Kelvan/DaDirad.kvdb"));
}
