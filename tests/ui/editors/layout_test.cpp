#include "editor_workspace.h"
#include "ui/ship_tab.h"
#include "ui/station_tab.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>

namespace {

// Both editor tabs in a tab panel of the editor's default size, on the sample scenario.
class EditorLayout : public ::testing::Test
{
protected:
    void SetUp() override
    {
        openWorkspace(ws, sampleFolder(), kRendezvousScenario);
        stations = new StationTab(ws, dialogs);
        ships = new ShipTab(ws, dialogs);
        tabs.addTab(stations, QStringLiteral("Orbital station list"));
        tabs.addTab(ships, QStringLiteral("Ship list"));
        tabs.resize(kDefaultSize);
        tabs.show();
    }

    static constexpr QSize kDefaultSize{1000, 700};
    Workspace ws;
    ScriptedDialogs dialogs;
    QTabWidget tabs;
    StationTab* stations = nullptr;
    ShipTab* ships = nullptr;
};

TEST_F(EditorLayout, EveryShipStatusFitsTheDefaultSize)
{
    auto* names = ships->findChild<QComboBox*>(QStringLiteral("ShipName"));
    for (int ship = 0; ship < 3; ++ship) {
        if (ship > 0)
            QTest::keyClick(names, Qt::Key_Down);
        EXPECT_LE(tabs.minimumSizeHint().width(), kDefaultSize.width()) << ship;
        EXPECT_LE(tabs.minimumSizeHint().height(), kDefaultSize.height()) << ship;
    }
}

// Pictures of both tabs, one of the ship tab per ship status, for a look at the layout.
// Written only when CORVANE_SCREENSHOT_DIR names a folder.
TEST_F(EditorLayout, Screenshots)
{
    const QString folder = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "CORVANE_SCREENSHOT_DIR is not set";
    ASSERT_TRUE(QDir().mkpath(folder));
    const auto save = [&](const QString& name) {
        // Showing another status frame asks for a new layout, which the event loop would run.
        QCoreApplication::sendPostedEvents();
        const QString path = QDir(folder).filePath(name);
        EXPECT_TRUE(tabs.grab().save(path)) << path.toStdString();
    };
    save(QStringLiteral("station_tab.png"));

    tabs.setCurrentWidget(ships);
    auto* names = ships->findChild<QComboBox*>(QStringLiteral("ShipName"));
    const QStringList statuses = {QStringLiteral("orbiting"), QStringLiteral("docked"),
                                  QStringLiteral("landed")};
    for (int i = 0; i < statuses.size(); ++i) {
        if (i > 0)
            QTest::keyClick(names, Qt::Key_Down);
        save(QStringLiteral("ship_tab_%1.png").arg(statuses[i]));
    }
}

} // namespace
