#pragma once
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "reports/ChartData.h"

class CellarBook;
class Purchase;
class StatisticsCatalogue;
class Wine;
class WineInfos;

using WineList = QList<std::shared_ptr<Wine>>;

// One purchase of a found wine, the unit of the purchase figures and history.
struct PurchaseRow {
    QDateTime date;
    std::shared_ptr<Purchase> purchase;
    std::shared_ptr<Wine> wine;
};

// The price band a bottle price falls into: whole-number bounds, lower < upper.
struct PriceBand {
    qint64 lower = 0;
    qint64 upper = 0;
};
PriceBand priceBandFor(double price);

// The statistics engine of the reports and the main window's fixed searches.
// Every figure is computed afresh from the cellar book or the found wines when
// asked, except the purchase rows and money figures, which collectPurchases()
// gathers and keeps until its next call.
//
// Two sets of wines: all wines of the cellar book, and the found wines (the
// main window's current list). The wine and bottle counts use all wines; the
// charts and the purchase figures use the found wines.
class Agent {
public:
    // A search rule row: answers whether the wine passes the row's condition.
    using WineRule = std::function<bool(const Wine&)>;
    // A search rule row's query part: extends the query text so far.
    using SqlRule = std::function<QString(const QString&)>;
    // Answers the main window's found wines, in their displayed order.
    using FoundWinesSource = std::function<WineList()>;

    Agent();
    ~Agent();
    Agent(const Agent&) = delete;
    Agent& operator=(const Agent&) = delete;

    // Also drops the collected purchase rows.
    void setCellar(const std::shared_ptr<CellarBook>& cellar);
    std::shared_ptr<CellarBook> cellar() const { return m_cellar; }
    // The catalogue look-ups; a new catalogue also resets the lowest and highest price.
    void setInfos(const std::shared_ptr<const StatisticsCatalogue>& infos);
    void setInfos(const std::shared_ptr<const WineInfos>& infos);
    std::shared_ptr<const StatisticsCatalogue> infos() const { return m_infos; }
    // Without a source every wine of the cellar book counts as found.
    void setFoundWinesSource(FoundWinesSource source);
    WineList foundWines() const;
    // The colours the charts take in turn; the named colour list, in its order, by default.
    void setPalette(const QList<QColor>& palette) { m_palette = palette; }
    const QList<QColor>& palette() const { return m_palette; }
    void setPageroot(const QString& root) { m_pageroot = root; }
    const QString& pageroot() const { return m_pageroot; }

    // ---- figures over all wines
    qint64 numberOfWines() const;
    // Bottles ever bought, and bottles in stock (signed: a stock may run negative).
    qint64 numberOfBottlesAmount() const;
    qint64 numberOfBottlesBalance() const;
    // Distinct country IDs other than 0 (within the catalogue when one is set).
    int numberOfCountries() const;

    // ---- purchases of the found wines
    void collectPurchases();
    // Newest first.
    const QList<PurchaseRow>& purchaseData() const { return m_purchaseData; }
    // Over purchases with a price above 0 and bottles: money / bottles; 0 without any.
    double averageBottlePrice() const;
    double lowestBottlePrice() const { return m_lowestPrice; }
    double highestBottlePrice() const { return m_highestPrice; }
    double totalMoney() const { return m_totalMoney; }
    double buyedValueMoney() const { return m_buyedValueMoney; }
    double marketValueMoney() const { return m_marketValueMoney; }
    // "yyyy-MM-dd\tbottles\tname\tvintage\n" per purchase row, oldest first.
    QString purchaseHistory() const;
    QString useHistory() const { return QString(); }
    QString currency() const;

    // ---- chart data of the found wines
    ChartData countryPie() const;
    ChartData winetypePie() const;
    ChartData yearsPie() const;
    ChartData regionPieFor(int countryID) const;
    ChartData typePieFor(int countryID) const;
    // These read the rows of the last collectPurchases().
    ChartData purchasesPie() const;
    ChartData purchasesLast12Pie() const;
    ChartData purchasesLast12Pie(const QDate& today) const;
    ChartData purchasesPriceAllocation() const;

    // ---- searches over all wines
    WineList findCellarWines() const;
    WineList findMaturityOverWines(int currentYear = QDate::currentDate().year()) const;
    WineList findMaturityEndWines(int currentYear = QDate::currentDate().year()) const;
    WineList findMaturityBestWines(int currentYear = QDate::currentDate().year()) const;
    WineList findMaturityBeginnWines(int currentYear = QDate::currentDate().year()) const;
    WineList findWinename(const QString& name) const;
    // The wines of the list (all wines without one) that every rule accepts;
    // every rule is asked even after one has refused. No rules take every wine.
    WineList findForRules(const QList<WineRule>& rules) const;
    WineList findForRules(const QList<WineRule>& rules, const WineList& in) const;
    QString findForRulesSQL(const QList<SqlRule>& rules) const;

private:
    // What the charts read of each purchase row, kept side by side with the rows
    // so that a chart walks plain numbers instead of the purchases themselves.
    struct RowFacts;
    using MonthSums = std::vector<std::pair<qint64, qint64>>;
    MonthSums monthSums(qint64 afterDay) const;

    const WineList& allWines() const;
    WineList findMaturity(int code, int currentYear) const;

    std::shared_ptr<CellarBook> m_cellar;
    std::shared_ptr<const StatisticsCatalogue> m_infos;
    // The catalogue m_infos wraps, when it was given as one; another wrapper of the
    // same catalogue is no change.
    std::shared_ptr<const WineInfos> m_wineInfos;
    FoundWinesSource m_foundWines;
    QList<QColor> m_palette;
    QList<PurchaseRow> m_purchaseData;
    std::vector<RowFacts> m_rowFacts;
    double m_lowestPrice = 0;
    double m_highestPrice = 0;
    double m_totalMoney = 0;
    double m_buyedValueMoney = 0;
    double m_marketValueMoney = 0;
    QString m_pageroot;
};
