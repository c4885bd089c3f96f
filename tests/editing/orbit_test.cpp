// Orbits from elements and from states, against values worked out by hand (each case's comment
// holds the arithmetic; G = 6.67430e-11).
#include "editing/orbit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// Earth and Moon with their published mass and mean radius; the atmosphere limits are ours.
const OrbitBody kEarth{5.97237e24, 6.371e6, 200000.0};
const OrbitBody kMoon{7.342e22, 1.7374e6, 0.0};

void expectRelative(double actual, double expected, const char* what)
{
    EXPECT_NEAR(actual, expected, std::abs(expected) * 1e-9) << what;
}

TEST(OrbitFromElements, CircularLowEarthOrbit)
{
    // mu = 6.67430e-11 * 5.97237e24 = 3.98613890910e14.
    // a = 6 771 000, e = 0: both apsides at 6 771 000 m, 400 000 m above the 6 371 000 m radius.
    // a^3 = 3.10426252011e20; a^3 / mu = 778 764.260579; sqrt = 882.476209639;
    // T = 2 pi * 882.476209639 = 5 544.76155434 s. 6 771 000 >= 6 371 000 + 200 000: clear.
    const auto orbit = orbitFromElements(6771000.0, 0.0, kEarth);
    ASSERT_TRUE(orbit);
    expectRelative(orbit->periapsisAltitude, 400000.0, "periapsis altitude");
    expectRelative(*orbit->apoapsisAltitude, 400000.0, "apoapsis altitude");
    expectRelative(*orbit->period, 5544.76155434, "period");
    expectRelative(orbit->semiLatusRectum, 6771000.0, "p");
    EXPECT_FALSE(orbit->crossesAtmosphere);
}

TEST(OrbitFromElements, MolniyaLikeOrbit)
{
    // a = 26 600 000, e = 0.74: rp = a * 0.26 = 6 916 000 (545 000 m up), ra = a * 1.74 =
    // 46 284 000 (39 913 000 m up). a^3 = 1.8821096e22; / mu = 4.72163575560e7; sqrt =
    // 6 871.41597897; T = 43 174.3799186 s (about 12 h). p = a (1 - 0.5476) = 12 033 840.
    const auto orbit = orbitFromElements(26600000.0, 0.74, kEarth);
    ASSERT_TRUE(orbit);
    expectRelative(orbit->periapsisAltitude, 545000.0, "periapsis altitude");
    expectRelative(*orbit->apoapsisAltitude, 39913000.0, "apoapsis altitude");
    expectRelative(*orbit->period, 43174.3799186, "period");
    expectRelative(orbit->semiLatusRectum, 12033840.0, "p");
    EXPECT_FALSE(orbit->crossesAtmosphere);
}

TEST(OrbitFromElements, LunarOrbitAndTheAtmosphereLimit)
{
    // mu = 6.67430e-11 * 7.342e22 = 4.90027106e12. a = 1 837 400, e = 0.02: rp = 1 800 652
    // (63 252 m up), ra = 1 874 148 (136 748 m up). a^3 = 6.203133617624e18; / mu =
    // 1 265 875.61008; sqrt = 1 125.11137674; T = 7 069.28327130 s.
    const auto orbit = orbitFromElements(1837400.0, 0.02, kMoon);
    ASSERT_TRUE(orbit);
    expectRelative(orbit->periapsisAltitude, 63252.0, "periapsis altitude");
    expectRelative(*orbit->apoapsisAltitude, 136748.0, "apoapsis altitude");
    expectRelative(*orbit->period, 7069.28327130, "period");
    EXPECT_FALSE(orbit->crossesAtmosphere);

    // Without an atmosphere the surface is the limit; around Earth a periapsis 100 km up lies
    // inside the 200 km atmosphere, and the limit itself is clear (validation's "below" rule).
    EXPECT_TRUE(orbitFromElements(1737000.0, 0.0, kMoon)->crossesAtmosphere);
    EXPECT_TRUE(orbitFromElements(6471000.0, 0.0, kEarth)->crossesAtmosphere);
    EXPECT_FALSE(orbitFromElements(6571000.0, 0.0, kEarth)->crossesAtmosphere);
}

TEST(OrbitFromState, EscapeStateHasNoApoapsisAndNoPeriod)
{
    // r = 7 000 000 m on x, v = 11 000 m/s on y (perpendicular, so this is the periapsis).
    // E = 11000^2 / 2 - mu / 7e6 = 60 500 000 - 56 944 841.5586 = 3 555 158.44143 J/kg > 0.
    // h = 7.7e10; 2 E h^2 / mu^2 = 2 * 3 555 158.44 * 5.929e21 / 1.58893034026e29 = 0.265317287550;
    // e = sqrt(1.265317287550) = 1.12486323060; a = -mu / 2E = -56 061 339.8077 m;
    // rp = h^2 / (mu (1 + e)) = 7 000 000 m, 629 000 m up.
    const StateOrbit state = orbitFromState({7e6, 0.0, 0.0}, {0.0, 11000.0, 0.0}, kEarth);
    EXPECT_FALSE(state.insideBody);
    expectRelative(state.energy, 3555158.44143, "energy");
    ASSERT_TRUE(state.orbit);
    EXPECT_TRUE(state.orbit->escapes);
    expectRelative(state.orbit->eccentricity, 1.12486323060, "e");
    expectRelative(state.orbit->semiMajorAxis, -56061339.8077, "a");
    expectRelative(state.orbit->periapsisRadius, 7e6, "periapsis");
    expectRelative(state.orbit->periapsisAltitude, 629000.0, "periapsis altitude");
    EXPECT_FALSE(state.orbit->apoapsisAltitude);
    EXPECT_FALSE(state.orbit->period);
    // In the xy plane, moving anticlockwise: periapsis and position both on the x axis.
    EXPECT_NEAR(state.periapsisDirection, 0.0, 1e-12);
    EXPECT_NEAR(state.positionDirection, 0.0, 1e-12);
}

TEST(OrbitFromState, StateInsideTheBodyIsSaidSoAndStillHasItsOrbit)
{
    // r = 6 000 000 m (below the 6 371 000 m radius), v = 7 000 m/s perpendicular, slower than
    // circular there, so the state is the apoapsis. E = 24 500 000 - 66 435 648.4850 =
    // -41 935 648.4850; a = mu / (2 * 41 935 648.4850) = 4 752 685.42768 m;
    // 2 E h^2 / mu^2 with h^2 = 1.764e21 gives -0.931123058740, e = sqrt(0.0688769412604) =
    // 0.262444167892; ra = a (1 + e) = 6 000 000, rp = a (1 - e) = 3 505 370.85536.
    const StateOrbit state = orbitFromState({6e6, 0.0, 0.0}, {0.0, 7000.0, 0.0}, kEarth);
    EXPECT_TRUE(state.insideBody);
    ASSERT_TRUE(state.orbit);
    EXPECT_FALSE(state.orbit->escapes);
    expectRelative(state.energy, -41935648.4850, "energy");
    expectRelative(state.orbit->semiMajorAxis, 4752685.42768, "a");
    expectRelative(state.orbit->eccentricity, 0.262444167892, "e");
    expectRelative(*state.orbit->apoapsisRadius, 6e6, "apoapsis");
    expectRelative(state.orbit->periapsisRadius, 3505370.85536, "periapsis");
    EXPECT_TRUE(state.orbit->crossesAtmosphere);
    // The periapsis lies opposite the position.
    EXPECT_NEAR(std::abs(state.periapsisDirection - state.positionDirection), std::numbers::pi, 1e-9);
    // Exactly on the surface counts as inside, as validation has it; the centre has no orbit.
    EXPECT_TRUE(orbitFromState({0.0, 6.371e6, 0.0}, {7900.0, 0.0, 0.0}, kEarth).insideBody);
    EXPECT_FALSE(orbitFromState({0.0, 0.0, 0.0}, {100.0, 0.0, 0.0}, kEarth).orbit);
}

TEST(OrbitEdges, NoOrbitOutsideTheRangesAndKeplersEquationSolved)
{
    for (const auto& [a, e] :
         {std::pair{7e6, 1.0}, {7e6, -0.1}, {0.0, 0.1}, {std::nan(""), 0.1}, {1e200, 0.1}})
        EXPECT_FALSE(orbitFromElements(a, e, kEarth)) << a << ' ' << e;
    EXPECT_FALSE(orbitFromElements(7e6, 0.1, OrbitBody{}));
    EXPECT_FALSE(orbitFromState({1e300, 0.0, 0.0}, {0.0, 1e300, 0.0}, kEarth).orbit);
    // A circular state gives e = 0, not the NaN of a square root of a rounded -1e-17.
    const double v = std::sqrt(kEarth.mu() / 6771000.0);
    EXPECT_NEAR(orbitFromState({0.0, -6771000.0, 0.0}, {v, 0.0, 0.0}, kEarth).orbit->eccentricity, 0.0, 1e-7);

    // e = 0.5, M = pi / 2: E - 0.5 sin E = 1.5707963 gives E = 2.0209799; tan(nu / 2) =
    // sqrt(3) tan(E / 2) gives nu = 2.4465609.
    EXPECT_NEAR(trueAnomalyFromMean(std::numbers::pi / 2, 0.5), 2.4465609, 1e-6);
    EXPECT_NEAR(trueAnomalyFromMean(2 * std::numbers::pi + 1.0, 0.0), 1.0, 1e-12);
    for (double e : {0.5, 0.99}) {
        for (double m = -3.0; m <= 3.0; m += 0.5) {
            const double E =
                2.0 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(trueAnomalyFromMean(m, e) / 2));
            EXPECT_NEAR(E - e * std::sin(E), m, 1e-9) << e << ' ' << m;
        }
    }
}

// Paths that validation accepts (the ship is above the ground) and that run into it.
TEST(BuriedPeriapsis, OnlyAPathThatStillReachesAPeriapsisBelowTheGroundIsBuried)
{
    struct Case
    {
        const char* name;
        Vector3 position;
        Vector3 velocity;
        OrbitBody body;
        std::optional<double> depth;
    };
    const Case cases[] = {
        // sqrt(mu / 7e6) = 7 546.18 m/s: a circle 629 km up.
        {"circular", {7e6, 0.0, 0.0}, {0.0, 7546.18, 0.0}, kEarth, std::nullopt},
        // At its apoapsis 7e6 m with 3 000 m/s: E = 4.5e6 - 5.69448416e7 = -5.24448416e7 J/kg,
        // a = mu / (2 |E|) = 3 800 315.5 m, rp = 2a - 7e6 = 600 631.0 m, 5 770 369.0 m deep.
        {"closed and buried", {7e6, 0.0, 0.0}, {0.0, 3000.0, 0.0}, kEarth, 5770368.95},
        // Escaping: E = 2.00125e8 - 5.69448e7 = 1.43180e8 J/kg, h = 7e6 * 500 = 3.5e9, p = h^2 / mu =
        // 30 731.5 m, e = sqrt(1 + 2 E h^2 / mu^2) = 1.0109783, rp = p / (1 + e) = 15 281.9 m.
        {"escaping, moving away", {7e6, 0.0, 0.0}, {20000.0, 500.0, 0.0}, kEarth, std::nullopt},
        {"escaping, falling", {7e6, 0.0, 0.0}, {-20000.0, 500.0, 0.0}, kEarth, 6355718.14},
        // At rest it falls straight down: the periapsis is the centre.
        {"at rest", {0.0, 7e6, 0.0}, {0.0, 0.0, 0.0}, kEarth, 6.371e6},
        // Inside the body already: validation refuses it, this rule says nothing.
        {"inside", {6e6, 0.0, 0.0}, {0.0, 3000.0, 0.0}, kEarth, std::nullopt},
        // 1 837 400 m from the Moon's centre at sqrt(4.90027e12 / 1.8374e6) = 1 633.06 m/s: 100 km up.
        {"lunar circle", {1.8374e6, 0.0, 0.0}, {0.0, 0.0, 1633.06}, kMoon, std::nullopt},
        {"no mass", {7e6, 0.0, 0.0}, {0.0, 3000.0, 0.0}, OrbitBody{0.0, 6.371e6, 0.0}, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto depth = buriedPeriapsisDepth(c.position, c.velocity, c.body);
        ASSERT_EQ(depth.has_value(), c.depth.has_value()) << c.name;
        if (depth) {
            EXPECT_NEAR(*depth, *c.depth, 0.01) << c.name;
        }
    }
}

} // namespace
