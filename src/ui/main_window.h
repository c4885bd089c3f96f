#pragma once

#include "editing/workspace.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class CoordinateConverter;
class EnvironmentTab;
class ErrorLog;
class MessageService;
class PlanetarySystemInformation;
class QAction;
class QLabel;
class QTabWidget;
class ScenarioFileWatch;
class ShipTab;
class StationTab;

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
    void aboutCommand();

    void askToSave();
    void fileChangedOutside(bool removed);
    void ownRemovalSeen();
    QString scenarioPath() const;
    void showSaveAs();
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

    QPointer<PlanetarySystemInformation> information_;
    QPointer<CoordinateConverter> converter_;
    QPointer<QWidget> loadFile_;
    QPointer<QWidget> about_;
    QPointer<QWidget> deleteFile_;
    QPointer<ErrorLog> errorLog_;
    QPointer<QWidget> folderSearch_;
    QPointer<QWidget> folderManagement_;
    QPointer<QWidget> saveAs_;
};
