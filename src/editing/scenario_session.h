#pragma once

#include "user_message.h"
#include "workspace.h"

#include <QString>

// The scenario-wide actions of the editor: reading a scenario into the workspace (with the
// planetary system, bodies, bases, trees and both editors refreshed on the way), choosing a
// planetary system, and changing the user-controlled ship.

// Reads ws.folders.ScnDir + ws.scnfile into the workspace, with a new history. Returns whether the scan log holds
// entries (the window then shows kScanErrorsWarning).
bool openScenario(Workspace& ws);
// The same, reading the document from `path` (a recovery copy) while the workspace still names
// ws.folders.ScnDir + ws.scnfile as the scenario it edits.
bool openScenarioFrom(Workspace& ws, const QString& path);

// The planetary system list's selection handler: selects `position` and, when it differs from
// the position applied last, reads the system's bodies, empties the scenario and rebuilds the
// bases and trees. Returns whether the system was applied.
bool selectPlanetarySystem(Workspace& ws, int position);

// The same chosen by the user: one step of the history when the system was applied.
bool choosePlanetarySystem(Workspace& ws, int position);

// "Change user-controled ship": the chosen candidate's name (before its first ":").
void changeFocusShip(Workspace& ws);

// The scenario-wide values as the user edits them, each change one step of the history; typing
// in the description goes on in one step until the history is sealed.
void setDescription(Workspace& ws, const QString& description);
void setStartDate(Workspace& ws, const QDate& date);
void setStartTime(Workspace& ws, int hour, int minute);

// Whether the scenario may be saved: at least one ship. When not, the user was told why.
bool checkShipsBeforeSaving(const Workspace& ws, UserDialogs& dialogs);
