#pragma once

#include "folder_values.h"

#include <QString>
#include <QStringList>

// Where the editor keeps its settings file and finds its help file. A vex.cfg in the start-up
// folder keeps the editor portable (a copy run from its own folder, the run script, the tests);
// an installed editor, started from a menu in the user's home folder, keeps vex.cfg in the
// user's configuration folder instead and writes nothing into the folder it was started from.

inline const QString kHelpFileName = QStringLiteral("Corvane Scenario Editor v109.hlp");

// The folder whose vex.cfg the editor reads and writes: `startFolder` when vex.cfg (any letter
// case) exists there, else `configFolder`.
QString settingsFolder(const QString& startFolder, const QString& configFolder);

// This program's folder in the user's configuration folder (QStandardPaths::AppConfigLocation,
// $XDG_CONFIG_HOME/<program name>, by default ~/.config/<program name>). It may not exist yet:
// writing the settings file creates it.
QString userConfigFolder();

// The folders the help file is looked for in, in order: the installed data folder (found from
// the program's folder), the program's folder, the start-up folder.
QStringList helpFolderCandidates(const QString& programFolder, const QString& startFolder);

// The first of `folders` that holds `fileName` (any letter case); the last one when none does,
// so that the failure to open the file names a folder where it was looked for.
QString folderHolding(const QStringList& folders, const QString& fileName);

// ProgDir (the start-up folder), SettingsDir (settingsFolder with the user's configuration
// folder) and HelpDir (folderHolding among the help folders of this program), each with a
// trailing separator. Decided once, at start.
void setStartFolders(FolderValues& folders, const QString& startFolder);
