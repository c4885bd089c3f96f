#pragma once

#include <QRectF>
#include <QVector>

#include <optional>

// Where names go on a map: each label at the place it asks for, unless an earlier label is
// already there; then one line lower, and lower again, until it overlaps none. Objects a few
// kilometres apart (a ship parked beside a station) are one pixel apart at any useful scale,
// and their names would be printed over each other. A name that would have to move more than
// `maxLines` lines down is left out (none): so far from its object it would read as the name of
// another one, and a crowded centre would push a long column of names off the map. Zooming in
// spreads the objects and brings the names back.
QVector<std::optional<QRectF>> placedLabels(const QVector<QRectF>& wanted, int maxLines = 3);
