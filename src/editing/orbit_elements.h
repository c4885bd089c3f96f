#pragma once

#include "orbit.h"

#include <optional>

// The six elements of a closed orbit and the state vector they give, in the scenario file's
// frame.
//
// The frame: a station's ELEMENTS and a ship's RPOS/RVEL are relative to the reference body and
// share one set of axes. The file's axes are left-handed with y towards the north of the
// reference plane (the body's equator plane of the system's files): the usual right-handed
// formulas give (X, Y, Z) with Z north, and the file holds (x, y, z) = (X, Z, Y). The elements are
// a, e, the inclination i, the longitude of the ascending node, the longitude of periapsis
// (node + argument of periapsis) and the mean longitude (periapsis longitude + mean anomaly).
// An orbit with i = 0 or i = 180 degrees has no node: its node longitude is 0 and its periapsis
// longitude is counted from the x axis. A circular orbit has no periapsis: its periapsis longitude
// equals the node longitude. Angles here in radians; the forms show degrees.
struct OrbitalElements
{
    double semiMajorAxis = 0.0;
    double eccentricity = 0.0;
    double inclination = 0.0;
    double ascendingNodeLongitude = 0.0;
    double periapsisLongitude = 0.0;
    double meanLongitude = 0.0;
};

struct StateVector
{
    Vector3 position; // m, file frame
    Vector3 velocity; // m/s, file frame
};

// The state on the orbit of these elements `seconds` after their epoch (Kepler's equation carries
// the mean longitude forward, or back for a negative time); none unless a > 0, 0 <= e < 1,
// mu > 0 and every value finite.
std::optional<StateVector> stateFromElements(const OrbitalElements& elements, double mu,
                                             double seconds = 0.0);

// The elements of a state on a closed orbit, angles in [0, 2 pi) and the inclination in
// [0, pi]; an eccentricity or a sine of the inclination below 1e-11 counts as exactly 0 (the
// state they give back then differs by less than 1e-10 of its size). None for an escape orbit, a
// state at the centre or a radial one (no plane), or mu <= 0.
std::optional<OrbitalElements> elementsFromState(const StateVector& state, double mu);
