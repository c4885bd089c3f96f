// A ship put on an orbit by its elements, by its apsides or beside a station, and the refusals.
#include "editing/orbit_placement.h"
#include "editing/ship_editing.h"
#include "editing/station_editing.h"
#include "editing_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

double distance(const Vector3& a, const Vector3& b)
{
    return norm(difference(a, b));
}

class OrbitPlacement : public ::testing::Test
{
protected:
    Workspace ws = testWorkspace();
    OrbitBody terra = *lookUpOrbitBody(ws.folders.CfgDir, "Terra").body;
};

TEST_F(OrbitPlacement, CircularOrbitFromAltitudesAndTheBoxesItFills)
{
    // 300 km up, circular, in the reference plane: r = 6 300 000, the circular speed, and
    // elements that give back e = 0.
    const Placement placed = placeBySimpleOrbit({300e3, 300e3, 0.0, 0.0, 0.0, std::nullopt}, terra);
    ASSERT_TRUE(placed.state) << placed.refusal.toStdString();
    EXPECT_NEAR(norm(placed.state->position), 6.3e6, 1e-6);
    EXPECT_NEAR(norm(placed.state->velocity), std::sqrt(terra.mu() / 6.3e6), 1e-9);
    EXPECT_EQ(elementsFromState(*placed.state, terra.mu())->eccentricity, 0.0);

    ShipForm form;
    fillShipState(form, *placed.state);
    EXPECT_EQ(form.rposX, "6300000");
    EXPECT_EQ(form.rposY, "0");
    const StateVector typed{{form.rposX.toDouble(), form.rposY.toDouble(), form.rposZ.toDouble()},
                            {form.rvelX.toDouble(), form.rvelY.toDouble(), form.rvelZ.toDouble()}};
    EXPECT_LT(distance(typed.velocity, placed.state->velocity), 1e-9);

    // 200 by 1 000 km at 51.6 degrees, 90 degrees past periapsis: r = p / (1 + e cos 90) = p.
    const double rp = 6.2e6, ra = 7e6, a = (rp + ra) / 2, e = (ra - rp) / (ra + rp);
    const Placement tilted = placeBySimpleOrbit({200e3, 1000e3, 51.6 * kPi / 180, 1.0, 0.5, kPi / 2}, terra);
    ASSERT_TRUE(tilted.state);
    EXPECT_NEAR(norm(tilted.state->position), a * (1 - e * e), 1e-6);
    const auto el = elementsFromState(*tilted.state, terra.mu());
    EXPECT_NEAR(el->inclination, 51.6 * kPi / 180, 1e-12);
    EXPECT_NEAR(el->ascendingNodeLongitude, 1.0, 1e-12);
    EXPECT_NEAR(el->periapsisLongitude, 1.5, 1e-12);
}

TEST_F(OrbitPlacement, RefusalsBelowTheSurfaceOpenOrShapeless)
{
    const auto refusal = [&](const OrbitalElements& el) {
        return placeByElements(el, terra).refusal.toStdString();
    };
    EXPECT_EQ(refusal({0.0, 0.0, 0, 0, 0, 0}), "The semi-major axis must be above 0.");
    EXPECT_EQ(refusal({7e6, 1.0, 0, 0, 0, 0}),
              "The eccentricity must be from 0 to below 1 (a closed orbit).");
    EXPECT_EQ(refusal({7e6, -0.1, 0, 0, 0, 0}),
              "The eccentricity must be from 0 to below 1 (a closed orbit).");
    EXPECT_EQ(refusal({7e6, 0.2, 0, 0, 0, 0}),
              "The periapsis (5600000 m from the centre) is below the surface "
              "(6000000 m).");
    EXPECT_TRUE(placeByElements({7e6, 0.1, 0, 0, 0, 0}, terra).state);
    EXPECT_EQ(placeBySimpleOrbit({400e3, 300e3, 0, 0, 0, {}}, terra).refusal,
              "The apoapsis altitude must not be below the periapsis altitude.");
    EXPECT_EQ(placeBySimpleOrbit({0.0, 300e3, 0, 0, 0, {}}, terra).refusal,
              "The periapsis altitude must be above 0 (the surface).");
    EXPECT_FALSE(placeBySimpleOrbit({NAN, 300e3, 0, 0, 0, {}}, terra).state);
}

TEST_F(OrbitPlacement, TwoKilometresBehindAStationOnItsOrbit)
{
    appendStation(ws, station("Hub"));
    StationRow moonStation = station("Far");
    moonStation.RefPlanet = "Luna";
    moonStation.SemiMajorAxis = "2000000";
    appendStation(ws, moonStation);
    ws.doc.startDate = QDate(2000, 1, 3);
    ws.doc.startHour = 7;
    EXPECT_EQ(stationsAround(ws.doc, " Terra "), QStringList{"Hub"});
    EXPECT_EQ(stationsAround(ws.doc, "Luna"), QStringList{"Far"});
    EXPECT_TRUE(stationsAround(ws.doc, "").isEmpty());

    const Placement at = placeBesideStation(ws, "Hub", 0.0);
    const Placement behind = placeBesideStation(ws, "Hub", -2000.0);
    ASSERT_TRUE(at.state && behind.state) << behind.refusal.toStdString();
    selectStation(ws, 0);
    const FormState station = stationFormStateAt(ws.stationForm, ws.folders.CfgDir, startMjd(ws.doc));
    EXPECT_EQ(distance(at.state->position, station.state->position), 0.0);
    // 2 km of arc on a 7 000 km orbit: the chord is shorter by s^3 / (24 r^2), a few micrometres.
    EXPECT_NEAR(distance(behind.state->position, at.state->position), 2000.0, 1e-3);
    const auto stationElements = elementsFromState(*at.state, terra.mu());
    const auto shipElements = elementsFromState(*behind.state, terra.mu());
    EXPECT_NEAR(shipElements->semiMajorAxis, stationElements->semiMajorAxis, 1e-3);
    EXPECT_NEAR(shipElements->eccentricity, stationElements->eccentricity, 1e-12);
    EXPECT_NEAR(shipElements->inclination, stationElements->inclination, 1e-12);
    EXPECT_NEAR(shipElements->periapsisLongitude, stationElements->periapsisLongitude, 1e-9);
    // Behind: an earlier place, so a smaller mean longitude.
    EXPECT_LT(shipElements->meanLongitude, stationElements->meanLongitude);
    // Half the orbit ahead lands at the far side.
    const double circumference = 2 * kPi * 7e6;
    const Placement across = placeBesideStation(ws, "Hub", circumference / 2);
    EXPECT_GT(distance(across.state->position, at.state->position), 1.3e7);

    EXPECT_EQ(placeBesideStation(ws, "Nowhere", 0.0).refusal, "There is no station Nowhere.");
    ws.doc.stations[0].EpochDate = QDate();
    EXPECT_EQ(placeBesideStation(ws, "Hub", 0.0).refusal,
              "Hub has no place at the start date: The station has no epoch date.");
}

TEST_F(OrbitPlacement, DockedShipPutInOrbitBehindItsStationInOneClick)
{
    appendStation(ws, station("Hub"));
    appendShip(ws, docked("Tug", "Hub"));
    ws.doc.startDate = QDate(2000, 1, 2);
    selectShip(ws, 0);
    ws.shipForm.arotX.clear();
    const Placement placed = orbitBesideDockStation(ws);
    ASSERT_TRUE(placed.state) << placed.refusal.toStdString();
    EXPECT_EQ(ws.shipForm.status, ShipStatusOption::Orbiting);
    EXPECT_EQ(ws.shipForm.orbitingPlanet, "Terra");
    EXPECT_EQ(ws.shipForm.arotX, "0");
    const Placement hub = placeBesideStation(ws, "Hub", 0.0);
    const Vector3 typed{ws.shipForm.rposX.toDouble(), ws.shipForm.rposY.toDouble(),
                        ws.shipForm.rposZ.toDouble()};
    EXPECT_NEAR(distance(typed, hub.state->position), -kBesideStationDistance, 1e-3);
    EXPECT_TRUE(shipValidationFailures(ws).isEmpty()) << shipValidationFailures(ws).join('\n').toStdString();

    // Once orbiting, or docked at a station without a place at the start date, nothing changes.
    EXPECT_EQ(orbitBesideDockStation(ws).refusal, "The ship is not docked at a station.");
    selectShip(ws, 0);
    ws.doc.stations[0].EpochDate = QDate();
    const ShipForm before = ws.shipForm;
    EXPECT_FALSE(orbitBesideDockStation(ws).state);
    EXPECT_EQ(ws.shipForm.status, ShipStatusOption::Docked);
    EXPECT_EQ(ws.shipForm.rposX, before.rposX);
}

} // namespace
