#include "form_elements.h"

#include "document/dates.h"
#include "document/text_primitives.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kSecondsPerDay = 86400.0;

std::optional<double> number(const QString& text)
{
    return IsANumber(text) ? std::optional(numericValue(text)) : std::nullopt;
}

} // namespace

double startMjd(const Scenario& doc)
{
    return mjdOf(doc.startDate, doc.startHour, doc.startMinute);
}

std::optional<OrbitalElements> stationFormElements(const StationForm& form)
{
    const auto a = number(form.semiMajorAxis);
    const auto e = number(form.excentricity);
    const auto i = number(form.inclination);
    const auto node = number(form.ascendingNodeLongitude);
    const auto periapsis = number(form.periapsisLongitude);
    const auto mean = number(form.meanLongitude);
    if (!a || !e || !i || !node || !periapsis || !mean)
        return std::nullopt;
    return OrbitalElements{*a, *e, *i * kDegree, *node * kDegree, *periapsis * kDegree, *mean * kDegree};
}

FormState stationFormStateAt(const StationForm& form, const QString& cfgDir, double mjd)
{
    const BodyLookup lookup = lookUpOrbitBody(cfgDir, form.refPlanet);
    if (!lookup.body)
        return {std::nullopt, lookup.problem};
    const auto elements = stationFormElements(form);
    if (!elements)
        return {std::nullopt, QStringLiteral("One of the six elements is not a number.")};
    if (!form.epochDate.isValid())
        return {std::nullopt, QStringLiteral("The station has no epoch date.")};
    // An hour or minute left without entry counts as 0, as the file is written.
    const double epoch = mjdOf(form.epochDate, std::max(0, form.epochHour), std::max(0, form.epochMinute));
    const auto state = stateFromElements(*elements, lookup.body->mu(), (mjd - epoch) * kSecondsPerDay);
    if (!state)
        return {std::nullopt, QStringLiteral("No closed orbit: the semi-major axis must be above 0 and the "
                                             "eccentricity from 0 to below 1.")};
    return {state, {}};
}

FormElements shipFormElements(const ShipForm& form, const QString& cfgDir)
{
    const BodyLookup lookup = lookUpOrbitBody(cfgDir, form.orbitingPlanet);
    if (!lookup.body)
        return {std::nullopt, lookup.problem};
    const auto x = number(form.rposX), y = number(form.rposY), z = number(form.rposZ);
    const auto vx = number(form.rvelX), vy = number(form.rvelY), vz = number(form.rvelZ);
    if (!x || !y || !z || !vx || !vy || !vz)
        return {std::nullopt, QStringLiteral("The position or the velocity is not a number.")};
    const auto elements = elementsFromState({{*x, *y, *z}, {*vx, *vy, *vz}}, lookup.body->mu());
    if (!elements)
        return {std::nullopt, QStringLiteral("No closed orbit, so no elements.")};
    return {elements, {}};
}

FormOrbit stationFormOrbitAtStart(const StationForm& form, const QString& cfgDir, double startMjd)
{
    FormOrbit shown = stationFormOrbit(form, cfgDir);
    const auto elements = stationFormElements(form);
    if (!shown.orbit || !shown.body || !elements || !form.epochDate.isValid())
        return shown;
    const double a = elements->semiMajorAxis;
    const double epoch = mjdOf(form.epochDate, std::max(0, form.epochHour), std::max(0, form.epochMinute));
    const double meanMotion = std::sqrt(shown.body->mu() / (a * a * a));
    const double meanAnomaly =
        elements->meanLongitude - elements->periapsisLongitude +
        std::remainder(meanMotion * (startMjd - epoch) * kSecondsPerDay, 2.0 * std::numbers::pi);
    shown.startDirection =
        elements->periapsisLongitude + trueAnomalyFromMean(meanAnomaly, elements->eccentricity);
    return shown;
}

FormOrbit shipFormOrbitWithElements(const ShipForm& form, const QString& cfgDir)
{
    FormOrbit shown = shipFormOrbit(form, cfgDir);
    shown.elements = shipFormElements(form, cfgDir).elements;
    return shown;
}

StationForm stationOrbitFields(const StationRow& row)
{
    StationForm form;
    form.refPlanet = row.RefPlanet;
    form.semiMajorAxis = row.SemiMajorAxis;
    form.excentricity = row.Excentricity;
    form.inclination = row.Inclination;
    form.ascendingNodeLongitude = row.AscendingNodeLongitude;
    form.periapsisLongitude = row.PeriapsisLongitude;
    form.meanLongitude = row.MeanLongitude;
    form.epochDate = row.EpochDate;
    form.epochHour = static_cast<int>(numericValue(row.EpochHour));
    form.epochMinute = static_cast<int>(numericValue(row.EpochMinute));
    return form;
}
