#include "tools_test_support.h"
#include "ui/planetary_system_information.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>

namespace {

class PlanetaryInformation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The "##,##0" display follows the locale; the expectations below are English.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString config = sim.path() + u"/Config/"_s;
        writeFile(config + u"Mercury.cfg"_s,
                  "Mass = 3.3011e23\r\nSize = 2439700\r\nSidRotPeriod = 5067032\r\n");
        writeFile(config + u"Earth.cfg"_s,
                  "Mass = 5.97237e24\r\nSize = 6371000.4\r\nSidRotPeriod = 86164.1\r\n"
                  "AtmAltLimit = 120000\r\n");
        writeFile(config + u"Moon.cfg"_s,
                  "Mass = 7.342e22\r\nSize = 1737400\r\nSidRotPeriod = -2360591.5 ; retrograde\r\n");
        ws.folders.CfgDir = config;
        ws.bodies = {u"Mercury"_s, u"Earth"_s, u"   Moon"_s, u"Mars"_s};
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QString value(const QString& name) const { return window.findChild<QLabel*>(name)->text(); }
    QComboBox* planet() const { return window.findChild<QComboBox*>(u"Planet"_s); }

    QTemporaryDir sim;
    Workspace ws;
    PlanetarySystemInformation window{ws, nullptr};
};

TEST_F(PlanetaryInformation, BodiesChangedSelectsTheDefaultBodyEvenWhileHidden)
{
    EXPECT_EQ(window.windowTitle(), u"Planetary System Information"_s);
    EXPECT_EQ(value(u"Label3"_s), u"Siderial rotation period"_s);
    window.loadStep(false); // no scenario open yet: the window stays empty
    EXPECT_EQ(planet()->count(), 0);

    window.bodiesChanged();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(planet()->currentText(), u"   Moon"_s); // the third entry, a moon: its own file is read
    EXPECT_EQ(value(u"PlanetMass"_s), u" 7.342e22 kg"_s);
    EXPECT_EQ(value(u"PlanetMeanRadius"_s), u"1,737,400 m"_s);
    EXPECT_EQ(value(u"PlanetSideralRotationPeriod"_s), u"655h43min11sec"_s);
    EXPECT_EQ(value(u"PlanetAtmosphereLimit"_s), u"0 m"_s);

    ws.bodies = {u"Mercury"_s, u"Earth"_s};
    window.bodiesChanged();
    EXPECT_EQ(planet()->count(), 2);
    EXPECT_EQ(planet()->currentText(), u"Earth"_s); // fewer than three: the last
}

TEST_F(PlanetaryInformation, SelectingABodyShowsItsDataWithGroupSeparators)
{
    window.loadStep(true);
    EXPECT_EQ(planet()->currentIndex(), 0);
    EXPECT_EQ(value(u"PlanetMeanRadius"_s), u"2,439,700 m"_s);

    planet()->setCurrentIndex(1);
    EXPECT_EQ(value(u"PlanetAtmosphereLimit"_s), u"120,000 m"_s);
    EXPECT_EQ(value(u"PlanetMeanRadius"_s), u"6,371,000 m"_s);
    EXPECT_EQ(value(u"PlanetSideralRotationPeriod"_s), u"23h56min4sec"_s);

    // A body without a file: the window stays usable and the scan log says why.
    planet()->setCurrentIndex(3);
    EXPECT_EQ(value(u"PlanetMass"_s), QString());
    EXPECT_EQ(value(u"PlanetAtmosphereLimit"_s), u"0 m"_s);
    EXPECT_TRUE(ws.doc.scanLog.LogError);

    // Another planetary system replaces the list at once while the window is shown.
    window.show();
    ws.bodies = {u"Earth"_s};
    window.bodiesChanged();
    EXPECT_EQ(planet()->count(), 1);
    EXPECT_EQ(value(u"PlanetAtmosphereLimit"_s), u"120,000 m"_s);
    saveScreenshot(window, u"planetary_system_information"_s);
}

TEST_F(PlanetaryInformation, CloseHidesAndReopeningKeepsTheBody)
{
    window.loadStep(true);
    window.show();
    planet()->setCurrentIndex(1);
    QTest::mouseClick(window.findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    window.show();
    EXPECT_EQ(planet()->currentText(), u"Earth"_s);
    EXPECT_EQ(value(u"PlanetAtmosphereLimit"_s), u"120,000 m"_s);

    window.close(); // the close box hides as well
    window.show();
    EXPECT_EQ(planet()->currentText(), u"Earth"_s);
}

} // namespace
