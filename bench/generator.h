#pragma once

#include <QString>

// Generated data for the benchmark: a simulator installation and scenarios of any size, written
// with the shapes and line counts of real configuration files.

struct GeneratedInstallation
{
    QString simFolder;  // holds corvane.cfg, Config/ and Scenarios/
    QString systemName; // the one planetary system every scenario uses
    int bodies = 0;
    int stationClasses = 0;
};

// About `files` configuration files in all: one system file per 50 bodies, the bodies with one
// base file each, vessel classes and station classes with 1 to 8 docks.
GeneratedInstallation generateInstallation(const QString& folder, int files);

// A scenario of `ships` ships (a third docked, a third landed, a third orbiting) and ships / 4
// stations, with extra lines in blocks; returns its path under the installation's Scenarios/.
QString generateScenario(const GeneratedInstallation& installation, int ships);
