// Showing, storing, adding and deleting stations and ships, and what that does to the ships
// docked at a station and to the focus ship.
#include "editing/ship_editing.h"
#include "editing/station_editing.h"
#include "editing_fixture.h"

#include <gtest/gtest.h>

namespace {

const std::string kFocusMoved =
    message("Warning",
            "As the user-controled ship was no longer valid in the scenario, it has been "
            "set to the first possible ship !",
            MessageButtons::Ok, MessageIcon::Information);

TEST(StationEditing, StoringCarriesPlanetAndNewNameToTheShipsAtTheStation)
{
    Workspace ws = testWorkspace();
    appendStation(ws, station("Hub"));
    ShipRow atHub = docked("Docker", "Hub");
    atHub.Status = "docked";
    ShipRow leftHub = landed("Lander");
    leftHub.DockStation = "Hub"; // what its Docked frame last showed
    appendShip(ws, atHub);
    appendShip(ws, leftHub);
    appendShip(ws, orbiting("Drifter"));
    selectShip(ws, 0);
    selectStation(ws, 0);
    ws.stationForm.name = "Gateway";
    ws.stationForm.stationRefIndex = 1;
    changeStationPlanet(ws);
    ws.stationForm.semiMajorAxis = "2000000";
    ScriptedDialogs dialogs;

    ASSERT_TRUE(validateStation(ws, dialogs));
    EXPECT_EQ(ws.doc.stationNames, QStringList{"Gateway"});
    EXPECT_EQ(ws.doc.stations[0].RefPlanet, "   Luna");
    EXPECT_EQ(ws.doc.ships[0].Planet, "   Luna");
    EXPECT_EQ(ws.doc.ships[0].DockStation, "Gateway");
    EXPECT_EQ(ws.doc.ships[1].Planet, "Terra");
    EXPECT_EQ(ws.doc.ships[1].DockStation, "Gateway");
    EXPECT_EQ(ws.doc.ships[2].DockStation, "");
    EXPECT_EQ(ws.shipForm.dockedStation, "Gateway"); // the ship page shows it again

    // Renamed, the station is still the one its ships name: it cannot be deleted.
    EXPECT_FALSE(canDeleteStation(ws, dialogs));
    EXPECT_EQ(dialogs.said(0),
              message("Forbidden action", "You may not withdraw a station with a docked ship !",
                      MessageButtons::Ok, MessageIcon::Exclamation));
    EXPECT_EQ(ws.doc.stationNames.size(), 1);
}

TEST(StationEditing, DisplayDeletionAndAdditionKeepRowsAndFormInStep)
{
    Workspace ws = testWorkspace();
    StationRow byClass = station("ByClass");
    byClass.UseClassRotation = true;
    StationRow last = station("Last");
    last.EpochHour = "7";
    appendStation(ws, station("First"));
    appendStation(ws, byClass);
    appendStation(ws, last);
    selectStation(ws, 0);
    EXPECT_EQ(ws.stationForm.rotationFrequency, "0.01");
    EXPECT_TRUE(ws.stationForm.rotationFrequencyEnabled);
    selectStation(ws, 1);
    EXPECT_EQ(ws.stationForm.rotationFrequency, "Class value");
    EXPECT_FALSE(ws.stationForm.rotationFrequencyEnabled);

    ScriptedDialogs dialogs;
    ASSERT_TRUE(canDeleteStation(ws, dialogs));
    deleteStation(ws);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(ws.doc.stationNames, (QStringList{"First", "Last"}));
    EXPECT_EQ(ws.doc.stations[1].EpochHour, "7");
    EXPECT_EQ(ws.stationForm.name, "First");

    addStation(ws); // where the deletion left a copy of Last
    EXPECT_EQ(ws.stationForm.name, "New Station");
    EXPECT_EQ(ws.stationForm.rotationFrequency, "Station class");
    EXPECT_TRUE(ws.stationForm.useClassRotation);
    EXPECT_EQ(ws.stationForm.semiMajorAxis, "");
    // Validating another station rebuilds the list from the table, where the new one has no name.
    selectStation(ws, 0);
    ASSERT_TRUE(validateStation(ws, dialogs));
    EXPECT_EQ(ws.doc.stationNames, (QStringList{"First", "Last", ""}));
}

// A ship docked at the station's stored name blocks its deletion, whatever name is typed in the
// box meanwhile.
TEST(StationEditing, DeletionIsRefusedForTheStoredNameOfAStationInUse)
{
    Workspace ws = testWorkspace();
    appendStation(ws, station("Gateway"));
    appendStation(ws, station("Other"));
    appendShip(ws, docked("Tug", "Gateway"));
    selectStation(ws, 0);
    ws.stationForm.name = "Renamed but not validated";
    ScriptedDialogs dialogs;
    EXPECT_FALSE(canDeleteStation(ws, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.said(0), message("Forbidden action", "You may not withdraw a station with a docked ship !",
                                       MessageButtons::Ok, MessageIcon::Exclamation));
    EXPECT_EQ(ws.doc.stationNames, (QStringList{"Gateway", "Other"}));
}

// Numbers that the file wrote with an exponent are shown so that validating the unchanged ship or
// station passes.
TEST(Editing, UnchangedShipsAndStationsWithExponentNumbersValidate)
{
    Workspace ws = testWorkspace();
    StationRow tiny = station("Tiny");
    tiny.Excentricity = "1E-05 ";
    tiny.SemiMajorAxis = "6.7E6 ";
    tiny.AngleZ = "1e-3";
    appendStation(ws, tiny);
    ShipRow slow = orbiting("Slow");
    slow.RvelX = "0.0000001";
    slow.Vrot = "1E-05";
    slow.ArotY = "-2.5E-6";
    appendShip(ws, slow);
    selectStation(ws, 0);
    selectShip(ws, 0);
    EXPECT_EQ(ws.stationForm.semiMajorAxis, "6700000");
    EXPECT_EQ(ws.stationForm.excentricity, "0.00001");
    EXPECT_EQ(ws.shipForm.rvelX, "0.0000001");
    EXPECT_EQ(ws.shipForm.angularVelocity, "0.00001");
    ScriptedDialogs dialogs;
    EXPECT_TRUE(validateStation(ws, dialogs));
    EXPECT_TRUE(validateShip(ws, dialogs));
    for (qsizetype i = 0; i < dialogs.shown.size(); ++i)
        EXPECT_EQ(dialogs.said(i).find("not accepted"), std::string::npos) << dialogs.said(i);
}

TEST(ShipEditing, DisplayShowsStoredLevelsAndChangesNoCell)
{
    Workspace ws = testWorkspace();
    ShipRow drifting = orbiting("Drifter");
    drifting.RposX = "6.7E6";
    drifting.Fuel = "0.755";
    drifting.MainEngine = "-0.35";
    drifting.HoverEngine = "0.125";
    appendShip(ws, landed("Lander"));
    appendShip(ws, drifting);

    selectShip(ws, 0);
    EXPECT_EQ(ws.shipForm.status, ShipStatusOption::Landed);
    EXPECT_EQ(ws.shipForm.fuelLabel, "50 %");
    EXPECT_EQ(ws.shipForm.mainLabel, "0");
    EXPECT_FALSE(ws.shipForm.engineLabelsEnabled);
    EXPECT_EQ(ws.doc.ships[0].Fuel, "0.5");

    selectShip(ws, 1);
    EXPECT_EQ(ws.shipForm.rposX, "6700000");
    EXPECT_EQ(ws.shipForm.landedBase, "");
    // Each slider takes the percentage rounded half to even and rewrites its label.
    EXPECT_EQ(ws.shipForm.fuelLabel, "76 %");
    EXPECT_EQ(ws.shipForm.mainLabel, "-35 %");
    EXPECT_EQ(ws.shipForm.hoverLabel, "12 %");
}

TEST(ShipEditing, StoringTakesEveryFrameAndTheLevelsFromTheLabels)
{
    Workspace ws = testWorkspace();
    appendShip(ws, docked("Docker", "Hub"));
    selectShip(ws, 0);
    shipStatusClicked(ws, ShipStatusOption::Landed);
    padChosen(ws, {"Terra", " Port Alpha", "3"});
    ws.shipForm.landedHeading = "45";
    ws.shipForm.fuelLabel = "75 %";
    ScriptedDialogs dialogs;
    ASSERT_TRUE(validateShip(ws, dialogs));
    const ShipRow& row = ws.doc.ships[0];
    EXPECT_EQ(row.Status, "Landed");
    EXPECT_EQ(row.Base, " Port Alpha");
    EXPECT_EQ(row.DockStation, "Hub"); // the Docked frame is stored too
    EXPECT_EQ(row.Fuel, "0.75");
    EXPECT_EQ(row.MainEngine, "0");

    using Level = std::pair<const char*, const char*>;
    for (const auto& [label, stored] : {Level{"-35 %", "-0.35"}, Level{"0", "0"}, Level{"", "0"}}) {
        ws.shipForm.hoverLabel = label;
        ASSERT_TRUE(validateShip(ws, dialogs));
        // Each validation is recorded for undo, so the row is looked up again, not kept.
        EXPECT_EQ(ws.doc.ships[0].HoverEngine, stored);
    }
}

// Validating a ship whose sliders were not moved keeps the levels as read: 0.123 shows as 12 %
// and would otherwise be stored as 0.12. A moved slider stores its own level.
TEST(ShipEditing, UnmovedSlidersKeepTheLevelsAsRead)
{
    Workspace ws = testWorkspace();
    ShipRow drifting = orbiting("Drifter");
    drifting.Fuel = "0.123";
    drifting.MainEngine = "-0.351";
    drifting.HoverEngine = "0.1250";
    appendShip(ws, drifting);
    selectShip(ws, 0);
    ScriptedDialogs dialogs;
    ASSERT_TRUE(validateShip(ws, dialogs));
    const ShipRow& row = ws.doc.ships[0];
    EXPECT_EQ((QStringList{row.Fuel, row.MainEngine, row.HoverEngine}), (QStringList{"0.123", "-0.351", "0.1250"}));

    shipSliderChanged(ws, ShipSlider::Fuel, 13);
    ASSERT_TRUE(validateShip(ws, dialogs));
    EXPECT_EQ(ws.doc.ships[0].Fuel, "0.13"); // looked up again: validation is recorded for undo
}

TEST(ShipEditing, ValidatingIntoAnEmptyListUsesRowZeroAndSetsTheFocus)
{
    Workspace ws = testWorkspace();
    ws.doc.ships.ShipTableRedim(2);
    ws.doc.shipIndex = 1; // left by an earlier scenario
    ws.shipForm.name = "Typed";
    ScriptedDialogs dialogs;
    ASSERT_TRUE(validateShip(ws, dialogs));
    EXPECT_EQ(ws.doc.possibleShipFocus, QStringList{"Typed:"});
    EXPECT_EQ(ws.doc.ships[0].Fuel, "0");
    EXPECT_EQ(ws.doc.shipFocus, "Typed");
    EXPECT_EQ(dialogs.said(0), kFocusMoved);
}

// Deleting as the window does: the deletion, then the notices of what it came to.
void deleteAndTell(Workspace& ws, UserDialogs& dialogs)
{
    for (const UserMessage& notice : shipDeletionNotices(deleteShip(ws)))
        dialogs.inform(notice);
}

class ThreeShips : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ShipRow second = docked("Second", "Hub");
        second.ExtraLines = "  BEACON 7\r\n; a remark";
        appendShip(ws, orbiting("First"));
        appendShip(ws, second);
        appendShip(ws, landed("Third"));
        ws.doc.shipFocus = "Third";
    }

    Workspace ws = testWorkspace();
    ScriptedDialogs dialogs;
};

TEST_F(ThreeShips, DeletingTheFirstShowsTheFormerSecondAndAddingGivesAFreshShip)
{
    selectShip(ws, 0);
    deleteAndTell(ws, dialogs);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(ws.doc.shipIndex, 0);
    EXPECT_EQ(ws.shipForm.name, "Second");
    EXPECT_EQ(ws.doc.ships[0].ExtraLines, "  BEACON 7\r\n; a remark");
    EXPECT_EQ(ws.doc.possibleShipFocus, (QStringList{"Second:Hauler", "Third:Falcon"}));

    addShip(ws); // where the deletion left a copy of Third
    EXPECT_EQ(ws.shipForm.name, "New Ship");
    EXPECT_EQ(ws.shipForm.status, ShipStatusOption::None);
    EXPECT_EQ(ws.doc.ships[2].ExtraLines, "");
}

TEST_F(ThreeShips, DeletingTheFocusShipMovesTheFocusWithTheWarning)
{
    selectShip(ws, 2);
    deleteAndTell(ws, dialogs);
    EXPECT_EQ(ws.shipForm.name, "Second");
    EXPECT_EQ(ws.doc.shipFocus, "First");
    EXPECT_EQ(dialogs.said(0), kFocusMoved);
}

TEST(ShipEditing, TheOnlyShipCannotBeDeleted)
{
    Workspace ws = testWorkspace();
    appendShip(ws, orbiting("Alone"));
    ScriptedDialogs dialogs;
    deleteAndTell(ws, dialogs);
    EXPECT_EQ(dialogs.said(0),
              message("Warning", "You may not delete this ship : the scenario must keep at least one ship !",
                      MessageButtons::Ok, MessageIcon::Information));
    EXPECT_EQ(ws.doc.shipNames, QStringList{"Alone"});
}

} // namespace
