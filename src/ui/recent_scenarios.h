#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QMenu;
class QWidget;

// The scenarios read or saved last, most recent first, kept between runs in recent.conf beside
// window.conf in the user's configuration folder. Paths are kept absolute and compared as the
// file system compares them (fileSystemKey), so one file is listed once however it was named.

inline constexpr qsizetype kRecentScenarioCount = 8;

// recent.conf in the user's configuration folder.
QString recentScenariosFile();

// `list` with `path` first and no other entry for the same file, at most kRecentScenarioCount
// entries (the oldest go).
QStringList withRecentScenario(QStringList list, const QString& path);
// `list` without the entries for the file `path` names.
QStringList withoutRecentScenario(QStringList list, const QString& path);

// The list stored in `file`: empty when there is none; empty entries, repeated files and
// entries beyond kRecentScenarioCount are passed over.
QStringList readRecentScenarios(const QString& file = recentScenariosFile());
// Put `path` first in, or take it out of, the list in `file`. Whether the file was written: a
// list that cannot be kept is no reason to stop anything, so callers may ignore it.
bool addRecentScenario(const QString& path, const QString& file = recentScenariosFile());
bool removeRecentScenario(const QString& path, const QString& file = recentScenariosFile());

// The "&Recent scenarios" submenu of Files, named MenuRecent, still empty.
QMenu* newRecentScenariosMenu(QWidget* parent);
// Replaces the items of `menu` by one per path: "&1 Harbour.scn" (MenuRecent1) and so on, the
// full path as tooltip and data; the menu is disabled when there is none. Picking an item
// passes its path to `chosen`, from the event loop once the menu has closed, so that `chosen`
// may fill the menu again.
void fillRecentScenariosMenu(QMenu* menu, const QStringList& paths,
                             const std::function<void(const QString&)>& chosen);
