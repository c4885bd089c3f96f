#pragma once

#include "editing/user_message.h"
#include "editing/workspace.h"

#include <QWidget>

// The "Orbital station list" tab: every control of the station editor, bound to the station
// form of the workspace. The tab shows the workspace (refresh) and hands every action to the
// functions of src/editing.
class StationTab : public QWidget
{
    Q_OBJECT
public:
    StationTab(Workspace& ws, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Shows the workspace: the station list, the form, the planet and class lists.
    void refresh();

signals:
    // A station was validated or deleted: the ship tab's trees and display may have changed.
    void stationsChanged();

private:
    Workspace& ws_;
    UserDialogs& dialogs_;
};
