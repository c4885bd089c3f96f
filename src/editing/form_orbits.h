#pragma once

#include "orbit.h"
#include "orbit_elements.h"
#include "ship_form.h"
#include "station_form.h"

#include <QString>

#include <optional>

// The orbit the values typed in an editor form describe, for the derived values and the orbit
// view beside them and for `corvane-scn orbits`. Nothing here decides what validation accepts.

// The body data an orbit needs, read from the body file (the configuration folder, the trimmed
// body list entry and ".cfg") as validation reads Size and AtmAltLimit; none, with the reason
// in `problem`, when the file cannot be read or lacks Mass or Size.
struct BodyLookup
{
    std::optional<OrbitBody> body;
    QString problem;
};
BodyLookup lookUpOrbitBody(const QString& cfgDir, const QString& entry);

struct FormOrbit
{
    std::optional<OrbitBody> body;
    std::optional<Orbit> orbit;
    bool insideBody = false; // ships only: at or below the mean radius
    // Directions in the orbit's plane (radians): of the periapsis and of the current position
    // (none when the form does not tell it).
    double periapsisDirection = 0.0;
    std::optional<double> positionDirection;
    // Stations: the direction of the position at the scenario's start date (none when the
    // station has no epoch or the start date is not given).
    std::optional<double> startDirection;
    // Ships: the six elements at the start date (none on an escape orbit).
    std::optional<OrbitalElements> elements;
    // Why there is no orbit (no body data, a value that is not a number, no closed orbit); empty
    // when there is one.
    QString problem;
};

// A station's orbit from its semi-major axis and eccentricity; the periapsis longitude turns the
// line of apsides, and the mean longitude gives the position at the epoch.
FormOrbit stationFormOrbit(const StationForm& form, const QString& cfgDir);
// An orbiting ship's orbit from its position and velocity relative to its planet.
FormOrbit shipFormOrbit(const ShipForm& form, const QString& cfgDir);
