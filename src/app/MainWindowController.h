#pragma once
#include "app/ControllerSettings.h"
#include "app/WineEditor.h"
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class AddressBook;
class Agent;
class WineInfos;

class BottleIdentifier;
class CategoryBrowserItem;
class CellarBook;
class DataFolder;
class MessageWindow;
class QAction;
class QMainWindow;
class QTableView;
class SearchView;
class Settings;
class Wine;
class WineBrowser;
class WineListModel;
namespace Ui {
class MainWindow;
}

// Where a run keeps its files. Every path may be left empty for the user's own.
struct LaunchOptions {
    // The Documents folder; empty: $KELVAN_DOCUMENTS, else the one the desktop reports.
    QString documentsPath;
    // The desktop folder for desktop backups; empty: $KELVAN_DESKTOP, else the desktop's.
    QString desktopPath;
    // An INI file for the settings; empty: the user's settings.
    QString settingsPath;
    // The address book's folder; empty: $KELVAN_ADDRESSBOOK, else the setting
    // "addressBookFolder", else the address book's default folder.
    QString addressBookFolder;
    // The report templates that come with the application.
    QString templatesSource = QStringLiteral(":/templates/Reports");
    // The time of day, for dated backups.
    std::function<QDateTime()> clock;
    bool showWindow = true;

    // Fills the empty paths from the environment and the desktop.
    LaunchOptions resolved() const;
};

// The application controller: launch, the data folder, the one cellar book,
// saving and backups, settings, client mode, quitting, and the main window
// with its wine list, group outline and search rules.
class MainWindowController : public QObject {
    Q_OBJECT
public:
    explicit MainWindowController(const LaunchOptions& options = {}, QObject* parent = nullptr);
    ~MainWindowController() override;

    // Runs the launch sequence. False when the application should end at once
    // (the user chose to quit, or the data folder could not be made).
    bool launch();

    // ---- what other windows reach
    std::shared_ptr<CellarBook> cellarBook() const { return m_book; }
    std::shared_ptr<WineInfos> wineInfos() const;
    AddressBook* addressBook() const { return m_addressBook.get(); }
    // The statistics of the cellar, made at launch.
    Agent* agent() const { return m_agent.get(); }
    // The data folder relative to the home folder, and as an absolute path.
    QString rootPath() const;
    QString dataPath() const;
    const DataFolder& dataFolder() const { return *m_folder; }
    QMainWindow* window() const { return m_window; }
    QTableView* wineTable() const;
    const QList<std::shared_ptr<Wine>>& foundWines() const;
    // Shows these wines; the browser takes them as what it narrows, back at "All".
    void setFoundWines(QList<std::shared_ptr<Wine>> wines);
    void addFoundWines(const std::shared_ptr<Wine>& wine);
    // The wines of the selected rows, in row order.
    QList<std::shared_ptr<Wine>> selectedWines() const;
    WineListModel* wineListModel() const { return m_model; }
    WineBrowser* wineBrowser() const;
    // True when the cellar file existed but could not be read: it is then never written.
    bool loadFailed() const { return m_loadFailed; }

    // ---- change and save
    void setDBasChanged();
    bool isDBChanged() const { return m_changed; }
    void setInfosAsChanged();
    // Counts a request; writes on every 2nd below 1000 wines, on every 5th from 1000 on.
    void saveToDB();
    // Writes the cellar database now when it has changed. False when it could not be
    // written (the user was told); true when written or there was nothing to write.
    bool saveToDBNOW();
    // Writes the cellar to the desktop as "DaDirad BACKUP <date and time>.kvdb"; the path, empty on failure.
    QString saveToDBDesktopBackup();
    // Asks for a file (proposing "USER_Wines.kvdb" on the desktop) and writes the cellar there.
    QString saveDATABASE();
    int saveRequests() const { return m_saveRequests; }

    // ---- quitting
    // Saves what is due, writes backups, settings and client list. With mayCancel the
    // user may stay when the cellar could not be written; answers whether to quit.
    bool applicationShouldTerminate(bool mayCancel = true);
    // Runs the quit path once and ends the event loop.
    void quit();
    bool hasTerminated() const { return m_terminated; }

    // ---- settings
    const ControllerSettings& settings() const { return m_settings; }
    bool sendAddressToiDB() const { return m_settings.sendAddressToiDB; }
    void setSendAddressToiDB(bool on) { m_settings.sendAddressToiDB = on; }
    bool brushMetal() const { return m_settings.brushMetal; }
    void setUseBrushMetal(bool on) { m_settings.brushMetal = on; }
    bool expertMode() const { return m_settings.expertMode; }
    void setExpertMode(bool on) { m_settings.expertMode = on; }
    bool isCheckForUpdate() const { return m_settings.isCheckForUpdate; }
    void setCheckforUpdate(bool on) { m_settings.isCheckForUpdate = on; }
    QString uFirstName() const { return m_settings.uFirstName; }
    void setUFirstName(const QString& s) { m_settings.uFirstName = s; }
    QString uName() const { return m_settings.uName; }
    // Also makes "<first name> <name>" the cellar's author.
    void setUName(const QString& s);
    QString uEmail() const { return m_settings.uEmail; }
    void setUEmail(const QString& s) { m_settings.uEmail = s; }
    QString uLanguage() const { return m_settings.uLanguage; }
    void setULanguage(const QString& s) { m_settings.uLanguage = s; }
    bool useUBID() const { return m_settings.useUBID; }
    void setUseUBID(bool on) { m_settings.useUBID = on; }
    bool saveAutomatically() const { return m_settings.saveAutomatically; }
    void setSaveAutomatically(bool on) { m_settings.saveAutomatically = on; }
    bool saveAutomaticallyToPda() const { return m_settings.saveAutomaticallyToPda; }
    void setSaveAutomaticallyToPda(bool on) { m_settings.saveAutomaticallyToPda = on; }
    quint16 displayModeUBIDlist() const { return m_settings.displayModeUBIDlist; }
    void setDisplayModeUBIDlist(quint16 mode) { m_settings.displayModeUBIDlist = mode; }
    void setRssReaderAsClosed() { m_settings.isRSSReaderOpen = false; }
    // The user's ID in the online database; registers the user first while the
    // cellar has none and keeps the ID answered. 0 when that did not succeed.
    quint32 userID();
    // The unique ID of the first person whose work-address city or organization
    // contains the text, letter case ignored; empty for an empty text or none.
    QString addressSearch(const QString& text) const;
    // A setter stores what it is given; the getter replaces a 0 by the default, as reading does.
#define KV_INT_SETTING(name, setter, def)                                                  \
    int name() const { return m_settings.name == 0 ? def : m_settings.name; }              \
    void setter(int v) { m_settings.name = v; }
    KV_INT_SETTING(deltaUBID, setDeltaUBID, 250)
    KV_INT_SETTING(tempFromRed, setTempFromRed, 16)
    KV_INT_SETTING(tempToRed, setTempToRed, 18)
    KV_INT_SETTING(tempFromWhite, setTempFromWhite, 10)
    KV_INT_SETTING(tempToWhite, setTempToWhite, 12)
    KV_INT_SETTING(tempFromOther, setTempFromOther, 12)
    KV_INT_SETTING(tempToOther, setTempToOther, 16)
    KV_INT_SETTING(drinkDeltaFromRed, setDrinkDeltaFromRed, 2)
    KV_INT_SETTING(drinkDeltaBestRed, setDrinkDeltaBestRed, 4)
    KV_INT_SETTING(drinkDeltaToRed, setDrinkDeltaToRed, 6)
    KV_INT_SETTING(drinkDeltaFromWhite, setDrinkDeltaFromWhite, 1)
    KV_INT_SETTING(drinkDeltaBestWhite, setDrinkDeltaBestWhite, 2)
    KV_INT_SETTING(drinkDeltaToWhite, setDrinkDeltaToWhite, 3)
    KV_INT_SETTING(drinkDeltaFromOther, setDrinkDeltaFromOther, 1)
    KV_INT_SETTING(drinkDeltaBestOther, setDrinkDeltaBestOther, 2)
    KV_INT_SETTING(drinkDeltaToOther, setDrinkDeltaToOther, 3)
#undef KV_INT_SETTING

    // ---- the wine list and the editor
    // Installs the maker of editor windows; until then the editor actions stay disabled.
    void setEditorFactory(WineEditorFactory factory);
    WineEditor* wineEditorController() const { return m_editor.get(); }
    void showWine(const std::shared_ptr<Wine>& wine);
    void editWine();
    void winelistDoubleclick(int row);
    void newWine();
    void nextWine();
    void previousWine();
    void usedWineBottle(const std::shared_ptr<BottleIdentifier>& tag);
    void recycleBottle(const std::shared_ptr<BottleIdentifier>& tag);
    void wineMenusAreUpdated();
    // Asks; on yes removes the wine from every group and the cellar.
    bool deleteTHEWine(const std::shared_ptr<Wine>& wine);
    void selectRow(int row);
    int selectedRow() const;
    void createIdentifiersForAll();

    // ---- search rules and groups
    SearchView* addSearchRule();
    QList<SearchView*> searchRules() const;
    void removeSearchRule(SearchView* rule);
    // Shows the wines of the current source (cellar or group) that pass every rule.
    void findWines();
    void showAllWines();
    // Shows the wines of a group, or the whole cellar for none.
    void showGroup(const std::shared_ptr<CategoryBrowserItem>& item);
    std::shared_ptr<CategoryBrowserItem> outline() const { return m_outline; }

    // ---- small windows and documents
    void openMessage(const QString& text);
    MessageWindow* messageWindow() const { return m_message; }
    // Documents opened on the application from the desktop.
    void openFiles(const QStringList& paths);
    // The menu or toolbar action of that object name, for tests and the desktop.
    QAction* action(const QString& objectName) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs a top-level action; a failure shows "Error!" / "Error: <reason> in: <operation>".
    void runAction(const QString& operation, const std::function<void()>& work);
    bool prepareFolders();
    bool chooseClient();
    bool loadCellar();
    void buildWindow();
    void buildMenus();
    void buildOutline();
    void updateActions();
    void updateCount();
    // Shows the wines that the browser's choices leave.
    void showBrowsedWines();
    void setBrowserShown(bool shown);
    bool setEditorController();
    void loadIntoEditor(const std::shared_ptr<Wine>& wine, bool arrows);
    void updateEditorArrows(const Wine* wine);
    QDateTime now() const;
    void report(const QString& title, const QString& text);
    QString writeCellarTo(const QString& path);

    // Seams filled when the address book, the catalogue and the reports land.
    void openAddressBook();
    void readCatalogueFile();
    void prepareAddressGroups();
    void saveAddressBookIfNeeded();
    void createReportObjects();

    LaunchOptions m_options;
    std::unique_ptr<DataFolder> m_folder;
    std::unique_ptr<Settings> m_store;
    ControllerSettings m_settings;
    QStringList m_clients;
    std::shared_ptr<CellarBook> m_book;
    std::unique_ptr<AddressBook> m_addressBook;
    std::unique_ptr<Agent> m_agent;
    std::shared_ptr<WineInfos> m_separateCatalogue; // "Wine Info DB.kvwi", when present
    bool m_changed = false;
    bool m_infosChanged = false;
    bool m_loadFailed = false;
    bool m_loadFailedReported = false;
    bool m_rescueNeeded = false; // changed since the last "Save Database As…" of a cellar that is never saved in place
    bool m_terminated = false;
    int m_saveRequests = 0;

    QMainWindow* m_window = nullptr;
    std::unique_ptr<Ui::MainWindow> m_ui;
    WineListModel* m_model = nullptr;
    QList<SearchView*> m_rules;
    std::shared_ptr<CategoryBrowserItem> m_outline;
    std::shared_ptr<CategoryBrowserItem> m_source;
    MessageWindow* m_message = nullptr;

    WineEditorFactory m_editorFactory;
    std::unique_ptr<WineEditor> m_editor;
    std::vector<std::unique_ptr<WineEditor>> m_closedEditors;
};
