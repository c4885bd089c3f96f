#include "main_window.h"

#include "about_box.h"
#include "app_icon.h"
#include "catalogue/simulator_settings.h"
#include "catalogue/start_folders.h"
#include "coordinate_converter.h"
#include "delete_file_dialog.h"
#include "document/file_paths.h"
#include "document/folder_description.h"
#include "document/regular_file.h"
#include "document/scenario_reader.h"
#include "document/scenario_writer.h"
#include "document/recovery_store.h"
#include "editing/recorded_edit.h"
#include "editing/status_texts.h"
#include "editing/save_text_checks.h"
#include "editing/scenario_session.h"
#include "editing/station_editing.h"
#include "environment_tab.h"
#include "error_log.h"
#include "external_programs.h"
#include "find_window.h"
#include "folder_management.h"
#include "folder_search_dialog.h"
#include "main_menus.h"
#include "message_service.h"
#include "open_dialog.h"
#include "recent_scenarios.h"
#include "planetary_system_information.h"
#include "save_as_dialog.h"
#include "scenario_file_watch.h"
#include "ship_tab.h"
#include "start_picture.h"
#include "station_tab.h"
#include "system_map_window.h"
#include "window_geometry.h"
#include "write_failure.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kProductName = QStringLiteral("Corvane Scenario Editor");

void enable(const QHash<QString, QAction*>& menus, std::initializer_list<const char*> names, bool enabled)
{
    for (const char* name : names)
        menus.value(QString::fromLatin1(name))->setEnabled(enabled);
}

// A tab page in a frameless scroll area: the page fills the tab while the window is large enough
// for it, and scrolls in a smaller window (800 x 600) instead of holding the window wide.
QScrollArea* scrolled(QWidget* page, const QString& name)
{
    auto* area = new QScrollArea;
    area->setObjectName(name);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(page);
    return area;
}

// The file dialogs and the about box grey the whole main window out while they are open, and
// it comes back however they end. Made before the dialog, so the dialog itself stays enabled.
class DisabledWhileOpen
{
public:
    explicit DisabledWhileOpen(QWidget* window) : window_(window) { window_->setEnabled(false); }
    ~DisabledWhileOpen() { window_->setEnabled(true); }
    DisabledWhileOpen(const DisabledWhileOpen&) = delete;
    DisabledWhileOpen& operator=(const DisabledWhileOpen&) = delete;

private:
    QWidget* window_;
};

} // namespace

Vex::Vex(const QString& startFolder, QWidget* parent)
    : QMainWindow(parent), messages_(MessageService::instance())
{
    setObjectName(QStringLiteral("Vex"));
    setWindowTitle(kProductName);
    setWindowIcon(applicationIcon());
    setStartFolders(ws_.folders, startFolder);
    buildWindow();
    connectMenus();
    restoreWindowGeometry(this, objectName());
    ws_.history.setListener([this] { historyChanged(); });
}

Vex::~Vex() = default;

void Vex::buildWindow()
{
    menus_ = buildMainMenus(menuBar());

    fileCaption_ = new QLabel;
    fileCaption_->setObjectName(QStringLiteral("Label9"));
    fileName_ = new QLabel;
    fileName_->setObjectName(QStringLiteral("scnfile"));
    fileName_->setToolTip(QStringLiteral("Edited scenario file name"));
    fileName_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = fileName_->font();
    bold.setBold(true);
    fileName_->setFont(bold);
    fileName_->hide();

    picture_ = new QLabel;
    picture_->setObjectName(QStringLiteral("Image5"));
    picture_->setPixmap(startPicture());
    picture_->setAlignment(Qt::AlignCenter);

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    environment_ = new EnvironmentTab(ws_, messages_, [this] { return settleForms(); });
    stations_ = new StationTab(ws_, messages_);
    ships_ = new ShipTab(ws_, messages_);
    tabs_->addTab(scrolled(environment_, QStringLiteral("EnvironmentPage")), QStringLiteral("Description, environment and focus"));
    tabs_->addTab(scrolled(stations_, QStringLiteral("StationPage")), QStringLiteral("Orbital station list"));
    tabs_->addTab(scrolled(ships_, QStringLiteral("ShipPage")), QStringLiteral("Ship list"));
    connect(stations_, &StationTab::pendingChanged, this,
            [this](bool pending) { markTab(1, QStringLiteral("Orbital station list"), pending); });
    connect(ships_, &ShipTab::pendingChanged, this,
            [this](bool pending) { markTab(2, QStringLiteral("Ship list"), pending); });
    connect(stations_, &StationTab::stationValidated, this,
            [this](const QString& name) { statusBar()->showMessage(stationValidatedText(name), 5000); });
    connect(ships_, &ShipTab::shipValidated, this,
            [this](const QString& name) { statusBar()->showMessage(shipValidatedText(name), 5000); });

    // A change is in the recovery copy within two seconds, however fast the user goes on typing.
    recoveryTimer_ = new QTimer(this);
    recoveryTimer_->setSingleShot(true);
    recoveryTimer_->setInterval(1500);
    connect(recoveryTimer_, &QTimer::timeout, this, &Vex::keepRecoveryCopy);

    recent_ = newRecentScenariosMenu(this);
    recent_->menuAction()->setObjectName(recent_->objectName());
    menuBar()->findChild<QMenu*>(QStringLiteral("Menu1"))->insertMenu(menus_.value(QStringLiteral("Menu13")), recent_);
    showRecentScenarios();
    tabs_->hide();

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileCaption_);
    fileRow->addWidget(fileName_);
    fileRow->addStretch();
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(fileRow);
    layout->addWidget(picture_, 1);
    layout->addWidget(tabs_, 1);
    setCentralWidget(central);
    // The status bar is there from the start: made at its first message, it would take its
    // height from the pages then and move them.
    setStatusBar(new QStatusBar);
    resize(1040, 760);

    watch_ = new ScenarioFileWatch(this);
    connect(watch_, &ScenarioFileWatch::changedOutside, this, &Vex::fileChangedOutside);

    connect(stations_, &StationTab::stationsChanged, ships_, &ShipTab::refresh);
    connect(ships_, &ShipTab::shipsChanged, environment_, &EnvironmentTab::refresh);
    connect(environment_, &EnvironmentTab::systemApplied, this, [this] {
        stations_->refresh();
        ships_->refresh();
        bodiesChanged();
    });
}

void Vex::connectMenus()
{
    const std::pair<const char*, void (Vex::*)()> commands[] = {
        {"Menu12", &Vex::openCommand},
        {"Menu13", &Vex::saveCommand},
        {"Menu14", &Vex::saveAsCommand},
        {"Menu11", &Vex::deleteCommand},
        {"Menu17", &Vex::folderManagementCommand},
        {"Menu16", &Vex::exitCommand},
        {"Menu35", &Vex::errorLogCommand},
        {"Menu32", &Vex::folderSearchCommand},
        {"Menu31", &Vex::informationCommand},
        {"Menu34", &Vex::converterCommand},
        {"SystemMapMenu", &Vex::systemMapCommand},
        {"MenuFind", &Vex::findCommand},
        {"Menu22", &Vex::aboutCommand},
    };
    for (const auto& [name, command] : commands)
        connect(menus_.value(QString::fromLatin1(name)), &QAction::triggered, this, command);
    connect(menus_.value(QStringLiteral("MenuUndo")), &QAction::triggered, this, [this] { moveInHistory(false); });
    connect(menus_.value(QStringLiteral("MenuRedo")), &QAction::triggered, this, [this] { moveInHistory(true); });
    connect(menus_.value(QStringLiteral("Menu33")), &QAction::triggered, this,
            [this] { startCalculator(messages_); });
    connect(menus_.value(QStringLiteral("Menu21")), &QAction::triggered, this,
            [this] { showHelpFile(ws_.folders.HelpDir, this); });
}

void Vex::start(const QString& scenarioFile)
{
    const SimulatorLocation location = locateSimulator(ws_.folders, [this] { runFolderSearch(); });
    if (location.settingsWrite && !location.settingsWrite->ok)
        messages_.inform(writeFailureMessage(*location.settingsWrite));
    if (!location.located) {
        enable(menus_, {"Menu12", "Menu11"}, false);
        messages_.inform({QStringLiteral("Warning"), kFolderNotLocatedWarning, MessageButtons::Ok,
                          MessageIcon::Information});
        return;
    }
    // The scan of a large configuration folder takes seconds: the busy pointer shows meanwhile,
    // over a window that has painted its start picture first instead of staying blank.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (isVisible())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    ws_.catalogue = buildCatalogue(ws_.folders.CfgDir, ws_.doc.scanLog);
    QApplication::restoreOverrideCursor();
    ws_.planetarySystems = ws_.catalogue.planetarySystems;
    ws_.stationForm.stationClassIndex = ws_.catalogue.stationClasses.isEmpty() ? -1 : 0;
    environment_->refresh();
    stations_->refresh();
    ships_->refresh();
    enable(menus_, {"Menu12", "Menu11"}, true);
    QString file = scenarioFile;
    // Started without a file after a crash: the scenario whose unsaved changes were kept last is
    // opened, and opening it offers them.
    if (file.isEmpty()) {
        for (const RecoveryCopy& copy : recoveryCopies(recoveryFolder())) {
            if (isRecoveryOffered(copy) && QFileInfo(copy.scenarioPath).isFile()) {
                file = copy.scenarioPath;
                break;
            }
        }
    }
    if (!file.isEmpty()) {
        const QFileInfo info(QDir(ws_.folders.ProgDir), file);
        loadScenario(withTrailingSeparator(info.absolutePath()), info.fileName(),
                     readDescriptionBlock(info.absoluteFilePath()));
    }
}

void Vex::loadScenario(const QString& folder, const QString& name, const QString& preview)
{
    enable(menus_, {"Menu13", "Menu14", "Menu17"}, true);
    fileCaption_->setText(QStringLiteral("Scenario file"));
    fileName_->show();
    picture_->hide();

    ws_.folders.ScnDir = folder;
    ws_.scnfile = name;
    ws_.doc.description = preview;
    const QString path = scenarioPath();
    const QString read = recoveredOrRead(path);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool scanErrors = openScenarioFrom(ws_, read);
    QApplication::restoreOverrideCursor();
    if (read != path)
        ws_.history.markModified();
    addRecentScenario(path);
    showRecentScenarios();
    watch_->watch(scenarioPath());
    fileName_->setText(ws_.scnfile);
    historyChanged();
    refreshTabs();
    // Every read goes back to the system's default body, as a chosen system does, even when the
    // body list stayed the same.
    bodiesChanged();
    if (errorLog_)
        errorLog_->showLog(ws_.doc.scanLog);
    else
        errorLog_ = new ErrorLog(ws_.doc.scanLog, this);

    showScenario();
    if (scanErrors)
        messages_.inform(
            {QStringLiteral("Warning"), kScanErrorsWarning, MessageButtons::Ok, MessageIcon::Exclamation});
}

QString Vex::recoveredOrRead(const QString& path)
{
    const std::optional<RecoveryCopy> copy = findRecoveryCopy(recoveryFolder(), path);
    if (!copy || !isRecoveryOffered(*copy))
        return path;
    const bool restore = messages_.confirm(
        {kProductName, recoveryQuestion(path, copy->written), MessageButtons::YesNo, MessageIcon::Question});
    if (restore)
        return copy->filePath;
    removeRecoveryCopy(recoveryFolder(), path);
    return path;
}

void Vex::keepRecoveryCopy()
{
    recoveryTimer_->stop();
    if (ws_.scnfile.isEmpty())
        return;
    // A copy that cannot be written is no reason to interrupt the user; the next change tries again.
    if (ws_.history.isModified())
        writeRecoveryCopy(recoveryFolder(), scenarioPath(), scenarioFileText(ws_.doc));
    else
        removeRecoveryCopy(recoveryFolder(), scenarioPath());
}

void Vex::showRecentScenarios()
{
    fillRecentScenariosMenu(recent_, readRecentScenarios(),
                            [this](const QString& path) { recentScenarioChosen(path); });
}

void Vex::recentScenarioChosen(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        removeRecentScenario(path);
        showRecentScenarios();
        messages_.inform({kProductName,
                          QStringLiteral("The scenario ") + path +
                              QStringLiteral(" no longer exists; it was removed from the recent scenarios."),
                          MessageButtons::Ok, MessageIcon::Information});
        return;
    }
    if (!menus_.value(QStringLiteral("Menu12"))->isEnabled() || !settleDocument())
        return;
    const QFileInfo file(path);
    loadScenario(withTrailingSeparator(file.absolutePath()), file.fileName(), readDescriptionBlock(path));
}

QString Vex::scenarioPath() const
{
    return resolvePath(joinPath(ws_.folders.ScnDir, ws_.scnfile));
}

void Vex::fileChangedOutside(bool removed)
{
    if (removed) {
        messages_.inform({QStringLiteral("Warning"),
                          QStringLiteral("The file ") + ws_.scnfile +
                              QStringLiteral(" was removed or renamed by another program. The scenario stays "
                                             "open; Save writes it again."),
                          MessageButtons::Ok, MessageIcon::Exclamation});
        return;
    }
    const bool reread = messages_.confirm(
        {QStringLiteral("Warning"),
         QStringLiteral("The file ") + ws_.scnfile +
             QStringLiteral(" was changed by another program. Do you wish to read it again? The changes made "
                            "in the editor since it was read are then lost."),
         MessageButtons::YesNo, MessageIcon::Question});
    if (reread)
        loadScenario(ws_.folders.ScnDir, ws_.scnfile, readDescriptionBlock(scenarioPath()));
}

void Vex::showScenario()
{
    if (tabs_->isHidden()) {
        tabs_->setCurrentIndex(0);
        tabs_->show();
    }
    enable(menus_, {"Menu31", "Menu35", "Menu12", "MenuFind"}, true);
}

void Vex::openCommand()
{
    if (!settleDocument())
        return;
    QString folder;
    QString name;
    QString preview;
    {
        const DisabledWhileOpen disabled(this);
        LoadFile dialog(ws_.folders, this);
        loadFile_ = &dialog;
        if (messages_.runModal(dialog) != QDialog::Accepted)
            return;
        folder = dialog.chosenFolder();
        name = dialog.chosenName();
        preview = dialog.preview();
    }
    if (!name.isEmpty())
        loadScenario(folder, name, preview);
}

bool Vex::settleForms()
{
    return stations_->settlePending() && ships_->settlePending();
}

bool Vex::settleDocument()
{
    if (ws_.scnfile.isEmpty())
        return true;
    if (!settleForms())
        return false;
    if (!ws_.history.isModified())
        return true;
    switch (messages_.ask({kProductName, QStringLiteral("Do you wish to save ") + ws_.scnfile + QStringLiteral(" ?"),
                           MessageButtons::YesNoCancel, MessageIcon::Question})) {
    case MessageAnswer::Yes:
        return showSaveAs();
    case MessageAnswer::No:
        removeRecoveryCopy(recoveryFolder(), scenarioPath());
        return true;
    default:
        return false;
    }
}

void Vex::historyChanged()
{
    // Qt shows the "*" in place of "[*]" while the window is marked modified.
    setWindowTitle(ws_.scnfile.isEmpty() ? kProductName
                                         : ws_.scnfile + QStringLiteral("[*] \u2014 ") + kProductName);
    setWindowFilePath(ws_.scnfile.isEmpty() ? QString() : scenarioPath());
    setWindowModified(ws_.history.isModified());
    if (!recoveryTimer_->isActive())
        recoveryTimer_->start();
    QAction* undo = menus_.value(QStringLiteral("MenuUndo"));
    QAction* redo = menus_.value(QStringLiteral("MenuRedo"));
    undo->setEnabled(ws_.history.canUndo());
    redo->setEnabled(ws_.history.canRedo());
    undo->setText(ws_.history.canUndo() ? QStringLiteral("&Undo ") + ws_.history.undoText() : QStringLiteral("&Undo"));
    redo->setText(ws_.history.canRedo() ? QStringLiteral("&Redo ") + ws_.history.redoText() : QStringLiteral("&Redo"));
}

void Vex::moveInHistory(bool forward)
{
    ws_.history.seal();
    const EditStep* step = forward ? ws_.history.stepToRedo() : ws_.history.stepToUndo();
    if (!step)
        return;
    // The step shows the rows it changes anew: what the user typed there is settled first.
    // Read before settling: a validation there records a step, which may move the history's steps.
    const bool systemChanged = step->systemChanged;
    const bool stations = systemChanged || step->change.touchesStations();
    const bool ships = systemChanged || step->change.touchesShips();
    if ((stations && !stations_->settlePending()) || (ships && !ships_->settlePending()))
        return;
    // Validating a pending form may itself have added a step: take the newest one then.
    const QString text = forward ? ws_.history.redoText() : ws_.history.undoText();
    const std::optional<EditTarget> target = forward ? redoEdit(ws_) : undoEdit(ws_);
    if (!target)
        return;
    refreshTabs();
    if (systemChanged)
        bodiesChanged();
    tabs_->setCurrentIndex(static_cast<int>(*target));
    statusBar()->showMessage(forward ? redoneText(text) : undoneText(text), 5000);
}

void Vex::refreshTabs()
{
    environment_->refresh();
    stations_->refresh();
    ships_->refresh();
}

void Vex::markTab(int tab, const QString& caption, bool pending)
{
    tabs_->setTabText(tab, pending ? caption + QStringLiteral(" *") : caption);
    tabs_->setTabToolTip(tab, pending ? QStringLiteral("Holds changes that are not validated yet") : QString());
}

bool Vex::showSaveAs()
{
    const QString before = scenarioPath();
    bool saved = false;
    {
        const DisabledWhileOpen disabled(this);
        SaveAs dialog(ws_, messages_, this);
        saveAs_ = &dialog;
        saved = messages_.runModal(dialog) == QDialog::Accepted;
    }
    if (saved) {
        // The copy belonged to the file as it was named before the save.
        removeRecoveryCopy(recoveryFolder(), before);
        ws_.history.markClean();
        addRecentScenario(scenarioPath());
        showRecentScenarios();
    }
    fileName_->setText(ws_.scnfile);
    // Saved under another name, or over the open file: what is there now is the editor's own.
    const QString after = scenarioPath();
    if (after != before || readRegularFile(after) == scenarioFileText(ws_.doc))
        watch_->watch(after);
    return saved;
}

void Vex::saveCommand()
{
    if (!settleForms() || !checkShipsBeforeSaving(ws_, messages_) || !checkTextBeforeSaving(ws_.doc, messages_))
        return;
    if (watch_->changedSinceRead()) {
        const bool overwrite = messages_.confirm(
            {QStringLiteral("Warning"),
             QStringLiteral("The file ") + ws_.scnfile +
                 QStringLiteral(
                     " was changed by another program since it was read. Do you wish to overwrite it?"),
             MessageButtons::YesNo, MessageIcon::Question});
        if (!overwrite)
            return;
    }
    const WriteResult written = ScenarioFileSaving(joinPath(ws_.folders.ScnDir, ws_.scnfile), ws_.doc);
    if (!written.ok) {
        messages_.inform(writeFailureMessage(written));
        return;
    }
    watch_->watch(scenarioPath());
    ws_.history.markClean();
    // The changes the copy kept are in the file now.
    removeRecoveryCopy(recoveryFolder(), scenarioPath());
    addRecentScenario(scenarioPath());
    showRecentScenarios();
    statusBar()->showMessage(savedMessage(), 5000);
}

QString Vex::savedMessage() const
{
    return savedStatusText(ws_.scnfile, static_cast<int>(ws_.doc.stationNames.size()),
                           static_cast<int>(ws_.doc.shipNames.size()));
}

void Vex::saveAsCommand()
{
    if (settleForms() && checkShipsBeforeSaving(ws_, messages_) && showSaveAs())
        statusBar()->showMessage(savedMessage(), 5000);
}

void Vex::deleteCommand()
{
    const DisabledWhileOpen disabled(this);
    DeleteFile dialog(ws_, this);
    deleteFile_ = &dialog;
    messages_.runModal(dialog);
    ownRemovalSeen();
}

void Vex::folderManagementCommand()
{
    FolderManagement dialog(ws_, this);
    folderManagement_ = &dialog;
    messages_.runModal(dialog);
    ownRemovalSeen();
}

void Vex::ownRemovalSeen()
{
    // The open file deleted, or its folder removed, through the editor's own windows is no
    // change by another program.
    if (!ws_.scnfile.isEmpty() && !QFileInfo::exists(scenarioPath()))
        watch_->watch(scenarioPath());
}

void Vex::exitCommand()
{
    const bool leave =
        messages_.confirm({QStringLiteral("Exit confirmation"),
                           QStringLiteral("Are you sure you want to leave Corvane Scenario Editor?"),
                           MessageButtons::YesNo, MessageIcon::Question});
    if (!leave)
        return;
    close();
}

void Vex::errorLogCommand()
{
    if (!errorLog_)
        errorLog_ = new ErrorLog(ws_.doc.scanLog, this);
    messages_.runModal(*errorLog_);
    // Closed by any means, the window is discarded: the next showing reads the log again.
    delete errorLog_;
}

void Vex::runFolderSearch()
{
    const QString vexDir = resolvePath(ws_.folders.VexDir);
    const QString startFolder =
        !ws_.folders.VexDir.isEmpty() && QFileInfo(vexDir).isDir() ? vexDir : ws_.folders.ProgDir;
    CorvaneFolderSearch dialog(ws_.folders.SettingsDir, startFolder, messages_, this);
    folderSearch_ = &dialog;
    messages_.runModal(dialog);
}

void Vex::folderSearchCommand()
{
    runFolderSearch();
    // The folder chosen takes effect at the next start (the dialog says so); only VexDir follows.
    if (const auto stored = storedSimulatorFolder(ws_.folders.SettingsDir))
        ws_.folders.VexDir = *stored;
}

PlanetarySystemInformation* Vex::informationWindow()
{
    if (!information_) {
        information_ = new PlanetarySystemInformation(ws_, this);
        information_->loadStep(menus_.value(QStringLiteral("Menu31"))->isEnabled());
    }
    return information_;
}

void Vex::bodiesChanged()
{
    informationWindow()->bodiesChanged();
}

void Vex::informationCommand()
{
    PlanetarySystemInformation* window = informationWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

void Vex::converterCommand()
{
    if (!converter_) {
        converter_ = new CoordinateConverter(this);
        converter_->setAttribute(Qt::WA_DeleteOnClose);
    }
    converter_->show();
    converter_->raise();
    converter_->activateWindow();
}

void Vex::systemMapCommand()
{
    if (!systemMap_) {
        systemMap_ = new SystemMapWindow(ws_, this);
        systemMap_->setAttribute(Qt::WA_DeleteOnClose);
        connect(systemMap_, &SystemMapWindow::objectClicked, this, &Vex::showMapObject);
    }
    systemMap_->refresh();
    systemMap_->show();
    systemMap_->raise();
    systemMap_->activateWindow();
}

void Vex::showMapObject(bool station, int row)
{
    // A click on the map picks the row as its list does, with the same question for pending edits.
    if (station ? stations_->showStation(row) : ships_->showShip(row))
        tabs_->setCurrentIndex(station ? 1 : 2);
}

void Vex::findCommand()
{
    if (!find_) {
        find_ = new FindWindow(ws_, this);
        connect(find_, &FindWindow::entryChosen, this, &Vex::showFoundEntry);
    }
    find_->showForSearch();
}

void Vex::showFoundEntry(EntryKind kind, int row)
{
    const bool station = kind == EntryKind::Station;
    if (station ? stations_->showStation(row) : ships_->showShip(row))
        tabs_->setCurrentIndex(station ? 1 : 2);
}

void Vex::aboutCommand()
{
    const DisabledWhileOpen disabled(this);
    About dialog(this);
    about_ = &dialog;
    messages_.runModal(dialog);
}

void Vex::closeEvent(QCloseEvent* event)
{
    if (!settleDocument()) {
        event->ignore();
        return;
    }
    QDir::setCurrent(ws_.folders.ProgDir);
    // Not being able to remember the window's place is no reason to keep it open or to ask.
    saveWindowGeometry(this, objectName());
    const QPointer<QWidget> windows[] = {information_.data(),  converter_.data(),        loadFile_.data(),
                                         about_.data(),        deleteFile_.data(),       errorLog_.data(),
                                         folderSearch_.data(), folderManagement_.data(), saveAs_.data()};
    for (const QPointer<QWidget>& window : windows) {
        if (window)
            window->close();
    }
    event->accept();
}
