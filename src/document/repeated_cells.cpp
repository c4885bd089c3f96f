#include "repeated_cells.h"

#include <initializer_list>

namespace {

void sharePooled(QSet<QString>& pool, std::initializer_list<QString*> cells)
{
    for (QString* cell : cells) {
        if (cell->isEmpty())
            continue;
        const auto kept = pool.constFind(*cell);
        if (kept != pool.cend())
            *cell = *kept;
        else
            pool.insert(*cell);
    }
}

} // namespace

void RepeatedCells::share(StationRow& row)
{
    sharePooled(pool_, {&row.ClassName, &row.RefPlanet, &row.RotationFrequency, &row.AngleX, &row.AngleY,
                        &row.AngleZ, &row.Excentricity, &row.Inclination, &row.EpochHour, &row.EpochMinute,
                        &row.RotationKeyword});
}

void RepeatedCells::share(ShipRow& row)
{
    sharePooled(pool_, {&row.ClassName, &row.Status, &row.Planet, &row.Base, &row.DockStation, &row.Heading,
                        &row.DockPort, &row.Pad, &row.ArotX, &row.ArotY, &row.ArotZ, &row.Vrot, &row.Fuel,
                        &row.MainEngine, &row.HoverEngine});
}
