#pragma once

#include "editing/workspace.h"

#include <QDialog>

class QComboBox;
class QLabel;

// The bodies of the current planetary system with their mass, mean radius, sidereal rotation
// period and atmosphere limit, each read from the body's own file when the body is selected.
// The window is modeless and lives as long as the main window: Close only hides it, so the body
// and its values are still there at the next opening.
class PlanetarySystemInformation : public QDialog
{
    Q_OBJECT
public:
    PlanetarySystemInformation(Workspace& ws, QWidget* parent);

    // The body list changed (a planetary system was chosen or a scenario read): refills Planet
    // from the workspace and selects the default body, showing its data, shown or not.
    void bodiesChanged();

    // The first opening from the menu: with the menu command enabled (a scenario is open), fills
    // Planet and selects its first body; otherwise leaves the window as it is.
    void loadStep(bool menu31Enabled);

private:
    void fillBodies(int selected);
    void showBody(int index);

    Workspace& ws_;
    QComboBox* planet_;
    QLabel* mass_;
    QLabel* meanRadius_;
    QLabel* rotationPeriod_;
    QLabel* atmosphereLimit_;
};
