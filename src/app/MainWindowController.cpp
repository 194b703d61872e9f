#include "app/MainWindowController.h"
#include "app/Backups.h"
#include "app/CategoryBrowserItem.h"
#include "app/ClientList.h"
#include "app/DataFolder.h"
#include "app/MessageWindow.h"
#include "app/SearchView.h"
#include "app/WineBrowser.h"
#include "app/WineListModel.h"
#include "catalogue/CatalogueFile.h"
#include "catalogue/WineInfos.h"
#include "model/BottleIdentifier.h"
#include "reports/Agent.h"
#include "reports/BarcodeImages.h"
#include "model/KVNAddress.h"
#include "model/CellarBook.h"
#include "model/CellarDatabase.h"
#include "model/Group.h"
#include "model/Wine.h"
#include "platform/AtomicFile.h"
#include "platform/Dialogs.h"
#include "platform/Log.h"
#include "platform/Settings.h"
#include "platform/Strings.h"
#include "exchange/online/ZuzProtocol.h"
#include "exchange/online/ZuzTransport.h"
#include "platform/addressbook/ABPerson.h"
#include "platform/addressbook/ABSearchElement.h"
#include "platform/addressbook/AddressBook.h"
#include "platform/addressbook/CellarAddressBook.h"
#include "ui_MainWindow.h"
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenuBar>
#include <QStandardPaths>
#include <QToolBar>
#include <exception>

namespace {
constexpr int kManyWines = 1000;

QString envOr(const char* name, QStandardPaths::StandardLocation fallback)
{
    const QString env = qEnvironmentVariable(name);
    if (!env.isEmpty())
        return env;
    return QStandardPaths::writableLocation(fallback);
}

QString localized(const char* text)
{
    return Strings::tr(QString::fromUtf8(text));
}

TagQuestions tagQuestions()
{
    TagQuestions ask;
    ask.alert = [](const QString& title, const QString& message) {
        Dialogs::instance().alert(Dialogs::Level::Warning, title, message);
    };
    ask.askStartNumber = [](const QString& title, const QString& message) -> std::optional<quint32> {
        const auto text = Dialogs::instance().askText(title, message);
        if (!text)
            return std::nullopt;
        bool ok = false;
        const quint32 n = text->trimmed().toUInt(&ok);
        return ok ? std::optional<quint32>(n) : std::nullopt;
    };
    return ask;
}
}

LaunchOptions LaunchOptions::resolved() const
{
    LaunchOptions r = *this;
    if (r.documentsPath.isEmpty())
        r.documentsPath = envOr("KELVAN_DOCUMENTS", QStandardPaths::DocumentsLocation);
    if (r.desktopPath.isEmpty())
        r.desktopPath = envOr("KELVAN_DESKTOP", QStandardPaths::DesktopLocation);
    if (r.addressBookFolder.isEmpty())
        r.addressBookFolder = qEnvironmentVariable("KELVAN_ADDRESSBOOK");
    if (!r.clock)
        r.clock = [] { return QDateTime::currentDateTime(); };
    return r;
}

MainWindowController::MainWindowController(const LaunchOptions& options, QObject* parent)
    : QObject(parent)
    , m_options(options.resolved())
    , m_folder(std::make_unique<DataFolder>(m_options.documentsPath))
{
    // Settings start at their defaults until launch reads the stored ones.
}

MainWindowController::~MainWindowController()
{
    if (m_book && Wine::cellarBook() == m_book.get())
        Wine::setCellarBook(nullptr);
    if (auto* qt = dynamic_cast<QtDialogs*>(&Dialogs::instance()))
        qt->setParent(nullptr);
    delete m_message;
    delete m_window;
}

QDateTime MainWindowController::now() const
{
    return m_options.clock();
}

void MainWindowController::report(const QString& title, const QString& text)
{
    Log::line(title + QStringLiteral(": ") + text);
    Dialogs::instance().alert(Dialogs::Level::Critical, title, text);
}

void MainWindowController::runAction(const QString& operation, const std::function<void()>& work)
{
    try {
        work();
    } catch (const std::exception& e) {
        Dialogs::instance().showError(QString::fromLocal8Bit(e.what()), operation);
    } catch (...) {
        Dialogs::instance().showError(QStringLiteral("unknown error"), operation);
    }
}

// ---- launch

bool MainWindowController::launch()
{
    if (!prepareFolders())
        return false;
    m_store = m_options.settingsPath.isEmpty() ? std::make_unique<Settings>()
                                               : std::make_unique<Settings>(m_options.settingsPath);
    // The address book's folder may be a setting, so the settings come first.
    openAddressBook();
    m_settings.read(*m_store);
    buildWindow();
    readCatalogueFile();
    if (!loadCellar())
        return false;
    buildOutline();
    prepareAddressGroups();
    createReportObjects();
    if (!m_settings.isCheckForUpdate)
        Log::line(QStringLiteral("update check: no update service in this build"));
    showAllWines();
    if (m_options.showWindow)
        m_window->show();
    return true;
}

bool MainWindowController::prepareFolders()
{
    m_clients = ClientList::read(m_folder->clientListPath());
    QString error = m_folder->createProductFolders();
    if (!error.isEmpty()) {
        report(localized("The data folder could not be created."), error);
        return false;
    }
    if (m_folder->isClientMode() && !chooseClient())
        return false;
    error = m_folder->createDataFolders();
    if (!error.isEmpty()) {
        report(localized("The data folder could not be created."), error);
        return false;
    }
    QString templateError;
    const QStringList copied = m_folder->copyMissingTemplates(m_options.templatesSource, &templateError);
    if (!copied.isEmpty())
        Log::line(QStringLiteral("report templates copied: ") + copied.join(QStringLiteral(", ")));
    if (!templateError.isEmpty())
        Log::line(templateError);
    QString backupError;
    const QString versionBackup =
        m_folder->makeVersionBackup(QCoreApplication::applicationVersion().isEmpty()
                                        ? QStringLiteral("0")
                                        : QCoreApplication::applicationVersion(),
                                    &backupError);
    if (!versionBackup.isEmpty())
        Log::line(QStringLiteral("version backup: ") + versionBackup);
    if (!backupError.isEmpty())
        Log::line(backupError);
    return true;
}

bool MainWindowController::chooseClient()
{
    const QStringList clients = ClientList::merge(m_clients, m_folder->clientFolders());
    QString chosen;
    if (clients.isEmpty()) {
        const auto name = Dialogs::instance().askText(localized("Client"), localized("Name of the new client:"));
        if (!name)
            return false;
        chosen = name->trimmed();
        if (!DataFolder::isUsableClientName(chosen)) {
            report(localized("Client"), localized("This name cannot be used for a client folder."));
            return false;
        }
    } else {
        const auto index = Dialogs::instance().chooseItem(localized("Client"), localized("Open the cellar of client:"), clients);
        if (!index)
            return false;
        chosen = clients.at(*index);
    }
    m_folder->setClient(chosen);
    if (!m_clients.contains(chosen))
        m_clients.append(chosen);
    Log::line(QStringLiteral("client: ") + chosen);
    return true;
}

bool MainWindowController::loadCellar()
{
    const QString path = m_folder->databasePath();
    if (QFileInfo::exists(path)) {
        auto result = CellarDatabase::load(path, [](const QString& message) {
            Dialogs::instance().alert(Dialogs::Level::Critical, message, QString());
        });
        if (!result.book) {
            Log::line(result.error);
            const int choice = Dialogs::instance().alert(
                Dialogs::Level::Critical, localized("The cellar database could not be opened."),
                result.error + QStringLiteral("\n\n")
                    + localized("The file and its backups are left as they are. You may quit, or work on a new, "
                         "empty cellar that is never saved over this file (use \"Save Database As…\" to keep it)."),
                {localized("Quit"), localized("Start a New Cellar")});
            if (choice != 1)
                return false;
            m_loadFailed = true;
            m_book = CellarBook::createNew();
        } else {
            m_book = result.book;
        }
    } else {
        m_book = CellarBook::createNew();
    }
    if (m_separateCatalogue)
        m_book->setWineInfos(m_separateCatalogue);
    Wine::setCellarBook(m_book.get());
    for (const auto& w : m_book->wines())
        w->solveStockbalance();
    Log::line(QStringLiteral("cellar: %1 wines").arg(m_book->wines().size()));
    return true;
}

std::shared_ptr<WineInfos> MainWindowController::wineInfos() const
{
    return m_book ? m_book->wineInfos() : nullptr;
}

void MainWindowController::openAddressBook()
{
    QString folder = m_options.addressBookFolder;
    if (folder.isEmpty() && m_store)
        folder = m_store->string(QStringLiteral("addressBookFolder"));
    m_addressBook = AddressBook::openFolder(folder);
    for (const QString& skipped : m_addressBook->skippedFiles())
        Log::line(QStringLiteral("address book: ") + skipped);
}

void MainWindowController::readCatalogueFile()
{
    const QString path = m_folder->catalogueFilePath();
    if (!QFileInfo::exists(path))
        return;
    try {
        m_separateCatalogue = CatalogueFile::read(path);
        Log::line(QStringLiteral("catalogue read: ") + path);
    } catch (const ArchiveError& e) {
        // The cellar's own catalogue serves instead; the file stays as it is.
        report(localized("The catalogue file could not be read."), e.message());
    }
}

void MainWindowController::prepareAddressGroups()
{
    if (!m_addressBook || !m_book)
        return;
    const auto groups = prepareCellarAddressBook(*m_addressBook, m_book->addressesWineriesID(),
                                                 m_book->addressesSuppliersID());
    // Kept with the cellar when it is next written; the groups are found by name
    // again at every launch, so the IDs alone do not make the cellar changed.
    m_book->setAddressesWineriesID(groups.wineriesID);
    m_book->setAddressesSuppliersID(groups.suppliersID);
    // Copies whose person the address book lost are put back.
    QStringList lost;
    for (const auto& copy : m_book->addresses())
        if (!copy->uID().isEmpty() && !m_addressBook->personForUniqueId(copy->uID()))
            lost << copy->uID();
    for (const QString& uID : lost) {
        const QString now = m_book->refreshAddressForUID(*m_addressBook, uID);
        Log::line(QStringLiteral("address %1 put back as %2").arg(uID, now));
        if (!now.isEmpty())
            setDBasChanged();
    }
}

void MainWindowController::saveAddressBookIfNeeded()
{
    if (m_addressBook && m_addressBook->hasUnsavedChanges() && !m_addressBook->save())
        report(localized("The address book could not be saved."), m_addressBook->lastError());
}

void MainWindowController::createReportObjects()
{
    m_agent = std::make_unique<Agent>();
    m_agent->setCellar(m_book);
    m_agent->setInfos(std::shared_ptr<const WineInfos>(m_book->wineInfos()));
    // The statistics of reports count what the main window shows.
    m_agent->setFoundWinesSource([this] { return foundWines(); });
}

// ---- the window

void MainWindowController::buildWindow()
{
    m_window = new QMainWindow;
    m_ui = std::make_unique<Ui::MainWindow>();
    m_ui->setupUi(m_window);
    m_window->setWindowTitle(QStringLiteral("Kelvan"));
    // The group outline is a narrow column; the wine list takes the rest.
    m_ui->splitter->setStretchFactor(0, 0);
    m_ui->splitter->setStretchFactor(1, 1);
    m_ui->splitter->setSizes({220, 880});
    // The browser is a band of short columns above the list.
    m_ui->browserSplitter->setStretchFactor(0, 0);
    m_ui->browserSplitter->setStretchFactor(1, 1);
    m_ui->browserSplitter->setSizes({160, 540});
    connect(m_ui->wineBrowser, &WineBrowser::browsed, this, [this] {
        runAction(QStringLiteral("browseWines"), [this] { showBrowsedWines(); });
    });
    m_window->installEventFilter(this);
    if (auto* qt = dynamic_cast<QtDialogs*>(&Dialogs::instance()))
        qt->setParent(m_window);

    m_model = new WineListModel(this);
    QTableView* table = m_ui->wineTable;
    table->setModel(m_model);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setSortIndicatorShown(true);
    table->setColumnWidth(WineListModel::ZuzIcon, 24);
    table->setColumnWidth(WineListModel::Name, 260);
    table->setColumnWidth(WineListModel::Winery, 160);
    table->setColumnWidth(WineListModel::CountryName, 110);
    table->setColumnWidth(WineListModel::RegioName, 130);
    // Sorting happens only on a click on a header, never on the initial load.
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    connect(table, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        runAction(QStringLiteral("winelistDoubleclick"), [this, row = i.row()] { winelistDoubleclick(row); });
    });
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateActions(); });

    connect(m_ui->addRuleButton, &QPushButton::clicked, this,
            [this] { runAction(QStringLiteral("addSearchRule"), [this] { addSearchRule(); }); });
    connect(m_ui->findButton, &QPushButton::clicked, this, [this] { runAction(QStringLiteral("findWines"), [this] { findWines(); }); });
    connect(m_ui->showAllButton, &QPushButton::clicked, this,
            [this] { runAction(QStringLiteral("showAllWines"), [this] { showAllWines(); }); });
    connect(m_ui->groupOutline, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!item)
            return;
        auto* node = static_cast<CategoryBrowserItem*>(item->data(0, Qt::UserRole).value<void*>());
        std::function<std::shared_ptr<CategoryBrowserItem>(const std::shared_ptr<CategoryBrowserItem>&)> find =
            [&](const std::shared_ptr<CategoryBrowserItem>& at) -> std::shared_ptr<CategoryBrowserItem> {
            if (at.get() == node)
                return at;
            for (const auto& c : at->children())
                if (auto hit = find(c))
                    return hit;
            return nullptr;
        };
        if (m_outline)
            if (auto hit = find(m_outline))
                runAction(QStringLiteral("showGroup"), [this, hit] { showGroup(hit); });
    });
    buildMenus();
}

void MainWindowController::buildMenus()
{
    struct Entry {
        const char* menu;
        const char* title;
        const char* name;
        std::function<void()> work;
        QKeySequence keys;
        bool toolbar;
    };
    const QList<Entry> entries = {
        {"File", "New Wine", "newWine", [this] { newWine(); }, QKeySequence::New, true},
        {"File", "Save Database", "saveToDBNOW", [this] { saveToDBNOW(); }, QKeySequence::Save, false},
        {"File", "Save Database As…", "saveDATABASE", [this] { saveDATABASE(); }, QKeySequence::SaveAs, false},
        {"File", "Backup to Desktop", "saveToDBDesktopBackup", [this] { saveToDBDesktopBackup(); }, {}, false},
        {"File", "Quit", "quit", [this] { quit(); }, QKeySequence::Quit, false},
        {"Wine", "Show Wine", "showWine", [this] { editWine(); }, QKeySequence(Qt::CTRL | Qt::Key_O), true},
        {"Wine", "Next Wine", "nextWine", [this] { nextWine(); }, QKeySequence(Qt::CTRL | Qt::Key_Down), false},
        {"Wine", "Previous Wine", "previousWine", [this] { previousWine(); }, QKeySequence(Qt::CTRL | Qt::Key_Up), false},
        {"Wine", "Delete Wine", "deleteTHEWine",
         [this] {
             const auto chosen = selectedWines();
             if (!chosen.isEmpty())
                 deleteTHEWine(chosen.first());
         },
         QKeySequence::Delete, true},
        {"Wine", "Create Unique Bottle Identifiers", "createIdentifiersForAll", [this] { createIdentifiersForAll(); }, {}, false},
        {"Find", "Add Rule", "addSearchRule", [this] { addSearchRule(); }, {}, false},
        {"Find", "Find", "findWines", [this] { findWines(); }, QKeySequence::Find, true},
        {"Find", "Show All Wines", "showAllWines", [this] { showAllWines(); }, {}, false},
        // Windows built by other parts of the application: shown disabled until they exist.
        {"Window", "Preferences…", "openPreferences", nullptr, QKeySequence::Preferences, false},
        {"Window", "Storage Places…", "openCellarEditor", nullptr, {}, false},
        {"Window", "Addresses…", "openAddresses", nullptr, {}, false},
        {"Window", "Bottle Identifiers…", "openIdentifierList", nullptr, {}, false},
        {"Window", "Reports…", "openReports", nullptr, {}, false},
        {"Window", "Label Printing…", "openLabelPrinting", nullptr, {}, false},
        {"Window", "Catalogue…", "openCountryWindow", nullptr, {}, false},
        {"Window", "News…", "openRSSReader", nullptr, {}, false},
        {"Window", "Print Wine List…", "printWinesAsTable", nullptr, {}, false},
    };
    QMap<QString, QMenu*> menus;
    for (const Entry& e : entries) {
        const QString menuName = QLatin1String(e.menu);
        if (!menus.contains(menuName))
            menus.insert(menuName, m_ui->menuBar->addMenu(localized(e.menu)));
        auto* action = new QAction(localized(e.title), m_window);
        action->setObjectName(QLatin1String(e.name));
        if (!e.keys.isEmpty())
            action->setShortcut(e.keys);
        if (e.work) {
            const QString op = QLatin1String(e.name);
            const auto work = e.work;
            connect(action, &QAction::triggered, this, [this, op, work] { runAction(op, work); });
        } else {
            action->setEnabled(false);
            action->setProperty("unavailable", true);
        }
        menus.value(menuName)->addAction(action);
        if (e.toolbar)
            m_ui->toolBar->addAction(action);
    }
    auto* showBrowser = new QAction(localized("Show Browser"), m_window);
    showBrowser->setObjectName(QStringLiteral("showBrowser"));
    showBrowser->setCheckable(true);
    showBrowser->setChecked(true);
    connect(showBrowser, &QAction::toggled, this,
            [this](bool on) { runAction(QStringLiteral("showBrowser"), [this, on] { setBrowserShown(on); }); });
    m_ui->menuBar->addMenu(localized("View"))->addAction(showBrowser);
    m_ui->toolBar->addAction(showBrowser);
    updateActions();
}

QAction* MainWindowController::action(const QString& objectName) const
{
    return m_window ? m_window->findChild<QAction*>(objectName) : nullptr;
}

void MainWindowController::updateActions()
{
    if (!m_window)
        return;
    const bool editor = bool(m_editorFactory);
    const bool selected = selectedRow() >= 0;
    auto enable = [this](const char* name, bool on) {
        if (QAction* a = action(QLatin1String(name)))
            a->setEnabled(on);
    };
    enable("newWine", editor);
    enable("showWine", editor && selected);
    enable("nextWine", selected);
    enable("previousWine", selected);
    enable("deleteTHEWine", selected);
}

void MainWindowController::updateCount()
{
    if (m_ui)
        m_ui->countLabel->setText(localized("%1 of %2 wines")
                                      .arg(m_model->rowCount())
                                      .arg(m_book ? m_book->wines().size() : 0));
}

void MainWindowController::buildOutline()
{
    m_outline = CategoryBrowserItem::outline(localized("Cellar"), m_book->groups());
    m_source = m_outline;
    QTreeWidget* tree = m_ui->groupOutline;
    const QSignalBlocker block(tree);
    tree->clear();
    std::function<void(QTreeWidgetItem*, const CategoryBrowserItem&)> add = [&](QTreeWidgetItem* parent,
                                                                                const CategoryBrowserItem& node) {
        for (const auto& c : node.children()) {
            auto* item = new QTreeWidgetItem(parent, {c->name()});
            item->setData(0, Qt::UserRole, QVariant::fromValue<void*>(c.get()));
            add(item, *c);
        }
    };
    auto* root = new QTreeWidgetItem(tree, {m_outline->name()});
    root->setData(0, Qt::UserRole, QVariant::fromValue<void*>(m_outline.get()));
    add(root, *m_outline);
    tree->expandAll();
    tree->setCurrentItem(root);
}

bool MainWindowController::eventFilter(QObject* watched, QEvent* event)
{
    // Closing the main window quits the application.
    if (watched == m_window && event->type() == QEvent::Close) {
        if (!m_terminated && !applicationShouldTerminate(true)) {
            event->ignore();
            return true;
        }
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

QString MainWindowController::rootPath() const
{
    return m_folder->rootPath();
}

QString MainWindowController::dataPath() const
{
    return m_folder->dataFolder();
}

QTableView* MainWindowController::wineTable() const
{
    return m_ui ? m_ui->wineTable : nullptr;
}

// ---- found wines

const QList<std::shared_ptr<Wine>>& MainWindowController::foundWines() const
{
    return m_model->wines();
}

void MainWindowController::setFoundWines(QList<std::shared_ptr<Wine>> wines)
{
    m_ui->wineBrowser->setWines(wines);
    m_model->setWines(std::move(wines));
    updateCount();
    updateActions();
}

void MainWindowController::addFoundWines(const std::shared_ptr<Wine>& wine)
{
    m_model->append(wine);
    m_ui->wineBrowser->appendWine(wine);
    updateCount();
}

WineBrowser* MainWindowController::wineBrowser() const
{
    return m_ui ? m_ui->wineBrowser : nullptr;
}

void MainWindowController::showBrowsedWines()
{
    m_model->setWines(m_ui->wineBrowser->matchingWines());
    // The narrowed list keeps the order the user sorted by.
    const QHeaderView* header = m_ui->wineTable->horizontalHeader();
    if (header->sortIndicatorSection() >= 0)
        m_model->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    updateCount();
    updateActions();
}

void MainWindowController::setBrowserShown(bool shown)
{
    WineBrowser* browser = m_ui->wineBrowser;
    browser->setVisible(shown);
    // A hidden browser must not narrow the list unseen.
    if (!shown && browser->isNarrowing()) {
        browser->reset();
        showBrowsedWines();
    }
}

QList<std::shared_ptr<Wine>> MainWindowController::selectedWines() const
{
    QList<std::shared_ptr<Wine>> result;
    if (!m_ui)
        return result;
    QModelIndexList rows = m_ui->wineTable->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& i : rows)
        if (auto w = m_model->wineAt(i.row())) {
            // Reports and labels of the selection read the wine's cached barcode.
            const auto written = saveBarcodeImage(*w, dataPath());
            if (!written.ok())
                Log::line(written.error);
            result.append(w);
        }
    return result;
}

int MainWindowController::selectedRow() const
{
    if (!m_ui)
        return -1;
    const QModelIndex current = m_ui->wineTable->selectionModel()->currentIndex();
    if (current.isValid() && m_ui->wineTable->selectionModel()->isRowSelected(current.row(), {}))
        return current.row();
    const QModelIndexList rows = m_ui->wineTable->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void MainWindowController::selectRow(int row)
{
    if (!m_ui || row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(row, WineListModel::Name);
    m_ui->wineTable->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_ui->wineTable->scrollTo(index);
}

// ---- search and groups

SearchView* MainWindowController::addSearchRule()
{
    auto* rule = new SearchView(m_ui->searchPanel);
    rule->setObjectName(QStringLiteral("searchRule%1").arg(m_rules.size()));
    // Rules sit above the row of buttons.
    m_ui->searchRules->insertWidget(int(m_rules.size()), rule);
    m_rules.append(rule);
    connect(rule, &SearchView::removeRequested, this, &MainWindowController::removeSearchRule);
    return rule;
}

QList<SearchView*> MainWindowController::searchRules() const
{
    return m_rules;
}

void MainWindowController::removeSearchRule(SearchView* rule)
{
    if (m_rules.removeOne(rule))
        rule->deleteLater();
}

void MainWindowController::findWines()
{
    const auto& source = (m_source && m_source->group()) ? m_source->group()->wines() : m_book->wines();
    QList<std::shared_ptr<Wine>> found;
    found.reserve(source.size());
    for (const auto& w : source) {
        bool refused = false;
        for (const SearchView* rule : m_rules)
            refused |= !rule->ruleIsMatching(*w);
        if (!refused)
            found.append(w);
    }
    setFoundWines(std::move(found));
}

void MainWindowController::showAllWines()
{
    m_source = m_outline;
    setFoundWines(m_book->wines());
}

void MainWindowController::showGroup(const std::shared_ptr<CategoryBrowserItem>& item)
{
    m_source = item ? item : m_outline;
    if (m_source && m_source->group())
        setFoundWines(m_source->group()->wines());
    else
        setFoundWines(m_book->wines());
}

// ---- the editor roads

void MainWindowController::setEditorFactory(WineEditorFactory factory)
{
    m_editorFactory = std::move(factory);
    updateActions();
}

bool MainWindowController::setEditorController()
{
    if (!m_editorFactory)
        return false;
    if (m_editor && m_editor->isExpert() != m_settings.expertMode) {
        m_editor->closeWindow();
        m_closedEditors.push_back(std::move(m_editor));
    }
    if (!m_editor)
        m_editor = m_editorFactory(m_settings.expertMode);
    return bool(m_editor);
}

void MainWindowController::loadIntoEditor(const std::shared_ptr<Wine>& wine, bool arrows)
{
    if (!wine || !setEditorController())
        return;
    m_editor->showWindow();
    m_editor->setMainWindowController(this);
    m_editor->setWine(wine);
    if (arrows)
        updateEditorArrows(wine.get());
}

void MainWindowController::updateEditorArrows(const Wine* wine)
{
    const int row = m_model->rowOf(wine);
    m_editor->previousArrow(row > 0);
    m_editor->nextArrow(row >= 0 && row + 1 < m_model->rowCount());
}

void MainWindowController::showWine(const std::shared_ptr<Wine>& wine)
{
    const int row = m_model->rowOf(wine.get());
    if (row >= 0)
        selectRow(row);
    loadIntoEditor(wine, false);
}

void MainWindowController::editWine()
{
    loadIntoEditor(m_model->wineAt(selectedRow()), true);
}

void MainWindowController::winelistDoubleclick(int row)
{
    if (row < 0)
        return;
    selectRow(row);
    loadIntoEditor(m_model->wineAt(row), true);
}

void MainWindowController::newWine()
{
    if (setEditorController()) {
        m_editor->showWindow();
        m_editor->setMainWindowController(this);
        m_editor->newWine();
    }
}

void MainWindowController::nextWine()
{
    const int row = selectedRow();
    if (row + 1 >= m_model->rowCount())
        return;
    selectRow(row + 1);
    loadIntoEditor(m_model->wineAt(row + 1), true);
}

void MainWindowController::previousWine()
{
    const int row = selectedRow();
    if (row <= 0)
        return;
    selectRow(row - 1);
    loadIntoEditor(m_model->wineAt(row - 1), true);
}

void MainWindowController::usedWineBottle(const std::shared_ptr<BottleIdentifier>& tag)
{
    if (!tag || !tag->wine())
        return;
    showWine(tag->wine());
    if (m_editor) {
        m_editor->usedWineBottle(tag);
        updateEditorArrows(tag->wine().get());
    }
}

void MainWindowController::recycleBottle(const std::shared_ptr<BottleIdentifier>& tag)
{
    if (!tag || !tag->wine())
        return;
    showWine(tag->wine());
    if (m_editor) {
        m_editor->recycleBottle(tag);
        updateEditorArrows(tag->wine().get());
    }
}

void MainWindowController::wineMenusAreUpdated()
{
    if (m_editor)
        m_editor->buildWineMenus();
}

bool MainWindowController::deleteTHEWine(const std::shared_ptr<Wine>& wine)
{
    if (!wine)
        return false;
    const int answer = Dialogs::instance().alert(
        Dialogs::Level::Warning, localized("Delete Wine"),
        localized("Do you really want to delete the wine \"%1\"?").arg(wine->winename()),
        {localized("Cancel"), localized("Delete")});
    if (answer != 1)
        return false;
    const int row = m_model->rowOf(wine.get());
    m_book->removeWine(wine.get());
    m_model->remove(wine.get());
    m_ui->wineBrowser->removeWine(wine.get());
    setDBasChanged();
    updateCount();
    if (m_editor) {
        // The row that followed the deleted wine now has its place; after the last one, a new wine.
        if (row >= 0 && row < m_model->rowCount()) {
            selectRow(row);
            loadIntoEditor(m_model->wineAt(row), true);
        } else {
            m_editor->newWine();
        }
    } else if (row >= 0) {
        selectRow(qMin(row, m_model->rowCount() - 1));
    }
    return true;
}

void MainWindowController::createIdentifiersForAll()
{
    const int answer = Dialogs::instance().alert(Dialogs::Level::Informational,
                                                 localized("Create Unique Bottle Identifiers"), QString(),
                                                 {localized("OK"), localized("Cancel")});
    if (answer != 0)
        return;
    const int made = m_book->createIdentifiersForAll(tagQuestions());
    Log::line(QStringLiteral("bottle identifiers created: %1").arg(made));
    setDBasChanged();
}

// ---- change and save

void MainWindowController::setDBasChanged()
{
    m_changed = true;
    m_rescueNeeded = m_loadFailed;
}

void MainWindowController::setInfosAsChanged()
{
    m_infosChanged = true;
}

void MainWindowController::setUName(const QString& s)
{
    m_settings.uName = s;
    if (m_book)
        m_book->setAuthor(m_settings.uFirstName + QLatin1Char(' ') + s);
}

quint32 MainWindowController::userID()
{
    if (!m_book)
        return 0;
    if (m_book->iDBuserID() != 0 || !m_store)
        return m_book->iDBuserID();
    // The identity as the user set it in this run, not as last written at quit.
    ZuzTransport transport(ZuzTransport::serverFromSettings(*m_store));
    const auto reply = transport.sendToZUZ(ZuzProtocol::addUserQuery(
        {m_settings.uFirstName, m_settings.uName, m_settings.uEmail, m_settings.uLanguage}));
    const quint32 id = reply ? ZuzProtocol::userIDFromReply(*reply) : 0;
    if (id != 0) {
        m_book->setIDBuserID(id);
        // Kept with the cellar, so the user is registered only once.
        setDBasChanged();
    }
    return id;
}

QString MainWindowController::addressSearch(const QString& text) const
{
    if (text.isEmpty() || !m_addressBook)
        return {};
    std::vector<ABSearchElement> either;
    either.push_back(ABPerson::searchElementForProperty(kABAddressProperty, kABAddressWorkLabel, kABAddressCityKey,
                                                        text, ABSearchComparison::ContainsSubStringCaseInsensitive));
    either.push_back(ABPerson::searchElementForProperty(kABOrganizationProperty, {}, {}, text,
                                                        ABSearchComparison::ContainsSubStringCaseInsensitive));
    const auto found = m_addressBook->recordsMatchingSearchElement(
        ABSearchElement::searchElementForConjunction(ABSearchConjunction::Or, std::move(either)));
    return found.isEmpty() ? QString() : found.first()->uniqueId();
}

void MainWindowController::saveToDB()
{
    ++m_saveRequests;
    const int every = m_book && m_book->wines().size() >= kManyWines ? 5 : 2;
    if (m_saveRequests % every == 0)
        saveToDBNOW();
}

QString MainWindowController::writeCellarTo(const QString& path)
{
    return CellarDatabase::save(*m_book, path);
}

bool MainWindowController::saveToDBNOW()
{
    saveAddressBookIfNeeded();
    if (!m_changed || !m_book)
        return true;
    const QString path = m_folder->databasePath();
    if (m_loadFailed) {
        // The file on disk could not be read: writing this cellar over it would lose it.
        if (!m_loadFailedReported) {
            m_loadFailedReported = true;
            report(localized("The cellar is not saved."),
                   localized("\"%1\" could not be read at launch and is left as it is. Use \"Save Database As…\" "
                      "to keep this cellar in another file.")
                       .arg(path));
        }
        return false;
    }
    if (QFileInfo::exists(path)) {
        const QString error = DataFolder::copyFile(path, m_folder->databaseCopyPath());
        if (!error.isEmpty())
            Log::line(error);
    }
    const QString error = writeCellarTo(path);
    if (!error.isEmpty()) {
        report(localized("The cellar could not be saved."), error);
        return false;
    }
    Log::line(QStringLiteral("cellar saved: ") + path);
    return true;
}

QString MainWindowController::saveToDBDesktopBackup()
{
    const QString name = QStringLiteral("DaDirad BACKUP ") + now().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"))
        + QStringLiteral(".kvdb");
    QDir().mkpath(m_options.desktopPath);
    const QString path = QDir(m_options.desktopPath).filePath(name);
    const QString error = writeCellarTo(path);
    saveAddressBookIfNeeded();
    if (!error.isEmpty()) {
        report(localized("The backup could not be written."), error);
        return {};
    }
    return path;
}

QString MainWindowController::saveDATABASE()
{
    QString path = Dialogs::instance().saveFile(localized("Save Database"), m_options.desktopPath,
                                                QStringLiteral("USER_Wines.kvdb"),
                                                {localized("Cellar Database (*.kvdb)")});
    if (path.isEmpty())
        return {};
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".kvdb");
    // Never over the very file that failed to load.
    if (m_loadFailed && QFileInfo(path).absoluteFilePath() == QFileInfo(m_folder->databasePath()).absoluteFilePath()) {
        report(localized("The cellar is not saved."), localized("\"%1\" could not be read at launch and is left as it is.").arg(path));
        return {};
    }
    const QString error = writeCellarTo(path);
    saveAddressBookIfNeeded();
    if (!error.isEmpty()) {
        report(localized("The cellar could not be saved."), error);
        return {};
    }
    m_rescueNeeded = false;
    return path;
}

// ---- quitting

bool MainWindowController::applicationShouldTerminate(bool mayCancel)
{
    if (m_terminated)
        return true;
    if (m_editor)
        m_editor->shouldSave();
    bool cellarSaved = true;
    if (m_changed && m_book && !m_loadFailed) {
        cellarSaved = saveToDBNOW();
        const auto result = Backups::writeDue(*m_book, m_folder->backupsFolder(), now());
        for (const QString& p : result.written)
            Log::line(QStringLiteral("backup written: ") + p);
        if (!result.errors.isEmpty())
            report(localized("A backup could not be written."), result.errors.join(QLatin1Char('\n')));
    }
    if (m_rescueNeeded && mayCancel) {
        // The damaged file is never written, so this cellar lives only in memory.
        const int answer = Dialogs::instance().alert(
            Dialogs::Level::Critical, localized("The cellar is not saved."),
            localized("This cellar was never saved to a file. Use \"Save Database As…\" to keep it."),
            {localized("Don't Quit"), localized("Quit Anyway")});
        if (answer != 1)
            return false;
    }
    if (!cellarSaved && mayCancel) {
        const int answer = Dialogs::instance().alert(
            Dialogs::Level::Critical, localized("The cellar could not be saved."),
            localized("If you quit now, the changes since the last save are lost."), {localized("Don't Quit"), localized("Quit Anyway")});
        if (answer != 1)
            return false;
    }
    if (m_infosChanged)
        Log::line(QStringLiteral("catalogue changed"));
    saveAddressBookIfNeeded();
    if (m_store) {
        m_settings.write(*m_store);
        if (!m_store->sync())
            report(localized("The settings could not be saved."), m_store->fileName());
    }
    if (!m_clients.isEmpty() || QFileInfo::exists(m_folder->clientListPath())) {
        const QString error = ClientList::write(m_folder->clientListPath(), m_clients);
        if (!error.isEmpty())
            report(localized("The client list could not be saved."), error);
    }
    m_terminated = true;
    return true;
}

void MainWindowController::quit()
{
    if (!applicationShouldTerminate(true))
        return;
    if (m_window)
        m_window->hide();
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

// ---- small windows and documents

void MainWindowController::openMessage(const QString& text)
{
    if (!m_message)
        m_message = new MessageWindow;
    m_message->start(text);
}

void MainWindowController::openFiles(const QStringList& paths)
{
    for (const QString& path : paths) {
        const QString ext = QFileInfo(path).suffix().toLower();
        if (ext == QLatin1String("kvdb")) {
            Dialogs::instance().alert(
                Dialogs::Level::Warning,
                localized("Sorry! The program do only use the database file ~/Documents/Kelvan/DaDirad.kvdb"), QString());
        } else if (ext == QLatin1String("tvx") || ext == QLatin1String("kvml") || ext == QLatin1String("vinoxml")
                   || ext == QLatin1String("owl")) {
            // The XML importer is wired in here when it exists.
            Log::line(QStringLiteral("document not imported, no importer in this build: ") + path);
            Dialogs::instance().alert(Dialogs::Level::Informational, localized("Import"),
                                      localized("This version cannot import \"%1\" yet.").arg(QFileInfo(path).fileName()));
        } else {
            Log::line(QStringLiteral("document of unknown type ignored: ") + path);
        }
    }
}
