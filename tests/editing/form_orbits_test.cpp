// The orbit an editor form describes, the fields each failed check names, and the texts shown.
#include "editing/form_orbits.h"
#include "editing/orbit_text.h"
#include "editing/ship_editing.h"
#include "editing/station_editing.h"
#include "editing_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

TEST(FormOrbit, StationElementsAroundItsBodyOrWhyThereIsNoOrbit)
{
    Workspace ws = testWorkspace();
    appendStation(ws, station("Hub"));
    selectStation(ws, 0);
    const QString log = ws.doc.scanLog.LogMessage;
    // a = 7 000 000, e = 0.01 around Terra (radius 6 000 000): 930 and 1 070 km up. Periapsis
    // longitude 20, mean longitude 30: 10 degrees of mean anomaly, a little more of true anomaly.
    FormOrbit shown = stationFormOrbit(ws.stationForm, ws.folders.CfgDir);
    ASSERT_TRUE(shown.orbit) << shown.problem.toStdString();
    EXPECT_DOUBLE_EQ(shown.orbit->periapsisAltitude, 930000.0);
    EXPECT_DOUBLE_EQ(*shown.orbit->apoapsisAltitude, 1070000.0);
    EXPECT_NEAR(shown.periapsisDirection, 20 * std::numbers::pi / 180, 1e-12);
    EXPECT_GT(*shown.positionDirection, 30 * std::numbers::pi / 180);
    EXPECT_LT(*shown.positionDirection, 30.3 * std::numbers::pi / 180);

    const auto problem = [&](QString StationForm::*field, const char* text) {
        StationForm form = ws.stationForm;
        form.*field = text;
        shown = stationFormOrbit(form, ws.folders.CfgDir);
        EXPECT_FALSE(shown.orbit) << text;
        return shown.problem.toStdString();
    };
    EXPECT_EQ(problem(&StationForm::semiMajorAxis, "7E6"),
              "The semi-major axis or the eccentricity is not a number.");
    EXPECT_EQ(problem(&StationForm::excentricity, "1").substr(0, 15), "No closed orbit");
    EXPECT_EQ(problem(&StationForm::refPlanet, ""), "No data: no reference body.");
    EXPECT_EQ(problem(&StationForm::refPlanet, "Port"), "No data: Port has no positive Mass.");
    EXPECT_EQ(problem(&StationForm::refPlanet, "Pluto").substr(0, 23), "No data: the body file ");
    EXPECT_EQ(ws.doc.scanLog.LogMessage, log) << "the live view leaves the scan log alone";
}

TEST(FormOrbit, ShipStateAroundItsBody)
{
    Workspace ws = testWorkspace();
    appendShip(ws, orbiting("Kite"));
    selectShip(ws, 0);
    // r = 7 000 000 on x, v = 7 500 on y around Terra: slower than the circular 7 563.6 m/s
    // (sqrt(4.00458e14 / 7e6)), so the state is the apoapsis, 1 000 km up, the periapsis opposite.
    FormOrbit shown = shipFormOrbit(ws.shipForm, ws.folders.CfgDir);
    ASSERT_TRUE(shown.orbit) << shown.problem.toStdString();
    EXPECT_NEAR(*shown.orbit->apoapsisAltitude, 1e6, 1e-6);
    EXPECT_NEAR(std::abs(shown.periapsisDirection), std::numbers::pi, 1e-12);
    EXPECT_NEAR(*shown.positionDirection, 0.0, 1e-12);

    ws.shipForm.rposX = "0";
    shown = shipFormOrbit(ws.shipForm, ws.folders.CfgDir);
    EXPECT_TRUE(shown.insideBody);
    EXPECT_EQ(shown.problem, "No orbit: the ship is at the body's centre.");
    ws.shipForm.rvelY = "7.5E3";
    EXPECT_EQ(shipFormOrbit(ws.shipForm, ws.folders.CfgDir).problem,
              "The position or the velocity is not a number.");
}

TEST(FieldFailures, NameTheFieldsTheirChecksRead)
{
    Workspace ws = testWorkspace();
    appendStation(ws, station("Hub"));
    selectStation(ws, 0);
    ws.stationForm.semiMajorAxis = "6050000"; // below Terra's limit radius 6 100 000
    ScanLog log;
    const auto failures = stationFieldFailures(ws.stationForm, ws.folders.CfgDir, log);
    ASSERT_EQ(failureMessages(failures), stationValidationFailures(ws));
    ASSERT_EQ(failures.size(), 2);
    EXPECT_EQ(fieldHint(failures, &StationForm::semiMajorAxis),
              failures[0].message + '\n' + failures[1].message);
    EXPECT_EQ(fieldHint(failures, &StationForm::excentricity), failures[0].message); // the crossing check
    EXPECT_EQ(fieldHint(failures, &StationForm::angleY), "");

    appendShip(ws, orbiting("Kite"));
    selectShip(ws, 0);
    ws.shipForm.rposX = "100";
    const auto shipFailures = shipFieldFailures(ws.shipForm, ws.folders.CfgDir, log);
    EXPECT_EQ(failureMessages(shipFailures), shipValidationFailures(ws));
    EXPECT_TRUE(
        fieldHint(shipFailures, &ShipForm::rposZ).startsWith("The ship is located inside the planet"));
    // Only the checks of the selected status name fields.
    ws.shipForm.status = ShipStatusOption::Landed;
    ws.shipForm.landedHeading = "Toto";
    const auto landed = shipFieldFailures(ws.shipForm, ws.folders.CfgDir, log);
    EXPECT_EQ(fieldHint(landed, &ShipForm::rposZ), "");
    EXPECT_EQ(fieldHint(landed, &ShipForm::landedHeading), "You must must enter a correct heading.");
}

TEST(OrbitText, ValuesNotesAndWhatIsMissing)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(altitudeText(39913000.0, english), "39,913.0 km");
    EXPECT_EQ(altitudeText(-2549.0, english), "-2.5 km");
    EXPECT_EQ(durationText(5544.76155), "1 h 32 min 25 s");
    EXPECT_EQ(durationText(3599.6), "1 h 0 min 0 s");
    EXPECT_EQ(durationText(2360591.5), "655 h 43 min 12 s");

    const OrbitBody terra{6e24, 6e6, 1e5};
    FormOrbit shown;
    shown.problem = "No data: Port has no positive Mass.";
    EXPECT_EQ(derivedOrbitTexts(shown, english).period, "No data");
    shown.body = terra;
    EXPECT_EQ(derivedOrbitTexts(shown, english).period, "-");

    shown.orbit = orbitFromElements(6050000.0, 0.0, terra); // 50 km up, in the 100 km atmosphere
    DerivedOrbitTexts texts = derivedOrbitTexts(shown, english);
    EXPECT_EQ(texts.note, "The periapsis is below the top of the atmosphere.");
    EXPECT_TRUE(texts.warning);
    shown.orbit = orbitFromState({7e6, 0.0, 0.0}, {0.0, 12000.0, 0.0}, terra).orbit;
    texts = derivedOrbitTexts(shown, english);
    EXPECT_EQ(texts.periapsisAltitude, "1,000.0 km");
    EXPECT_EQ(texts.apoapsisAltitude + texts.period, "None (escape)None (escape)");
    EXPECT_FALSE(texts.warning);
    shown.orbit = orbitFromState({5e6, 0.0, 0.0}, {0.0, 7000.0, 0.0}, terra).orbit;
    shown.insideBody = true;
    EXPECT_EQ(derivedOrbitTexts(shown, english).note,
              "The position is inside the body.\nThe periapsis is below the surface.");
}

} // namespace
