#include "app/WineListModel.h"
#include "model/Wine.h"
#include "platform/Strings.h"
#include <algorithm>

namespace {
// The value a column sorts by: numbers as numbers, texts case-insensitively.
QVariant sortKey(const Wine& w, int column)
{
    switch (column) {
    case WineListModel::ZuzIcon:
        return int(w.idbhome());
    case WineListModel::Name:
        return w.winename();
    case WineListModel::Vintage:
        return int(w.year());
    case WineListModel::Winery:
        return w.vineyardName();
    case WineListModel::CountryName:
        return w.countryName();
    case WineListModel::RegioName:
        return w.regioName();
    case WineListModel::TypeName:
        return w.typeName();
    case WineListModel::Grape:
        return w.grapeName();
    case WineListModel::Stock:
        return int(w.stockbalance());
    case WineListModel::Points:
        return uint(w.points());
    case WineListModel::Score:
        return double(w.score());
    case WineListModel::Price:
        return double(w.price());
    case WineListModel::Value:
        return w.cellarValue();
    case WineListModel::DrinkFrom:
        return int(w.from());
    case WineListModel::DrinkTo:
        return int(w.to());
    case WineListModel::Location:
        return w.locationString();
    }
    return {};
}

QString yearText(quint16 year)
{
    return year == 0 ? QString() : QString::number(year);
}
}

QString WineListModel::columnIdentifier(int column)
{
    static const char* const ids[ColumnCount] = {"zuzIcon", "winename", "year", "winery", "countryName",
                                                 "regioName", "typeName", "grape",
                                                 "stockbalance", "points", "score", "price", "value",
                                                 "from", "to", "location"};
    return column >= 0 && column < ColumnCount ? QLatin1String(ids[column]) : QString();
}

WineListModel::WineListModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void WineListModel::setWines(QList<std::shared_ptr<Wine>> wines)
{
    beginResetModel();
    m_wines = std::move(wines);
    endResetModel();
}

void WineListModel::append(const std::shared_ptr<Wine>& wine)
{
    if (!wine)
        return;
    const int row = int(m_wines.size());
    beginInsertRows({}, row, row);
    m_wines.append(wine);
    endInsertRows();
}

bool WineListModel::remove(const Wine* wine)
{
    const int row = rowOf(wine);
    if (row < 0)
        return false;
    beginRemoveRows({}, row, row);
    m_wines.removeAt(row);
    endRemoveRows();
    return true;
}

std::shared_ptr<Wine> WineListModel::wineAt(int row) const
{
    return row >= 0 && row < m_wines.size() ? m_wines.at(row) : nullptr;
}

int WineListModel::rowOf(const Wine* wine) const
{
    for (int i = 0; i < m_wines.size(); ++i)
        if (m_wines.at(i).get() == wine)
            return i;
    return -1;
}

void WineListModel::reload()
{
    beginResetModel();
    endResetModel();
}

int WineListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_wines.size());
}

int WineListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant WineListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_wines.size())
        return {};
    const Wine& w = *m_wines.at(index.row());
    if (role == Qt::TextAlignmentRole) {
        switch (index.column()) {
        case Name:
        case Winery:
        case CountryName:
        case RegioName:
        case TypeName:
        case Grape:
        case Location:
            return QVariant();
        default:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case ZuzIcon:
        return w.idbhome() ? Strings::tr(QStringLiteral("online")) : QString();
    case Vintage:
        return w.yearName();
    case Name: // the texts are shown as they sort
    case Winery:
    case CountryName:
    case RegioName:
    case TypeName:
    case Grape:
    case Location:
        return sortKey(w, index.column());
    case Stock:
        return int(w.stockbalance());
    case Points:
        return w.points() == 0 ? QVariant(QString()) : QVariant(uint(w.points()));
    case Score:
        return w.score() == 0.0f ? QString() : QString::number(double(w.score()), 'f', 1);
    case Price:
        return QString::number(double(w.price()), 'f', 2);
    case Value:
        return QString::number(w.cellarValue(), 'f', 2);
    case DrinkFrom:
        return yearText(w.from());
    case DrinkTo:
        return yearText(w.to());
    }
    return {};
}

QVariant WineListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const titles[ColumnCount] = {"", "Name", "Vintage", "Winery", "Country", "Region", "Type",
                                                    "Grape", "Stock", "Points",
                                                    "Score", "Price", "Value", "From", "To", "Location"};
    if (section < 0 || section >= ColumnCount)
        return {};
    return Strings::tr(QLatin1String(titles[section]));
}

void WineListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    // Keys are computed once per wine: some (location, value) walk the wine's records.
    struct Keyed {
        QVariant key;
        std::shared_ptr<Wine> wine;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(m_wines.size()));
    for (const auto& w : m_wines)
        keyed.push_back({sortKey(*w, column), w});
    const bool textual = keyed.empty() ? false : keyed.front().key.typeId() == QMetaType::QString;
    auto less = [&](const Keyed& a, const Keyed& b) {
        if (textual)
            return QString::compare(a.key.toString(), b.key.toString(), Qt::CaseInsensitive) < 0;
        return QVariant::compare(a.key, b.key) == QPartialOrdering::Less;
    };
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    if (order == Qt::AscendingOrder)
        std::stable_sort(keyed.begin(), keyed.end(), less);
    else
        std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) { return less(b, a); });
    QModelIndexList before = persistentIndexList();
    QList<std::shared_ptr<Wine>> sorted;
    sorted.reserve(m_wines.size());
    for (auto& k : keyed)
        sorted.append(std::move(k.wine));
    // Keep selections on the same wines.
    QModelIndexList after;
    if (!before.isEmpty()) {
        QHash<const Wine*, int> newRows;
        newRows.reserve(sorted.size());
        for (int r = 0; r < sorted.size(); ++r)
            newRows.insert(sorted.at(r).get(), r);
        for (const QModelIndex& i : before)
            after.append(index(newRows.value(m_wines.at(i.row()).get(), -1), i.column()));
    }
    m_wines = std::move(sorted);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
