#pragma once

#include "field_failure.h"
#include "user_message.h"
#include "workspace.h"

#include <QStringList>

// The ship editor ("Ship list"): showing a ship row in the form by status, the checks of each
// status, storing an accepted form, the ship list rebuild, the focus ship check, the status
// options, the level sliders, adding and deleting ships.

// Empties the form (ShipTabReset): no status, frames hidden, labels and boxes empty; the
// sliders stay where they are.
void ShipTabReset(Workspace& ws);
// Shows the row of the selected ship (ws.doc.shipIndex); nothing while the ship list is empty.
// Showing a ship changes no table cell.
void ShipParameterDisplay(Workspace& ws);
// The user picked entry `index` of the ship list: reset, then show it.
void selectShip(Workspace& ws, int index);

// A status option clicked: its frame is shown; Landed and Docked disable the engine labels and
// set them to "0", Orbiting enables them.
void shipStatusClicked(Workspace& ws, ShipStatusOption option);
// A slider moved (by the user or the program): its label shows the position and " %".
enum class ShipSlider { Fuel, MainEngine, HoverEngine };
void shipSliderChanged(Workspace& ws, ShipSlider slider, int position);
// "75 %" for 75.
QString sliderLabel(int position);

// "Change class" and "Change planet": the chosen list entry into the caption.
void changeShipClass(Workspace& ws);
void changeShipPlanet(Workspace& ws);
// A double click on a free dock or pad of the trees.
void dockChosen(Workspace& ws, const PlaceLabels& labels);
void padChosen(Workspace& ws, const PlaceLabels& labels);

// Every failed check of the selected status, in order, with the text fields each one concerns;
// the body file under `cfgDir` is read as validation reads it, a file that cannot be read logged
// in `log` (through the figures `kept` holds, when given).
QVector<FieldFailure<ShipForm>> shipFieldFailures(const ShipForm& form, const QString& cfgDir, ScanLog& log,
                                                  BodyFigures* kept = nullptr);
// The messages of every failed check of the selected status, in order.
QStringList shipValidationFailures(Workspace& ws);
// "Ship parameter validation": shows every failure at once, or stores the form into the
// current row, rebuilds the ship list, shows the ship again, checks the focus ship and marks
// the trees. Returns whether the form was stored.
bool validateShip(Workspace& ws, UserDialogs& dialogs);

// Rebuilds the ship list and the focus candidates from the table.
void rebuildShipList(Workspace& ws);
// Moves the focus to the first ship when it names no listed ship; whether it moved.
bool moveFocusToListedShip(Workspace& ws);
// The same, with its warning when the focus moved.
void checkFocusShip(Workspace& ws, UserDialogs& dialogs);
inline const UserMessage kFocusMovedWarning{
    QStringLiteral("Warning"),
    QStringLiteral("As the user-controled ship was no longer valid in the scenario, it has been set to the "
                   "first possible ship !"),
    MessageButtons::Ok, MessageIcon::Information};

// "Add a new ship", one step of the history.
void addShip(Workspace& ws);

// "Delete ship", one step of the history. It asks and tells nothing, so that it can be done again
// without a word: the window asks kDeleteShipQuestion first and then shows the notices of what
// the deletion came to.
struct ShipDeletion
{
    bool lastShipKept = false; // the only ship of the scenario is never deleted
    bool allShipsGone = false; // the list is empty: the focus ship went with the ships
    bool focusMoved = false;   // the focus ship was deleted: the focus moved to the first ship
};
ShipDeletion deleteShip(Workspace& ws);
// The messages that tell what a deletion came to, in the order they are shown.
QVector<UserMessage> shipDeletionNotices(const ShipDeletion& deletion);
inline const UserMessage kDeleteShipQuestion{QStringLiteral("Deleting confirmation"),
                                             QStringLiteral("Are you sure you want to delete the ship ?"),
                                             MessageButtons::YesNo, MessageIcon::Question};
inline const UserMessage kLastShipKeptNotice{
    QStringLiteral("Warning"),
    QStringLiteral("You may not delete this ship : the scenario must keep at least one ship !"),
    MessageButtons::Ok, MessageIcon::Information};
inline const UserMessage kAllShipsDeletedWarning{
    QStringLiteral("Warning"),
    QStringLiteral(
        "You have deleted all the ships : the ship focus is also deleted. Do not save this scenario "
        "until a new ship is created !"),
    MessageButtons::Ok, MessageIcon::Exclamation};

inline const QString kShipValidationTitle = QStringLiteral("Ship parameter validation not accepted !");
