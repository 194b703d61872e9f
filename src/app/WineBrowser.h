#pragma once
#include <QList>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

class QListWidget;
class QTimer;
class Wine;
class WineInfos;

// The main window's column browser over the wines of the current source
// (the cellar or a group, after the search rules): countries, the chosen
// country's regions, the chosen region's areas, wine types and classifications.
// Each column lists what the wines passing the columns to its left use, with
// "All" first; a choice narrows to the wines matching every chosen column and
// resets the columns to its right. Everything is computed in one pass over the
// wines; catalogue IDs are only bounds-checked, never trusted.
class WineBrowser : public QWidget {
    Q_OBJECT
public:
    enum Level { Countries, Regions, Areas, Types, Classifications, LevelCount };

    explicit WineBrowser(QWidget* parent = nullptr);
    ~WineBrowser() override;

    // New wines to browse; every column goes back to "All".
    void setWines(QList<std::shared_ptr<Wine>> wines);
    // Keeps the browsed wines in step with the list; the columns follow soon after.
    void appendWine(const std::shared_ptr<Wine>& wine);
    void removeWine(const Wine* wine);
    // Every column back to "All", without telling anyone.
    void reset();

    // The titles of a column as shown, "All" first.
    QStringList entries(Level level);
    // Chooses the first entry of that title, as a click does; false when there is none.
    bool chooseEntry(Level level, const QString& title);
    // The chosen title of a column, "All" when none.
    QString chosenEntry(Level level) const;
    bool isNarrowing() const;
    // The browsed wines that match every chosen column, in their order.
    const QList<std::shared_ptr<Wine>>& matchingWines();
    QListWidget* column(Level level) const { return m_columns[size_t(level)]; }

Q_SIGNALS:
    // The user chose an entry: matchingWines changed.
    void browsed();

private:
    // A column's entry: a catalogue ID (0 for "All"), or a classification name.
    struct Key {
        int id = 0;
        QString name;
        bool operator==(const Key& o) const { return id == o.id && name == o.name; }
    };
    void choose(Level level, const Key& key);
    void refresh();
    void refreshIfDue();
    void fillColumn(Level level, QList<std::pair<QString, Key>> entries);
    Key keyOfItem(Level level, int row) const;

    std::array<QListWidget*, LevelCount> m_columns{};
    std::array<Key, LevelCount> m_chosen{};
    // The column lists its chosen entry only because it is chosen: no wine uses it.
    std::array<bool, LevelCount> m_keptUnused{};
    QList<std::shared_ptr<Wine>> m_wines;
    QList<std::shared_ptr<Wine>> m_matching;
    QTimer* m_refreshTimer;
    bool m_due = false;
    int m_columnsFrom = 0; // the first column the next refresh fills
};
