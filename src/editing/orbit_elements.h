#pragma once

#include "orbit.h"

#include <optional>

// The six elements of a closed orbit and the state vector they give, in the scenario file's
// frame (described in orbit.h). Angles here in radians; the forms show degrees.
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
