#include "scenario_change.h"

#include <algorithm>

namespace {

template <typename T>
void addStretch(ListChange<T>& change, const QVector<T>& before, const QVector<T>& after, qsizetype at,
                qsizetype removed, qsizetype inserted)
{
    change.stretches.append({at, removed, inserted});
    change.before.append(before.mid(at, removed));
    change.after.append(after.mid(at, inserted));
}

// The entries in which two lists differ. Everything before the first difference and after the
// last one is equal; in between, a list that kept its length is compared entry by entry, so that
// two distant entries changed make two stretches of one entry each.
template <typename T> ListChange<T> listChange(const QVector<T>& before, const QVector<T>& after)
{
    ListChange<T> change;
    if (before.constData() == after.constData() && before.size() == after.size())
        return change;
    const qsizetype common = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < common && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < common - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const qsizetype removed = before.size() - head - tail;
    const qsizetype inserted = after.size() - head - tail;
    if (removed != inserted) {
        addStretch(change, before, after, head, removed, inserted);
        return change;
    }
    const qsizetype end = head + removed;
    for (qsizetype k = head; k < end;) {
        if (before[k] == after[k]) {
            ++k;
            continue;
        }
        qsizetype run = k + 1;
        while (run < end && !(before[run] == after[run]))
            ++run;
        addStretch(change, before, after, k, run - k, run - k);
        k = run;
    }
    return change;
}

// The list with the entries of one side of the change put in place of the other side's. The
// stretches are placed from the last one, so that a stretch that changes the list's length
// moves none of the stretches still to be placed.
template <typename T> void place(QVector<T>& list, const ListChange<T>& change, bool forward)
{
    const QVector<T>& to = forward ? change.after : change.before;
    qsizetype next = to.size(); // end of the entries of the stretch being placed, in `to`
    for (qsizetype s = change.stretches.size() - 1; s >= 0; --s) {
        const auto& stretch = change.stretches[s];
        const qsizetype fromCount = forward ? stretch.removed : stretch.inserted;
        const qsizetype toCount = forward ? stretch.inserted : stretch.removed;
        next -= toCount;
        const auto entries = to.cbegin() + next;
        if (fromCount == toCount) {
            std::copy(entries, entries + toCount, list.begin() + stretch.at);
            continue;
        }
        list.remove(stretch.at, fromCount);
        list.insert(stretch.at, toCount, T());
        std::copy(entries, entries + toCount, list.begin() + stretch.at);
    }
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
    change.stations = listChange(before.stations.rows, after.stations.rows);
    change.ships = listChange(before.ships.rows, after.ships.rows);
    change.stationNames = listChange(before.stationNames, after.stationNames);
    change.shipNames = listChange(before.shipNames, after.shipNames);
    change.possibleShipFocus = listChange(before.possibleShipFocus, after.possibleShipFocus);
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
