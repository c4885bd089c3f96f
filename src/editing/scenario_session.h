#pragma once

#include "user_message.h"
#include "workspace.h"

#include <QString>

// The scenario-wide actions of the editor: reading a scenario into the workspace (with the
// planetary system, bodies, bases, trees and both editors refreshed on the way), choosing a
// planetary system, and changing the user-controlled ship.

// Reads ws.folders.ScnDir + ws.scnfile into the workspace. Returns whether the scan log holds
// entries (the window then shows kScanErrorsWarning).
bool openScenario(Workspace& ws);

// The planetary system list's selection handler: selects `position` and, when it differs from
// the position applied last, reads the system's bodies, empties the scenario and rebuilds the
// bases and trees. Returns whether the system was applied.
bool selectPlanetarySystem(Workspace& ws, int position);

// "Change user-controled ship": the chosen candidate's name (before its first ":").
void changeFocusShip(Workspace& ws);

// Whether the scenario may be saved: at least one ship. When not, the user was told why.
bool checkShipsBeforeSaving(const Workspace& ws, UserDialogs& dialogs);
