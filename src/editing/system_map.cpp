#include "system_map.h"

#include "document/ship_status.h"
#include "document/text_primitives.h"
#include "form_elements.h"

#include <cmath>
#include <numbers>

namespace {

MapBody& bodyEntry(QVector<MapBody>& bodies, const QString& name, const OrbitBody& body)
{
    for (MapBody& entry : bodies) {
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    bodies.append({name, body, {}});
    return bodies.back();
}

std::optional<double> number(const QString& text)
{
    return IsANumber(text) ? std::optional(numericValue(text)) : std::nullopt;
}

} // namespace

QVector<MapBody> systemMap(const Workspace& ws)
{
    QVector<MapBody> bodies;
    const double start = startMjd(ws.doc);
    for (int i = 0; i < ws.doc.stationNames.size() && i < ws.doc.stations.rowCount(); ++i) {
        const StationRow& row = ws.doc.stations[i];
        const StationForm form = stationOrbitFields(row);
        const BodyLookup lookup = lookUpOrbitBody(ws.folders.CfgDir, row.RefPlanet);
        const FormState state = stationFormStateAt(form, ws.folders.CfgDir, start);
        if (!lookup.body || !state.state)
            continue;
        bodyEntry(bodies, trimBlanks(row.RefPlanet), *lookup.body)
            .objects.append({ws.doc.stationNames[i], true, i, *state.state,
                             elementsFromState(*state.state, lookup.body->mu())});
    }
    for (int i = 0; i < ws.doc.shipNames.size() && i < ws.doc.ships.rowCount(); ++i) {
        const ShipRow& row = ws.doc.ships[i];
        if (shipStatusOf(row.Status) != ShipStatus::Orbiting)
            continue;
        const BodyLookup lookup = lookUpOrbitBody(ws.folders.CfgDir, row.Planet);
        const auto x = number(row.RposX), y = number(row.RposY), z = number(row.RposZ);
        const auto vx = number(row.RvelX), vy = number(row.RvelY), vz = number(row.RvelZ);
        if (!lookup.body || !x || !y || !z || !vx || !vy || !vz)
            continue;
        const StateVector state{{*x, *y, *z}, {*vx, *vy, *vz}};
        bodyEntry(bodies, trimBlanks(row.Planet), *lookup.body)
            .objects.append(
                {ws.doc.shipNames[i], false, i, state, elementsFromState(state, lookup.body->mu())});
    }
    return bodies;
}

QVector<Vector3> orbitTrack(const OrbitalElements& elements, double mu, int samples)
{
    QVector<Vector3> points;
    const double e = elements.eccentricity;
    const double a = elements.semiMajorAxis;
    const double meanMotion = std::sqrt(mu / (a * a * a));
    const double meanAnomalyNow = elements.meanLongitude - elements.periapsisLongitude;
    for (int k = 0; k < samples; ++k) {
        const double eccentricAnomaly = 2.0 * std::numbers::pi * k / samples;
        const double meanAnomaly = eccentricAnomaly - e * std::sin(eccentricAnomaly);
        const auto state = stateFromElements(elements, mu, (meanAnomaly - meanAnomalyNow) / meanMotion);
        if (state)
            points.append(state->position);
    }
    return points;
}
