// The checks that decide what a valid station or ship is, on the form as the user left it.
#include "editing/ship_editing.h"
#include "editing/station_editing.h"
#include "editing_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const QString kCrossing =
    "The station orbit crosses the planet atmosphere or the planet surface; check the excentricity "
    "or the semi-major axis.";
const QString kExcentricity = "The station excentricity is not correct.";
const QString kInside =
    "The ship is located inside the planet; adjust the position parameters relative to reference.";
const QString kClass = "You must assign a class to the ship.";

QString belowLimit(const QString& a, const QString& planet, const QString& limit)
{
    return "The station orbit semi-major axis is equal to " + a +
           " m although the mean radius and atmosphere of " + planet + " is equal to " + limit + " m";
}

template <typename Form> using Edits = std::vector<std::pair<QString Form::*, const char*>>;

struct StationCase
{
    const char* name;
    Edits<StationForm> edits;
    QStringList expected;
};

class StationChecks : public ::testing::TestWithParam<StationCase>
{
};

// The station shown is one of Terra, whose limit radius L is 6,100,000 m.
TEST_P(StationChecks, ReportExactlyTheFailedChecksInOrder)
{
    Workspace ws = testWorkspace();
    appendStation(ws, station("Hub"));
    selectStation(ws, 0);
    for (const auto& [box, text] : GetParam().edits)
        ws.stationForm.*box = text;
    EXPECT_EQ(stationValidationFailures(ws), GetParam().expected);
}

constexpr auto X = &StationForm::angleX, Y = &StationForm::angleY, Z = &StationForm::angleZ;
constexpr auto A = &StationForm::semiMajorAxis, E = &StationForm::excentricity, P = &StationForm::refPlanet;

INSTANTIATE_TEST_SUITE_P(
    Table, StationChecks,
    ::testing::Values(StationCase{"unchanged", {}, {}},
                      StationCase{"angles_inside", {{X, "359.99"}, {Y, "-359.99"}}, {}},
                      StationCase{"angles_360",
                                  {{X, "360"}, {Y, "-360"}, {Z, "1E1"}},
                                  {"The station frame rotation angle around X axis is not correct.",
                                   "The station frame rotation angle around Y axis is not correct.",
                                   "The station frame rotation angle around Z axis is not correct."}},
                      StationCase{"axis_with_exponent",
                                  {{A, "1E2"}},
                                  {"The station orbit semi-major axis is not correct."}},
                      StationCase{"excentricity_0", {{E, "0"}}, {}},
                      StationCase{"excentricity_1", {{E, "1"}}, {kCrossing, kExcentricity}},
                      StationCase{"excentricity_negative", {{E, "-0.1"}}, {kExcentricity}},
                      StationCase{"periapsis_at_limit", {{A, "12200000"}, {E, "0.5"}}, {}},
                      StationCase{"periapsis_1m_below", {{A, "12199998"}, {E, "0.5"}}, {kCrossing}},
                      StationCase{"axis_below_limit",
                                  {{A, "6000000.5"}, {E, "0"}},
                                  {kCrossing, belowLimit("6000000.5", "Terra", "6100000")}},
                      StationCase{"moon_without_atmosphere",
                                  {{P, "   Luna"}, {A, "1600000"}, {E, "0"}},
                                  {kCrossing, belowLimit("1600000", "   Luna", "1700000")}},
                      StationCase{"everything_else_wrong",
                                  {{&StationForm::rotationFrequency, "abc"},
                                   {E, "e"},
                                   {&StationForm::inclination, ""},
                                   {&StationForm::ascendingNodeLongitude, "1+"},
                                   {&StationForm::periapsisLongitude, "--1"},
                                   {&StationForm::meanLongitude, "1.2.3"}},
                                  {"The station rotation frequency is not correct.", kExcentricity,
                                   "The station orbit inclination is not correct.",
                                   "The station orbit ascending node longitude is not correct.",
                                   "The station orbit periapsis longitude is not correct.",
                                   "The station orbit mean longitude is not correct."}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShipCase
{
    const char* name;
    ShipRow row;
    Edits<ShipForm> edits;
    QStringList expected;
};

class ShipChecks : public ::testing::TestWithParam<ShipCase>
{
};

TEST_P(ShipChecks, ReportExactlyTheFailedChecksOfTheStatusInOrder)
{
    Workspace ws = testWorkspace();
    appendShip(ws, GetParam().row);
    selectShip(ws, 0);
    for (const auto& [box, text] : GetParam().edits)
        ws.shipForm.*box = text;
    EXPECT_EQ(shipValidationFailures(ws), GetParam().expected);
}

constexpr auto RX = &ShipForm::rposX, RY = &ShipForm::rposY, RZ = &ShipForm::rposZ, C = &ShipForm::shipClass;

// Terra's radius is 6,000,000 m; for ships its atmosphere does not count.
INSTANTIATE_TEST_SUITE_P(
    Table, ShipChecks,
    ::testing::Values(ShipCase{"orbiting_without_class", orbiting("O"), {{C, ""}}, {}},
                      ShipCase{
                          "exactly_on_the_surface", orbiting("O"), {{RX, "0"}, {RY, "-6000000"}}, {kInside}},
                      ShipCase{"1m_above_the_surface", orbiting("O"), {{RX, "0"}, {RZ, "6000001"}}, {}},
                      ShipCase{"orbiting_everything_wrong",
                               orbiting("O"),
                               {{&ShipForm::angularVelocity, "x"},
                                {RY, "7E6"},
                                {RZ, ""},
                                {&ShipForm::rvelX, "1e3"},
                                {&ShipForm::rvelY, "+1"},
                                {&ShipForm::rvelZ, "1 2"},
                                {&ShipForm::arotX, "360"},
                                {&ShipForm::arotY, "-360"},
                                {&ShipForm::arotZ, "9e1"}},
                               {"The angular velocity value is not correct.",
                                "The position relative to the reference on axis Y is not correct.",
                                "The position relative to the reference on axis Z is not correct.",
                                "The velocity relative to reference on axis X is not correct.",
                                "The velocity relative to reference on axis Y is not correct.",
                                "The velocity relative to reference on axis Z is not correct.",
                                "The object frame rotation angle orientation on axis X is not correct.",
                                "The object frame rotation angle orientation on axis Y is not correct.",
                                "The object frame rotation angle orientation on axis Z is not correct."}},
                      ShipCase{"landed_nothing_set",
                               landed("L"),
                               {{&ShipForm::landedBase, ""}, {C, ""}, {&ShipForm::landedHeading, "Toto"}},
                               {"You must assign the ship to a base pad.", kClass,
                                "You must must enter a correct heading."}},
                      ShipCase{"docked_nothing_set",
                               docked("D", "Hub"),
                               {{&ShipForm::dockedStation, ""}, {C, ""}},
                               {"You must assign the ship to a station dock.", kClass}},
                      ShipCase{"no_status_no_check", ShipRow(), {{RX, "x"}}, {}},
                      ShipCase{"name_with_colon",
                               docked("D", "Hub"),
                               {{&ShipForm::name, "Red:Star"}},
                               {"The ship name must not hold a \":\", which separates the name from the class "
                                "in the file."}},
                      ShipCase{"name_with_colon_no_status", ShipRow(), {{&ShipForm::name, ":"}},
                               {"The ship name must not hold a \":\", which separates the name from the class "
                                "in the file."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StationValidation, RefusalListsEveryMessageAndStoresNothing)
{
    Workspace ws = testWorkspace();
    appendStation(ws, station("Hub"));
    selectStation(ws, 0);
    ws.stationForm.name = "Renamed";
    ws.stationForm.angleX = "360";
    ws.stationForm.meanLongitude = "abc";
    ScriptedDialogs dialogs;
    EXPECT_FALSE(validateStation(ws, dialogs));
    EXPECT_EQ(dialogs.said(0), message("Station parameter validation not accepted !",
                                       "The station frame rotation angle around X axis is not correct.\r"
                                       "The station orbit mean longitude is not correct.\r",
                                       MessageButtons::Ok, MessageIcon::None));
    EXPECT_EQ(ws.doc.stations[0].Name, "Hub");
}

} // namespace
