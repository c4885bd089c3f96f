#include "scenario_change.h"

#include <algorithm>

namespace {

// The stretch in which two lists differ: everything before it and after it is equal.
template <typename T>
Splice<T> splice(const QVector<T>& before, const QVector<T>& after)
{
    Splice<T> change;
    if (before.constData() == after.constData() && before.size() == after.size())
        return change;
    const qsizetype common = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < common && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < common - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    change.at = head;
    change.before = before.mid(head, before.size() - head - tail);
    change.after = after.mid(head, after.size() - head - tail);
    return change;
}

// The list with the stretch of one side of the change put in place of the other side's.
template <typename T>
void place(QVector<T>& list, const Splice<T>& change, bool forward)
{
    const QVector<T>& from = forward ? change.before : change.after;
    const QVector<T>& to = forward ? change.after : change.before;
    if (change.isEmpty())
        return;
    list.remove(change.at, from.size());
    list.insert(change.at, to.size(), T());
    std::copy(to.cbegin(), to.cend(), list.begin() + change.at);
}

void place(Scenario& doc, const ScenarioChange& change, bool forward)
{
    if (change.valuesChanged)
        setScenarioValues(doc, forward ? change.valuesAfter : change.valuesBefore);
    place(doc.stations.rows, change.stations, forward);
    place(doc.ships.rows, change.ships, forward);
    place(doc.stationNames, change.stationNames, forward);
    place(doc.shipNames, change.shipNames, forward);
    place(doc.possibleShipFocus, change.possibleShipFocus, forward);
}

} // namespace

ScenarioValues scenarioValues(const Scenario& doc)
{
    return {doc.description, doc.planetarySystem, doc.startDate, doc.startHour, doc.startMinute, doc.shipFocus};
}

void setScenarioValues(Scenario& doc, const ScenarioValues& values)
{
    doc.description = values.description;
    doc.planetarySystem = values.planetarySystem;
    doc.startDate = values.startDate;
    doc.startHour = values.startHour;
    doc.startMinute = values.startMinute;
    doc.shipFocus = values.shipFocus;
}

bool ScenarioChange::isEmpty() const
{
    return !valuesChanged && !touchesStations() && !touchesShips();
}

ScenarioChange scenarioChange(const Scenario& before, const Scenario& after)
{
    ScenarioChange change;
    change.valuesBefore = scenarioValues(before);
    change.valuesAfter = scenarioValues(after);
    change.valuesChanged = !(change.valuesBefore == change.valuesAfter);
    if (!change.valuesChanged) {
        change.valuesBefore = {};
        change.valuesAfter = {};
    }
    change.stations = splice(before.stations.rows, after.stations.rows);
    change.ships = splice(before.ships.rows, after.ships.rows);
    change.stationNames = splice(before.stationNames, after.stationNames);
    change.shipNames = splice(before.shipNames, after.shipNames);
    change.possibleShipFocus = splice(before.possibleShipFocus, after.possibleShipFocus);
    return change;
}

void revertChange(Scenario& doc, const ScenarioChange& change)
{
    place(doc, change, false);
}

void applyChange(Scenario& doc, const ScenarioChange& change)
{
    place(doc, change, true);
}
