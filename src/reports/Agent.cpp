#include "reports/Agent.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <vector>

#include "model/CellarBook.h"
#include "model/Purchase.h"
#include "model/Wine.h"
#include "platform/Crayons.h"
#include "reports/StatisticsCatalogue.h"
#include "reports/WineInfosStatistics.h"

namespace {

// Hands out the palette's colours in turn, starting over at the first one.
// The skipping charts also step over one colour for every key they visit, so
// their neighbouring entries stay apart.
class PaletteCursor {
public:
    explicit PaletteCursor(const QList<QColor>& palette) : m_palette(palette) {}
    void skip() { ++m_next; }
    QColor take()
    {
        const qsizetype index = m_next < m_palette.size() ? m_next : 0;
        m_next = index + 1;
        return index < m_palette.size() ? m_palette.at(index) : QColor();
    }

private:
    const QList<QColor>& m_palette;
    qsizetype m_next = 0;
};

int monthKey(const QDate& d)
{
    return d.year() * 100 + d.month();
}

QString monthLabel(int key)
{
    const int year = key / 100;
    const int month = key % 100;
    return QStringLiteral("%1/%2").arg(month, 2, 10, QLatin1Char('0')).arg(std::abs(year % 100), 2, 10, QLatin1Char('0'));
}

// Turns month (or band) sums into entries in ascending key order, each visited key
// stepping the palette once more.
template <typename Sums, typename Label>
ChartData skippingEntries(const Sums& sums, const QList<QColor>& palette, bool keepZero, Label label)
{
    ChartData out;
    PaletteCursor colours(palette);
    for (const auto& [key, sum] : sums) {
        colours.skip();
        if (sum > 0 || keepZero)
            out.append({sum, label(key, sum), colours.take(), 0});
    }
    return out;
}

// Wines per catalogue ID 1..size (index 0 unused); IDs outside the catalogue are
// skipped, never used as indexes.
template <typename Key>
std::vector<qint64> countByID(const WineList& wines, int size, Key key)
{
    std::vector<qint64> counts(size_t(std::max(size, 0)) + 1, 0);
    for (const auto& w : wines) {
        const int id = key(*w);
        if (id >= 1 && id <= size)
            ++counts[size_t(id)];
    }
    return counts;
}

} // namespace

struct Agent::RowFacts {
    qint64 sortKey = 0;
    qint64 day = 0;    // Julian day of the date
    qint64 month = 0;  // year × 100 + month; 0 without a date
    quint32 number = 0;
    float price = 0;
    qsizetype row = 0; // position before sorting
    bool countsForPrices() const { return price > 0 && number != 0; }
};

PriceBand priceBandFor(double price)
{
    // A price of a few cents still lands in the lowest band, and a runaway price
    // cannot overflow the whole-number arithmetic.
    double rounded = std::round(price);
    if (!(rounded >= 1))
        rounded = 1;
    rounded = std::min(rounded, 1e12);
    const qint64 r = qint64(rounded);
    const auto upTo = [r](qint64 base, qint64 step) { return base + step * ((r - base + step - 1) / step); };
    if (r <= 20)
        return {r - 1, r};
    if (r <= 50)
        return {upTo(20, 5) - 5, upTo(20, 5)};
    if (r <= 200)
        return {upTo(50, 10) - 10, upTo(50, 10)};
    if (r <= 1000)
        return {upTo(200, 50) - 50, upTo(200, 50)};
    return {upTo(1000, 100) - 100, upTo(1000, 100)};
}

Agent::Agent()
{
    for (const QString& name : Crayons::names())
        m_palette.append(Crayons::color(name));
}
Agent::~Agent() = default;

void Agent::setCellar(const std::shared_ptr<CellarBook>& cellar)
{
    m_cellar = cellar;
    m_purchaseData.clear();
    m_rowFacts.clear();
}

void Agent::setInfos(const std::shared_ptr<const StatisticsCatalogue>& infos)
{
    if (infos != m_infos) {
        m_lowestPrice = 0;
        m_highestPrice = 0;
    }
    m_infos = infos;
    m_wineInfos.reset();
}

void Agent::setInfos(const std::shared_ptr<const WineInfos>& infos)
{
    // Handing in the catalogue already in use changes nothing, so the prices stay.
    if (infos && infos == m_wineInfos)
        return;
    setInfos(infos ? std::make_shared<const WineInfosStatistics>(infos) : nullptr);
    m_wineInfos = infos;
}

void Agent::setFoundWinesSource(FoundWinesSource source)
{
    m_foundWines = std::move(source);
}

const WineList& Agent::allWines() const
{
    static const WineList none;
    return m_cellar ? std::as_const(*m_cellar).wines() : none;
}

WineList Agent::foundWines() const
{
    return m_foundWines ? m_foundWines() : allWines();
}

// ---- figures over all wines

qint64 Agent::numberOfWines() const
{
    return allWines().size();
}

qint64 Agent::numberOfBottlesAmount() const
{
    qint64 sum = 0;
    for (const auto& w : allWines())
        sum += w->purchaseNumber();
    return sum;
}

qint64 Agent::numberOfBottlesBalance() const
{
    qint64 sum = 0;
    for (const auto& w : allWines())
        sum += w->stockbalance();
    return sum;
}

int Agent::numberOfCountries() const
{
    const int limit = m_infos ? m_infos->countryCount() : std::numeric_limits<quint16>::max();
    std::vector<bool> seen(std::numeric_limits<quint16>::max() + 1, false);
    int count = 0;
    for (const auto& w : allWines()) {
        const int id = w->country();
        if (id != 0 && id <= limit && !seen[id]) {
            seen[id] = true;
            ++count;
        }
    }
    return count;
}

// ---- purchases

void Agent::collectPurchases()
{
    m_lowestPrice = 0;
    m_highestPrice = 0;
    m_totalMoney = 0;
    m_buyedValueMoney = 0;
    m_marketValueMoney = 0;
    const WineList found = foundWines();
    qsizetype total = 0;
    for (const auto& wine : found)
        total += wine ? wine->purchases().size() : 0;
    QList<PurchaseRow> rows;
    rows.reserve(total);
    std::vector<RowFacts> facts;
    facts.reserve(size_t(total));
    for (const auto& wine : found) {
        if (!wine || wine->purchases().isEmpty())
            continue;
        for (const auto& p : std::as_const(*wine).purchases()) {
            if (!p)
                continue;
            const PurchaseRow& row = rows.emplaceBack(PurchaseRow{p->date(), p, wine});
            // Rows order by their wall-clock time; rows without a date come last.
            RowFacts f;
            f.sortKey = std::numeric_limits<qint64>::min();
            if (row.date.isValid()) {
                const QDate d = row.date.date();
                f.day = d.toJulianDay();
                f.month = monthKey(d);
                f.sortKey = f.day * 86400000LL + row.date.time().msecsSinceStartOfDay();
            }
            f.number = p->number();
            f.price = p->price();
            f.row = rows.size() - 1;
            facts.push_back(f);
            if (!f.countsForPrices())
                continue;
            const double price = f.price;
            if (price < m_lowestPrice || m_lowestPrice == 0)
                m_lowestPrice = price;
            if (price > m_highestPrice)
                m_highestPrice = price;
            m_totalMoney += double(f.number) * price;
        }
        m_buyedValueMoney += wine->cellarValue();
    }

    // Newest first; equal dates keep the order of the found wines.
    std::stable_sort(facts.begin(), facts.end(),
                     [](const RowFacts& a, const RowFacts& b) { return a.sortKey > b.sortKey; });
    m_purchaseData.clear();
    m_purchaseData.reserve(rows.size());
    for (const RowFacts& f : facts)
        m_purchaseData.append(std::move(rows[f.row]));
    m_rowFacts = std::move(facts);
}

double Agent::averageBottlePrice() const
{
    double money = 0;
    double bottles = 0;
    for (const auto& f : m_rowFacts) {
        if (f.countsForPrices()) {
            money += double(f.number) * double(f.price);
            bottles += double(f.number);
        }
    }
    return bottles < 1 ? 0.0 : money / bottles;
}

QString Agent::purchaseHistory() const
{
    QString out;
    for (auto it = m_purchaseData.crbegin(); it != m_purchaseData.crend(); ++it) {
        out += it->date.date().toString(QStringLiteral("yyyy-MM-dd")) % QLatin1Char('\t')
               % QString::number(it->purchase->number()) % QLatin1Char('\t') % it->wine->winename()
               % QLatin1Char('\t') % QString::number(it->wine->year()) % QLatin1Char('\n');
    }
    return out;
}

QString Agent::currency() const
{
    return m_cellar ? m_cellar->currency() : QString();
}

// ---- chart data

ChartData Agent::countryPie() const
{
    ChartData out;
    if (!m_infos)
        return out;
    const int countries = m_infos->countryCount();
    const auto counts = countByID(foundWines(), countries, [](const Wine& w) { return int(w.country()); });
    for (int id = 1; id <= countries; ++id)
        if (counts[size_t(id)] > 0)
            out.append({counts[size_t(id)], m_infos->countryName(id), m_infos->countryColor(id), id});
    return out;
}

ChartData Agent::winetypePie() const
{
    ChartData out;
    if (!m_infos)
        return out;
    const int types = m_infos->winetypeCount();
    const auto counts = countByID(foundWines(), types, [](const Wine& w) { return int(w.type()); });
    PaletteCursor colours(m_palette);
    for (int id = 1; id <= types; ++id) {
        colours.skip();
        if (counts[size_t(id)] > 0)
            out.append({counts[size_t(id)], m_infos->winetypeName(id), colours.take(), 0});
    }
    return out;
}

ChartData Agent::yearsPie() const
{
    std::vector<qint64> counts(std::numeric_limits<quint16>::max() + 1, 0);
    for (const auto& w : foundWines())
        ++counts[w->year()];
    ChartData out;
    PaletteCursor colours(m_palette);
    for (size_t year = 1; year < counts.size(); ++year) {
        if (counts[year] == 0)
            continue;
        colours.skip();
        out.append({counts[year], QString::number(year), colours.take(), 0});
    }
    return out;
}

ChartData Agent::regionPieFor(int countryID) const
{
    ChartData out;
    if (!m_infos || countryID < 1 || countryID > m_infos->countryCount())
        return out;
    const int regions = m_infos->regionCount(countryID);
    const auto counts = countByID(foundWines(), regions,
                                  [countryID](const Wine& w) { return w.country() == countryID ? int(w.regio()) : 0; });
    PaletteCursor colours(m_palette);
    for (int id = 1; id <= regions; ++id)
        if (counts[size_t(id)] > 0)
            out.append({counts[size_t(id)], m_infos->regionName(countryID, id), colours.take(), id});
    return out;
}

ChartData Agent::typePieFor(int countryID) const
{
    ChartData out;
    if (!m_infos || countryID < 1 || countryID > m_infos->countryCount())
        return out;
    const int types = m_infos->winetypeCount();
    const auto counts = countByID(foundWines(), types,
                                  [countryID](const Wine& w) { return w.country() == countryID ? int(w.type()) : 0; });
    PaletteCursor colours(m_palette);
    for (int id = 1; id <= types; ++id)
        if (counts[size_t(id)] > 0)
            out.append({counts[size_t(id)], m_infos->winetypeName(id), colours.take(), id});
    return out;
}

Agent::MonthSums Agent::monthSums(qint64 afterDay) const
{
    // The rows run newest first, so backwards their months ascend.
    MonthSums sums;
    for (auto it = m_rowFacts.crbegin(); it != m_rowFacts.crend(); ++it) {
        if (it->number == 0 || it->month == 0 || it->day <= afterDay)
            continue;
        if (sums.empty() || sums.back().first != it->month)
            sums.emplace_back(it->month, 0);
        sums.back().second += it->number;
    }
    return sums;
}

ChartData Agent::purchasesPie() const
{
    return skippingEntries(monthSums(std::numeric_limits<qint64>::min()), m_palette, false,
                           [](qint64 key, qint64) { return monthLabel(int(key)); });
}

ChartData Agent::purchasesLast12Pie() const
{
    return purchasesLast12Pie(QDate::currentDate());
}

ChartData Agent::purchasesLast12Pie(const QDate& today) const
{
    const MonthSums recent = monthSums(today.toJulianDay() - 365);
    std::map<qint64, qint64> sums(recent.begin(), recent.end());
    // The line runs from the month of the first purchase up to this month, quiet
    // months included so the time axis stays even.
    if (!recent.empty()) {
        const int first = int(recent.front().first);
        for (QDate d(first / 100, first % 100, 1); d.isValid() && d <= today; d = d.addMonths(1))
            sums.try_emplace(monthKey(d), 0);
    }
    return skippingEntries(sums, m_palette, true,
                           [](qint64 key, qint64 count) { return count > 0 ? monthLabel(int(key)) : QString(); });
}

ChartData Agent::purchasesPriceAllocation() const
{
    std::map<qint64, qint64> sums;
    for (const auto& f : m_rowFacts)
        if (f.countsForPrices())
            sums[priceBandFor(f.price).upper] += f.number;
    const QString money = currency();
    return skippingEntries(sums, m_palette, false, [&money](qint64 upper, qint64) {
        // Recomputing the band from its upper bound gives back the same band.
        const PriceBand band = priceBandFor(double(upper));
        return QStringLiteral("%1 <= %2 %3").arg(band.lower).arg(band.upper).arg(money);
    });
}

// ---- searches

WineList Agent::findCellarWines() const
{
    WineList out;
    for (const auto& w : allWines())
        if (w->stockbalance() != 0)
            out.append(w);
    return out;
}

WineList Agent::findMaturity(int code, int currentYear) const
{
    WineList out;
    for (const auto& w : allWines())
        if (w->maturityValue(currentYear) == code)
            out.append(w);
    return out;
}

WineList Agent::findMaturityOverWines(int currentYear) const { return findMaturity(1, currentYear); }
WineList Agent::findMaturityEndWines(int currentYear) const { return findMaturity(2, currentYear); }
WineList Agent::findMaturityBestWines(int currentYear) const { return findMaturity(3, currentYear); }
WineList Agent::findMaturityBeginnWines(int currentYear) const { return findMaturity(4, currentYear); }

WineList Agent::findWinename(const QString& name) const
{
    WineList out;
    for (const auto& w : allWines())
        if (w->winename() == name)
            out.append(w);
    return out;
}

WineList Agent::findForRules(const QList<WineRule>& rules) const
{
    return findForRules(rules, allWines());
}

WineList Agent::findForRules(const QList<WineRule>& rules, const WineList& in) const
{
    WineList out;
    for (const auto& w : in) {
        if (!w)
            continue;
        bool taken = true;
        for (const auto& rule : rules)
            taken = rule(*w) && taken; // every rule is asked
        if (taken)
            out.append(w);
    }
    return out;
}

QString Agent::findForRulesSQL(const QList<SqlRule>& rules) const
{
    QString query;
    for (const auto& rule : rules)
        query = rule(query);
    return query;
}
