#include "scenario_model.h"

#include <algorithm>

namespace {

template <typename Row>
void redim(QVector<Row>& rows, qsizetype upperBound)
{
    rows = QVector<Row>(std::max<qsizetype>(upperBound + 1, 0));
}

template <typename Row>
void redimPreserve(QVector<Row>& rows, qsizetype upperBound)
{
    rows.resize(std::max<qsizetype>(upperBound + 1, 0));
}

} // namespace

void StationTable::StationTableRedim(qsizetype iIndex)
{
    redim(rows, iIndex);
}

void StationTable::StationTableRedimPreserve(qsizetype t)
{
    redimPreserve(rows, t);
}

void StationTable::StationTableBlanking(qsizetype iIndex)
{
    StationRow blank;
    blank.UseClassRotation = true;
    rows[iIndex] = blank;
}

void ShipTable::ShipTableRedim(qsizetype t)
{
    redim(rows, t);
}

void ShipTable::ShipTableRedimPreserve(qsizetype t)
{
    redimPreserve(rows, t);
}

void ShipTable::ShipTableBlanking(qsizetype iIndex)
{
    ShipRow& row = rows[iIndex];
    ShipRow blank;
    blank.Name = row.Name;
    blank.ExtraLines = row.ExtraLines;
    blank.Comments = row.Comments;
    blank.Heading = QStringLiteral("Toto");
    const QString zero = QStringLiteral("0");
    blank.RposX = blank.RposY = blank.RposZ = zero;
    blank.RvelX = blank.RvelY = blank.RvelZ = zero;
    blank.ArotX = blank.ArotY = blank.ArotZ = zero;
    blank.Vrot = blank.Fuel = blank.MainEngine = blank.HoverEngine = zero;
    row = blank;
}
