#pragma once

#include "editing/user_message.h"
#include "editing/workspace.h"

#include <QWidget>

// The "Ship list" tab: every control of the ship editor, bound to the ship form of the
// workspace, with the dock and landing trees. The tab shows the workspace (refresh) and hands
// every action to the functions of src/editing.
class ShipTab : public QWidget
{
    Q_OBJECT
public:
    ShipTab(Workspace& ws, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Shows the workspace: the ship list, the form, the class and planet lists, both trees.
    void refresh();

signals:
    // A ship was validated, added or deleted: the focus ship and its candidates may have changed.
    void shipsChanged();

private:
    Workspace& ws_;
    UserDialogs& dialogs_;
};
