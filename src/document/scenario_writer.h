#pragma once

#include "safe_write.h"
#include "scenario.h"

#include <QByteArray>
#include <QString>

// The scenario in the simulator's file format: the whole file, Windows-1252, CR LF line ends.
QByteArray scenarioFileText(const Scenario& doc);

// Writes the scenario to `path` safely (the old file stays intact when writing fails).
WriteResult ScenarioFileSaving(const QString& path, const Scenario& doc);
