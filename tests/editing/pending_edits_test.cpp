#include "editing/pending_edits.h"
#include "editing/recorded_edit.h"
#include "editing/ship_editing.h"
#include "editing/station_editing.h"
#include "editing_fixture.h"

#include <gtest/gtest.h>

namespace {

// A station with a ship docked at it, and ships that are not: the edits of one form must never
// be lost through an edit of the other.
struct TwoForms : ::testing::Test
{
    TwoForms()
    {
        appendStation(ws, station("Gateway"));
        appendStation(ws, station("Selene"));
        appendShip(ws, orbiting("First"));
        appendShip(ws, docked("Tug", "Gateway"));
        appendShip(ws, landed("Third"));
        ws.doc.shipFocus = "First";
        StationTreeUpdate(ws.dockTree, ws.bodies, ws.doc, ws.catalogue.stationClassTable);
        StationDockTreeUpdate(ws.dockTree, ws.doc);
        selectStation(ws, 0);
        selectShip(ws, 0);
        ws.history.clear();
    }

    // The station shown renamed and moved to Luna, then validated.
    void moveGateway()
    {
        ws.stationForm.name = "Harbour";
        ws.stationForm.refPlanet = "Luna";
        ASSERT_TRUE(validateStation(ws, dialogs));
    }

    Workspace ws = testWorkspace();
    ScriptedDialogs dialogs;
};

TEST_F(TwoForms, AStationValidationKeepsWhatWasTypedInTheShipForm)
{
    ws.shipForm.angularVelocity = "0.75";
    ASSERT_TRUE(shipFormPending(ws));
    moveGateway();
    EXPECT_EQ(ws.shipForm.angularVelocity, "0.75");
    EXPECT_TRUE(shipFormPending(ws)) << "still to be validated or discarded";
    discardShipForm(ws);
    EXPECT_EQ(ws.shipForm.angularVelocity, "0") << "the form as it was shown before the typing";
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(TwoForms, TheShownDockedShipFollowsTheStationAndKeepsItsOtherTypedFields)
{
    selectShip(ws, 1);
    shipSliderChanged(ws, ShipSlider::Fuel, 40);
    moveGateway();
    EXPECT_EQ(ws.doc.ships[1].DockStation, "Harbour");
    EXPECT_EQ(ws.doc.ships[1].Planet, "Luna");
    EXPECT_EQ(ws.shipForm.dockedStation, "Harbour");
    EXPECT_EQ(ws.shipForm.dockedPlanet, "Luna");
    EXPECT_EQ(ws.shipForm.fuelLabel, "40 %");
    EXPECT_TRUE(shipFormPending(ws));

    // Validated later, the ship keeps the station's new name: the old one names no station.
    ASSERT_TRUE(validateShip(ws, dialogs));
    EXPECT_EQ(ws.doc.ships[1].DockStation, "Harbour");
    EXPECT_EQ(ws.doc.ships[1].Planet, "Luna");
    EXPECT_EQ(ws.doc.ships[1].Fuel, "0.4");
}

TEST_F(TwoForms, WithoutPendingEditsTheShownShipIsShownAgainWithItsStation)
{
    selectShip(ws, 1);
    moveGateway();
    EXPECT_EQ(ws.shipForm.dockedStation, "Harbour");
    EXPECT_EQ(ws.shipForm.dockedPlanet, "Luna");
    EXPECT_FALSE(shipFormPending(ws));
}

TEST_F(TwoForms, EditsOfTheOtherTableKeepTheStationsPendingEdits)
{
    ws.stationForm.inclination = "12";
    deleteShip(ws);
    EXPECT_TRUE(stationFormPending(ws)) << "after a ship deletion";
    addShip(ws);
    EXPECT_TRUE(stationFormPending(ws)) << "after a ship addition";
    undoEdit(ws);
    EXPECT_TRUE(stationFormPending(ws)) << "after undoing a ship step";
    redoEdit(ws);
    EXPECT_TRUE(stationFormPending(ws)) << "after redoing a ship step";
    EXPECT_EQ(ws.stationForm.inclination, "12");
}

TEST_F(TwoForms, EditsOfTheOtherTableKeepTheShipsPendingEdits)
{
    ws.shipForm.rposX = "7200000";
    addStation(ws);
    EXPECT_TRUE(shipFormPending(ws)) << "after a station addition";
    deleteStation(ws);
    EXPECT_TRUE(shipFormPending(ws)) << "after a station deletion";
    undoEdit(ws);
    EXPECT_TRUE(shipFormPending(ws)) << "after undoing a station step";
    EXPECT_EQ(ws.shipForm.rposX, "7200000");
}

// Deleting asks and tells nothing (a redo must be silent): it says what the window is to tell.
TEST_F(TwoForms, ADeletionTellsWhatItCameToInsteadOfTellingTheUser)
{
    const ShipDeletion plain = deleteShip(ws); // First, the focus ship
    EXPECT_TRUE(plain.focusMoved);
    EXPECT_EQ(ws.doc.shipFocus, "Tug");
    ASSERT_EQ(shipDeletionNotices(plain).size(), 1);
    EXPECT_EQ(shipDeletionNotices(plain)[0].text, kFocusMovedWarning.text);

    deleteShip(ws);
    const ShipDeletion last = deleteShip(ws);
    EXPECT_TRUE(last.lastShipKept);
    EXPECT_FALSE(last.focusMoved);
    EXPECT_EQ(ws.doc.shipNames, QStringList{"Third"});
    EXPECT_EQ(shipDeletionNotices(last).size(), 1);
}

TEST(ShipDeletionNotices, TheLastShipKeptComesBeforeTheMovedFocusAndAnEmptyListWarns)
{
    const QVector<UserMessage> both = shipDeletionNotices({true, false, true});
    ASSERT_EQ(both.size(), 2);
    EXPECT_EQ(both[0].icon, MessageIcon::Information);
    EXPECT_TRUE(both[0].text.startsWith("You may not delete this ship"));
    EXPECT_EQ(both[1].text, kFocusMovedWarning.text);

    Workspace ws = testWorkspace();
    const ShipDeletion none = deleteShip(ws);
    EXPECT_TRUE(none.allShipsGone);
    const QVector<UserMessage> empty = shipDeletionNotices(none);
    ASSERT_EQ(empty.size(), 1);
    EXPECT_EQ(empty[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(empty[0].text.startsWith("You have deleted all the ships"));
}

} // namespace
