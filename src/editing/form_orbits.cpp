#include "form_orbits.h"

#include "catalogue/planetary_system.h"
#include "document/text_primitives.h"

#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// Each text is a number in the sense of the editor's checks (digits, one point, a leading minus).
bool allNumbers(std::initializer_list<const QString*> texts)
{
    for (const QString* text : texts) {
        if (!IsANumber(*text))
            return false;
    }
    return true;
}

} // namespace

BodyLookup lookUpOrbitBody(const QString& cfgDir, const QString& entry)
{
    const QString planet = trimBlanks(entry);
    if (planet.isEmpty())
        return {std::nullopt, QStringLiteral("No data: no reference body.")};
    // The look-ups of a live view would fill the user's scan log at every key stroke; a file that
    // cannot be read is told here instead.
    ScanLog log;
    const auto mass = bodyNumber(cfgDir, planet, QStringLiteral("Mass"), log);
    if (log.LogError)
        return {
            std::nullopt,
            QStringLiteral("No data: the body file %1 cannot be read.").arg(bodyFilePath(cfgDir, planet))};
    const auto size = bodyNumber(cfgDir, planet, QStringLiteral("Size"), log);
    if (!mass || !(*mass > 0.0))
        return {std::nullopt, QStringLiteral("No data: %1 has no positive Mass.").arg(planet)};
    if (!size)
        return {std::nullopt, QStringLiteral("No data: %1 has no Size.").arg(planet)};
    OrbitBody body;
    body.mass = *mass;
    body.radius = *size;
    body.atmosphereLimit = bodyNumber(cfgDir, planet, QStringLiteral("AtmAltLimit"), log).value_or(0.0);
    return {body, {}};
}

FormOrbit stationFormOrbit(const StationForm& form, const QString& cfgDir)
{
    FormOrbit result;
    const BodyLookup lookup = lookUpOrbitBody(cfgDir, form.refPlanet);
    result.body = lookup.body;
    if (!lookup.body) {
        result.problem = lookup.problem;
        return result;
    }
    if (!allNumbers({&form.semiMajorAxis, &form.excentricity})) {
        result.problem = QStringLiteral("The semi-major axis or the eccentricity is not a number.");
        return result;
    }
    const double e = numericValue(form.excentricity);
    result.orbit = orbitFromElements(numericValue(form.semiMajorAxis), e, *lookup.body);
    if (!result.orbit) {
        result.problem = QStringLiteral(
            "No closed orbit: the semi-major axis must be above 0 and the eccentricity from 0 to below 1.");
        return result;
    }
    if (!IsANumber(form.periapsisLongitude))
        return result;
    const double periapsisLongitude = numericValue(form.periapsisLongitude) * kDegree;
    result.periapsisDirection = periapsisLongitude;
    // The mean longitude is the periapsis longitude plus the mean anomaly.
    if (IsANumber(form.meanLongitude))
        result.positionDirection =
            periapsisLongitude +
            trueAnomalyFromMean(numericValue(form.meanLongitude) * kDegree - periapsisLongitude, e);
    return result;
}

FormOrbit shipFormOrbit(const ShipForm& form, const QString& cfgDir)
{
    FormOrbit result;
    const BodyLookup lookup = lookUpOrbitBody(cfgDir, form.orbitingPlanet);
    result.body = lookup.body;
    if (!lookup.body) {
        result.problem = lookup.problem;
        return result;
    }
    if (!allNumbers({&form.rposX, &form.rposY, &form.rposZ, &form.rvelX, &form.rvelY, &form.rvelZ})) {
        result.problem = QStringLiteral("The position or the velocity is not a number.");
        return result;
    }
    const Vector3 position{numericValue(form.rposX), numericValue(form.rposY), numericValue(form.rposZ)};
    const Vector3 velocity{numericValue(form.rvelX), numericValue(form.rvelY), numericValue(form.rvelZ)};
    const StateOrbit state = orbitFromState(position, velocity, *lookup.body);
    result.insideBody = state.insideBody;
    result.orbit = state.orbit;
    if (!state.orbit) {
        result.problem = state.distance > 0.0 ? QStringLiteral("No orbit: the values are too large.")
                                              : QStringLiteral("No orbit: the ship is at the body's centre.");
        return result;
    }
    result.periapsisDirection = state.periapsisDirection;
    result.positionDirection = state.positionDirection;
    return result;
}
