#pragma once

#include "vector3.h"

#include <optional>

// Two-body orbits around one planet or moon: the values a scenario author wants to see beside
// six orbital elements or a state vector. Lengths in metres, times in seconds, angles in radians.
//
// The frame of the file's orbits: a station's ELEMENTS and a ship's RPOS/RVEL are relative to the
// reference body and share one set of axes. The file's axes are left-handed with y towards the
// north of the reference plane (the body's equator plane of the system's files): the usual
// right-handed formulas give (X, Y, Z) with Z north, and the file holds (x, y, z) = (X, Z, Y).
// ELEMENTS are, in order, the semi-major axis a (m), the eccentricity e, the inclination i, the
// longitude of the ascending node, the longitude of periapsis (node + argument of periapsis) and
// the mean longitude (periapsis longitude + mean anomaly), angles in degrees in the file, at the
// epoch EL_MJD; a ship's state is at the scenario's start date. Speeds are in m/s. An orbit with
// i = 0 or i = 180 degrees has no node: its node longitude is 0 and its periapsis longitude is
// counted from the x axis. A circular orbit has no periapsis: its periapsis longitude equals the
// node longitude.

// Newton's gravitational constant, m^3 kg^-1 s^-2.
inline constexpr double kGravitationalConstant = 6.67430e-11;

// The data of a body file the orbit needs.
struct OrbitBody
{
    double mass = 0.0;            // Mass, kg
    double radius = 0.0;          // Size (mean radius), m
    double atmosphereLimit = 0.0; // AtmAltLimit (altitude of the atmosphere's top), m

    // The gravitational parameter G * Mass.
    double mu() const { return kGravitationalConstant * mass; }
};

// The shape and size of an orbit. A closed orbit has an apoapsis and a period; an escape orbit
// (a parabola or a hyperbola) has neither.
struct Orbit
{
    double semiMajorAxis = 0.0; // negative on a hyperbola, infinite on a parabola
    double eccentricity = 0.0;
    double semiLatusRectum = 0.0; // the conic's p = a (1 - e^2): r = p / (1 + e cos(true anomaly))
    double periapsisRadius = 0.0;
    double periapsisAltitude = 0.0; // above the mean radius
    std::optional<double> apoapsisRadius;
    std::optional<double> apoapsisAltitude;
    std::optional<double> period;
    bool escapes = false;
    // The periapsis lies below the top of the atmosphere (or below the surface of a body without
    // one), the limit validation holds a station's orbit to.
    bool crossesAtmosphere = false;
};

// The closed orbit of six elements' size and shape: none unless a > 0 and 0 <= e < 1, or when
// the body has no positive mass.
std::optional<Orbit> orbitFromElements(double semiMajorAxis, double eccentricity, const OrbitBody& body);

// What a position and velocity relative to the body say.
struct StateOrbit
{
    double distance = 0.0; // |r|
    double speed = 0.0;    // |v|
    double energy = 0.0;   // specific orbital energy v^2/2 - mu/r, J/kg
    // At or below the mean radius, the rule validation refuses a ship by.
    bool insideBody = false;
    // None for a state at the body's centre, for a body without positive mass, or for values
    // too large to square.
    std::optional<Orbit> orbit;
    // Directions in the orbit's plane, seen from its north side, counted from the ascending node
    // turned back by the node's longitude (so from the x axis for an orbit in the xy plane).
    double periapsisDirection = 0.0;
    double positionDirection = 0.0;
};

StateOrbit orbitFromState(const Vector3& position, const Vector3& velocity, const OrbitBody& body);

// How far below the mean radius the periapsis of a state's path lies, when the ship will still
// pass it: on a closed orbit always, on an escape path only while it falls towards the body.
// std::nullopt when the periapsis is above the surface, when the state is at or below the
// surface already (the case validation refuses) or when it gives no orbit.
std::optional<double> buriedPeriapsisDepth(const Vector3& position, const Vector3& velocity,
                                           const OrbitBody& body);

// The true anomaly at a mean anomaly on a closed orbit of eccentricity e (Kepler's equation
// M = E - e sin E solved for the eccentric anomaly E), in (-pi, pi].
double trueAnomalyFromMean(double meanAnomaly, double eccentricity);
