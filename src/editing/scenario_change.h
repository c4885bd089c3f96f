#pragma once

#include "document/scenario.h"

#include <QStringList>
#include <QVector>

// What one edit changed in a scenario, and only that: the scenario-wide values before and after,
// and for each table and name list the one stretch of entries that differs (the entries before
// the edit and those after it). An edit of one ship holds that ship's row twice, never a copy of
// the document, and applying the change backwards or forwards restores either side exactly.
// View state (shown rows, the focus list position, the scan log) is not part of a change.

// The values of a scenario that are not rows.
struct ScenarioValues
{
    QString description;
    QString planetarySystem;
    QDate startDate;
    int startHour = 0;
    int startMinute = 0;
    QString shipFocus;

    bool operator==(const ScenarioValues&) const = default;
};

ScenarioValues scenarioValues(const Scenario& doc);
void setScenarioValues(Scenario& doc, const ScenarioValues& values);

// Entries [at, at + before.size()) of a list became `after`.
template <typename T>
struct Splice
{
    qsizetype at = 0;
    QVector<T> before;
    QVector<T> after;

    bool isEmpty() const { return before.isEmpty() && after.isEmpty(); }
};

struct ScenarioChange
{
    bool valuesChanged = false;
    ScenarioValues valuesBefore;
    ScenarioValues valuesAfter;
    Splice<StationRow> stations;
    Splice<ShipRow> ships;
    Splice<QString> stationNames;
    Splice<QString> shipNames;
    Splice<QString> possibleShipFocus;

    bool isEmpty() const;
    bool touchesStations() const { return !stations.isEmpty() || !stationNames.isEmpty(); }
    bool touchesShips() const { return !ships.isEmpty() || !shipNames.isEmpty() || !possibleShipFocus.isEmpty(); }
};

// The change that turns `before` into `after`. Lists that still share their data with `before`
// (Qt's copy on write) cost nothing to compare.
ScenarioChange scenarioChange(const Scenario& before, const Scenario& after);

// Puts the document back as it was before the change, or forward to after it.
void revertChange(Scenario& doc, const ScenarioChange& change);
void applyChange(Scenario& doc, const ScenarioChange& change);
