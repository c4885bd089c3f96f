// Reading a scenario into the editor, choosing a planetary system, and the save guard.
#include "document/scenario_reader.h"
#include "document/scenario_writer.h"
#include "editing/scenario_session.h"
#include "editing/ship_editing.h"
#include "editing/station_editing.h"
#include "editing_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool treeHas(const PlaceTree& tree, const QString& text, int image)
{
    return std::any_of(tree.nodes.cbegin(), tree.nodes.cend(),
                       [&](const PlaceNode& node) { return node.text == text && node.image == image; });
}

Workspace opened(Workspace ws, const QString& file)
{
    ws.folders.ScnDir = ws.folders.scenarioRoot();
    ws.scnfile = file;
    EXPECT_FALSE(openScenario(ws)) << ws.doc.scanLog.LogMessage.toStdString();
    return ws;
}

// Harbour.scn: system Tiny (the catalogue's second), station Hub, ships landed at Port Alpha,
// docked at Hub and orbiting.
TEST(OpenScenario, ShowsFirstStationAndShipWithBasesAndOccupiedPlaces)
{
    const Workspace ws = opened(testWorkspace(), "Harbour.scn");
    EXPECT_EQ(ws.appliedSystemIndex, 1);
    EXPECT_EQ(ws.stationForm.name, "Hub");
    EXPECT_EQ(ws.shipForm.name, "Lander");
    EXPECT_EQ(ws.shipForm.fuelLabel, "50 %");
    EXPECT_TRUE(treeHas(ws.dockTree, "Docker", OccupantImage));
    EXPECT_TRUE(treeHas(ws.landingTree, "Lander", OccupantImage));

    // A scenario without ships leaves nothing of the ship shown before.
    const Workspace quiet = opened(ws, "Quiet.scn");
    EXPECT_EQ(quiet.shipForm.name, "");
    EXPECT_EQ(quiet.shipForm.status, ShipStatusOption::None);
    EXPECT_FALSE(treeHas(quiet.dockTree, "Docker", OccupantImage));
}

TEST(PlanetarySystem, AppliedOnlyWhenThePositionDiffersFromTheOneAppliedLast)
{
    Workspace fresh = testWorkspace();
    EXPECT_FALSE(selectPlanetarySystem(fresh, 0)); // position 0 counts as applied at start

    Workspace ws = opened(testWorkspace(), "Harbour.scn");
    EXPECT_FALSE(selectPlanetarySystem(ws, 1));
    EXPECT_EQ(ws.doc.shipNames.size(), 3);
    ASSERT_TRUE(selectPlanetarySystem(ws, 0));
    EXPECT_EQ(ws.doc.planetarySystem, "Other");
    EXPECT_EQ(ws.bodies, QStringList{"Rocky"});
    EXPECT_TRUE(ws.doc.shipNames.isEmpty() && ws.doc.stationNames.isEmpty());
    EXPECT_EQ(ws.stationForm.name, "");
    EXPECT_EQ(ws.shipForm.name, "");
    EXPECT_FALSE(treeHas(ws.dockTree, "Hub", StationImage));
}

// Sample scenarios whose numbers are plain decimals and whole percentages: validating every
// station and ship as shown and saving gives the file a plain rewrite gives.
class SampleRoundTrip : public ::testing::TestWithParam<const char*>
{
};

TEST_P(SampleRoundTrip, ValidatingEverythingUnchangedSavesTheSameFile)
{
    Workspace ws = opened(startedOn(CORVANE_SAMPLE_DIR "/"), GetParam());
    ScriptedDialogs dialogs;
    for (int i = 0; i < ws.doc.stationNames.size(); ++i) {
        selectStation(ws, i);
        EXPECT_TRUE(validateStation(ws, dialogs));
    }
    for (int i = 0; i < ws.doc.shipNames.size(); ++i) {
        selectShip(ws, i);
        EXPECT_TRUE(validateShip(ws, dialogs));
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());

    Scenario plain;
    ScenarioReaderHost noEditor;
    TabSettings(ws.folders.ScnDir + GetParam(), plain, noEditor);
    EXPECT_FALSE(plain.shipNames.isEmpty());
    EXPECT_EQ(scenarioFileText(ws.doc).toStdString(), scenarioFileText(plain).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Sample, SampleRoundTrip,
                         ::testing::Values("Kestrel/Harbor Run.scn", "Tutorials/First Launch.scn",
                                           "Earth Orbit Rendezvous.scn"));

} // namespace
