#include "editing/recorded_edit.h"
#include "editing/scenario_change.h"
#include "editing/station_editing.h"
#include "editing_fixture.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace {

Scenario fleetOf(int ships)
{
    Scenario doc;
    doc.ships.ShipTableRedim(ships - 1);
    for (int k = 0; k < ships; ++k) {
        doc.ships[k] = orbiting(QStringLiteral("Ship %1").arg(k));
        doc.shipNames.append(doc.ships[k].Name);
    }
    return doc;
}

void expectRowsOf(const Scenario& doc, const Scenario& expected)
{
    EXPECT_EQ(doc.ships.rows, expected.ships.rows);
    EXPECT_EQ(doc.shipNames, expected.shipNames);
}

TEST(ScenarioChange, TwoDistantRowsChangedInPlaceAreHeldAloneAndPutBackExactly)
{
    const Scenario before = fleetOf(8000);
    Scenario after = before;
    after.ships[5].DockStation = "Harbour";
    after.ships[7900].DockStation = "Harbour";
    const ScenarioChange change = scenarioChange(before, after);
    ASSERT_EQ(change.ships.stretches.size(), 2);
    EXPECT_EQ(change.ships.before.size(), 2) << "the two rows, not the 7,896 between them";
    EXPECT_EQ(change.ships.after.size(), 2);
    EXPECT_EQ(change.ships.firstAt(), 5);
    EXPECT_TRUE(change.shipNames.isEmpty());

    Scenario doc = after;
    revertChange(doc, change);
    expectRowsOf(doc, before);
    applyChange(doc, change);
    expectRowsOf(doc, after);
}

TEST(ScenarioChange, AnAddedOrDeletedRowIsOneStretchThatMovesTheRowsBehindIt)
{
    const Scenario before = fleetOf(10);
    Scenario deleted = before;
    deleted.ships.rows.removeAt(3);
    deleted.shipNames.removeAt(3);
    const ScenarioChange deletion = scenarioChange(before, deleted);
    ASSERT_EQ(deletion.ships.stretches.size(), 1);
    EXPECT_EQ(deletion.ships.before.size(), 1);
    EXPECT_TRUE(deletion.ships.after.isEmpty());

    Scenario added = before;
    added.ships.rows.insert(10, orbiting("Late"));
    const ScenarioChange addition = scenarioChange(before, added);
    ASSERT_EQ(addition.ships.stretches.size(), 1);
    EXPECT_EQ(addition.ships.firstAt(), 10);

    for (const auto& [change, end] : {std::pair{deletion, deleted}, std::pair{addition, added}}) {
        Scenario doc = end;
        revertChange(doc, change);
        expectRowsOf(doc, before);
        applyChange(doc, change);
        expectRowsOf(doc, end);
    }
}

// Rows changed anywhere, in runs and alone, next to each other and at both ends.
TEST(ScenarioChange, AnyRowsChangedInPlaceComeBackExactly)
{
    QRandomGenerator random(7);
    for (int round = 0; round < 50; ++round) {
        const Scenario before = fleetOf(1 + random.bounded(40));
        Scenario after = before;
        const int changes = random.bounded(8);
        for (int k = 0; k < changes; ++k) {
            const int row = random.bounded(int(after.ships.rowCount()));
            after.ships[row].Fuel = QString::number(random.bounded(100));
        }
        const ScenarioChange change = scenarioChange(before, after);
        qsizetype held = 0;
        for (qsizetype row = 0; row < before.ships.rowCount(); ++row)
            held += before.ships[row] == after.ships[row] ? 0 : 1;
        EXPECT_EQ(change.ships.before.size(), held) << "only the rows that differ";

        Scenario doc = after;
        revertChange(doc, change);
        expectRowsOf(doc, before);
        applyChange(doc, change);
        expectRowsOf(doc, after);
    }
}

TEST(ScenarioChange, AStationRenameHoldsOnlyTheDockedShipsItRenamed)
{
    Workspace ws = testWorkspace();
    appendStation(ws, station("Gateway"));
    for (int k = 0; k < 8000; ++k)
        appendShip(ws, k == 5 || k == 7900 ? docked(QStringLiteral("Tug %1").arg(k), "Gateway")
                                           : orbiting(QStringLiteral("Ship %1").arg(k)));
    selectStation(ws, 0);
    const Scenario read = ws.doc;
    ws.stationForm.name = "Harbour";
    ScriptedDialogs dialogs;
    ASSERT_TRUE(validateStation(ws, dialogs));
    const EditStep* step = ws.history.stepToUndo();
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->change.ships.before.size(), 2);
    EXPECT_EQ(ws.doc.ships[7900].DockStation, "Harbour");

    const Scenario renamed = ws.doc;
    undoEdit(ws);
    EXPECT_EQ(ws.doc.ships.rows, read.ships.rows);
    EXPECT_EQ(ws.doc.stations.rows, read.stations.rows);
    redoEdit(ws);
    EXPECT_EQ(ws.doc.ships.rows, renamed.ships.rows);
    EXPECT_EQ(ws.doc.stationNames, QStringList{"Harbour"});
}

} // namespace
