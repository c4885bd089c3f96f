// The system map: which bodies and objects it holds, where it draws them, clicks, zoom and the
// edge-on view, and pictures of it at 1, 10 and 100 objects.
#include "editing/form_elements.h"
#include "editing/system_map.h"
#include "ui/system_map_view.h"
#include "ui/system_map_window.h"

#include "editor_workspace.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace {

class SystemMap : public ::testing::Test
{
protected:
    void SetUp() override { openWorkspace(ws, sampleFolder(), kRendezvousScenario); }

    // n stations around Earth from a 50 km orbit out to a lunar distance, spread around.
    void addStations(int n)
    {
        for (int k = 0; k < n; ++k) {
            StationRow row = ws.doc.stations[0];
            row.Name = QStringLiteral("S%1").arg(k);
            const double altitude = 50e3 * std::pow(384400e3 / 50e3, n > 1 ? double(k) / (n - 1) : 0.0);
            row.SemiMajorAxis = QString::number(6371e3 + altitude, 'f', 0);
            row.Excentricity = QStringLiteral("0");
            row.MeanLongitude = QString::number(k * 37 % 360);
            ws.doc.stations.StationTableRedimPreserve(ws.doc.stationNames.size() + 1);
            ws.doc.stations[ws.doc.stationNames.size()] = row;
            ws.doc.stationNames.append(row.Name);
        }
    }
    void save(QWidget* widget, const QString& name)
    {
        const QString folder = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        EXPECT_TRUE(widget->grab().save(folder + "/system-map-" + name + ".png"));
    }

    Workspace ws;
};

TEST_F(SystemMap, BodiesWithStationsOrOrbitingShipsAndTheirPlacesAtTheStart)
{
    // Gateway and the orbiting Nightjar around Earth, Selene around the Moon; the docked and
    // landed ships are not on the map.
    const QVector<MapBody> bodies = systemMap(ws);
    ASSERT_EQ(bodies.size(), 2);
    EXPECT_EQ(bodies[0].name, "Earth");
    ASSERT_EQ(bodies[0].objects.size(), 2);
    EXPECT_EQ(bodies[0].objects[0].name, "Gateway");
    EXPECT_TRUE(bodies[0].objects[0].station);
    EXPECT_EQ(bodies[0].objects[1].name, "Nightjar");
    EXPECT_EQ(bodies[0].objects[1].row, ws.doc.shipNames.indexOf("Nightjar"));
    EXPECT_EQ(bodies[1].name, "Moon");

    // The Gateway's dot is its state at the start date, and it lies on its drawn track.
    const MapObject& gateway = bodies[0].objects[0];
    const FormState state =
        stationFormStateAt(stationOrbitFields(ws.doc.stations[0]), ws.folders.CfgDir, startMjd(ws.doc));
    EXPECT_EQ(norm(difference(gateway.atStart.position, state.state->position)), 0.0);
    const QVector<Vector3> track = orbitTrack(*gateway.elements, bodies[0].body.mu(), 512);
    ASSERT_EQ(track.size(), 512);
    double nearest = INFINITY;
    for (const Vector3& point : track) {
        nearest = std::min(nearest, norm(difference(point, gateway.atStart.position)));
        const double r = norm(point);
        EXPECT_GE(r, 6778000 * (1 - 0.0006) - 1e-3);
        EXPECT_LE(r, 6778000 * (1 + 0.0006) + 1e-3);
    }
    // 512 points on a 42 600 km track are 83 km apart.
    EXPECT_LT(nearest, 42e3);
}

TEST_F(SystemMap, ClickEdgeOnAndZoom)
{
    SystemMapWindow window(ws, nullptr);
    window.resize(700, 600);
    window.show();
    auto* bodies = window.findChild<QComboBox*>("SystemMapBody");
    ASSERT_NE(bodies, nullptr);
    EXPECT_EQ(bodies->count(), 2);
    EXPECT_EQ(bodies->itemText(0), "Earth (2)");
    auto* view = window.findChild<SystemMapView*>("SystemMapView");
    ASSERT_NE(view, nullptr);
    QSignalSpy clicked(&window, &SystemMapWindow::objectClicked);
    const MapObject gateway = systemMap(ws)[0].objects[0];
    const QPointF fromNorth = view->screenPoint(gateway.atStart.position);
    QTest::mouseClick(view, Qt::LeftButton, {}, fromNorth.toPoint());
    ASSERT_EQ(clicked.size(), 1);
    EXPECT_EQ(clicked[0][0].toBool(), true);
    EXPECT_EQ(clicked[0][1].toInt(), 0);
    // A click on empty space reports nothing.
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicked.size(), 1);

    // Edge-on, the height on screen is the north (file y) component.
    window.findChild<QCheckBox*>("SystemMapEdgeOn")->setChecked(true);
    const QPointF edgeOn = view->screenPoint(gateway.atStart.position);
    EXPECT_EQ(edgeOn.x(), fromNorth.x());
    EXPECT_NEAR(view->height() / 2.0 - edgeOn.y(), gateway.atStart.position[1] / view->metresPerPixel(),
                1e-9);

    // Zooming in about a point keeps that point in place.
    const double scale = view->metresPerPixel();
    view->zoomBy(4.0, edgeOn);
    EXPECT_NEAR(view->metresPerPixel(), scale / 4, scale * 1e-12);
    const QPointF after = view->screenPoint(gateway.atStart.position);
    EXPECT_NEAR(after.x(), edgeOn.x(), 1e-6);
    EXPECT_NEAR(after.y(), edgeOn.y(), 1e-6);
}

TEST_F(SystemMap, PicturesAtOneTenAndAHundredObjects)
{
    for (int n : {1, 10, 100}) {
        Workspace fresh;
        openWorkspace(fresh, sampleFolder(), kRendezvousScenario);
        ws = fresh;
        ws.doc.shipNames.clear();
        ws.doc.stationNames = ws.doc.stationNames.mid(0, 0);
        addStations(n);
        SystemMapWindow window(ws, nullptr);
        window.resize(800, 700);
        window.show();
        EXPECT_EQ(window.findChild<QComboBox*>("SystemMapBody")->itemText(0),
                  QStringLiteral("Earth (%1)").arg(n));
        save(&window, QStringLiteral("%1").arg(n));
        if (n == 100) {
            // Zoomed in onto the 50 km orbit: the innermost station is still found by a click.
            auto* view = window.findChild<SystemMapView*>("SystemMapView");
            const MapObject inner = systemMap(ws)[0].objects[0];
            for (int step = 0; step < 12; ++step)
                view->zoomBy(2.0, view->screenPoint(inner.atStart.position));
            save(&window, "100-zoomed");
            QSignalSpy clicked(&window, &SystemMapWindow::objectClicked);
            QTest::mouseClick(view, Qt::LeftButton, {}, view->screenPoint(inner.atStart.position).toPoint());
            ASSERT_EQ(clicked.size(), 1);
            EXPECT_EQ(clicked[0][1].toInt(), inner.row);
        }
    }
}

} // namespace
