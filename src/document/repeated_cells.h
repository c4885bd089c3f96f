#pragma once

#include "scenario_model.h"

// Cells that hold the same text in many rows (a status word, a body, a class, a level of 0) are
// made to share one copy of it. The reader makes each cell's text anew, so a scenario of 16,000
// ships held a dozen copies of "Orbiting", "Earth" or "0" per ship, some 7 MB in all; the
// values do not change.
void shareRepeatedCells(StationTable& stations);
void shareRepeatedCells(ShipTable& ships);
