#include "editing/edit_history.h"
#include "editing/pending_edits.h"
#include "editing/recorded_edit.h"
#include "editing/scenario_session.h"
#include "editing/ship_editing.h"
#include "editing/station_editing.h"
#include "editing_fixture.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace {

// What the history must restore exactly: the values, the rows in use and the name lists.
void expectSameDocument(const Scenario& a, const Scenario& b)
{
    EXPECT_EQ(scenarioValues(a), scenarioValues(b));
    EXPECT_EQ(a.stationNames, b.stationNames);
    EXPECT_EQ(a.shipNames, b.shipNames);
    EXPECT_EQ(a.possibleShipFocus, b.possibleShipFocus);
    EXPECT_EQ(a.stations.rows, b.stations.rows);
    EXPECT_EQ(a.ships.rows, b.ships.rows);
}

struct Fleet : ::testing::Test
{
    Fleet()
    {
        appendStation(ws, station("Gateway"));
        appendShip(ws, orbiting("First"));
        ShipRow tug = docked("Tug", "Gateway");
        tug.ExtraLines = "  BEACON 7\r\n; a remark";
        appendShip(ws, tug);
        appendShip(ws, landed("Third"));
        ws.doc.shipFocus = "First";
        StationTreeUpdate(ws.dockTree, ws.bodies, ws.doc, ws.catalogue.stationClassTable);
        StationDockTreeUpdate(ws.dockTree, ws.doc);
        selectStation(ws, 0);
        selectShip(ws, 0);
        ws.history.clear();
    }

    int occupants() const
    {
        int count = 0;
        for (const PlaceNode& node : ws.dockTree.nodes)
            count += node.image == OccupantImage ? 1 : 0;
        return count;
    }

    Workspace ws = testWorkspace();
    ScriptedDialogs dialogs;
};

TEST_F(Fleet, ADeletedShipComesBackAtItsPlaceWithEveryColumnItsEntriesAndItsMark)
{
    const Scenario read = ws.doc;
    ASSERT_EQ(occupants(), 1);
    selectShip(ws, 1);
    deleteShip(ws);
    ASSERT_EQ(ws.doc.shipNames, (QStringList{"First", "Third"}));
    EXPECT_EQ(occupants(), 0);
    EXPECT_TRUE(ws.history.isModified());
    EXPECT_EQ(ws.history.undoText(), "delete ship Tug");

    ASSERT_EQ(undoEdit(ws), EditTarget::Ship);
    expectSameDocument(ws.doc, read);
    EXPECT_EQ(ws.doc.ships[1].ExtraLines, "  BEACON 7\r\n; a remark");
    EXPECT_EQ(occupants(), 1) << "the dock shows its ship again";
    EXPECT_EQ(ws.doc.shipIndex, 1) << "the ship brought back is shown";
    EXPECT_EQ(ws.shipForm.name, "Tug");
    EXPECT_FALSE(ws.history.isModified()) << "back where it was read";
    EXPECT_FALSE(shipFormPending(ws));

    ASSERT_EQ(redoEdit(ws), EditTarget::Ship);
    EXPECT_EQ(ws.doc.shipNames, (QStringList{"First", "Third"}));
    EXPECT_EQ(occupants(), 0);
    EXPECT_TRUE(ws.history.isModified());
    EXPECT_EQ(redoEdit(ws), std::nullopt);
}

TEST_F(Fleet, AStepHoldsOnlyTheRowsItTouches)
{
    ws.shipForm.rposX = "7100000";
    ASSERT_TRUE(validateShip(ws, dialogs));
    const EditStep* step = ws.history.stepToUndo();
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->text, "validate ship First");
    EXPECT_EQ(step->change.ships.before.size(), 1);
    EXPECT_EQ(step->change.ships.after.size(), 1);
    EXPECT_EQ(step->change.ships.after[0].RposX, "7100000");
    EXPECT_FALSE(step->change.touchesStations());
    EXPECT_FALSE(step->change.valuesChanged);
    EXPECT_TRUE(step->change.shipNames.isEmpty());

    // Validating what is already stored changes nothing and is no step.
    ASSERT_TRUE(validateShip(ws, dialogs));
    EXPECT_EQ(ws.history.stepCount(), 1);
}

TEST_F(Fleet, TheModifiedMarkFollowsSavesAndUndo)
{
    addShip(ws);
    EXPECT_TRUE(ws.history.isModified());
    ws.history.markClean();
    EXPECT_FALSE(ws.history.isModified());
    undoEdit(ws);
    EXPECT_TRUE(ws.history.isModified()) << "the saved file has the added ship";
    redoEdit(ws);
    EXPECT_FALSE(ws.history.isModified());

    // An edit after undoing past the saved state can never lead back to it.
    undoEdit(ws);
    changeFocusShip(ws);
    ws.doc.possibleShipFocusIndex = 2;
    changeFocusShip(ws);
    EXPECT_FALSE(ws.history.canRedo());
    undoEdit(ws);
    EXPECT_TRUE(ws.history.isModified());

    ws.history.markModified(); // recovered changes
    ws.history.markClean();
    EXPECT_FALSE(ws.history.isModified());
}

TEST_F(Fleet, TypingIsOneStepUntilSealedAndTypingBackEndsIt)
{
    ws.doc.description = "Old\r\n";
    ws.history.clear();
    setDescription(ws, "Ol\r\n");
    setDescription(ws, "O\r\n");
    setDescription(ws, "On\r\n");
    EXPECT_EQ(ws.history.stepCount(), 1);
    ws.history.seal();
    setDescription(ws, "One\r\n");
    EXPECT_EQ(ws.history.stepCount(), 2);
    undoEdit(ws);
    EXPECT_EQ(ws.doc.description, "On\r\n");
    undoEdit(ws);
    EXPECT_EQ(ws.doc.description, "Old\r\n");
    EXPECT_FALSE(ws.history.isModified());

    setDescription(ws, "Olds\r\n");
    setDescription(ws, "Old\r\n");
    EXPECT_EQ(ws.history.stepCount(), 0) << "typed and taken back: no step";
    EXPECT_FALSE(ws.history.isModified());
}

TEST_F(Fleet, APlanetarySystemChangeIsUndoneWithWhatWasReadWithIt)
{
    const Scenario read = ws.doc;
    const QStringList bodies = ws.bodies;
    const auto position = [this](const QString& name) {
        for (int k = 0; k < ws.planetarySystems.size(); ++k) {
            if (ws.planetarySystems[k].name == name)
                return k;
        }
        return -1;
    };
    const int tiny = position("Tiny");
    ws.planetarySystemIndex = tiny;
    ws.appliedSystemIndex = tiny;
    ASSERT_TRUE(choosePlanetarySystem(ws, position("Other")));
    ASSERT_TRUE(ws.doc.shipNames.isEmpty());
    ASSERT_NE(ws.bodies, bodies);

    ASSERT_EQ(undoEdit(ws), EditTarget::Environment);
    expectSameDocument(ws.doc, read);
    EXPECT_EQ(ws.bodies, bodies);
    EXPECT_EQ(ws.appliedSystemIndex, tiny);
    EXPECT_EQ(ws.shipForm.name, "First");
    EXPECT_EQ(occupants(), 1);
}

TEST_F(Fleet, PendingEditsAreWhatTheUserChangedSinceTheProgramShowedTheForm)
{
    EXPECT_FALSE(shipFormPending(ws));
    ws.shipForm.fuelLabel = "40 %";
    EXPECT_TRUE(shipFormPending(ws));
    ws.shipForm.spacecraftIndex = 1; // a list selection stores nothing
    discardShipForm(ws);
    EXPECT_FALSE(shipFormPending(ws));
    EXPECT_EQ(ws.shipForm.fuelLabel, ws.shipShown.fuelLabel);

    addStation(ws); // the program ticks the class rotation of the new station: nothing pending
    EXPECT_FALSE(stationFormPending(ws));
    ws.stationForm.name = "Renamed";
    EXPECT_TRUE(stationFormPending(ws));
    EXPECT_EQ(pendingStationQuestion(ws).buttons, MessageButtons::ValidateDiscardCancel);
    selectStation(ws, 0);
    EXPECT_FALSE(stationFormPending(ws));
}

// Random edits of every kind, then everything undone and redone: each end matches exactly.
TEST_F(Fleet, AnyRunOfEditsIsUndoneAndRedoneExactly)
{
    QRandomGenerator random(17);
    for (int round = 0; round < 20; ++round) {
        ws.history.clear();
        const Scenario start = ws.doc;
        for (int k = 0; k < 12; ++k) {
            const int ships = static_cast<int>(ws.doc.shipNames.size());
            switch (random.bounded(7)) {
            case 0:
                addShip(ws);
                ws.shipForm.name = QStringLiteral("S%1").arg(k);
                ws.shipForm.shipClass = "Hauler";
                validateShip(ws, dialogs);
                break;
            case 1:
                if (ships > 0)
                    selectShip(ws, random.bounded(ships));
                deleteShip(ws);
                break;
            case 2:
                addStation(ws);
                break;
            case 3:
                if (!ws.doc.stationNames.isEmpty() && canDeleteStation(ws, dialogs))
                    deleteStation(ws);
                break;
            case 4:
                setStartTime(ws, random.bounded(24), random.bounded(60));
                break;
            case 5:
                ws.doc.possibleShipFocusIndex = ships > 0 ? random.bounded(ships) : -1;
                changeFocusShip(ws);
                break;
            default:
                setDescription(ws, QStringLiteral("round %1 step %2").arg(round).arg(k));
                ws.history.seal();
                break;
            }
        }
        const Scenario end = ws.doc;
        while (undoEdit(ws)) {
        }
        expectSameDocument(ws.doc, start);
        EXPECT_FALSE(ws.history.isModified());
        while (redoEdit(ws)) {
        }
        expectSameDocument(ws.doc, end);
    }
}

} // namespace
