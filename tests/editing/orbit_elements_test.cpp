// Elements to state and back in the file's frame: the frame itself, a textbook case to its
// published digits, round trips over many random orbits, and the states the forms give.
#include "document/dates.h"
#include "editing/form_elements.h"
#include "editing/orbit_elements.h"
#include "editing/orbit_text.h"
#include "editing/ship_editing.h"
#include "editing/station_editing.h"
#include "editing_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180.0;
constexpr double kEarthMu = 3.986004418e14;

// The difference of two angles, folded into [0, pi].
double angleApart(double a, double b)
{
    return std::abs(std::remainder(a - b, 2.0 * kPi));
}

double distance(const Vector3& a, const Vector3& b)
{
    return norm(difference(a, b));
}

TEST(OrbitElementsFrame, AxesOfTheFileAndSenseOfMotion)
{
    const double a = 7e6;
    const double circular = std::sqrt(kEarthMu / a);
    // In the reference plane, at the x axis: the motion goes towards +z of the file (the
    // right-handed +Y), anticlockwise seen from the north (+y).
    auto state = stateFromElements({a, 0.0, 0.0, 0.0, 0.0, 0.0}, kEarthMu);
    ASSERT_TRUE(state);
    EXPECT_NEAR(distance(state->position, {a, 0.0, 0.0}), 0.0, 1e-6);
    EXPECT_NEAR(distance(state->velocity, {0.0, 0.0, circular}), 0.0, 1e-9);
    // A polar orbit 90 degrees past its node at the x axis is over the north pole: file +y.
    state = stateFromElements({a, 0.0, 90 * kDegree, 0.0, 0.0, 90 * kDegree}, kEarthMu);
    ASSERT_TRUE(state);
    EXPECT_NEAR(distance(state->position, {0.0, a, 0.0}), 0.0, 1e-6);
    // A quarter period after the epoch the equatorial orbit is at the right-handed +Y: file +z.
    const double period = 2 * kPi * std::sqrt(a * a * a / kEarthMu);
    state = stateFromElements({a, 0.0, 0.0, 0.0, 0.0, 0.0}, kEarthMu, period / 4);
    ASSERT_TRUE(state);
    EXPECT_NEAR(distance(state->position, {0.0, 0.0, a}), 0.0, 1e-3);
    // Retrograde in the reference plane: the same place, the other way round.
    state = stateFromElements({a, 0.0, kPi, 0.0, 0.0, 0.0}, kEarthMu);
    ASSERT_TRUE(state);
    EXPECT_NEAR(distance(state->velocity, {0.0, 0.0, -circular}), 0.0, 1e-9);
    const auto back = elementsFromState(*state, kEarthMu);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->inclination, kPi);
    EXPECT_EQ(back->ascendingNodeLongitude, 0.0);
    EXPECT_EQ(back->eccentricity, 0.0);
}

TEST(OrbitElementsTextbook, CurtisExample4_3)
{
    // H. D. Curtis, Orbital Mechanics for Engineering Students, example 4.3: r = (-6045, -3490,
    // 2500) km, v = (-3.457, 6.618, 2.533) km/s, mu = 398 600 km^3/s^2 give i = 153.2 deg,
    // node 255.3 deg, e = 0.1712, argument of perigee 20.07 deg, true anomaly 28.45 deg,
    // a = 8788 km. The file holds (X, Z, Y).
    const double mu = 3.986e14;
    const StateVector state{{-6045e3, 2500e3, -3490e3}, {-3457.0, 2533.0, 6618.0}};
    const auto el = elementsFromState(state, mu);
    ASSERT_TRUE(el);
    EXPECT_NEAR(el->inclination / kDegree, 153.2, 0.05);
    EXPECT_NEAR(el->ascendingNodeLongitude / kDegree, 255.3, 0.05);
    EXPECT_NEAR(el->eccentricity, 0.1712, 0.00005);
    EXPECT_NEAR(angleApart(el->periapsisLongitude - el->ascendingNodeLongitude, 20.07 * kDegree) / kDegree,
                0.0, 0.005);
    const double trueAnomaly =
        trueAnomalyFromMean(el->meanLongitude - el->periapsisLongitude, el->eccentricity) / kDegree;
    EXPECT_NEAR(trueAnomaly, 28.45, 0.005);
    EXPECT_NEAR(el->semiMajorAxis / 1e3, 8788, 0.5);
}

struct RandomOrbits
{
    std::mt19937_64 random{20261209};

    double uniform(double low, double high)
    {
        return std::uniform_real_distribution<double>(low, high)(random);
    }

    // a from a 50 km orbit of a small moon to beyond a lunar distance, e from 0 to 0.99 and
    // i from 0 to 180 degrees, each exactly at its ends now and then; a node and a periapsis
    // only where the orbit has them.
    OrbitalElements next()
    {
        const int shape = static_cast<int>(random() % 8);
        OrbitalElements el;
        el.semiMajorAxis = std::exp(uniform(std::log(1.8e6), std::log(4.5e8)));
        el.eccentricity = shape == 0 || shape == 1 ? 0.0 : uniform(0.0, 0.99);
        el.inclination = shape == 1 || shape == 2 ? 0.0 : shape == 3 ? kPi : uniform(0.0, kPi);
        const bool equatorial = el.inclination == 0.0 || el.inclination == kPi;
        el.ascendingNodeLongitude = equatorial ? 0.0 : uniform(0.0, 2 * kPi);
        el.periapsisLongitude = el.eccentricity == 0.0 ? el.ascendingNodeLongitude : uniform(0.0, 2 * kPi);
        el.meanLongitude = uniform(0.0, 2 * kPi);
        return el;
    }
};

void expectSameElements(const OrbitalElements& back, const OrbitalElements& el, double meanLongitude, int n)
{
    EXPECT_NEAR(back.semiMajorAxis, el.semiMajorAxis, el.semiMajorAxis * 1e-9) << n;
    EXPECT_NEAR(back.eccentricity, el.eccentricity, 1e-9) << n;
    EXPECT_NEAR(back.inclination, el.inclination, 1e-9) << n;
    EXPECT_LT(angleApart(back.ascendingNodeLongitude, el.ascendingNodeLongitude), 1e-9) << n;
    EXPECT_LT(angleApart(back.periapsisLongitude, el.periapsisLongitude), 1e-9) << n;
    EXPECT_LT(angleApart(back.meanLongitude, meanLongitude), 1e-9) << n;
}

TEST(OrbitElementsRoundTrip, ElementsToStateToElementsAtTheEpochAndLater)
{
    RandomOrbits orbits;
    double worst = 0.0;
    for (int n = 0; n < 5000; ++n) {
        const OrbitalElements el = orbits.next();
        // Up to a year later: the mean longitude moves by the mean motion.
        const double seconds = n % 2 == 0 ? 0.0 : orbits.uniform(-3.2e7, 3.2e7);
        const auto state = stateFromElements(el, kEarthMu, seconds);
        ASSERT_TRUE(state) << n;
        const auto back = elementsFromState(*state, kEarthMu);
        ASSERT_TRUE(back) << n;
        const double meanMotion = std::sqrt(kEarthMu / std::pow(el.semiMajorAxis, 3));
        expectSameElements(*back, el, el.meanLongitude + std::remainder(meanMotion * seconds, 2 * kPi), n);
        worst = std::max({worst, std::abs(back->semiMajorAxis / el.semiMajorAxis - 1),
                          std::abs(back->eccentricity - el.eccentricity),
                          angleApart(back->periapsisLongitude, el.periapsisLongitude)});
        if (HasFailure())
            break;
    }
    RecordProperty("worstElementError", QString::number(worst, 'g', 3).toStdString());
}

TEST(OrbitElementsRoundTrip, StateToElementsToState)
{
    RandomOrbits orbits;
    double worst = 0.0;
    for (int n = 0; n < 5000; ++n) {
        StateVector state;
        if (n % 2 == 0) {
            state = *stateFromElements(orbits.next(), kEarthMu);
        } else {
            // Any bound state: a direction, a distance and a speed below escape; every fourth
            // one in the reference plane (y = 0 with no y speed).
            const bool flat = n % 4 == 1;
            const double r = std::exp(orbits.uniform(std::log(1.8e6), std::log(4.5e8)));
            const double v = orbits.uniform(0.05, 0.99) * std::sqrt(2 * kEarthMu / r);
            const double pa = orbits.uniform(0, 2 * kPi), pb = flat ? 0.0 : orbits.uniform(-1.5, 1.5);
            const double va = orbits.uniform(0, 2 * kPi), vb = flat ? 0.0 : orbits.uniform(-1.5, 1.5);
            state.position = {r * std::cos(pa) * std::cos(pb), r * std::sin(pb),
                              r * std::sin(pa) * std::cos(pb)};
            state.velocity = {v * std::cos(va) * std::cos(vb), v * std::sin(vb),
                              v * std::sin(va) * std::cos(vb)};
        }
        const auto el = elementsFromState(state, kEarthMu);
        ASSERT_TRUE(el) << n;
        const auto back = stateFromElements(*el, kEarthMu);
        ASSERT_TRUE(back) << n;
        const double positionError = distance(back->position, state.position) / norm(state.position);
        const double velocityError = distance(back->velocity, state.velocity) / norm(state.velocity);
        EXPECT_LT(positionError, 1e-9) << n;
        EXPECT_LT(velocityError, 1e-9) << n;
        worst = std::max({worst, positionError, velocityError});
        if (HasFailure())
            break;
    }
    RecordProperty("worstStateError", QString::number(worst, 'g', 3).toStdString());
}

TEST(OrbitElementsRefusals, NoClosedOrbitNoPlaneOrNoGravity)
{
    const OrbitalElements good{7e6, 0.1, 0.5, 1.0, 2.0, 3.0};
    ASSERT_TRUE(stateFromElements(good, kEarthMu));
    auto changed = [&](double OrbitalElements::*field, double value) {
        OrbitalElements el = good;
        el.*field = value;
        return stateFromElements(el, kEarthMu).has_value();
    };
    EXPECT_FALSE(changed(&OrbitalElements::eccentricity, 1.0));
    EXPECT_FALSE(changed(&OrbitalElements::eccentricity, -0.1));
    EXPECT_FALSE(changed(&OrbitalElements::semiMajorAxis, 0.0));
    EXPECT_FALSE(changed(&OrbitalElements::semiMajorAxis, -7e6));
    EXPECT_FALSE(changed(&OrbitalElements::meanLongitude, NAN));
    EXPECT_FALSE(stateFromElements(good, 0.0));
    EXPECT_FALSE(stateFromElements(good, kEarthMu, INFINITY));

    const double escape = std::sqrt(2 * kEarthMu / 7e6);
    EXPECT_FALSE(elementsFromState({{7e6, 0, 0}, {0, 0, escape}}, kEarthMu)) << "parabola";
    EXPECT_FALSE(elementsFromState({{7e6, 0, 0}, {0, 0, escape * 1.5}}, kEarthMu)) << "hyperbola";
    EXPECT_FALSE(elementsFromState({{7e6, 0, 0}, {100, 0, 0}}, kEarthMu)) << "radial";
    EXPECT_FALSE(elementsFromState({{0, 0, 0}, {0, 0, 7000}}, kEarthMu)) << "centre";
    EXPECT_FALSE(elementsFromState({{7e6, 0, 0}, {0, 0, 7000}}, 0.0)) << "no gravity";
    EXPECT_FALSE(elementsFromState({{1e300, 0, 0}, {0, 0, 1e300}}, kEarthMu)) << "too large";
}

TEST(FormElements, StationAtTheStartDateAndShipElements)
{
    Workspace ws = testWorkspace();
    appendStation(ws, station("Hub"));
    selectStation(ws, 0);
    // The fixture's epoch is 2000-01-01 12:30; a start at the epoch gives the state of the
    // elements themselves, a start one orbit later the same place again.
    const double epoch = mjdOf(QDate(2000, 1, 1), 12, 30);
    const auto elements = stationFormElements(ws.stationForm);
    ASSERT_TRUE(elements);
    EXPECT_NEAR(elements->meanLongitude, 30 * kDegree, 1e-15);
    const auto atEpoch = stationFormStateAt(ws.stationForm, ws.folders.CfgDir, epoch);
    ASSERT_TRUE(atEpoch.state) << atEpoch.problem.toStdString();
    const double mu = lookUpOrbitBody(ws.folders.CfgDir, "Terra").body->mu();
    EXPECT_EQ(distance(atEpoch.state->position, stateFromElements(*elements, mu)->position), 0.0);
    const double period = 2 * kPi * std::sqrt(std::pow(7e6, 3) / mu);
    const auto later = stationFormStateAt(ws.stationForm, ws.folders.CfgDir, epoch + 10 * period / 86400);
    ASSERT_TRUE(later.state);
    // An MJD near 51 544 carries its time to about a microsecond: some millimetres of track.
    EXPECT_LT(distance(later.state->position, atEpoch.state->position), 0.01);
    const auto half = stationFormStateAt(ws.stationForm, ws.folders.CfgDir, epoch + period / 2 / 86400);
    EXPECT_GT(distance(half.state->position, atEpoch.state->position), 1.3e7);

    StationForm noEpoch = ws.stationForm;
    noEpoch.epochDate = QDate();
    EXPECT_EQ(stationFormStateAt(noEpoch, ws.folders.CfgDir, epoch).problem,
              "The station has no epoch date.");
    StationForm text = ws.stationForm;
    text.meanLongitude = "3O";
    EXPECT_EQ(stationFormStateAt(text, ws.folders.CfgDir, epoch).problem,
              "One of the six elements is not a number.");
    StationForm open = ws.stationForm;
    open.excentricity = "1";
    EXPECT_FALSE(stationFormStateAt(open, ws.folders.CfgDir, epoch).state);

    // The fixture's ship: 7 000 km on x, 7 500 m/s towards the file's north, so a polar orbit
    // at its apoapsis, the node on the x axis.
    appendShip(ws, orbiting("Kite"));
    selectShip(ws, 0);
    const FormElements ship = shipFormElements(ws.shipForm, ws.folders.CfgDir);
    ASSERT_TRUE(ship.elements) << ship.problem.toStdString();
    EXPECT_NEAR(ship.elements->inclination, kPi / 2, 1e-15);
    EXPECT_NEAR(ship.elements->ascendingNodeLongitude, 0.0, 1e-15);
    EXPECT_NEAR(angleApart(ship.elements->periapsisLongitude, kPi), 0.0, 1e-12);
    ws.shipForm.rvelY = "20000";
    EXPECT_EQ(shipFormElements(ws.shipForm, ws.folders.CfgDir).problem, "No closed orbit, so no elements.");
}

TEST(FormElements, WhereTheOrbitViewsMarkTheStartDateAndTheElementsText)
{
    Workspace ws = testWorkspace();
    appendStation(ws, station("Hub"));
    selectStation(ws, 0);
    const double epoch = mjdOf(QDate(2000, 1, 1), 12, 30);
    FormOrbit shown = stationFormOrbitAtStart(ws.stationForm, ws.folders.CfgDir, epoch);
    ASSERT_TRUE(shown.startDirection && shown.positionDirection);
    EXPECT_NEAR(*shown.startDirection, *shown.positionDirection, 1e-12);
    // Half a period later, half a turn of mean anomaly: from 10 to 190 degrees of it.
    const double period = *shown.orbit->period;
    shown = stationFormOrbitAtStart(ws.stationForm, ws.folders.CfgDir, epoch + period / 2 / 86400);
    EXPECT_NEAR(angleApart(*shown.startDirection, 20 * kDegree + trueAnomalyFromMean(190 * kDegree, 0.01)),
                0.0, 1e-6);
    ws.stationForm.epochDate = QDate();
    EXPECT_FALSE(stationFormOrbitAtStart(ws.stationForm, ws.folders.CfgDir, epoch).startDirection);

    appendShip(ws, orbiting("Kite"));
    selectShip(ws, 0);
    EXPECT_TRUE(shipFormOrbitWithElements(ws.shipForm, ws.folders.CfgDir).elements);
    EXPECT_FALSE(shipFormOrbit(ws.shipForm, ws.folders.CfgDir).elements);

    const QLocale c = QLocale::c();
    EXPECT_EQ(
        elementsText({6778000.4, 0.0006, 51.64 * kDegree, 247.5 * kDegree, 130.2 * kDegree, 85 * kDegree}, c),
        QString::fromUtf8("a 6778000 m   e 0.0006   i 51.640°\nΩ 247.500°   ϖ 130.200°   L 85.000°"));
}

} // namespace
