#include "orbit_placement.h"

#include "document/number_text.h"
#include "document/text_primitives.h"
#include "ship_editing.h"

#include <cmath>

namespace {

// Steps of the walk along a station's track: each step's time is its share of the distance
// divided by the speed at its start, which follows the speed's change along an eccentric orbit.
constexpr int kTrackSteps = 64;

Placement refused(const QString& why)
{
    return {std::nullopt, why};
}

} // namespace

Placement placeByElements(const OrbitalElements& elements, const OrbitBody& body)
{
    const double a = elements.semiMajorAxis;
    const double e = elements.eccentricity;
    if (!(a > 0.0))
        return refused(QStringLiteral("The semi-major axis must be above 0."));
    if (!(e >= 0.0 && e < 1.0))
        return refused(QStringLiteral("The eccentricity must be from 0 to below 1 (a closed orbit)."));
    if (!(a * (1.0 - e) > body.radius))
        return refused(QStringLiteral("The periapsis (%1 m from the centre) is below the surface (%2 m).")
                           .arg(plainNumberText(a * (1.0 - e)), plainNumberText(body.radius)));
    const auto state = stateFromElements(elements, body.mu());
    if (!state)
        return refused(QStringLiteral("These elements give no orbit around this body."));
    return {state, {}};
}

Placement placeBySimpleOrbit(const SimpleOrbit& orbit, const OrbitBody& body)
{
    if (!(orbit.apoapsisAltitude >= orbit.periapsisAltitude))
        return refused(QStringLiteral("The apoapsis altitude must not be below the periapsis altitude."));
    const double periapsis = body.radius + orbit.periapsisAltitude;
    const double apoapsis = body.radius + orbit.apoapsisAltitude;
    if (!(periapsis > body.radius))
        return refused(QStringLiteral("The periapsis altitude must be above 0 (the surface)."));
    OrbitalElements elements;
    elements.semiMajorAxis = (periapsis + apoapsis) / 2.0;
    elements.eccentricity = (apoapsis - periapsis) / (apoapsis + periapsis);
    elements.inclination = orbit.inclination;
    elements.ascendingNodeLongitude = orbit.ascendingNodeLongitude;
    elements.periapsisLongitude = orbit.ascendingNodeLongitude + orbit.argumentOfPeriapsis;
    const double nu = orbit.trueAnomaly.value_or(0.0);
    const double e = elements.eccentricity;
    const double eccentricAnomaly =
        2.0 * std::atan2(std::sqrt(1.0 - e) * std::sin(nu / 2.0), std::sqrt(1.0 + e) * std::cos(nu / 2.0));
    elements.meanLongitude = elements.periapsisLongitude + eccentricAnomaly - e * std::sin(eccentricAnomaly);
    return placeByElements(elements, body);
}

QStringList stationsAround(const Scenario& doc, const QString& body)
{
    QStringList names;
    const QString wanted = trimBlanks(body);
    for (int i = 0; i < doc.stationNames.size() && i < doc.stations.rowCount(); ++i) {
        if (!wanted.isEmpty() &&
            trimBlanks(doc.stations[i].RefPlanet).compare(wanted, Qt::CaseInsensitive) == 0)
            names << doc.stationNames[i];
    }
    return names;
}

Placement placeBesideStation(const Workspace& ws, const QString& station, double metres)
{
    const int row = ws.doc.stationNames.indexOf(station);
    if (row < 0 || row >= ws.doc.stations.rowCount())
        return refused(QStringLiteral("There is no station %1.").arg(station));
    if (!std::isfinite(metres))
        return refused(QStringLiteral("The distance along the track is not a number."));
    const StationForm form = stationOrbitFields(ws.doc.stations[row]);
    const BodyLookup lookup = lookUpOrbitBody(ws.folders.CfgDir, form.refPlanet);
    if (!lookup.body)
        return refused(lookup.problem);
    const double start = startMjd(ws.doc);
    const FormState atStart = stationFormStateAt(form, ws.folders.CfgDir, start);
    if (!atStart.state)
        return refused(QStringLiteral("%1 has no place at the start date: %2").arg(station, atStart.problem));
    // The station's orbit with the start date as its epoch, walked along from there.
    const double mu = lookup.body->mu();
    const auto elementsAtStart = elementsFromState(*atStart.state, mu);
    if (!elementsAtStart)
        return refused(QStringLiteral("%1 has no closed orbit.").arg(station));
    double seconds = 0.0;
    StateVector state = *atStart.state;
    for (int step = 0; step < kTrackSteps && metres != 0.0; ++step) {
        seconds += metres / kTrackSteps / norm(state.velocity);
        state = *stateFromElements(*elementsAtStart, mu, seconds);
    }
    return {state, {}};
}

void fillShipState(ShipForm& form, const StateVector& state)
{
    form.rposX = plainNumberText(state.position[0]);
    form.rposY = plainNumberText(state.position[1]);
    form.rposZ = plainNumberText(state.position[2]);
    form.rvelX = plainNumberText(state.velocity[0]);
    form.rvelY = plainNumberText(state.velocity[1]);
    form.rvelZ = plainNumberText(state.velocity[2]);
}

Placement orbitBesideDockStation(Workspace& ws)
{
    ShipForm& form = ws.shipForm;
    if (form.status != ShipStatusOption::Docked || form.dockedStation.isEmpty())
        return refused(QStringLiteral("The ship is not docked at a station."));
    const QString station = trimBlanks(form.dockedStation);
    const Placement placed = placeBesideStation(ws, station, kBesideStationDistance);
    if (!placed.state)
        return placed;
    shipStatusClicked(ws, ShipStatusOption::Orbiting);
    form.orbitingPlanet = ws.doc.stations[ws.doc.stationNames.indexOf(station)].RefPlanet;
    fillShipState(form, *placed.state);
    for (QString* text : {&form.arotX, &form.arotY, &form.arotZ, &form.angularVelocity}) {
        if (trimBlanks(*text).isEmpty())
            *text = QStringLiteral("0");
    }
    return placed;
}
