#include "ui/recent_scenarios.h"

#include "document/qt_print.h"
#include "ui/window_geometry.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList paths(std::initializer_list<const char*> names)
{
    QStringList list;
    for (const char* name : names)
        list.append(u"/sim/Scenarios/"_s + QString::fromUtf8(name));
    return list;
}

TEST(RecentScenarios, NewestFirstEachFileOnceAtMostEight)
{
    EXPECT_EQ(withRecentScenario({}, u"/sim/Scenarios/a.scn"_s), paths({"a.scn"}));
    EXPECT_EQ(withRecentScenario(paths({"a.scn", "b.scn", "c.scn"}), u"/sim/Scenarios/c.scn"_s),
              paths({"c.scn", "a.scn", "b.scn"}))
        << "a file read again moves to the top";
    EXPECT_EQ(withRecentScenario(paths({"a.scn", "b.scn"}), u"/sim/Scenarios/./x/../b.scn"_s),
              paths({"b.scn", "a.scn"}))
        << "another spelling of one file";
    const QStringList eight = paths({"1", "2", "3", "4", "5", "6", "7", "8"});
    EXPECT_EQ(withRecentScenario(eight, u"/sim/Scenarios/9"_s),
              paths({"9", "1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(withRecentScenario(eight, u"/sim/Scenarios/8"_s),
              paths({"8", "1", "2", "3", "4", "5", "6", "7"}));
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    EXPECT_EQ(withRecentScenario(paths({"A.scn"}), u"/sim/Scenarios/a.scn"_s), paths({"a.scn"}));
#else
    EXPECT_EQ(withRecentScenario(paths({"A.scn"}), u"/sim/Scenarios/a.scn"_s), paths({"a.scn", "A.scn"}))
        << "two files on this file system";
#endif

    EXPECT_EQ(withoutRecentScenario(paths({"a.scn", "b.scn"}), u"/sim//Scenarios/a.scn"_s), paths({"b.scn"}));
    EXPECT_EQ(withoutRecentScenario(paths({"a.scn"}), u"/sim/Scenarios/z.scn"_s), paths({"a.scn"}));
}

TEST(RecentScenarios, KeptInRecentConfBesideTheWindowSettings)
{
    EXPECT_EQ(QFileInfo(recentScenariosFile()).fileName(), u"recent.conf"_s);
    EXPECT_EQ(QFileInfo(recentScenariosFile()).path(), QFileInfo(windowSettingsFile()).path());

    const QTemporaryDir config;
    const QString file = config.filePath(u"editor/recent.conf"_s);
    EXPECT_TRUE(readRecentScenarios(file).isEmpty());
    const QString odd = config.filePath(u"Été, \"quoted\" = & ; #1.scn"_s);
    const QString plain = config.filePath(u"Harbour.scn"_s);
    ASSERT_TRUE(addRecentScenario(odd, file)) << "the folder is created";
    ASSERT_TRUE(addRecentScenario(plain, file));
    EXPECT_EQ(readRecentScenarios(file), (QStringList{plain, odd}));
    ASSERT_TRUE(removeRecentScenario(plain, file));
    EXPECT_EQ(readRecentScenarios(file), QStringList{odd});
}

TEST(RecentScenarios, AStrangeFileGivesAShortListAndAnUnwritableOneStopsNothing)
{
    const QTemporaryDir config;
    const QString file = config.filePath(u"recent.conf"_s);
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(
            "[Recent]\nscenarios=/a.scn, , /a.scn, /b/../a.scn, relative.scn, /1, /2, /3, /4, /5, /6, /7\n"
            "\x01\xff garbage without equals\n[broken\n");
    }
    const QStringList read = readRecentScenarios(file);
    ASSERT_EQ(read.size(), kRecentScenarioCount);
    EXPECT_EQ(read[0], u"/a.scn"_s);
    EXPECT_TRUE(QFileInfo(read[1]).isAbsolute());
    EXPECT_EQ(read[2], u"/1"_s);

    const QString blocked = config.filePath(u"recent.conf/recent.conf"_s);
    EXPECT_FALSE(addRecentScenario(u"/a.scn"_s, blocked));
    EXPECT_FALSE(removeRecentScenario(u"/a.scn"_s, blocked));
    EXPECT_TRUE(readRecentScenarios(blocked).isEmpty());
}

TEST(RecentScenariosMenu, OneNumberedItemPerScenarioThatPassesItsPath)
{
    QWidget window;
    QMenu* menu = newRecentScenariosMenu(&window);
    EXPECT_EQ(menu->objectName(), u"MenuRecent"_s);
    EXPECT_EQ(menu->title(), u"&Recent scenarios"_s);

    QStringList picked;
    const std::function<void(const QString&)> chosen = [&](const QString& path) {
        picked.append(path);
        // Picking usually changes the list: the menu is filled anew from here.
        fillRecentScenariosMenu(menu, withRecentScenario(paths({"Quiet.scn", "Salt & Pepper.scn"}), path),
                                chosen);
    };
    fillRecentScenariosMenu(menu, paths({"Quiet.scn", "Salt & Pepper.scn", "Harbour.scn"}), chosen);
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_TRUE(menu->menuAction()->isEnabled());
    QAction* second = menu->findChild<QAction*>(u"MenuRecent2"_s);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->text(), u"&2 Salt && Pepper.scn"_s);
    EXPECT_EQ(second->toolTip(), u"/sim/Scenarios/Salt & Pepper.scn"_s);
    EXPECT_EQ(second->data().toString(), u"/sim/Scenarios/Salt & Pepper.scn"_s);
    EXPECT_EQ(menu->actions()[2]->text(), u"&3 Harbour.scn"_s);

    menu->actions()[2]->trigger();
    EXPECT_TRUE(picked.isEmpty()) << "passed on once the menu has closed";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(picked, paths({"Harbour.scn"}));
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_EQ(menu->actions()[0]->text(), u"&1 Harbour.scn"_s);

    fillRecentScenariosMenu(menu, {}, chosen);
    EXPECT_TRUE(menu->actions().isEmpty());
    EXPECT_FALSE(menu->menuAction()->isEnabled());
}

} // namespace
