#pragma once

#include "safe_write.h"
#include "scenario.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The scenario in the simulator's file format: the whole file, Windows-1252, CR LF line ends.
// Rows in use without a name (added, never validated) are left out.
QByteArray scenarioFileText(const Scenario& doc);

// The lines of that file, before they are encoded.
QStringList scenarioFileLines(const Scenario& doc);

// Writes the scenario to `path` safely (the old file stays intact when writing fails).
WriteResult ScenarioFileSaving(const QString& path, const Scenario& doc);

// Whether the file would hold at least one ship (a ship row in use with a name); the editor
// refuses to save a scenario without one.
bool hasWrittenShip(const Scenario& doc);
