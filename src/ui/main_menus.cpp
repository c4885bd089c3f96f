#include "main_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

struct Item
{
    const char* name;
    const char* caption; // nullptr: a separator
    bool enabled;
};

struct Menu
{
    const char* name;
    const char* caption;
    std::initializer_list<Item> items;
};

const Menu kMenus[] = {
    {"Menu1",
     "&Files",
     {
         {"Menu12", "&Open", true},
         {"Menu13", "&Save", false},
         {"Menu14", "S&ave as", false},
         {"Menu11", "&Delete a scenario file", true},
         {"Menu17", "Scenario &folder management", true},
         {"Menu15", nullptr, true},
         {"Menu16", "&Exit", true},
     }},
    {"Menu30",
     "&Tools",
     {
         {"Menu35", "&Error Log", false},
         {"Menu32", "&Corvane Folder Search", true},
         {"Menu31", "&Planetary system information", false},
         {"Menu34", "&Spherical/cartesian converter", true},
         {"Menu33", "&Windows Calculator", true},
     }},
    {"Menu2",
     "&?",
     {
         {"Menu21", "&Help", true},
         {"Menu22", "&About", true},
     }},
};

} // namespace

QHash<QString, QAction*> buildMainMenus(QMenuBar* bar)
{
    QHash<QString, QAction*> items;
    for (const Menu& menu : kMenus) {
        QMenu* shown = bar->addMenu(QString::fromLatin1(menu.caption));
        shown->setObjectName(QString::fromLatin1(menu.name));
        for (const Item& item : menu.items) {
            QAction* action =
                item.caption ? shown->addAction(QString::fromLatin1(item.caption)) : shown->addSeparator();
            action->setObjectName(QString::fromLatin1(item.name));
            action->setEnabled(item.enabled);
            items.insert(action->objectName(), action);
        }
    }
    return items;
}
