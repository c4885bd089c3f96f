#pragma once

#include "field_failure.h"
#include "user_message.h"
#include "workspace.h"

#include <QStringList>

// The station editor ("Orbital station list"): showing a station row in the form, the checks
// that decide what a valid orbital station is, storing an accepted form, adding and deleting.
// Trees that depend on stations are rebuilt in the workspace; the window shows them afterwards.

// Empties the form and the station list (StationTabReset). Check1 and the selections of the
// planet and class lists stay.
void StationTabReset(Workspace& ws);
// Shows the row of the selected station (ws.doc.stationIndex) in the form.
void StationParameterDisplay(Workspace& ws);
// The user picked entry `index` of the station list: that row is shown; typed values are lost.
void selectStation(Workspace& ws, int index);
// Check1 clicked (after the tick changed): "Station class" and disabled, or "0" and enabled.
void stationClassRotationClicked(Workspace& ws, bool ticked);
// "Change Planet" and "Change class": the chosen list entry into the caption.
void changeStationPlanet(Workspace& ws);
void changeStationClass(Workspace& ws);

// Every failed check of a station form, in order, with the fields each one concerns; the body
// file under `cfgDir` is read as validation reads it (through the figures `kept` holds, when
// given), a file that cannot be read logged in `log`.
QVector<FieldFailure<StationForm>> stationFieldFailures(const StationForm& form, const QString& cfgDir,
                                                        ScanLog& log, BodyFigures* kept = nullptr);
// The messages of every failed check, in order; empty when the form is acceptable.
QStringList stationValidationFailures(Workspace& ws);
// "Station parameter validation": shows every failure at once, or stores the form into the
// current row, carries a planet change and a rename to the docked ships, rebuilds the list and
// the trees. Returns whether the form was stored.
bool validateStation(Workspace& ws, UserDialogs& dialogs);
// "Add a new station".
void addStation(Workspace& ws);
// "Delete station": refused, with its message, while a ship names the station as its dock
// station; then asked with kDeleteStationQuestion; then deleted as one step of the history.
bool canDeleteStation(const Workspace& ws, UserDialogs& dialogs);
void deleteStation(Workspace& ws);
inline const UserMessage kDeleteStationQuestion{QStringLiteral("Deleting confirmation"),
                                                QStringLiteral("Are you sure you want to delete the station ?"),
                                                MessageButtons::YesNo, MessageIcon::Question};

inline const QString kStationValidationTitle = QStringLiteral("Station parameter validation not accepted !");
