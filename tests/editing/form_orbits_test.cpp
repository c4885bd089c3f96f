// The orbit an editor form describes, the field hints of the checks, and how derived values
// are shown.
#include "editing/form_orbits.h"
#include "editing/orbit_text.h"
#include "editing/ship_editing.h"
#include "editing/station_editing.h"
#include "editing_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

TEST(LookUpOrbitBody, ReadsTheBodyFileAsValidationDoesAndSaysWhenThereIsNoData)
{
    const Workspace ws = testWorkspace();
    const BodyLookup terra = lookUpOrbitBody(ws.folders.CfgDir, "Terra");
    ASSERT_TRUE(terra.body) << terra.problem.toStdString();
    EXPECT_EQ(terra.body->mass, 6e24);
    EXPECT_EQ(terra.body->radius, 6e6);
    EXPECT_EQ(terra.body->atmosphereLimit, 1e5);
    // A moon entry is trimmed; a body without AtmAltLimit has none.
    const BodyLookup luna = lookUpOrbitBody(ws.folders.CfgDir, "   Luna");
    ASSERT_TRUE(luna.body);
    EXPECT_EQ(luna.body->atmosphereLimit, 0.0);

    const BodyLookup missing = lookUpOrbitBody(ws.folders.CfgDir, "Pluto");
    EXPECT_FALSE(missing.body);
    EXPECT_TRUE(missing.problem.startsWith("No data: the body file ")) << missing.problem.toStdString();
    EXPECT_TRUE(missing.problem.contains("Pluto.cfg"));
    // A base file has neither Mass nor Size.
    EXPECT_EQ(lookUpOrbitBody(ws.folders.CfgDir, "Port").problem, "No data: Port has no positive Mass.");
    EXPECT_EQ(lookUpOrbitBody(ws.folders.CfgDir, "").problem, "No data: no reference body.");
}

TEST(StationFormOrbit, ElementsOfTheFormAroundItsPlanet)
{
    Workspace ws = testWorkspace();
    appendStation(ws, station("Hub"));
    selectStation(ws, 0);
    // a = 7 000 000, e = 0.01 around Terra (radius 6 000 000): rp = 6 930 000, ra = 7 070 000.
    FormOrbit shown = stationFormOrbit(ws.stationForm, ws.folders.CfgDir);
    ASSERT_TRUE(shown.orbit) << shown.problem.toStdString();
    EXPECT_DOUBLE_EQ(shown.orbit->periapsisAltitude, 930000.0);
    EXPECT_DOUBLE_EQ(*shown.orbit->apoapsisAltitude, 1070000.0);
    EXPECT_FALSE(shown.orbit->crossesAtmosphere);
    // Periapsis longitude 20, mean longitude 30: 10 degrees of mean anomaly, a little more of
    // true anomaly on an eccentric orbit.
    EXPECT_NEAR(shown.periapsisDirection, 20 * kDegree, 1e-12);
    ASSERT_TRUE(shown.positionDirection);
    EXPECT_GT(*shown.positionDirection, 30 * kDegree);
    EXPECT_LT(*shown.positionDirection, 30.3 * kDegree);

    ws.stationForm.meanLongitude = "1E1";
    shown = stationFormOrbit(ws.stationForm, ws.folders.CfgDir);
    EXPECT_TRUE(shown.orbit);
    EXPECT_FALSE(shown.positionDirection);

    for (const char* axis : {"", "7E6", "abc"}) {
        ws.stationForm.semiMajorAxis = axis;
        shown = stationFormOrbit(ws.stationForm, ws.folders.CfgDir);
        EXPECT_FALSE(shown.orbit) << axis;
        EXPECT_EQ(shown.problem, "The semi-major axis or the eccentricity is not a number.");
    }
    ws.stationForm.semiMajorAxis = "7000000";
    ws.stationForm.excentricity = "1";
    shown = stationFormOrbit(ws.stationForm, ws.folders.CfgDir);
    EXPECT_FALSE(shown.orbit);
    EXPECT_TRUE(shown.problem.startsWith("No closed orbit"));

    const QString log = ws.doc.scanLog.LogMessage;
    ws.stationForm.excentricity = "0";
    ws.stationForm.refPlanet = "Pluto";
    shown = stationFormOrbit(ws.stationForm, ws.folders.CfgDir);
    EXPECT_FALSE(shown.body);
    EXPECT_FALSE(shown.orbit);
    EXPECT_TRUE(shown.problem.startsWith("No data"));
    EXPECT_EQ(ws.doc.scanLog.LogMessage, log) << "the live view leaves the scan log alone";
}

TEST(ShipFormOrbit, StateOfTheFormAroundItsPlanet)
{
    Workspace ws = testWorkspace();
    appendShip(ws, orbiting("Kite"));
    selectShip(ws, 0);
    // r = 7 000 000 on x, v = 7 500 on y around Terra: slower than the circular 7 563.6 m/s
    // (sqrt(4.00458e14 / 7e6)), so the state is the apoapsis, 1 000 km up, the periapsis opposite.
    FormOrbit shown = shipFormOrbit(ws.shipForm, ws.folders.CfgDir);
    ASSERT_TRUE(shown.orbit) << shown.problem.toStdString();
    EXPECT_FALSE(shown.insideBody);
    EXPECT_FALSE(shown.orbit->escapes);
    EXPECT_NEAR(*shown.orbit->apoapsisAltitude, 1e6, 1e-6);
    EXPECT_NEAR(std::abs(shown.periapsisDirection), std::numbers::pi, 1e-12);
    EXPECT_NEAR(*shown.positionDirection, 0.0, 1e-12);

    ws.shipForm.rposX = "5000000";
    shown = shipFormOrbit(ws.shipForm, ws.folders.CfgDir);
    EXPECT_TRUE(shown.insideBody);
    EXPECT_TRUE(shown.orbit);

    ws.shipForm.rposX = "0";
    shown = shipFormOrbit(ws.shipForm, ws.folders.CfgDir);
    EXPECT_FALSE(shown.orbit);
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
    StationForm& form = ws.stationForm;
    form.semiMajorAxis = "6050000"; // below Terra's limit radius 6 100 000
    form.angleX = "360";
    ScanLog log;
    const auto failures = stationFieldFailures(form, ws.folders.CfgDir, log);
    EXPECT_EQ(failureMessages(failures), stationValidationFailures(ws));
    const QString crossing = failures[1].message;
    const QString below = failures[2].message;
    EXPECT_EQ(fieldHint(failures, &StationForm::semiMajorAxis), crossing + '\n' + below);
    EXPECT_EQ(fieldHint(failures, &StationForm::excentricity), crossing);
    EXPECT_EQ(fieldHint(failures, &StationForm::angleX),
              "The station frame rotation angle around X axis is not correct.");
    EXPECT_EQ(fieldHint(failures, &StationForm::angleY), "");

    appendShip(ws, orbiting("Kite"));
    selectShip(ws, 0);
    ws.shipForm.rposX = "100";
    ws.shipForm.rvelZ = "fast";
    const auto shipFailures = shipFieldFailures(ws.shipForm, ws.folders.CfgDir, log);
    EXPECT_EQ(failureMessages(shipFailures), shipValidationFailures(ws));
    EXPECT_EQ(fieldHint(shipFailures, &ShipForm::rvelZ),
              "The velocity relative to reference on axis Z is not correct.");
    EXPECT_TRUE(
        fieldHint(shipFailures, &ShipForm::rposY).startsWith("The ship is located inside the planet"));

    // Only the checks of the selected status name fields.
    ws.shipForm.status = ShipStatusOption::Landed;
    ws.shipForm.landedHeading = "Toto";
    const auto landedFailures = shipFieldFailures(ws.shipForm, ws.folders.CfgDir, log);
    EXPECT_EQ(fieldHint(landedFailures, &ShipForm::rvelZ), "");
    EXPECT_EQ(fieldHint(landedFailures, &ShipForm::landedHeading), "You must must enter a correct heading.");
}

TEST(OrbitText, AltitudesInKilometresAndPeriodsInHoursMinutesSeconds)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(altitudeText(408000.0, english), "408.0 km");
    EXPECT_EQ(altitudeText(39913000.0, english), "39,913.0 km");
    EXPECT_EQ(altitudeText(-2549.0, english), "-2.5 km");
    EXPECT_EQ(durationText(5544.76155), "1 h 32 min 25 s");
    EXPECT_EQ(durationText(43174.38), "11 h 59 min 34 s");
    EXPECT_EQ(durationText(3599.6), "1 h 0 min 0 s");
    EXPECT_EQ(durationText(2360591.5), "655 h 43 min 12 s");
}

TEST(OrbitText, DerivedValuesSayWhatIsMissingOrWrong)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const OrbitBody terra{6e24, 6e6, 1e5};
    FormOrbit shown;
    shown.problem = "No data: Port has no positive Mass.";
    DerivedOrbitTexts texts = derivedOrbitTexts(shown, english);
    EXPECT_EQ(texts.periapsisAltitude, "No data");
    EXPECT_EQ(texts.period, "No data");
    EXPECT_EQ(texts.note, shown.problem);
    EXPECT_FALSE(texts.warning);

    shown.body = terra;
    shown.problem = "The position or the velocity is not a number.";
    EXPECT_EQ(derivedOrbitTexts(shown, english).apoapsisAltitude, "-");

    // 50 km up, inside Terra's 100 km atmosphere.
    shown.problem.clear();
    shown.orbit = orbitFromElements(6050000.0, 0.0, terra);
    texts = derivedOrbitTexts(shown, english);
    EXPECT_EQ(texts.periapsisAltitude, "50.0 km");
    EXPECT_EQ(texts.note, "The periapsis is below the top of the atmosphere.");
    EXPECT_TRUE(texts.warning);

    const StateOrbit escape = orbitFromState({7e6, 0.0, 0.0}, {0.0, 12000.0, 0.0}, terra);
    shown.orbit = escape.orbit;
    texts = derivedOrbitTexts(shown, english);
    EXPECT_EQ(texts.periapsisAltitude, "1,000.0 km");
    EXPECT_EQ(texts.apoapsisAltitude, "None (escape)");
    EXPECT_EQ(texts.period, "None (escape)");
    EXPECT_EQ(texts.note, "Escape orbit: the speed is enough to leave the body.");
    EXPECT_FALSE(texts.warning);

    shown.orbit = orbitFromState({5e6, 0.0, 0.0}, {0.0, 7000.0, 0.0}, terra).orbit;
    shown.insideBody = true;
    texts = derivedOrbitTexts(shown, english);
    EXPECT_TRUE(texts.warning);
    EXPECT_EQ(texts.note, "The position is inside the body.\nThe periapsis is below the surface.");
}

} // namespace
