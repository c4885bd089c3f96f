#pragma once

#include "document/scenario.h"
#include "form_orbits.h"
#include "orbit_elements.h"

#include <QString>

#include <optional>

// Where the objects of a scenario are at its start date, from the values typed in the forms:
// a station's state from its elements carried from their epoch, an orbiting ship's elements
// from its state (a ship's position and velocity hold at the start date).

// The start date and time of a scenario as an MJD.
double startMjd(const Scenario& doc);

// The fields of a stored station row its orbit needs, as the station editor would show them.
StationForm stationOrbitFields(const StationRow& row);

// A station form's elements in radians; none when one of the six is not a number.
std::optional<OrbitalElements> stationFormElements(const StationForm& form);

struct FormState
{
    std::optional<StateVector> state;
    QString problem; // why there is none; empty when there is one
};

// The station's position and velocity at a date (MJD), its elements carried from their epoch
// (the epoch date with its hour and minute; a station without an epoch date has none).
FormState stationFormStateAt(const StationForm& form, const QString& cfgDir, double mjd);

struct FormElements
{
    std::optional<OrbitalElements> elements;
    QString problem; // why there are none; empty when there are
};

// An orbiting ship's elements at the start date; none on an escape orbit.
FormElements shipFormElements(const ShipForm& form, const QString& cfgDir);

// The station's orbit as stationFormOrbit gives it, with the direction of its position at the
// start date (an MJD): its mean longitude carried from the epoch by the mean motion.
FormOrbit stationFormOrbitAtStart(const StationForm& form, const QString& cfgDir, double startMjd);
// The ship's orbit as shipFormOrbit gives it, with its elements at the start date.
FormOrbit shipFormOrbitWithElements(const ShipForm& form, const QString& cfgDir);
