#pragma once

#include "orbit_elements.h"
#include "workspace.h"

#include <QString>
#include <QVector>

#include <optional>

// What the system map draws: every body of the scenario with stations or orbiting ships, and
// each of those objects with its place at the start date and, on a closed orbit, its elements.
// Stations and ships as stored (the table rows), not as a form shows them.

struct MapObject
{
    QString name;
    bool station = false;
    int row = 0; // row of the station or ship table
    StateVector atStart;
    std::optional<OrbitalElements> elements; // none on an escape orbit
};

struct MapBody
{
    QString name;
    OrbitBody body;
    QVector<MapObject> objects;
};

// Bodies in the order their first object is listed (stations first, then ships); objects whose
// body data cannot be read, or whose values give no place, are left out.
QVector<MapBody> systemMap(const Workspace& ws);

// Points of a closed orbit in the file's frame, evenly spaced in eccentric anomaly (dense near
// the periapsis of an eccentric orbit, where it bends most).
QVector<Vector3> orbitTrack(const OrbitalElements& elements, double mu, int samples);
