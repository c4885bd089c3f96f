#pragma once

#include "editing/find_entries.h"
#include "editing/workspace.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class CoordinateConverter;
class EnvironmentTab;
class ErrorLog;
class FindWindow;
class MessageService;
class PlanetarySystemInformation;
class QAction;
class QLabel;
class QMenu;
class QTimer;
class QTabWidget;
class ScenarioFileWatch;
class ShipTab;
class StationTab;
class SystemMapWindow;

// The editor's main window: menus, the start picture until a scenario is opened, then the tab
// panel with the environment, station and ship editors. It owns the workspace for the whole run
// and opens every other window of the editor.
class Vex : public QMainWindow
{
    Q_OBJECT
public:
    // `startFolder` is the folder the editor was started in: its vex.cfg, when it holds one, is
    // the settings file, else the one in the user's configuration folder.
    explicit Vex(const QString& startFolder, QWidget* parent = nullptr);
    ~Vex() override;

    // The load step: folders, the simulator folder (with the folder search when it is not
    // known), corvane.cfg, the settings file, the catalogue and the menu states. A failure ends
    // in one warning, with Open and Delete disabled. Then `scenarioFile` (as named on the command
    // line, relative to the start folder), when given, is loaded as Load in the open dialog
    // loads a file: ScnDir its folder, scnfile its name. Without a located simulator it is not
    // loaded, as Open is not possible then.
    void start(const QString& scenarioFile = QString());

    Workspace& workspace() { return ws_; }
    QAction* menuItem(const QString& name) const { return menus_.value(name); }

    // Reads `name` in `folder` into the editor, as Load in the open dialog does, and enters the
    // state of an open scenario.
    void loadScenario(const QString& folder, const QString& name, const QString& preview);

    // Keeps the recovery copy of a modified scenario now (or removes it when nothing is modified):
    // the timer after every change does it, and so does a termination signal before the end.
    void keepRecoveryCopy();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void connectMenus();
    void showScenario();

    void openCommand();
    void saveCommand();
    void saveAsCommand();
    void deleteCommand();
    void folderManagementCommand();
    void exitCommand();
    void errorLogCommand();
    void folderSearchCommand();
    void informationCommand();
    void converterCommand();
    void systemMapCommand();
    void showMapObject(bool station, int row);
    void findCommand();
    // The station or ship picked in the find window, shown in its tab through the tab's own path.
    void showFoundEntry(EntryKind kind, int row);
    void aboutCommand();

    // Before the scenario is left (Open, closing): pending form edits settled, then, when the
    // document is modified, "Do you wish to save NAME ?" with Yes (the save-as dialog), No and
    // Cancel. Whether to go on: false on Cancel, or when the save did not happen.
    bool settleDocument();
    bool settleForms();
    void historyChanged();
    void moveInHistory(bool forward);
    void refreshTabs();
    void markTab(int tab, const QString& caption, bool pending);
    // The recovery copy of the scenario at `path`, when one newer than the file is kept and the
    // user takes it; the path to read otherwise.
    QString recoveredOrRead(const QString& path);
    void showRecentScenarios();
    void recentScenarioChosen(const QString& path);
    void fileChangedOutside(bool removed);
    void ownRemovalSeen();
    QString scenarioPath() const;
    // "Saved NAME: 3 stations, 12 ships".
    QString savedMessage() const;
    // The save-as dialog; whether it saved.
    bool showSaveAs();
    void runFolderSearch();
    PlanetarySystemInformation* informationWindow();
    void bodiesChanged();

    Workspace ws_;
    MessageService& messages_;
    QHash<QString, QAction*> menus_;
    QLabel* fileCaption_;
    QLabel* fileName_;
    QLabel* picture_;
    QTabWidget* tabs_;
    EnvironmentTab* environment_;
    StationTab* stations_;
    ShipTab* ships_;
    ScenarioFileWatch* watch_;
    QTimer* recoveryTimer_;
    QMenu* recent_;

    QPointer<PlanetarySystemInformation> information_;
    QPointer<CoordinateConverter> converter_;
    QPointer<SystemMapWindow> systemMap_;
    QPointer<FindWindow> find_;
    QPointer<QWidget> loadFile_;
    QPointer<QWidget> about_;
    QPointer<QWidget> deleteFile_;
    QPointer<ErrorLog> errorLog_;
    QPointer<QWidget> folderSearch_;
    QPointer<QWidget> folderManagement_;
    QPointer<QWidget> saveAs_;
};
