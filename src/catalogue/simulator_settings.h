#pragma once

#include "document/safe_write.h"
#include "folder_values.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The editor's settings file "vex.cfg" (one line: the simulator folder) and the simulator's
// main configuration file "corvane.cfg" (ConfigDir and ScenarioDir).

inline const QString kSettingsFileName = QStringLiteral("vex.cfg");
inline const QString kSimulatorConfigName = QStringLiteral("corvane.cfg");
inline const QString kFolderNotLocatedWarning =
    QStringLiteral("The Corvane folder was not correctly located. You must locate it using the folder search "
                   "in the menu Tools.");

// First line of vex.cfg in `folder` after ClearComments; nullopt when the file is missing,
// unreadable or empty. The file is UTF-8 when its bytes are valid UTF-8, else Windows-1252.
std::optional<QString> readSettingsFile(const QString& folder);

// The simulator folder the lines of vex.cfg name: the first line after ClearComments; nullopt
// when there is no line or it is empty.
std::optional<QString> settingsFolder(const QStringList& lines);

// The simulator folder the vex.cfg in `folder` names, as a full path: a folder written relative
// to `folder` is taken from there.
std::optional<QString> storedSimulatorFolder(const QString& folder);

// Writes `vexDir` as the one line of vex.cfg in `folder`, safely, creating the folder first when
// it does not exist: in Windows-1252 when the path fits it, else in UTF-8, so any folder the user
// can pick is kept.
WriteResult writeSettingsFile(const QString& folder, const QString& vexDir);

// Whether `folder` holds corvane.cfg (any letter case) that can be opened.
bool isSimulatorFolder(const QString& folder);

// The candidate file the folder dialog checks for a folder: no doubled separator for a root.
QString simulatorConfigCandidate(const QString& folder);

// Shows the folder search dialog modally and returns when it is closed. The dialog writes the
// settings file itself when the user validates a folder.
using FolderSearchDialog = std::function<void()>;

// Reads vex.cfg in SettingsDir and proves the simulator folder; when that fails, runs the dialog
// and reads the settings again. Sets VexDir (unchanged when nothing could be established) and
// returns whether a settings file was read. A relative folder in vex.cfg is taken from
// SettingsDir, so VexDir is always a full path. The process working folder is neither read nor
// changed: every later step takes its folder from VexDir.
bool CorvaneFolderLocation(FolderValues& folders, const FolderSearchDialog& dialog);

struct SimulatorConfig
{
    QString ConfigDir;
    QString ScenarioDir;
};

// Reads corvane.cfg in `vexDir` field by field: 'ConfigDir = .\Config\' gives "\Config\"
// (13 characters cut), 'ScenarioDir = .\Scenarios\' gives "\Scenarios\" (15 cut); keys are
// case-sensitive, the last occurrence wins. nullopt when the file cannot be read or a key's
// field is too short to cut.
std::optional<SimulatorConfig> readSimulatorConfig(const QString& vexDir);

// The same reading over the fields of corvane.cfg, read already (see splitFields).
std::optional<SimulatorConfig> simulatorConfigOf(const QStringList& fields);

// CfgDir and ScnDir: VexDir followed by ConfigDir and by ScenarioDir, each with a trailing
// separator (a missing key leaves the simulator folder itself).
void formConfigurationFolders(FolderValues& folders);

// The load handler from the settings file to the configuration folder: CorvaneFolderLocation,
// corvane.cfg, CfgDir and ScnDir, then vex.cfg rewritten with VexDir.
struct SimulatorLocation
{
    // false: the window shows kFolderNotLocatedWarning and keeps Open and Delete disabled. Also
    // false when the configuration folder named by corvane.cfg does not exist.
    bool located = false;
    // The rewrite of vex.cfg (only tried once corvane.cfg was read). A failure is the user's to
    // see, with its path and reason; it does not stop the start.
    std::optional<WriteResult> settingsWrite;
};
SimulatorLocation locateSimulator(FolderValues& folders, const FolderSearchDialog& dialog);
