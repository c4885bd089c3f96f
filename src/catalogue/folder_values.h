#pragma once

#include <QString>

// Where the simulator and its files are. Folder values keep a trailing separator so that file
// names are appended directly (CfgDir + "Earth.cfg").
struct FolderValues
{
    QString ProgDir;     // working folder at start, made current again when the editor closes
    QString SettingsDir; // where vex.cfg is read and written: ProgDir when it holds vex.cfg, else
                         // the user's configuration folder (see start_folders.h)
    QString HelpDir;     // where the help file was found: installed data folder, program folder or ProgDir
    QString VexDir;      // the simulator folder, as stored in vex.cfg
    QString ConfigDir;   // value of ConfigDir in corvane.cfg ("\Config\")
    QString ScenarioDir; // value of ScenarioDir in corvane.cfg ("\Scenarios\")
    QString CfgDir;      // VexDir + ConfigDir: the configuration folder
    QString ScnDir;      // current scenario folder; starts as VexDir + ScenarioDir

    // VexDir + ScenarioDir: the top of the scenario tree, which no folder list may leave.
    QString scenarioRoot() const;
};
