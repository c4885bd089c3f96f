#pragma once

#include "scenario_line.h"
#include "scenario_model.h"

// The statements of a ship block:
//   Shuttle:Falcon
//     STATUS Docked Earth:Gateway:2
//     FUEL 0.8
//     ; anything else is kept as it stands
//   END

// Name and class from the block line; a line without ":" names the ship and leaves the class
// empty (the ship editor then asks for a class where the status needs one).
void readShipBlockLine(const ScenarioLine& line, ShipRow& row);

// Applies a statement line to the row. A malformed statement stores the parts that come before
// what is missing.
StatementRead readShipStatement(const ScenarioLine& line, ShipRow& row);
