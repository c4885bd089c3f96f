#pragma once

#include "form_elements.h"
#include "orbit_elements.h"
#include "workspace.h"

#include <QString>
#include <QStringList>

#include <optional>

// Putting a ship on an orbit without a calculator: the state at the start date of an orbit given
// by its six elements, by its apsides' altitudes and angles, or as a station's orbit a distance
// along its track; then written into the ship form's position and velocity boxes.

// An orbit as an author thinks of it: altitudes above the mean radius (m), angles in radians;
// the ship at periapsis when no true anomaly is given.
struct SimpleOrbit
{
    double periapsisAltitude = 0.0;
    double apoapsisAltitude = 0.0;
    double inclination = 0.0;
    double ascendingNodeLongitude = 0.0;
    double argumentOfPeriapsis = 0.0;
    std::optional<double> trueAnomaly;
};

struct Placement
{
    std::optional<StateVector> state;
    QString refusal; // why there is no state; empty when there is one
};

// The ship at the elements' own place (the elements hold at the start date). Refused for a <= 0,
// e outside [0, 1) and a periapsis at or below the surface.
Placement placeByElements(const OrbitalElements& elements, const OrbitBody& body);
// Refused besides for an apoapsis below the periapsis.
Placement placeBySimpleOrbit(const SimpleOrbit& orbit, const OrbitBody& body);

// The stations of the scenario whose reference body is `body` (blanks aside), as listed.
QStringList stationsAround(const Scenario& doc, const QString& body);
// The state of the named station at the scenario's start date, `metres` along its track
// (negative: behind it), from its stored row.
Placement placeBesideStation(const Workspace& ws, const QString& station, double metres);

// How far behind its station a docked ship is put in orbit by one click, in metres of track.
inline constexpr double kBesideStationDistance = -100.0;

// The docked ship of the form put in orbit beside its station: status Orbiting around the
// station's body, kBesideStationDistance along the station's track at the start date; empty
// angle and angular velocity boxes get 0. Form values only; the form is untouched on a refusal.
Placement orbitBesideDockStation(Workspace& ws);

// The six position and velocity boxes of the ship form set to the state, in plain decimal.
void fillShipState(ShipForm& form, const StateVector& state);
