#pragma once

#include "scenario.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the reader asks of the editor around it while it reads. The editor refreshes its body
// lists, bases, trees and editors here; a reader without a window (the command-line tool)
// uses this class as it is, which does nothing.
class ScenarioReaderHost
{
public:
    virtual ~ScenarioReaderHost() = default;

    // The file names its planetary system (after the start date has been read). The host
    // selects the system in its catalogue and applies it when it is not the one applied last,
    // which may empty the tables, the name lists, the focus ship and the description (the reader
    // fills them again afterwards). The start date must be left as it is; the scan log may only grow.
    virtual void planetarySystemNamed(Scenario& /*doc*/, const QString& /*name*/) {}
    // The description has been read: the bases of the system are rebuilt.
    virtual void descriptionRead(Scenario& /*doc*/) {}
    // Before stations are read: the station editor is cleared.
    virtual void stationTabReset(Scenario& /*doc*/) {}
    // After the station step, also when it failed or found no station: show the selected
    // station and rebuild the station and base trees.
    virtual void stationsRead(Scenario& /*doc*/) {}
    // After the ship step and the selection of the first ship and vessel class: show the ship
    // and mark the occupied docks and pads.
    virtual void shipsRead(Scenario& /*doc*/) {}
};

// Reads the scenario file at `path` into `doc`, replacing its content. Never throws and never
// stops on bad input: every failure is logged in doc.scanLog.
void TabSettings(const QString& path, Scenario& doc, ScenarioReaderHost& host);

// The same read over the lines of a file already in memory; std::nullopt stands for a file that
// could not be read. `path` only names the file in the scan log.
void readScenarioLines(const QString& path, std::optional<QStringList> lines, Scenario& doc,
                       ScenarioReaderHost& host);

// The start date taken when the file has no usable Date statement: 2000-01-01 12:00.
inline constexpr double kFallbackStartMjd = 51544.5;

// The warning the editor shows at the end of a read when the scan log holds entries, and the
// text of the error log window otherwise.
inline const QString kScanErrorsWarning = QStringLiteral(
    "Errors were found during file scanning; you can display them through the menu Tools/Error Log !");
inline const QString kNoScanErrors =
    QStringLiteral("No errors were found during file scanning for this scenario.");
