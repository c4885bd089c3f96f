// "Orbit from elements…" opened from the ship tab: each way in fills the ship form's position
// and velocity boxes, validation stores them, refusals stay in the window.
#include "document/scenario_writer.h"
#include "editing/form_elements.h"
#include "editing/ship_editing.h"
#include "editing/station_editing.h"
#include "editor_workspace.h"
#include "ui/orbit_from_elements_window.h"
#include "ui/ship_tab.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

class OrbitFromElementsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        openWorkspace(ws, sampleFolder(), kRendezvousScenario);
        selectShip(ws, ws.doc.shipNames.indexOf("Nightjar"));
        tab = std::make_unique<ShipTab>(ws, dialogs);
        tab->refresh();
        tab->resize(1000, 700);
        tab->show();
        QTest::mouseClick(tab->findChild<QPushButton*>("OrbitFromElements"), Qt::LeftButton);
        window = tab->findChild<OrbitFromElementsWindow*>("OrbitFromElementsWindow");
        ASSERT_NE(window, nullptr);
    }

    template <typename T> T* control(const char* name)
    {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void type(const char* name, const QString& text)
    {
        auto* box = control<QLineEdit>(name);
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void fill() { QTest::mouseClick(control<QPushButton>("OrbitFill"), Qt::LeftButton); }
    QString result() { return control<QLabel>("OrbitResult")->text(); }
    StateVector formState()
    {
        const ShipForm& f = ws.shipForm;
        return {{f.rposX.toDouble(), f.rposY.toDouble(), f.rposZ.toDouble()},
                {f.rvelX.toDouble(), f.rvelY.toDouble(), f.rvelZ.toDouble()}};
    }
    void save(const QString& name)
    {
        const QString folder = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        EXPECT_TRUE(window->grab().save(folder + "/orbit-from-elements-" + name + ".png"));
    }

    Workspace ws;
    ScriptedDialogs dialogs;
    std::unique_ptr<ShipTab> tab;
    OrbitFromElementsWindow* window = nullptr;
};

TEST_F(OrbitFromElementsTest, CircularOrbitFromAltitudesFillsTheBoxesAndValidationStoresThem)
{
    save("altitudes");
    // The window's default: 300 km circular at periapsis. Earth's mean radius in the sample is
    // 6 371 000 m.
    fill();
    EXPECT_EQ(result(), "Position and velocity filled in; press validation to store them.");
    const double earthRadius = lookUpOrbitBody(ws.folders.CfgDir, "Earth").body->radius;
    EXPECT_NEAR(norm(formState().position), earthRadius + 300000.0, 1e-3);
    EXPECT_EQ(tab->findChild<QLineEdit*>("ShipOrbitingRposX")->text(), ws.shipForm.rposX);
    EXPECT_EQ(tab->findChild<QLineEdit*>("ShipOrbitingRvelZ")->text(), ws.shipForm.rvelZ);
    const int row = ws.doc.shipIndex;
    EXPECT_NE(ws.doc.ships[row].RposX, ws.shipForm.rposX) << "the table waits for validation";
    QTest::mouseClick(tab->findChild<QPushButton*>("Command4"), Qt::LeftButton);
    EXPECT_EQ(ws.doc.ships[row].RposX.trimmed(), ws.shipForm.rposX);
    const FormElements stored = shipFormElements(ws.shipForm, ws.folders.CfgDir);
    ASSERT_TRUE(stored.elements);
    EXPECT_EQ(stored.elements->eccentricity, 0.0);
    EXPECT_EQ(stored.elements->inclination, 0.0);
}

TEST_F(OrbitFromElementsTest, RefusalsAreShownAndTheFormKeepsItsValues)
{
    const ShipForm before = ws.shipForm;
    type("OrbitApoapsisAltitude", "100000");
    fill();
    EXPECT_EQ(result(), "The apoapsis altitude must not be below the periapsis altitude.");
    type("OrbitApoapsisAltitude", "3OO");
    fill();
    EXPECT_EQ(result(), "Apoapsis altitude (m): not a number.");

    control<QTabWidget>("OrbitWays")->setCurrentIndex(1);
    type("OrbitEccentricity", "1");
    fill();
    EXPECT_EQ(result(), "The eccentricity must be from 0 to below 1 (a closed orbit).");
    type("OrbitEccentricity", "0");
    type("OrbitSemiMajorAxis", "6000000");
    fill();
    EXPECT_TRUE(result().startsWith("The periapsis (6000000 m from the centre) is below the surface"));
    save("refused");
    EXPECT_EQ(ws.shipForm.rposX, before.rposX);
    EXPECT_EQ(ws.shipForm.rvelY, before.rvelY);
}

TEST_F(OrbitFromElementsTest, ElementsPageStartsFromTheShipsOrbitAndTrueAnomalyMovesTheShip)
{
    // Filled back from its own elements, the ship stays where it is.
    const StateVector before = formState();
    control<QTabWidget>("OrbitWays")->setCurrentIndex(1);
    fill();
    EXPECT_LT(norm(difference(formState().position, before.position)), norm(before.position) * 1e-9);

    // Half an orbit past periapsis on a 200 x 1000 km orbit is the apoapsis.
    control<QTabWidget>("OrbitWays")->setCurrentIndex(0);
    type("OrbitPeriapsisAltitude", "200000");
    type("OrbitApoapsisAltitude", "1000000");
    control<QCheckBox>("OrbitAtPeriapsis")->click();
    EXPECT_TRUE(control<QLineEdit>("OrbitTrueAnomaly")->isEnabled());
    type("OrbitTrueAnomaly", "180");
    fill();
    const double earthRadius = lookUpOrbitBody(ws.folders.CfgDir, "Earth").body->radius;
    EXPECT_NEAR(norm(formState().position), earthRadius + 1000000.0, 1e-3);
}

TEST_F(OrbitFromElementsTest, TwoKilometresBehindTheGateway)
{
    control<QTabWidget>("OrbitWays")->setCurrentIndex(2);
    auto* stations = control<QComboBox>("OrbitStation");
    ASSERT_EQ(stations->count(), 1) << "Selene orbits the Moon";
    EXPECT_EQ(stations->currentText(), "Gateway");
    EXPECT_EQ(control<QLineEdit>("OrbitTrackDistance")->text(), "-2000");
    save("station");
    fill();
    selectStation(ws, ws.doc.stationNames.indexOf("Gateway"));
    const FormState gateway = stationFormStateAt(ws.stationForm, ws.folders.CfgDir, startMjd(ws.doc));
    ASSERT_TRUE(gateway.state);
    EXPECT_NEAR(norm(difference(formState().position, gateway.state->position)), 2000.0, 1e-2);
    // Behind: the station is ahead of the ship in the sense of its motion.
    EXPECT_GT(dot(difference(gateway.state->position, formState().position), gateway.state->velocity), 0.0);
}

TEST(OrbitNextToStation, DockedShipGoesInOrbitBehindTheGatewayInOneClick)
{
    Workspace ws;
    ScriptedDialogs dialogs;
    openWorkspace(ws, sampleFolder(), kRendezvousScenario);
    selectShip(ws, ws.doc.shipNames.indexOf(QString::fromUtf8("Ærø Clipper")));
    ShipTab tab(ws, dialogs);
    tab.refresh();
    tab.show();
    QTest::mouseClick(tab.findChild<QPushButton*>("OrbitNextToStation"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(ws.shipForm.status, ShipStatusOption::Orbiting);
    EXPECT_TRUE(tab.findChild<QWidget*>("Orbiting")->isVisible());
    EXPECT_EQ(tab.findChild<QLineEdit*>("ShipOrbitingRposX")->text(), ws.shipForm.rposX);
    QTest::mouseClick(tab.findChild<QPushButton*>("Command4"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.value(0).text.toStdString();
    EXPECT_EQ(ws.doc.ships[ws.doc.shipIndex].Status.trimmed(), "Orbiting");
}

// The author's round: a ship matched 2 km behind the Gateway, validated, saved, and read back by
// `corvane-scn orbits`, whose elements for it are the Gateway's at the start date but for the
// 2 km of mean longitude.
TEST_F(OrbitFromElementsTest, MatchedShipSavedAndReadBackHasTheStationsOrbit)
{
    control<QTabWidget>("OrbitWays")->setCurrentIndex(2);
    fill();
    QTest::mouseClick(tab->findChild<QPushButton*>("Command4"), Qt::LeftButton);
    ASSERT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.value(0).text.toStdString();
    QTemporaryDir folder;
    const QString file = folder.filePath("Rendezvous.scn");
    ASSERT_TRUE(ScenarioFileSaving(file, ws.doc).ok);

    QProcess tool;
    tool.start(QStringLiteral(CORVANE_SCN_BINARY), {"orbits", "--sim", sampleFolder(), file});
    ASSERT_TRUE(tool.waitForFinished(60000));
    const QJsonObject orbits = QJsonDocument::fromJson(tool.readAllStandardOutput()).object();
    QJsonObject gateway, ship;
    for (const QJsonValue& row : orbits["stations"].toArray())
        if (row["name"].toString() == "Gateway")
            gateway = row.toObject();
    for (const QJsonValue& row : orbits["ships"].toArray())
        if (row["name"].toString() == "Nightjar")
            ship = row.toObject();
    const QJsonArray p = gateway["stateAtStart"].toObject()["position"].toArray();
    const QJsonArray v = gateway["stateAtStart"].toObject()["velocity"].toArray();
    const double mu = lookUpOrbitBody(ws.folders.CfgDir, "Earth").body->mu();
    const auto expected = elementsFromState({{p[0].toDouble(), p[1].toDouble(), p[2].toDouble()},
                                             {v[0].toDouble(), v[1].toDouble(), v[2].toDouble()}},
                                            mu);
    ASSERT_TRUE(expected);
    const QJsonObject got = ship["elements"].toObject();
    constexpr double degree = 180.0 / std::numbers::pi;
    EXPECT_NEAR(got["semiMajorAxis"].toDouble(), expected->semiMajorAxis, 1e-3);
    EXPECT_NEAR(got["eccentricity"].toDouble(), expected->eccentricity, 1e-9);
    EXPECT_NEAR(got["inclination"].toDouble(), expected->inclination * degree, 1e-9);
    EXPECT_NEAR(got["ascendingNodeLongitude"].toDouble(), expected->ascendingNodeLongitude * degree, 1e-9);
    EXPECT_NEAR(got["periapsisLongitude"].toDouble(), expected->periapsisLongitude * degree, 1e-6);
    // 2 km of a 6 778 km orbit's track: 2000 / 6 778 000 rad = 0.0169 degrees of mean longitude
    // (the orbit is all but circular).
    EXPECT_NEAR(expected->meanLongitude * degree - got["meanLongitude"].toDouble(),
                2000.0 / 6778000.0 * degree, 2e-5);
}

} // namespace
