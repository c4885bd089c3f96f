#pragma once

#include <QString>

// The short messages of the main window's status bar, which tell the user that an action took
// effect without asking anything.

// After a save: "Saved Harbour.scn: 3 stations, 12 ships" ("1 station", "1 ship" for one).
// `scenarioFile` may be a path; only its file name is shown. The counts are those of the rows
// the file holds.
QString savedStatusText(const QString& scenarioFile, int stations, int ships);

// After a validation that stored the form's row: "Station Gateway validated".
QString stationValidatedText(const QString& name);
// After a validation that stored the form's row: "Ship Nightjar validated".
QString shipValidatedText(const QString& name);

// After an undo or a redo of the step that `action` names: "Undone: validate ship Nightjar",
// "Redone: delete station Gateway".
QString undoneText(const QString& action);
QString redoneText(const QString& action);
