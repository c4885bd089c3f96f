#pragma once

#include "body_figures.h"
#include "catalogue/catalogue.h"
#include "catalogue/folder_values.h"
#include "catalogue/place_tree.h"
#include "document/scenario.h"
#include "edit_history.h"
#include "ship_form.h"
#include "station_form.h"

#include <QString>
#include <QStringList>
#include <QVector>

// Everything the editor holds while it runs: folders, catalogue, the scenario being edited, the
// body list and bases of its planetary system, the two place trees and the two editor forms.
// The window shows this state and changes it only through the functions of src/editing.
struct Workspace
{
    FolderValues folders;
    Catalogue catalogue;

    // The planetary system list as offered: the catalogue's systems, plus any system a scenario
    // named that the catalogue lacks (appended with name + ".cfg").
    QVector<NamedFile> planetarySystems;
    int planetarySystemIndex = -1; // selected entry of the planetary system list
    int appliedSystemIndex = 0;    // position applied last (the window's Text2; starts as 0)

    QStringList bodies;      // StationRef / OrbitingRef / Planet entries
    QStringList baseTable;   // BaseUpDate entries
    PlaceTree dockTree;      // ShipDockedTree
    PlaceTree landingTree;   // ShipLandingTree

    Scenario doc;
    EditHistory history;
    StationForm stationForm;
    ShipForm shipForm;
    // The forms as the program last showed them; what the user changed since is pending.
    StationForm stationShown;
    ShipForm shipShown;
    QString scnfile; // file name of the edited scenario, relative to folders.ScnDir
    BodyFigures bodyFigures;
};
