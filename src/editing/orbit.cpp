#include "orbit.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

bool allFinite(std::initializer_list<double> values)
{
    for (double value : values) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

// Altitudes, apoapsis and the atmosphere flag of an orbit whose a, e, p and periapsis are set.
Orbit finished(Orbit orbit, const OrbitBody& body)
{
    orbit.periapsisAltitude = orbit.periapsisRadius - body.radius;
    orbit.crossesAtmosphere = orbit.periapsisRadius < body.radius + body.atmosphereLimit;
    if (!orbit.escapes) {
        const double a = orbit.semiMajorAxis;
        orbit.apoapsisRadius = a * (1.0 + orbit.eccentricity);
        orbit.apoapsisAltitude = *orbit.apoapsisRadius - body.radius;
        orbit.period = 2.0 * kPi * std::sqrt(a * a * a / body.mu());
    }
    return orbit;
}

// Plane directions of a state: the plane's axes are the ascending node (where the orbit rises
// through the xy plane) and the direction 90 degrees ahead of it in the sense of motion; angles
// are then turned by the node's longitude, so that an orbit in the xy plane keeps the x axis.
struct PlaneAxes
{
    Vector3 x;
    Vector3 y;
    double nodeLongitude = 0.0;

    double direction(const Vector3& v) const { return nodeLongitude + std::atan2(dot(v, y), dot(v, x)); }
};

PlaneAxes planeAxes(const Vector3& position, const Vector3& angularMomentum)
{
    const double h = norm(angularMomentum);
    if (h == 0.0) {
        // A radial fall or climb has no plane of its own: the position itself is the x axis.
        const Vector3 x = scaled(position, 1.0 / norm(position));
        return {x, {0.0, 0.0, 0.0}, 0.0};
    }
    const Vector3 pole = scaled(angularMomentum, 1.0 / h);
    const Vector3 node{-pole[1], pole[0], 0.0};
    const double nodeLength = norm(node);
    if (nodeLength < 1e-12) {
        const Vector3 x{1.0, 0.0, 0.0};
        return {x, cross(pole, x), 0.0};
    }
    const Vector3 x = scaled(node, 1.0 / nodeLength);
    return {x, cross(pole, x), std::atan2(x[1], x[0])};
}

} // namespace

std::optional<Orbit> orbitFromElements(double semiMajorAxis, double eccentricity, const OrbitBody& body)
{
    const double a = semiMajorAxis;
    const double e = eccentricity;
    if (!(a > 0.0) || !(e >= 0.0) || !(e < 1.0) || !(body.mu() > 0.0) || !allFinite({a * a * a}))
        return std::nullopt;
    Orbit orbit;
    orbit.semiMajorAxis = a;
    orbit.eccentricity = e;
    orbit.semiLatusRectum = a * (1.0 - e * e);
    orbit.periapsisRadius = a * (1.0 - e);
    return finished(orbit, body);
}

StateOrbit orbitFromState(const Vector3& position, const Vector3& velocity, const OrbitBody& body)
{
    StateOrbit state;
    state.distance = norm(position);
    state.speed = norm(velocity);
    state.insideBody = state.distance <= body.radius;
    const double mu = body.mu();
    const Vector3 angularMomentum = cross(position, velocity);
    const double h = norm(angularMomentum);
    if (!(state.distance > 0.0) || !(mu > 0.0) ||
        !allFinite({state.distance, state.speed * state.speed, h * h, mu * mu}))
        return state;

    const double r = state.distance;
    const double v = state.speed;
    state.energy = v * v / 2.0 - mu / r;

    Orbit orbit;
    // Rounding can take 1 + 2 E h^2 / mu^2 a hair below 0 for a circular state.
    orbit.eccentricity = std::sqrt(std::max(0.0, 1.0 + 2.0 * state.energy * h * h / (mu * mu)));
    orbit.semiLatusRectum = h * h / mu;
    orbit.escapes = state.energy >= 0.0;
    if (orbit.escapes) {
        orbit.semiMajorAxis = state.energy > 0.0 ? -mu / (2.0 * state.energy) : INFINITY;
        orbit.periapsisRadius = orbit.semiLatusRectum / (1.0 + orbit.eccentricity);
    } else {
        orbit.semiMajorAxis = -mu / (2.0 * state.energy);
        orbit.periapsisRadius = orbit.semiMajorAxis * (1.0 - orbit.eccentricity);
    }
    orbit = finished(orbit, body);
    if (!allFinite({orbit.eccentricity, orbit.periapsisRadius, orbit.apoapsisRadius.value_or(0.0),
                    orbit.period.value_or(0.0)}))
        return state;
    state.orbit = orbit;

    const PlaneAxes axes = planeAxes(position, angularMomentum);
    state.positionDirection = axes.direction(position);
    // The eccentricity vector points at the periapsis; a circular orbit has none, so its
    // periapsis is taken where the state is.
    const Vector3 towardsPeriapsis =
        difference(scaled(position, v * v - mu / r), scaled(velocity, dot(position, velocity)));
    const bool circular = orbit.eccentricity < 1e-12;
    if (h == 0.0)
        state.periapsisDirection = state.positionDirection + kPi;
    else
        state.periapsisDirection = circular ? state.positionDirection : axes.direction(towardsPeriapsis);
    return state;
}

std::optional<double> buriedPeriapsisDepth(const Vector3& position, const Vector3& velocity,
                                           const OrbitBody& body)
{
    const StateOrbit state = orbitFromState(position, velocity, body);
    if (state.insideBody || !state.orbit || !(state.orbit->periapsisRadius < body.radius))
        return std::nullopt;
    if (state.orbit->escapes && dot(position, velocity) >= 0.0)
        return std::nullopt;
    return body.radius - state.orbit->periapsisRadius;
}

double trueAnomalyFromMean(double meanAnomaly, double eccentricity)
{
    const double e = eccentricity;
    const double m = std::remainder(meanAnomaly, 2.0 * kPi);
    // Newton's method from M (or pi for very eccentric orbits) converges in a few steps for
    // every M when e < 1.
    double E = e < 0.8 ? m : (m < 0.0 ? -kPi : kPi);
    for (int step = 0; step < 50; ++step) {
        const double delta = (E - e * std::sin(E) - m) / (1.0 - e * std::cos(E));
        E -= delta;
        if (std::abs(delta) < 1e-14)
            break;
    }
    return 2.0 * std::atan2(std::sqrt(1.0 + e) * std::sin(E / 2.0), std::sqrt(1.0 - e) * std::cos(E / 2.0));
}
