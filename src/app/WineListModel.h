#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <memory>

class Wine;

// The main window's wine list: the found wines, in their displayed order.
// A plain table model, so a list of 100,000 wines costs only the visible rows.
class WineListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        ZuzIcon,  // "zuzIcon": online marker
        Name,
        Vintage,
        Winery,
        CountryName, // names from the catalogue, empty when unset or unknown
        RegioName,
        TypeName,
        Grape,
        Stock,
        Points,
        Score,
        Price,
        Value,
        DrinkFrom,
        DrinkTo,
        Location,
        ColumnCount
    };
    // The identifier of a column, as menus and stored layouts name it.
    static QString columnIdentifier(int column);

    explicit WineListModel(QObject* parent = nullptr);

    const QList<std::shared_ptr<Wine>>& wines() const { return m_wines; }
    void setWines(QList<std::shared_ptr<Wine>> wines);
    void append(const std::shared_ptr<Wine>& wine);
    // Removes that very wine; false when it is not listed.
    bool remove(const Wine* wine);
    std::shared_ptr<Wine> wineAt(int row) const;
    int rowOf(const Wine* wine) const;
    // Tells the views that every row may have changed.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Reorders the found wines themselves: the displayed order is their order. Stable.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    QList<std::shared_ptr<Wine>> m_wines;
};
