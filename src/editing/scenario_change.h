#pragma once

#include "document/scenario.h"

#include <QStringList>
#include <QVector>

// What one edit changed in a scenario, and only that: the scenario-wide values before and after,
// and for each table and name list the entries that differ (see ListChange). An edit of one ship
// holds that ship's row twice, never a copy of the document, and applying the change backwards or
// forwards restores either side exactly.
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

// The entries of a list that one edit changed, and only those: stretches of consecutive entries in
// list order, with the entries they held before the edit and those they hold after it. Either the
// change is one stretch, which may change the length of the list (an entry added or deleted), or
// every stretch keeps its length (entries changed in place: a station rename carried to the
// ships docked at rows 5 and 7,900 holds those two rows), so each stretch starts at the same
// index before and after the edit.
template <typename T> struct ListChange
{
    struct Stretch
    {
        qsizetype at = 0;       // index of the stretch's first entry
        qsizetype removed = 0;  // its entries before the edit
        qsizetype inserted = 0; // its entries after the edit
    };

    QVector<Stretch> stretches;
    QVector<T> before; // the entries of every stretch before the edit, one stretch after the other
    QVector<T> after;  // the same after the edit

    bool isEmpty() const { return stretches.isEmpty(); }
    // Index of the first entry changed; 0 when none is.
    qsizetype firstAt() const { return stretches.isEmpty() ? 0 : stretches.first().at; }
};

struct ScenarioChange
{
    bool valuesChanged = false;
    ScenarioValues valuesBefore;
    ScenarioValues valuesAfter;
    ListChange<StationRow> stations;
    ListChange<ShipRow> ships;
    ListChange<QString> stationNames;
    ListChange<QString> shipNames;
    ListChange<QString> possibleShipFocus;

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
