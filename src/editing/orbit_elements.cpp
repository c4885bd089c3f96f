#include "orbit_elements.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
// Below this an eccentricity, or the sine of an inclination, is taken as exactly 0: the angle it
// would fix is lost in rounding, and dropping it moves the state by less than 1e-10 of its size.
constexpr double kDegenerate = 1e-11;

// The file holds (X, Z, Y) of the right-handed frame with Z north; the swap is its own inverse.
Vector3 swapped(const Vector3& v)
{
    return {v[0], v[2], v[1]};
}

double fullTurn(double angle)
{
    const double turned = std::fmod(angle, 2.0 * kPi);
    return turned < 0.0 ? turned + 2.0 * kPi : turned;
}

bool finite(const OrbitalElements& el)
{
    return std::isfinite(el.semiMajorAxis) && std::isfinite(el.eccentricity) &&
           std::isfinite(el.inclination) && std::isfinite(el.ascendingNodeLongitude) &&
           std::isfinite(el.periapsisLongitude) && std::isfinite(el.meanLongitude);
}

} // namespace

std::optional<StateVector> stateFromElements(const OrbitalElements& el, double mu, double seconds)
{
    const double a = el.semiMajorAxis;
    const double e = el.eccentricity;
    if (!finite(el) || !std::isfinite(seconds) || !(a > 0.0) || !(e >= 0.0) || !(e < 1.0) || !(mu > 0.0) ||
        !std::isfinite(a * a * a))
        return std::nullopt;

    const double node = el.ascendingNodeLongitude;
    const double argument = el.periapsisLongitude - node;
    const double meanMotion = std::sqrt(mu / (a * a * a));
    const double meanAnomaly = std::remainder(el.meanLongitude - el.periapsisLongitude, 2.0 * kPi) +
                               std::remainder(meanMotion * seconds, 2.0 * kPi);
    const double trueAnomaly = trueAnomalyFromMean(meanAnomaly, e);

    // P towards the periapsis, Q 90 degrees ahead of it in the orbit's plane (right-handed frame).
    const double cn = std::cos(node), sn = std::sin(node);
    const double cw = std::cos(argument), sw = std::sin(argument);
    const double ci = std::cos(el.inclination), si = std::sin(el.inclination);
    const Vector3 towardsPeriapsis{cn * cw - sn * sw * ci, sn * cw + cn * sw * ci, sw * si};
    const Vector3 ahead{-cn * sw - sn * cw * ci, -sn * sw + cn * cw * ci, cw * si};

    const double p = a * (1.0 - e * e);
    const double cv = std::cos(trueAnomaly), sv = std::sin(trueAnomaly);
    const double r = p / (1.0 + e * cv);
    const double speedScale = std::sqrt(mu / p);
    const Vector3 position = sum(scaled(towardsPeriapsis, r * cv), scaled(ahead, r * sv));
    const Vector3 velocity =
        sum(scaled(towardsPeriapsis, -speedScale * sv), scaled(ahead, speedScale * (e + cv)));
    return StateVector{swapped(position), swapped(velocity)};
}

std::optional<OrbitalElements> elementsFromState(const StateVector& state, double mu)
{
    const Vector3 position = swapped(state.position);
    const Vector3 velocity = swapped(state.velocity);
    const double r = norm(position);
    const double v = norm(velocity);
    const Vector3 angularMomentum = cross(position, velocity);
    const double h = norm(angularMomentum);
    if (!(mu > 0.0) || !(r > 0.0) || !(h > 0.0) || !std::isfinite(v * v) || !std::isfinite(h * h))
        return std::nullopt;
    const double energy = v * v / 2.0 - mu / r;
    if (!(energy < 0.0))
        return std::nullopt;

    OrbitalElements el;
    el.semiMajorAxis = -mu / (2.0 * energy);

    // The plane's own axes: towards the ascending node (the x axis when the orbit lies in the
    // reference plane) and 90 degrees ahead of it in the sense of motion.
    const Vector3 pole = scaled(angularMomentum, 1.0 / h);
    const double sinInclination = std::hypot(pole[0], pole[1]);
    const bool equatorial = sinInclination < kDegenerate;
    el.inclination = equatorial ? (pole[2] > 0.0 ? 0.0 : kPi) : std::atan2(sinInclination, pole[2]);
    const Vector3 nodeAxis = equatorial ? Vector3{1.0, 0.0, 0.0}
                                        : Vector3{-pole[1] / sinInclination, pole[0] / sinInclination, 0.0};
    const Vector3 aheadAxis = cross(pole, nodeAxis);
    el.ascendingNodeLongitude = equatorial ? 0.0 : std::atan2(nodeAxis[1], nodeAxis[0]);
    const auto inPlane = [&](const Vector3& w) { return std::atan2(dot(w, aheadAxis), dot(w, nodeAxis)); };

    const Vector3 eccentricityVector = scaled(
        difference(scaled(position, v * v - mu / r), scaled(velocity, dot(position, velocity))), 1.0 / mu);
    const double e = norm(eccentricityVector);
    const bool circular = e < kDegenerate;
    el.eccentricity = circular ? 0.0 : e;
    const double argument = circular ? 0.0 : inPlane(eccentricityVector);
    const double trueAnomaly = inPlane(position) - argument;

    // Mean anomaly from the true one through the eccentric anomaly.
    const double eccentricAnomaly =
        2.0 * std::atan2(std::sqrt(1.0 - el.eccentricity) * std::sin(trueAnomaly / 2.0),
                         std::sqrt(1.0 + el.eccentricity) * std::cos(trueAnomaly / 2.0));
    const double meanAnomaly = eccentricAnomaly - el.eccentricity * std::sin(eccentricAnomaly);

    el.ascendingNodeLongitude = fullTurn(el.ascendingNodeLongitude);
    el.periapsisLongitude = fullTurn(el.ascendingNodeLongitude + argument);
    el.meanLongitude = fullTurn(el.periapsisLongitude + meanAnomaly);
    return el;
}
