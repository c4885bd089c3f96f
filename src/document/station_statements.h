#pragma once

#include "scenario_line.h"
#include "scenario_model.h"

// The statements of a station block:
//   Gateway:Ringstation
//     REF Earth
//     EL_MJD 51544.5
//     ELEMENTS 6778000 0.0005 51.6 10 20 30
//     AROT 0 90 0
//     ZROT_FREQ 0.01
//   END

// Name and class from the block line; a line without ":" names both.
void readStationBlockLine(const ScenarioLine& line, StationRow& row);

// Applies a statement line to the row; `julianDate` takes each epoch read (day number).
// Malformed: a statement too short for its value ('REF' alone), a frequency without its
// blank, ELEMENTS with fewer than six values or AROT with fewer than three (which store nothing).
StatementRead readStationStatement(const ScenarioLine& line, StationRow& row, double& julianDate);
