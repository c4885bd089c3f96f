#pragma once

#include "scenario_model.h"

#include <QSet>

// Cells that hold the same text in many rows (a status word, a body, a class, a level of 0) are
// made to share one copy of it. The reader makes each cell's text anew, so a scenario of 16,000
// ships held a dozen copies of "Orbiting", "Earth" or "0" per ship, some 7 MB in all; the
// values do not change. The reader shares each row as its block closes, so that the copies are
// never all held at once.
class RepeatedCells
{
public:
    // Replaces each cell of `row` that may repeat by the copy of its text this pool holds,
    // adding the texts it lacks.
    void share(StationRow& row);
    void share(ShipRow& row);

private:
    QSet<QString> pool_;
};
