#include "app/WineBrowser.h"
#include "catalogue/Area.h"
#include "catalogue/Classification.h"
#include "catalogue/Country.h"
#include "catalogue/Regio.h"
#include "catalogue/WineInfos.h"
#include "catalogue/WineType.h"
#include "model/Wine.h"
#include "platform/Strings.h"
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace {
constexpr int kIdRole = Qt::UserRole;
constexpr int kNameRole = Qt::UserRole + 1;

const char* const kTitles[WineBrowser::LevelCount] = {"Country", "Region", "Area", "Type", "Classification"};

// An ID as a wine holds it, or 0 when it lies beyond the list it refers to.
int inRange(int id, qsizetype count)
{
    return id >= 1 && id <= count ? id : 0;
}

// The titles of the used entries of a 1-based list, each with its ID. The chosen
// ID is listed even when no wine uses it any more, so the choice stays visible.
template <class T, class NameOf>
QList<std::pair<QString, int>> usedEntries(const QList<std::shared_ptr<T>>& list, const std::vector<char>& used,
                                           int chosen, NameOf nameOf)
{
    QList<std::pair<QString, int>> out;
    for (int id = 1; id <= list.size(); ++id)
        if ((used[size_t(id)] || id == chosen) && list.at(id - 1))
            out.append({nameOf(*list.at(id - 1)), id});
    return out;
}

// Classification names of the wines, each distinct catalogue position resolved once.
class ClassificationNames {
public:
    explicit ClassificationNames(const WineInfos* infos)
        : m_infos(infos)
    {
    }
    // The index of the wine's classification name, -1 for none, a separator or an unknown ID.
    int of(const Wine& w)
    {
        if (!m_infos || w.classification() == 0)
            return -1;
        const quint64 where = (quint64(w.country()) << 48) | (quint64(w.regio()) << 32) | (quint64(w.area()) << 16)
            | quint64(w.classification());
        const auto hit = m_positions.constFind(where);
        if (hit != m_positions.cend())
            return *hit;
        const auto entry = m_infos->classification(w.country(), w.regio(), w.area(), w.classification());
        const QString name = entry ? entry->name() : QString();
        const int index = name.isEmpty() || isSeparatorName(name) ? -1 : intern(name);
        m_positions.insert(where, index);
        return index;
    }
    int intern(const QString& name)
    {
        const auto hit = m_indexOf.constFind(name);
        if (hit != m_indexOf.cend())
            return *hit;
        m_names.append(name);
        m_indexOf.insert(name, int(m_names.size() - 1));
        return int(m_names.size() - 1);
    }
    const QStringList& names() const { return m_names; }

private:
    const WineInfos* m_infos;
    QHash<quint64, int> m_positions;
    QHash<QString, int> m_indexOf;
    QStringList m_names;
};
}

WineBrowser::WineBrowser(QWidget* parent)
    : QWidget(parent)
    , m_refreshTimer(new QTimer(this))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 0);
    grid->setVerticalSpacing(2);
    for (int level = 0; level < LevelCount; ++level) {
        grid->addWidget(new QLabel(Strings::tr(QLatin1String(kTitles[level])), this), 0, level);
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("browserColumn%1").arg(level));
        list->setUniformItemSizes(true);
        grid->addWidget(list, 1, level);
        m_columns[size_t(level)] = list;
        connect(list, &QListWidget::currentRowChanged, this, [this, level](int row) {
            if (row >= 0)
                choose(Level(level), keyOfItem(Level(level), row));
        });
    }
    // Wines added or removed one by one are folded into a single pass.
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(0);
    connect(m_refreshTimer, &QTimer::timeout, this, &WineBrowser::refreshIfDue);
    refresh();
}

WineBrowser::~WineBrowser() = default;

void WineBrowser::setWines(QList<std::shared_ptr<Wine>> wines)
{
    m_wines = std::move(wines);
    m_chosen.fill(Key{});
    refresh();
}

void WineBrowser::appendWine(const std::shared_ptr<Wine>& wine)
{
    if (!wine)
        return;
    m_wines.append(wine);
    m_due = true;
    m_refreshTimer->start();
}

void WineBrowser::removeWine(const Wine* wine)
{
    auto same = [wine](const std::shared_ptr<Wine>& w) { return w.get() == wine; };
    if (m_wines.removeIf(same) == 0)
        return;
    m_matching.removeIf(same);
    m_due = true;
    m_refreshTimer->start();
}

void WineBrowser::reset()
{
    m_chosen.fill(Key{});
    refresh();
}

QStringList WineBrowser::entries(Level level)
{
    refreshIfDue();
    QStringList titles;
    const QListWidget* list = column(level);
    for (int row = 0; row < list->count(); ++row)
        titles.append(list->item(row)->text());
    return titles;
}

bool WineBrowser::chooseEntry(Level level, const QString& title)
{
    refreshIfDue();
    const auto found = column(level)->findItems(title, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    column(level)->setCurrentItem(found.first());
    return true;
}

QString WineBrowser::chosenEntry(Level level) const
{
    const QListWidgetItem* item = column(level)->currentItem();
    return item ? item->text() : Strings::tr(QStringLiteral("All"));
}

bool WineBrowser::isNarrowing() const
{
    return std::any_of(m_chosen.begin(), m_chosen.end(), [](const Key& k) { return k.id != 0 || !k.name.isEmpty(); });
}

const QList<std::shared_ptr<Wine>>& WineBrowser::matchingWines()
{
    refreshIfDue();
    return m_matching;
}

WineBrowser::Key WineBrowser::keyOfItem(Level level, int row) const
{
    const QListWidgetItem* item = column(level)->item(row);
    if (!item)
        return {};
    return {item->data(kIdRole).toInt(), item->data(kNameRole).toString()};
}

void WineBrowser::choose(Level level, const Key& key)
{
    if (m_chosen[size_t(level)] == key)
        return;
    m_chosen[size_t(level)] = key;
    // The columns to the right depend on this one: back to "All".
    for (int l = level + 1; l < LevelCount; ++l)
        m_chosen[size_t(l)] = Key{};
    // The columns up to this one are refilled once the click is over, never from
    // inside the clicked list's own signal: when wines came or went since their
    // last fill, or when this one listed its entry only because it was chosen.
    const bool refillAll = m_due || m_keptUnused[size_t(level)];
    m_columnsFrom = level + 1;
    refresh();
    if (refillAll) {
        m_due = true;
        m_refreshTimer->start();
    }
    emit browsed();
}

void WineBrowser::refreshIfDue()
{
    if (m_due)
        refresh();
}

void WineBrowser::refresh()
{
    // A choice refills only the columns right of it: the list being clicked keeps its items.
    const int firstColumn = m_columnsFrom;
    m_columnsFrom = 0;
    m_due = false;
    m_refreshTimer->stop();

    const WineInfos* infos = Wine::wineInfos();
    static const QList<std::shared_ptr<Country>> noCountries;
    static const QList<std::shared_ptr<WineType>> noTypes;
    const auto& countries = infos ? infos->orderedCountries() : noCountries;
    const auto& types = infos ? infos->winetypes() : noTypes;
    const int chosenCountryID = m_chosen[Countries].id;
    const int chosenRegionID = m_chosen[Regions].id;
    const int chosenAreaID = m_chosen[Areas].id;
    const int chosenTypeID = m_chosen[Types].id;
    const std::shared_ptr<Country> country = entryAt(countries, chosenCountryID);
    const std::shared_ptr<Regio> region = country ? entryAt(country->regios(), chosenRegionID) : nullptr;
    const qsizetype regionCount = country ? country->regios().size() : 0;
    const qsizetype areaCount = region ? region->areas().size() : 0;

    // Index 0 collects "none" and IDs beyond their lists: such wines appear only under "All".
    std::vector<char> usedCountries(size_t(countries.size()) + 1), usedRegions(size_t(regionCount) + 1),
        usedAreas(size_t(areaCount) + 1), usedTypes(size_t(types.size()) + 1), usedNames;
    ClassificationNames classifications(infos);
    const QString& chosenName = m_chosen[Classifications].name;
    const int chosenNameIndex = chosenName.isEmpty() ? -1 : classifications.intern(chosenName);

    m_matching.clear();
    for (const auto& wine : std::as_const(m_wines)) {
        const Wine& w = *wine;
        const int c = inRange(w.country(), countries.size());
        usedCountries[size_t(c)] = 1;
        if (chosenCountryID != 0 && c != chosenCountryID)
            continue;
        if (country) {
            const int r = inRange(w.regio(), regionCount);
            usedRegions[size_t(r)] = 1;
            if (chosenRegionID != 0 && r != chosenRegionID)
                continue;
            if (region) {
                const int a = inRange(w.area(), areaCount);
                usedAreas[size_t(a)] = 1;
                if (chosenAreaID != 0 && a != chosenAreaID)
                    continue;
            }
        }
        const int t = inRange(w.type(), types.size());
        usedTypes[size_t(t)] = 1;
        if (chosenTypeID != 0 && t != chosenTypeID)
            continue;
        const int n = classifications.of(w);
        if (n >= 0) {
            if (size_t(n) >= usedNames.size())
                usedNames.resize(size_t(n) + 1);
            usedNames[size_t(n)] = 1;
        }
        if (chosenNameIndex >= 0 && n != chosenNameIndex)
            continue;
        m_matching.append(wine);
    }

    auto kept = [](const std::vector<char>& used, int chosen) {
        return chosen > 0 && size_t(chosen) < used.size() && !used[size_t(chosen)];
    };
    m_keptUnused = {kept(usedCountries, chosenCountryID), kept(usedRegions, chosenRegionID),
                    kept(usedAreas, chosenAreaID), kept(usedTypes, chosenTypeID),
                    chosenNameIndex >= 0 && (size_t(chosenNameIndex) >= usedNames.size() || !usedNames[size_t(chosenNameIndex)])};

    auto withKeys = [](const QList<std::pair<QString, int>>& titled) {
        QList<std::pair<QString, Key>> out;
        out.reserve(titled.size());
        for (const auto& [title, id] : titled)
            out.append({title, Key{id, {}}});
        return out;
    };
    const auto name = [](const auto& entry) { return entry.name(); };
    if (firstColumn <= Countries)
        fillColumn(Countries, withKeys(usedEntries(countries, usedCountries, chosenCountryID, name)));
    if (firstColumn <= Regions)
        fillColumn(Regions, country ? withKeys(usedEntries(country->regios(), usedRegions, chosenRegionID, name))
                                   : QList<std::pair<QString, Key>>{});
    if (firstColumn <= Areas)
        fillColumn(Areas, region ? withKeys(usedEntries(region->areas(), usedAreas, chosenAreaID, name))
                                : QList<std::pair<QString, Key>>{});
    if (firstColumn <= Types)
        fillColumn(Types, withKeys(usedEntries(types, usedTypes, chosenTypeID, name)));
    if (firstColumn <= Classifications) {
        QList<std::pair<QString, Key>> named;
        for (int i = 0; i < classifications.names().size(); ++i)
            if ((size_t(i) < usedNames.size() && usedNames[size_t(i)]) || i == chosenNameIndex)
                named.append({classifications.names().at(i), Key{0, classifications.names().at(i)}});
        fillColumn(Classifications, std::move(named));
    }
}

void WineBrowser::fillColumn(Level level, QList<std::pair<QString, Key>> entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0;
    });
    entries.prepend({Strings::tr(QStringLiteral("All")), Key{}});
    QListWidget* list = column(level);
    const QSignalBlocker quiet(list);
    list->clear();
    int current = 0;
    for (int row = 0; row < entries.size(); ++row) {
        const auto& [title, key] = entries.at(row);
        auto* item = new QListWidgetItem(title, list);
        item->setData(kIdRole, key.id);
        item->setData(kNameRole, key.name);
        if (key == m_chosen[size_t(level)])
            current = row;
    }
    list->setCurrentRow(current);
}
