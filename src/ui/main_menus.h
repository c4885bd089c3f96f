#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMenuBar;

// The menu bar of the main window: Files, Edit, Tools and ?, every item named as the editor's menus
// are known (Menu12 "&Open", ...), with its access key, shortcuts and its state when the window first shows.
// Returns the items by name.
QHash<QString, QAction*> buildMainMenus(QMenuBar* bar);
