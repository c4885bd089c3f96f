#include "repeated_cells.h"

#include <QSet>

#include <initializer_list>

namespace {

// Replaces each of the cells by the copy of its text the pool holds, adding those it lacks.
void share(QSet<QString>& pool, std::initializer_list<QString*> cells)
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

void shareRepeatedCells(StationTable& stations)
{
    QSet<QString> pool;
    for (qsizetype i = 0; i < stations.rowCount(); ++i) {
        StationRow& row = stations[i];
        share(pool, {&row.ClassName, &row.RefPlanet, &row.RotationFrequency, &row.AngleX, &row.AngleY,
                     &row.AngleZ, &row.Excentricity, &row.Inclination, &row.EpochHour, &row.EpochMinute,
                     &row.RotationKeyword});
    }
}

void shareRepeatedCells(ShipTable& ships)
{
    QSet<QString> pool;
    for (qsizetype i = 0; i < ships.rowCount(); ++i) {
        ShipRow& row = ships[i];
        share(pool, {&row.ClassName, &row.Status, &row.Planet, &row.Base, &row.DockStation, &row.Heading,
                     &row.DockPort, &row.Pad, &row.ArotX, &row.ArotY, &row.ArotZ, &row.Vrot, &row.Fuel,
                     &row.MainEngine, &row.HoverEngine});
    }
}
