#include "editor_workspace.h"
#include "ui/ship_tab.h"
#include "ui/station_tab.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QTabWidget>
#include <QTest>

namespace {

// Pictures of both tabs at the editor's default size, one of the ship tab per ship status, for
// a look at the layout. Written only when CORVANE_SCREENSHOT_DIR names a folder.
TEST(EditorScreenshots, BothTabsAndEveryShipStatus)
{
    const QString folder = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "CORVANE_SCREENSHOT_DIR is not set";
    ASSERT_TRUE(QDir().mkpath(folder));

    Workspace ws;
    openWorkspace(ws, sampleFolder(), kRendezvousScenario);
    ScriptedDialogs dialogs;
    QTabWidget tabs;
    auto* stations = new StationTab(ws, dialogs);
    auto* ships = new ShipTab(ws, dialogs);
    tabs.addTab(stations, QStringLiteral("Orbital station list"));
    tabs.addTab(ships, QStringLiteral("Ship list"));
    tabs.resize(1000, 700);
    tabs.show();

    const auto save = [&](const QString& name) {
        const QString path = QDir(folder).filePath(name);
        EXPECT_TRUE(tabs.grab().save(path)) << path.toStdString();
    };
    tabs.setCurrentWidget(stations);
    save(QStringLiteral("station_tab.png"));

    tabs.setCurrentWidget(ships);
    auto* names = ships->findChild<QComboBox*>(QStringLiteral("ShipName"));
    const QStringList statuses = {QStringLiteral("landed"), QStringLiteral("docked"),
                                  QStringLiteral("orbiting")};
    for (int i = 0; i < statuses.size(); ++i) {
        if (i > 0)
            QTest::keyClick(names, Qt::Key_Down);
        save(QStringLiteral("ship_tab_%1.png").arg(statuses[i]));
    }
}

} // namespace
