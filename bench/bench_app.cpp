// Start-up with a 10,000-wine cellar; search rules and the browser over 100,000 wines.
#include "app/MainWindowController.h"
#include "app/SearchView.h"
#include "app/WineBrowser.h"
#include "catalogue/Country.h"
#include "catalogue/WineInfos.h"
#include "model/CellarBook.h"
#include "model/CellarDatabase.h"
#include "model/Wine.h"
#include "platform/Dialogs.h"
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
QApplication& app()
{
    static int argc = 1;
    static char name[] = "bench_app";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication a(argc, argv);
    return a;
}

std::shared_ptr<CellarBook> cellar(int wines)
{
    auto book = CellarBook::createNew();
    for (int i = 0; i < wines; ++i) {
        auto w = std::make_shared<Wine>();
        w->setWinename(QStringLiteral("Wine %1 Grand Cru").arg(i));
        w->setYear(quint16(1980 + i % 45));
        w->setFood(i % 3 ? QStringLiteral("Lamb") : QStringLiteral("Cheese"));
        w->setStockbalance(i % 12);
        book->addWine(w);
    }
    return book;
}

// From an empty event loop to a shown main window over a stored cellar.
void BM_LaunchAndShow(benchmark::State& state)
{
    app();
    ScopedScriptedDialogs dialogs;
    QTemporaryDir tmp;
    QDir().mkpath(tmp.filePath(QStringLiteral("Documents/Kelvan")));
    CellarDatabase::save(*cellar(int(state.range(0))), tmp.filePath(QStringLiteral("Documents/Kelvan/DaDirad.kvdb")));
    LaunchOptions o;
    o.documentsPath = tmp.filePath(QStringLiteral("Documents"));
    o.desktopPath = tmp.filePath(QStringLiteral("Desktop"));
    o.settingsPath = tmp.filePath(QStringLiteral("settings.ini"));
    for (auto _ : state) {
        MainWindowController controller(o);
        if (!controller.launch())
            state.SkipWithError("launch failed");
        QApplication::processEvents();
        benchmark::DoNotOptimize(controller.foundWines().size());
    }
}
BENCHMARK(BM_LaunchAndShow)->Arg(10000)->Unit(benchmark::kMillisecond);

// The search panel's rules applied by the controller to the whole cellar.
void BM_SearchRules(benchmark::State& state)
{
    app();
    ScopedScriptedDialogs dialogs;
    QTemporaryDir tmp;
    QDir().mkpath(tmp.filePath(QStringLiteral("Documents/Kelvan")));
    CellarDatabase::save(*cellar(int(state.range(0))), tmp.filePath(QStringLiteral("Documents/Kelvan/DaDirad.kvdb")));
    LaunchOptions o;
    o.documentsPath = tmp.filePath(QStringLiteral("Documents"));
    o.settingsPath = tmp.filePath(QStringLiteral("settings.ini"));
    o.showWindow = false;
    MainWindowController controller(o);
    if (!controller.launch())
        state.SkipWithError("launch failed");
    controller.addSearchRule()->setRule(SearchView::Year, SearchView::Greater, QStringLiteral("2000"));
    controller.addSearchRule()->setRule(SearchView::Winename, SearchView::Contains, QStringLiteral("grand"));
    for (auto _ : state) {
        controller.findWines();
        benchmark::DoNotOptimize(controller.foundWines().size());
    }
}
BENCHMARK(BM_SearchRules)->Arg(100000)->Unit(benchmark::kMillisecond);

// Choosing a country in the browser narrows 100,000 wines spread over the
// catalogue's countries, regions, types and classifications.
void BM_BrowseCountry(benchmark::State& state)
{
    app();
    ScopedScriptedDialogs dialogs;
    QTemporaryDir tmp;
    QDir().mkpath(tmp.filePath(QStringLiteral("Documents/Kelvan")));
    auto book = cellar(int(state.range(0)));
    QList<int> countries;
    for (const auto& c : book->wineInfos()->orderedCountries())
        if (c && c->regios().size() >= 3)
            countries.append(c->countryID());
    if (countries.size() < 2) {
        state.SkipWithError("the catalogue has too few countries with regions");
        return;
    }
    for (int i = 0; i < book->wines().size(); ++i) {
        Wine& w = *book->wines().at(i);
        w.setCountry(countries.at(i % countries.size()));
        w.setRegio(1 + i % 3);
        w.setType(quint16(1 + i % 4));
        w.setClassification(quint16(i % 5));
    }
    CellarDatabase::save(*book, tmp.filePath(QStringLiteral("Documents/Kelvan/DaDirad.kvdb")));
    LaunchOptions o;
    o.documentsPath = tmp.filePath(QStringLiteral("Documents"));
    o.settingsPath = tmp.filePath(QStringLiteral("settings.ini"));
    o.showWindow = false;
    MainWindowController controller(o);
    if (!controller.launch())
        state.SkipWithError("launch failed");
    WineBrowser* browser = controller.wineBrowser();
    const QStringList entries = browser->entries(WineBrowser::Countries);
    if (entries.size() < 3)
        state.SkipWithError("the browser lists too few countries");
    int next = 1;
    for (auto _ : state) {
        // Alternating keeps every choice a real change.
        browser->chooseEntry(WineBrowser::Countries, entries.at(next));
        next = next == 1 ? 2 : 1;
        benchmark::DoNotOptimize(controller.foundWines().size());
    }
    state.counters["shown"] = double(controller.foundWines().size());
}
BENCHMARK(BM_BrowseCountry)->Arg(100000)->Unit(benchmark::kMillisecond);
}
