#pragma once

#include <QDate>
#include <QString>

// The values the station editor's controls hold, as typed: nothing here reaches the station
// table until validation accepts it.
struct StationForm
{
    QString name;              // text of StationName (where a new name is typed)
    QString refPlanet;         // StationRefPlanet caption
    QString className;         // StationClassName caption
    QString rotationFrequency; // StationRotationFrequency text
    bool rotationFrequencyEnabled = true;
    bool useClassRotation = false; // Check1 "Refered to station class"
    QString angleX;
    QString angleY;
    QString angleZ;
    QString semiMajorAxis;
    QString excentricity;
    QString inclination;
    QString ascendingNodeLongitude;
    QString periapsisLongitude;
    QString meanLongitude;
    QDate epochDate;           // StationOrbitalRefTime
    int epochHour = 0;         // StationOrbitalRefHour entry (-1: none)
    int epochMinute = 0;       // StationOrbitalRefMin entry (-1: none)
    int stationRefIndex = -1;  // selection of the StationRef list ("Possible planet")
    int stationClassIndex = -1; // selection of the StationClass list
};
