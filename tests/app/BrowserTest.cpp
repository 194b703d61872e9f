#include "AppFixture.h"
#include "app/CategoryBrowserItem.h"
#include "app/SearchView.h"
#include "app/WineBrowser.h"
#include "app/WineListModel.h"
#include "catalogue/Country.h"
#include "catalogue/Regio.h"
#include "catalogue/WineInfos.h"
#include "model/Group.h"
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QTableView>
#include <QTreeWidget>

namespace {
QStringList names(const QList<std::shared_ptr<Wine>>& wines)
{
    QStringList n;
    for (const auto& w : wines)
        n.append(w->winename());
    return n;
}

// Two countries of our own with regions, areas and classifications, four wines
// placed in them and one whose catalogue IDs all lie beyond their lists.
class BrowserTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        auto book = CellarBook::createNew();
        WineInfos& infos = *book->wineInfos();
        const auto aldoria = infos.addCountryString(QStringLiteral("Aldoria"));
        const auto brevania = infos.addCountryString(QStringLiteral("Brevania"));
        const auto north = aldoria->addRegioString(QStringLiteral("North"));
        aldoria->addRegioString(QStringLiteral("South"));
        brevania->addRegioString(QStringLiteral("Coast"));
        north->addAreaString(QStringLiteral("Hill"));
        north->addAreaString(QStringLiteral("Valley"));
        aldoria->addClassificationString(QStringLiteral("Grand"));
        aldoria->addClassificationString(QStringLiteral("-"));
        aldoria->addClassificationString(QStringLiteral("Petit"));
        red = infos.winetypeName(1);
        white = infos.winetypeName(2);
        ASSERT_FALSE(red.isEmpty());
        ASSERT_FALSE(white.isEmpty());

        auto add = [&](const char* name, int country, int regio, int area, int type, int classification) {
            auto w = std::make_shared<Wine>();
            w->setWinename(QLatin1String(name));
            w->setCountry(country);
            w->setRegio(regio);
            w->setArea(quint16(area));
            w->setType(quint16(type));
            w->setClassification(quint16(classification));
            book->addWine(w);
        };
        add("A1", aldoria->countryID(), 1, 1, 1, 1);   // Hill, Grand
        add("A2", aldoria->countryID(), 1, 2, 2, 3);   // Valley, Petit
        add("A3", aldoria->countryID(), 2, 0, 1, 2);   // South, the separator
        add("B1", brevania->countryID(), 1, 0, 2, 0);  // Coast
        add("X", 9999, 40, 7, 300, 9);                 // nothing of it exists

        auto group = std::make_shared<Group>();
        group->setName(QStringLiteral("Picks"));
        group->wines().append(book->wines().at(0));
        group->wines().append(book->wines().at(3));
        book->groups().append(group);
        QDir().mkpath(product());
        ASSERT_TRUE(CellarDatabase::save(*book, database()).isEmpty());
    }

    QString red, white;
};

const QStringList kAll{QStringLiteral("All")};
}

TEST_F(BrowserTest, ColumnsNarrowLevelByLevelAndAllRestores)
{
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    ASSERT_EQ(app.cellarBook()->wines().last()->country(), 9999) << "the stored ID is kept as it is";
    WineBrowser* browser = app.wineBrowser();
    ASSERT_TRUE(browser);
    EXPECT_EQ(browser->entries(WineBrowser::Countries), (QStringList{"All", "Aldoria", "Brevania"}));
    EXPECT_EQ(browser->entries(WineBrowser::Regions), kAll) << "regions belong to a chosen country";
    EXPECT_EQ(browser->entries(WineBrowser::Areas), kAll);
    QStringList types{red, white};
    types.sort(Qt::CaseInsensitive);
    EXPECT_EQ(browser->entries(WineBrowser::Types), kAll + types);
    EXPECT_EQ(browser->entries(WineBrowser::Classifications), (QStringList{"All", "Grand", "Petit"}))
        << "a separator is no classification";
    EXPECT_EQ(app.foundWines().size(), 5);

    // A click in a column goes through the list widget's own signal.
    QListWidget* countries = browser->column(WineBrowser::Countries);
    countries->setCurrentItem(countries->findItems(QStringLiteral("Aldoria"), Qt::MatchExactly).value(0));
    EXPECT_EQ(names(app.foundWines()), (QStringList{"A1", "A2", "A3"}));
    EXPECT_EQ(browser->entries(WineBrowser::Regions), (QStringList{"All", "North", "South"}));
    EXPECT_EQ(app.window()->findChild<QLabel*>(QStringLiteral("countLabel"))->text(), QStringLiteral("3 of 5 wines"));

    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Regions, QStringLiteral("North")));
    EXPECT_EQ(names(app.foundWines()), (QStringList{"A1", "A2"}));
    EXPECT_EQ(browser->entries(WineBrowser::Areas), (QStringList{"All", "Hill", "Valley"}));
    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Areas, QStringLiteral("Valley")));
    EXPECT_EQ(names(app.foundWines()), QStringList{QStringLiteral("A2")});
    EXPECT_EQ(browser->entries(WineBrowser::Types), (QStringList{"All", white}));
    EXPECT_EQ(browser->entries(WineBrowser::Classifications), (QStringList{"All", "Petit"}));
    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Areas, QStringLiteral("All")));
    EXPECT_EQ(names(app.foundWines()), (QStringList{"A1", "A2"}));

    // Another country drops the region and area chosen under the first.
    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Countries, QStringLiteral("Brevania")));
    EXPECT_EQ(names(app.foundWines()), QStringList{QStringLiteral("B1")});
    EXPECT_EQ(browser->entries(WineBrowser::Regions), (QStringList{"All", "Coast"}));
    EXPECT_EQ(browser->chosenEntry(WineBrowser::Regions), QStringLiteral("All"));
    EXPECT_EQ(browser->entries(WineBrowser::Areas), kAll);
    EXPECT_EQ(app.wineListModel()->index(0, WineListModel::RegioName).data().toString(), QStringLiteral("Coast"));

    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Countries, QStringLiteral("All")));
    EXPECT_EQ(names(app.foundWines()), (QStringList{"A1", "A2", "A3", "B1", "X"}));
    EXPECT_FALSE(browser->isNarrowing());

    // Type and classification narrow across countries.
    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Types, white));
    EXPECT_EQ(names(app.foundWines()), (QStringList{"A2", "B1"}));
    EXPECT_EQ(browser->entries(WineBrowser::Classifications), (QStringList{"All", "Petit"}));
    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Classifications, QStringLiteral("Petit")));
    EXPECT_EQ(names(app.foundWines()), QStringList{QStringLiteral("A2")});
    EXPECT_FALSE(browser->chooseEntry(WineBrowser::Classifications, QStringLiteral("Grand")));
}

TEST_F(BrowserTest, AWineWithUnknownIdsIsListedOnlyUnderAll)
{
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    WineBrowser* browser = app.wineBrowser();
    const auto x = app.cellarBook()->wines().last();
    ASSERT_EQ(x->winename(), QStringLiteral("X"));
    WineListModel* model = app.wineListModel();
    const int row = model->rowOf(x.get());
    for (int column : {WineListModel::CountryName, WineListModel::RegioName, WineListModel::TypeName})
        EXPECT_EQ(model->index(row, column).data().toString(), QString()) << column;
    model->sort(WineListModel::CountryName, Qt::AscendingOrder);
    EXPECT_EQ(names(app.foundWines()), (QStringList{"X", "A1", "A2", "A3", "B1"}));

    for (const QString& country : {QStringLiteral("Aldoria"), QStringLiteral("Brevania")}) {
        ASSERT_TRUE(browser->chooseEntry(WineBrowser::Countries, country));
        EXPECT_FALSE(names(app.foundWines()).contains(QStringLiteral("X"))) << country.toStdString();
    }
    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Countries, QStringLiteral("All")));
    for (WineBrowser::Level level : {WineBrowser::Types, WineBrowser::Classifications}) {
        for (const QString& entry : browser->entries(level).mid(1)) {
            ASSERT_TRUE(browser->chooseEntry(level, entry));
            EXPECT_FALSE(names(app.foundWines()).contains(QStringLiteral("X"))) << entry.toStdString();
        }
        ASSERT_TRUE(browser->chooseEntry(level, QStringLiteral("All")));
    }
    EXPECT_TRUE(names(app.foundWines()).contains(QStringLiteral("X")));
    // The narrowed list keeps the order the user sorted by.
    app.wineTable()->sortByColumn(WineListModel::Name, Qt::DescendingOrder);
    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Countries, QStringLiteral("Aldoria")));
    EXPECT_EQ(names(app.foundWines()), (QStringList{"A3", "A2", "A1"}));
}

TEST_F(BrowserTest, GroupsSearchesAndHidingResetTheBrowser)
{
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    WineBrowser* browser = app.wineBrowser();
    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Countries, QStringLiteral("Aldoria")));
    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Regions, QStringLiteral("North")));

    // Choosing the group in the outline: the browser starts over on the group's wines.
    auto* tree = app.window()->findChild<QTreeWidget*>(QStringLiteral("groupOutline"));
    ASSERT_TRUE(tree);
    QTreeWidgetItem* picks = tree->topLevelItem(0)->child(0);
    ASSERT_TRUE(picks);
    tree->setCurrentItem(picks);
    EXPECT_EQ(names(app.foundWines()), (QStringList{"A1", "B1"}));
    EXPECT_EQ(browser->chosenEntry(WineBrowser::Countries), QStringLiteral("All"));
    EXPECT_EQ(browser->entries(WineBrowser::Regions), kAll);
    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Countries, QStringLiteral("Brevania")));
    EXPECT_EQ(names(app.foundWines()), QStringList{QStringLiteral("B1")}) << "narrows within the group";

    // A search starts over too, and the browser then narrows the rule's result.
    app.showAllWines();
    SearchView* rule = app.addSearchRule();
    rule->setRule(SearchView::Winename, SearchView::BeginsWith, QStringLiteral("a"));
    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Countries, QStringLiteral("Brevania")));
    app.findWines();
    EXPECT_EQ(names(app.foundWines()), (QStringList{"A1", "A2", "A3"}));
    EXPECT_EQ(browser->entries(WineBrowser::Countries), (QStringList{"All", "Aldoria"}));
    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Countries, QStringLiteral("Aldoria")));
    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Regions, QStringLiteral("South")));
    EXPECT_EQ(names(app.foundWines()), QStringList{QStringLiteral("A3")});

    // Hiding the browser never leaves the list narrowed unseen.
    QAction* show = app.action(QStringLiteral("showBrowser"));
    ASSERT_TRUE(show);
    show->trigger();
    EXPECT_FALSE(show->isChecked());
    EXPECT_FALSE(browser->isNarrowing());
    EXPECT_EQ(names(app.foundWines()), (QStringList{"A1", "A2", "A3"}));
}

TEST_F(BrowserTest, DeletedAndAddedWinesFollowIntoTheBrowser)
{
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    WineBrowser* browser = app.wineBrowser();
    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Countries, QStringLiteral("Brevania")));
    const auto b1 = app.foundWines().first();
    dialogs.push(1);
    ASSERT_TRUE(app.deleteTHEWine(b1));
    EXPECT_TRUE(app.foundWines().isEmpty());
    // The chosen country stays listed while chosen, but a deleted wine never comes back.
    EXPECT_EQ(browser->entries(WineBrowser::Countries), (QStringList{"All", "Aldoria", "Brevania"}));
    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Countries, QStringLiteral("All")));
    EXPECT_EQ(names(app.foundWines()), (QStringList{"A1", "A2", "A3", "X"}));
    EXPECT_EQ(browser->entries(WineBrowser::Countries), (QStringList{"All", "Aldoria"}));

    app.addFoundWines(b1);
    EXPECT_EQ(browser->entries(WineBrowser::Countries), (QStringList{"All", "Aldoria", "Brevania"}));
    ASSERT_TRUE(browser->chooseEntry(WineBrowser::Countries, QStringLiteral("Brevania")));
    EXPECT_EQ(names(app.foundWines()), QStringList{QStringLiteral("B1")});
}
