// The derived orbit values, the orbit view and the live field hints of both editor tabs.
#include "editor_workspace.h"
#include "ui/field_hints.h"
#include "ui/orbit_view.h"
#include "ui/ship_tab.h"
#include "ui/station_tab.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

template <typename T> T* control(QWidget* tab, const char* name)
{
    T* widget = tab->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void type(QWidget* tab, const char* name, const QString& text)
{
    auto* edit = control<QLineEdit>(tab, name);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QString shown(QWidget* tab, const char* name)
{
    return control<QLabel>(tab, name)->text();
}

const QString kCrossing = "The station orbit crosses the planet atmosphere or the planet surface; check the "
                          "excentricity or the semi-major axis.";

class DerivedOrbit : public ::testing::Test
{
protected:
    void SetUp() override { openWorkspace(ws, sampleFolder(), kRendezvousScenario); }

    Workspace ws;
    ScriptedDialogs dialogs;
};

// Gateway orbits Earth (radius 6 371 000 m, atmosphere 200 000 m) with a = 6 778 000, e = 0.0006.
TEST_F(DerivedOrbit, StationValuesFollowTheTypingAndTheHintsNameTheFailedChecks)
{
    StationTab tab(ws, dialogs);
    tab.resize(1000, 700);
    tab.show();
    const StationRow stored = ws.doc.stations[0];
    const QString log = ws.doc.scanLog.LogMessage;
    // rp = 6 778 000 * 0.9994 = 6 773 933.2 m, 402.9 km up; ra = 6 782 066.8 m, 411.1 km up.
    EXPECT_EQ(shown(&tab, "StationPeriapsisAltitude"), QLocale().toString(402.9, 'f', 1) + " km");
    EXPECT_EQ(shown(&tab, "StationApoapsisAltitude"), QLocale().toString(411.1, 'f', 1) + " km");
    EXPECT_EQ(shown(&tab, "StationOrbitPeriod"), "1 h 32 min 33 s");
    auto* axis = control<QLineEdit>(&tab, "StationSemiMajorAxis");
    EXPECT_FALSE(showsFieldHint(axis));

    // 6 500 000 m: below the limit radius 6 571 000, so both orbit checks fail on the axis box;
    // the crossing check also marks the eccentricity box.
    type(&tab, "StationSemiMajorAxis", "6500000");
    EXPECT_EQ(shown(&tab, "StationPeriapsisAltitude"), QLocale().toString(125.1, 'f', 1) + " km");
    EXPECT_TRUE(showsFieldHint(axis));
    EXPECT_EQ(axis->toolTip(), kCrossing +
                                   "\nThe station orbit semi-major axis is equal to 6500000 m although the "
                                   "mean radius and atmosphere of Earth is equal to 6571000 m");
    auto* excentricity = control<QLineEdit>(&tab, "StationExcentricity");
    EXPECT_EQ(excentricity->toolTip(), kCrossing);
    EXPECT_EQ(shown(&tab, "StationOrbitNote"), "The periapsis is below the top of the atmosphere.");
    const auto* view = control<OrbitView>(&tab, "StationOrbitView");
    EXPECT_TRUE(view->orbit().orbit->crossesAtmosphere);

    // An exponent is no number for the checks: no derived values, the box's own message.
    type(&tab, "StationSemiMajorAxis", "7E6");
    EXPECT_EQ(shown(&tab, "StationPeriapsisAltitude"), "-");
    EXPECT_EQ(axis->toolTip(), "The station orbit semi-major axis is not correct.");
    EXPECT_FALSE(showsFieldHint(excentricity));

    type(&tab, "StationSemiMajorAxis", "7000000");
    EXPECT_EQ(axis->toolTip(), "Defines the station orbit semi-major axis (in m)");

    // Typing stored nothing and told the scan log nothing; validation alone stores.
    EXPECT_EQ(ws.doc.stations[0].SemiMajorAxis, stored.SemiMajorAxis);
    EXPECT_EQ(ws.doc.scanLog.LogMessage, log);
    QTest::mouseClick(control<QAbstractButton>(&tab, "Command1"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(ws.doc.stations[0].SemiMajorAxis, "7000000");
}

// Nightjar orbits Earth; its state is typed over with a circular, an escape and a buried one.
TEST_F(DerivedOrbit, ShipValuesFollowTheTypedStateAndTheHintsNameTheFailedChecks)
{
    ShipTab tab(ws, dialogs);
    tab.resize(1000, 700);
    tab.show();
    for (const auto& [name, text] : {std::pair{"ShipOrbitingRposX", "7000000"},
                                     {"ShipOrbitingRposY", "0"},
                                     {"ShipOrbitingRposZ", "0"},
                                     {"ShipOrbitingRvelX", "0"},
                                     {"ShipOrbitingRvelY", "7546"},
                                     {"ShipOrbitingRvelZ", "0"}})
        type(&tab, name, text);
    // Circular speed there is sqrt(3.98613890910e14 / 7e6) = 7 546.18 m/s; at 7 546 m/s the state
    // is the apoapsis, 629 km up; a = mu / (2 mu / r - v^2) = 6 999 665.0 m puts the periapsis at
    // 2a - r = 6 999 330 m, 628.3 km up.
    EXPECT_EQ(shown(&tab, "ShipPeriapsisAltitude"), QLocale().toString(628.3, 'f', 1) + " km");
    EXPECT_EQ(shown(&tab, "ShipApoapsisAltitude"), QLocale().toString(629.0, 'f', 1) + " km");
    EXPECT_EQ(shown(&tab, "ShipOrbitNote"), "");

    // Escape speed there is sqrt(2) * 7 546.1 = 10 671.9 m/s.
    type(&tab, "ShipOrbitingRvelY", "11000");
    EXPECT_EQ(shown(&tab, "ShipApoapsisAltitude"), "None (escape)");
    EXPECT_EQ(shown(&tab, "ShipOrbitPeriod"), "None (escape)");
    EXPECT_TRUE(control<OrbitView>(&tab, "ShipOrbitView")->orbit().orbit->escapes);

    type(&tab, "ShipOrbitingRvelY", "fast");
    auto* velocity = control<QLineEdit>(&tab, "ShipOrbitingRvelY");
    EXPECT_EQ(velocity->toolTip(), "The velocity relative to reference on axis Y is not correct.");
    EXPECT_EQ(shown(&tab, "ShipOrbitNote"), "The position or the velocity is not a number.");

    type(&tab, "ShipOrbitingRvelY", "7000");
    type(&tab, "ShipOrbitingRposX", "6000000");
    EXPECT_TRUE(showsFieldHint(control<QLineEdit>(&tab, "ShipOrbitingRposZ")));
    EXPECT_FALSE(showsFieldHint(velocity));
    EXPECT_TRUE(shown(&tab, "ShipOrbitNote").startsWith("The position is inside the body."));

    // The validation button still refuses with its own message box.
    QTest::mouseClick(control<QAbstractButton>(&tab, "Command4"), Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].title, "Ship parameter validation not accepted !");
}

void saveScreenshot(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    EXPECT_TRUE(widget->grab().save(folder + "/derived-orbit-" + name + ".png"));
}

// The Gateway's epoch is MJD 60311.5 and the scenario starts at 60311.7: 4.8 hours, about three
// orbits and a tenth later, so the start mark is away from the epoch's dot.
TEST_F(DerivedOrbit, StationPlaceAtTheStartDateAndShipElementsBesideTheirViews)
{
    StationTab stations(ws, dialogs);
    stations.resize(1000, 700);
    stations.show();
    const FormOrbit& station = control<OrbitView>(&stations, "StationOrbitView")->orbit();
    ASSERT_TRUE(station.startDirection && station.positionDirection);
    EXPECT_GT(
        std::abs(std::remainder(*station.startDirection - *station.positionDirection, 2 * std::numbers::pi)),
        0.1);
    saveScreenshot(control<QWidget>(&stations, "StationDerivedOrbit"), "station");

    ShipTab ships(ws, dialogs);
    ships.resize(1000, 700);
    ships.show();
    auto* elements = control<QLabel>(&ships, "ShipOrbitElements");
    EXPECT_TRUE(elements->isVisible());
    EXPECT_TRUE(elements->text().startsWith("a ")) << elements->text().toStdString();
    saveScreenshot(control<QWidget>(&ships, "ShipDerivedOrbit"), "ship");
    // An escaping ship has no elements to show.
    type(&ships, "ShipOrbitingRvelX", "20000");
    EXPECT_FALSE(elements->isVisible());
}

// The colours a picture holds: pixels near the warning red, bright pixels of the orbit line, and
// how far apart the outermost bright pixels of the middle row are.
struct Pixels
{
    int warning = 0;
    int bright = 0;
    int brightLeft = -1;
    int brightRight = -1;
};

Pixels countPixels(OrbitView& view, QSize size)
{
    view.resize(size);
    const QImage image = view.grab().toImage();
    Pixels pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 130 && c.blue() < 130)
                ++pixels.warning;
            if (c.red() > 200 && c.green() > 200 && c.blue() > 200) {
                ++pixels.bright;
                if (y == image.height() / 2) {
                    pixels.brightLeft = pixels.brightLeft < 0 ? x : pixels.brightLeft;
                    pixels.brightRight = x;
                }
            }
        }
    }
    return pixels;
}

TEST(OrbitViewPicture, LowAndWideOrbitsStayReadableAndScaleWithTheView)
{
    const OrbitBody earth{5.97237e24, 6.371e6, 200000.0};
    OrbitView view;
    FormOrbit low;
    low.body = earth;
    // a = 1.01 R: 63.7 km up, inside the atmosphere, drawn in red all round.
    low.orbit = orbitFromElements(1.01 * earth.radius, 0.0, earth);
    view.setOrbit(low);
    const Pixels lowPixels = countPixels(view, {300, 300});
    EXPECT_GT(lowPixels.warning, 1000);

    FormOrbit wide;
    wide.body = earth;
    wide.orbit = orbitFromElements(100.0 * earth.radius, 0.3, earth);
    // The line of apsides upright, so that the middle row crosses the ellipse's sides only.
    wide.periapsisDirection = std::numbers::pi / 2;
    wide.positionDirection = 1.0;
    view.setOrbit(wide);
    const Pixels small = countPixels(view, {300, 300});
    EXPECT_EQ(small.warning, 0);
    // The ellipse fills the view's height less fixed margins, and its width is the height times
    // sqrt(1 - e^2) = 0.9539: a view 300 pixels larger draws it 0.9539 * 300 = 286 pixels wider.
    const int width = small.brightRight - small.brightLeft;
    EXPECT_GT(width, 150);
    const Pixels large = countPixels(view, {600, 600});
    EXPECT_NEAR(large.brightRight - large.brightLeft - width, 286, 4);

    FormOrbit escape;
    escape.body = earth;
    escape.orbit = orbitFromState({7e6, 0.0, 0.0}, {0.0, 11000.0, 0.0}, earth).orbit;
    view.setOrbit(escape);
    EXPECT_GT(countPixels(view, {300, 200}).bright, 200);
    view.setOrbit(FormOrbit{});
    EXPECT_EQ(countPixels(view, {200, 200}).bright, 0);
}

} // namespace
