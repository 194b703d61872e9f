#include "AppFixture.h"
#include "app/CategoryBrowserItem.h"
#include "app/MessageWindow.h"
#include "app/SearchView.h"
#include "app/WineListModel.h"
#include "model/Group.h"
#include <QAction>
#include <QTableView>

namespace {
// Records what the controller asks of an editor window.
class RecordingEditor : public WineEditor {
public:
    RecordingEditor(bool expert, QStringList* log)
        : m_expert(expert)
        , m_log(log)
    {
    }
    bool isExpert() const override { return m_expert; }
    void showWindow() override { m_log->append(QStringLiteral("show")); }
    void closeWindow() override { m_log->append(QStringLiteral("close")); }
    void setMainWindowController(MainWindowController*) override {}
    void setWine(const std::shared_ptr<Wine>& wine) override { m_log->append(QStringLiteral("wine ") + wine->winename()); }
    void previousArrow(bool on) override { m_log->append(QStringLiteral("prev %1").arg(on)); }
    void nextArrow(bool on) override { m_log->append(QStringLiteral("next %1").arg(on)); }
    void usedWineBottle(const std::shared_ptr<BottleIdentifier>&) override {}
    void recycleBottle(const std::shared_ptr<BottleIdentifier>&) override {}
    void newWine() override { m_log->append(QStringLiteral("new")); }
    void shouldSave() override { m_log->append(QStringLiteral("shouldSave")); }
    void buildWineMenus() override {}

private:
    bool m_expert;
    QStringList* m_log;
};

QStringList names(const QList<std::shared_ptr<Wine>>& wines)
{
    QStringList n;
    for (const auto& w : wines)
        n.append(w->winename());
    return n;
}
}

TEST_F(AppFixture, SortingReordersTheFoundWinesAndKeepsTheSelection)
{
    writeCellar(database(), 6);
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    app.selectRow(2); // "Wine 2", 1997
    app.wineListModel()->sort(WineListModel::Vintage, Qt::DescendingOrder);
    EXPECT_EQ(names(app.foundWines()), (QStringList{"Wine 5", "Wine 4", "Wine 3", "Wine 2", "Wine 1", "Wine 0"}));
    ASSERT_EQ(app.selectedWines().size(), 1);
    EXPECT_EQ(app.selectedWines().first()->winename(), QStringLiteral("Wine 2"));
    const quint32 id = app.selectedWines().first()->wineID();
    EXPECT_TRUE(QFileInfo::exists(app.dataPath() + QStringLiteral("/Images/Barcodes/wID-%1.eps").arg(id)))
        << "a selected wine has its barcode picture cached";
    app.wineListModel()->sort(WineListModel::Name, Qt::AscendingOrder);
    EXPECT_EQ(app.foundWines().first()->winename(), QStringLiteral("Wine 0"));
    EXPECT_EQ(app.cellarBook()->wines().first()->winename(), QStringLiteral("Wine 0")) << "the cellar's order is not touched";
}

TEST_F(AppFixture, SearchRulesFilterTheWinesWithAnd)
{
    writeCellar(database(), 30); // vintages 1995..2024
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    SearchView* after = app.addSearchRule();
    after->setRule(SearchView::Year, SearchView::Greater, QStringLiteral("2015"));
    SearchView* named = app.addSearchRule();
    named->setRule(SearchView::Winename, SearchView::Contains, QStringLiteral("wine 2"));
    app.findWines();
    // 2016..2024 are wines 21..29; all contain "Wine 2".
    EXPECT_EQ(app.foundWines().size(), 9);
    for (const auto& w : app.foundWines())
        EXPECT_GT(w->year(), 2015);
    named->setRule(SearchView::Winename, SearchView::BeginsWith, QStringLiteral("WINE 29"));
    app.findWines();
    EXPECT_EQ(names(app.foundWines()), QStringList{QStringLiteral("Wine 29")});
    app.removeSearchRule(named);
    app.removeSearchRule(after);
    app.findWines();
    EXPECT_EQ(app.foundWines().size(), 30) << "no rules take every wine";
}

TEST(SearchViewTest, SqlRuleExtendsTheQueryAndQuotesValues)
{
    SearchView a;
    a.setRule(SearchView::Winename, SearchView::Contains, QStringLiteral("O'Brien 100%"));
    SearchView b;
    b.setRule(SearchView::Year, SearchView::Less, QStringLiteral("2001"));
    SearchView c;
    c.setRule(SearchView::Price, SearchView::Is, QStringLiteral("not a number"));
    QString q = a.sqlRule(QString());
    EXPECT_EQ(q, QStringLiteral("winename LIKE '%O''Brien 100\\\\%%'"));
    q = b.sqlRule(q);
    EXPECT_EQ(q, QStringLiteral("winename LIKE '%O''Brien 100\\\\%%' AND year < 2001"));
    EXPECT_EQ(c.sqlRule(q), q) << "an unreadable number adds no condition";

    Wine w;
    w.setWinename(QStringLiteral("Château O'Brien 100% Merlot"));
    w.setYear(1999);
    EXPECT_TRUE(a.ruleIsMatching(w));
    EXPECT_TRUE(b.ruleIsMatching(w));
    w.setYear(2001);
    EXPECT_FALSE(b.ruleIsMatching(w));
    b.setRule(SearchView::Year, SearchView::IsNot, QStringLiteral("2001"));
    EXPECT_FALSE(b.ruleIsMatching(w));
    // A numbers-only comparison does not stay on a text field.
    b.setRule(SearchView::Winename, SearchView::Less, QStringLiteral("x"));
    EXPECT_NE(b.comparison(), SearchView::Less);
}

TEST_F(AppFixture, DeletingAWineAsksFirstAndRemovesItEverywhere)
{
    auto book = cellarOf(3);
    auto group = std::make_shared<Group>();
    group->setName(QStringLiteral("Red"));
    group->wines().append(book->wines().at(1));
    book->groups().append(group);
    QDir().mkpath(product());
    ASSERT_TRUE(CellarDatabase::save(*book, database()).isEmpty());

    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    ASSERT_EQ(app.outline()->children().size(), 1);
    app.showGroup(app.outline()->children().first());
    EXPECT_EQ(names(app.foundWines()), QStringList{QStringLiteral("Wine 1")});
    app.showAllWines();
    const auto victim = app.foundWines().at(1);
    EXPECT_FALSE(app.deleteTHEWine(victim)) << "the default answer keeps the wine";
    EXPECT_EQ(app.cellarBook()->wines().size(), 3);
    EXPECT_FALSE(app.isDBChanged());
    dialogs.push(1);
    EXPECT_TRUE(app.deleteTHEWine(victim));
    EXPECT_EQ(names(app.foundWines()), (QStringList{"Wine 0", "Wine 2"}));
    EXPECT_EQ(app.cellarBook()->wines().size(), 2);
    EXPECT_TRUE(app.cellarBook()->groups().first()->wines().isEmpty());
    EXPECT_TRUE(app.isDBChanged());
    EXPECT_TRUE(dialogs.asked().last().text.contains(QStringLiteral("Wine 1")));
}

TEST_F(AppFixture, EditorRoadsLoadTheSelectedWineWithArrows)
{
    writeCellar(database(), 3);
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    EXPECT_FALSE(app.action(QStringLiteral("newWine"))->isEnabled()) << "no editor yet: the action is disabled";
    EXPECT_FALSE(app.action(QStringLiteral("openPreferences"))->isEnabled());

    QStringList log;
    int made = 0;
    app.setEditorFactory([&](bool expert) {
        ++made;
        return std::make_unique<RecordingEditor>(expert, &log);
    });
    EXPECT_TRUE(app.action(QStringLiteral("newWine"))->isEnabled());
    app.winelistDoubleclick(0);
    EXPECT_EQ(log, (QStringList{"show", "wine Wine 0", "prev 0", "next 1"}));
    log.clear();
    app.nextWine();
    app.nextWine();
    app.nextWine(); // at the end: nothing
    EXPECT_EQ(log, (QStringList{"show", "wine Wine 1", "prev 1", "next 1", "show", "wine Wine 2", "prev 1", "next 0"}));
    log.clear();
    app.previousWine();
    EXPECT_EQ(log.at(1), QStringLiteral("wine Wine 1"));
    EXPECT_EQ(made, 1) << "one editor while the mode stays";
    // The other kind of editor: the old window is closed and a new editor made.
    log.clear();
    app.setExpertMode(false);
    app.showWine(app.foundWines().at(2));
    EXPECT_EQ(log, (QStringList{"close", "show", "wine Wine 2"}));
    EXPECT_EQ(made, 2);
    EXPECT_FALSE(app.wineEditorController()->isExpert());
    log.clear();
    ASSERT_TRUE(app.applicationShouldTerminate());
    EXPECT_EQ(log, QStringList{QStringLiteral("shouldSave")});
}

TEST_F(AppFixture, MessageWindowShowsItsTextAndTopLevelErrorsAreReported)
{
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    app.openMessage(QStringLiteral("No Winename imported"));
    ASSERT_TRUE(app.messageWindow());
    EXPECT_TRUE(app.messageWindow()->isVisible());
    EXPECT_EQ(app.messageWindow()->text(), QStringLiteral("No Winename imported"));

    // "Create Unique Bottle Identifiers" asks first; Cancel changes nothing.
    dialogs.push(1);
    app.action(QStringLiteral("createIdentifiersForAll"))->trigger();
    EXPECT_FALSE(app.isDBChanged());
    EXPECT_EQ(dialogs.asked().last().title, QStringLiteral("Create Unique Bottle Identifiers"));
    app.action(QStringLiteral("createIdentifiersForAll"))->trigger();
    EXPECT_TRUE(app.isDBChanged());
}
