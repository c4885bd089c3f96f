#pragma once

#include <QRectF>
#include <QVector>

// Where names go on a map: each label at the place it asks for, unless an earlier label is
// already there; then one line lower, and lower again, until it overlaps none. Objects a few
// kilometres apart (a ship parked beside a station) are one pixel apart at any useful scale,
// and their names would be printed over each other.
QVector<QRectF> placedLabels(const QVector<QRectF>& wanted);
