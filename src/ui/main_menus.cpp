#include "main_menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

struct Item
{
    const char* name;
    const char* caption; // UTF-8; nullptr: a separator
    bool enabled;
    std::initializer_list<const char*> keys = {}; // shortcuts, the first shown in the menu
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
         {"Menu12", "&Open", true, {"Ctrl+O"}},
         {"Menu13", "&Save", false, {"Ctrl+S"}},
         {"Menu14", "S&ave as", false, {"Ctrl+Shift+S"}},
         {"Menu11", "&Delete a scenario file", true},
         {"Menu17", "Scenario &folder management", true},
         {"Menu15", nullptr, true},
         {"Menu16", "&Exit", true, {"Ctrl+Q"}},
     }},
    {"MenuEdit",
     "&Edit",
     {
         {"MenuUndo", "&Undo", false, {"Ctrl+Z"}},
         {"MenuRedo", "&Redo", false, {"Ctrl+Shift+Z", "Ctrl+Y"}},
         {"MenuEdit1", nullptr, true},
         {"MenuFind", "&Find ship or station…", false, {"Ctrl+F"}},
     }},
    {"Menu30",
     "&Tools",
     {
         {"Menu35", "&Error Log", false},
         {"Menu32", "&Corvane Folder Search", true},
         {"Menu31", "&Planetary system information", false},
         {"Menu34", "&Spherical/cartesian converter", true},
         {"SystemMapMenu", "System &map", true},
         {"Menu33", "&Windows Calculator", true},
     }},
    {"Menu2",
     "&?",
     {
         {"Menu21", "&Help", true, {"F1"}},
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
                item.caption ? shown->addAction(QString::fromUtf8(item.caption)) : shown->addSeparator();
            action->setObjectName(QString::fromLatin1(item.name));
            action->setEnabled(item.enabled);
            QList<QKeySequence> keys;
            for (const char* key : item.keys)
                keys.append(QKeySequence(QString::fromLatin1(key)));
            action->setShortcuts(keys);
            items.insert(action->objectName(), action);
        }
    }
    return items;
}
