#pragma once

#include "read_finding.h"
#include "scan_log.h"
#include "scenario_model.h"

#include <QDate>
#include <QString>
#include <QStringList>

// One scenario as the editor holds it while it is edited: the scenario-wide values, the two
// tables and the name lists. The stations in use are rows 0..stationNames.size()-1 and entry i
// of stationNames is the name of row i; likewise for ships. Widgets show this document; the
// editor forms hold typed values until they are validated into it.
struct Scenario
{
    QString description;     // lines joined by CR LF, as read (each line ends with CR LF)
    QString planetarySystem; // name of the planetary system (System statement)
    QDate startDate;         // start date; hour and minute below
    int startHour = 0;
    int startMinute = 0;
    QString startDateText;         // the Date value as read ('MJD 60312.0419444444'), written again while
                                   // the start date, hour and minute still equal what it converts to
    double julianDate = 0.0;       // working date: last date converted by the reader (day number)
    QString shipFocus;             // the user-controlled ship
    QStringList possibleShipFocus; // focus candidates, "name:class"
    int possibleShipFocusIndex = -1;

    QStringList stationNames; // entries of the station list
    QStringList shipNames;    // entries of the ship list
    StationTable stations;
    ShipTable ships;
    int stationIndex = 0; // row shown in the station editor
    int shipIndex = 0;    // row shown in the ship editor

    KeptComments comments; // comments outside the station and ship blocks
    KeptSections sections; // sections the editor does not edit, in file order

    ScanLog scanLog;
    ReadReport readReport; // what the last read found, each finding with its line
};
