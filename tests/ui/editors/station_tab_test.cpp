#include "control_texts.h"
#include "editor_workspace.h"
#include "ui/station_tab.h"

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

class StationTabTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        openWorkspace(ws, sampleFolder(), kRendezvousScenario);
        tab = std::make_unique<StationTab>(ws, dialogs);
        tab->resize(1000, 700);
        tab->show();
    }

    template <typename T> T* control(const char* name)
    {
        T* widget = tab->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* box(const char* name) { return control<QLineEdit>(name); }
    void click(const char* name) { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
    void type(const char* name, const QString& text)
    {
        QLineEdit* edit = box(name);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    Workspace ws;
    ScriptedDialogs dialogs;
    std::unique_ptr<StationTab> tab;
};

TEST_F(StationTabTest, ControlsCarryTheirCaptionsAndTooltips)
{
    expectButtonTexts(
        tab.get(),
        {
            {"Command1", "Station parameter validation",
             "Validates all station parameters. If the values are not validated, they are not memorized and "
             "lost "
             "and "
             "the former values taken into account when passing to another station."},
            {"Command2", "Delete station",
             "Deletes the station from the scenario (the station file in the configuration is not removed)"},
            {"Command3", "Add a new station", "To create a new station within the scenario"},
            {"Command8", "Change Planet",
             "Sets the Station reference planet to the planet selected in the \"Possible planet\" combo box"},
            {"Command9", "Change class", ""},
            {"Check1", "Refered to station class",
             "Select the option either to enter a customised spinning frequency, or to use the spinning "
             "frequency of "
             "the station class value"},
        });
    expectFrameTitles(tab.get(), {{"Frame1", "Orbital element references", ""},
                                  {"Frame3", "Actions", ""},
                                  {"Frame6", "Rotation frequency (Hz)", ""},
                                  {"Frame7", "Station frame rotation angles", ""}});
    expectToolTips(
        tab.get(),
        {
            {"StationName", "", "Displays all the stations integrated in the scenario file"},
            {"StationRefPlanet", "", "Defines the planet/moon the station orbits around"},
            {"StationClassName", "", "Displays the station class"},
            {"StationYAngle", "", "Station frame rotation angle around Y axis"},
            {"StationSemiMajorAxis", "", "Defines the station orbit semi-major axis (in m)"},
            {"StationOrbitalRefTime", "",
             "Defines the date for which the orbital element parameters are valid"},
            {"StationOrbitalRefMin", "",
             "Defines the time minutes for which the orbital element parameters are valid"},
            {"StationRotationFrequency", "",
             "Rotation frequency for spinning stations; if not specified, the class value is used"},
        });

    expectLabels(tab.get(), {"Station name", "Station Class", "Possible station class", "Station Ref Planet",
                             "Possible planet", "Semi-major axis (m)", "Eccentricity", "Inclination (°)",
                             "Ascending node longitude (°)", "Periapsis longitude (°)", "Mean longitude (°)",
                             "X angle (°)", "Y angle (°)", "Z angle (°)", "h", "mn"});

    auto* name = control<QComboBox>("StationName");
    EXPECT_TRUE(name->isEditable());
    EXPECT_EQ(name->insertPolicy(), QComboBox::NoInsert);
    EXPECT_TRUE(control<QLabel>("StationIndex")->isHidden());
    EXPECT_EQ(control<QComboBox>("StationOrbitalRefHour")->count(), 24);
    EXPECT_EQ(control<QComboBox>("StationOrbitalRefMin")->itemText(59), "59");
}

TEST_F(StationTabTest, ShowsTheFirstStationAndAnotherOneOnSelection)
{
    auto* name = control<QComboBox>("StationName");
    EXPECT_EQ(name->count(), 2);
    EXPECT_EQ(name->currentText(), "Gateway");
    EXPECT_EQ(control<QLabel>("StationRefPlanet")->text(), "Earth");
    EXPECT_EQ(control<QLabel>("StationClassName")->text(), "Ringstation");
    EXPECT_EQ(box("StationSemiMajorAxis")->text().trimmed(), "6778000");
    EXPECT_EQ(box("StationYAngle")->text().trimmed(), "90");
    EXPECT_TRUE(control<QCheckBox>("Check1")->isChecked());
    EXPECT_EQ(box("StationRotationFrequency")->text(), "Class value");
    EXPECT_EQ(control<QDateEdit>("StationOrbitalRefTime")->date(), QDate(2024, 1, 2));
    EXPECT_EQ(control<QComboBox>("StationOrbitalRefHour")->currentText(), "12");

    type("StationInclination", QStringLiteral("77"));
    QTest::keyClick(name, Qt::Key_Down);
    EXPECT_EQ(control<QLabel>("StationIndex")->text(), "1");
    EXPECT_EQ(name->currentText(), "Selene");
    EXPECT_EQ(control<QLabel>("StationRefPlanet")->text(), "Moon");
    EXPECT_FALSE(control<QCheckBox>("Check1")->isChecked());
    EXPECT_TRUE(box("StationRotationFrequency")->isEnabled());
    EXPECT_EQ(box("StationRotationFrequency")->text(), "0.0125");

    // Typed values that were not validated are gone when the station is shown again.
    QTest::keyClick(name, Qt::Key_Up);
    EXPECT_EQ(box("StationInclination")->text().trimmed(), "51.64");
}

TEST_F(StationTabTest, ValidationStoresTypedValuesAndCarriesARenameToDockedShips)
{
    QSignalSpy changed(tab.get(), &StationTab::stationsChanged);
    auto* name = control<QComboBox>("StationName");
    name->lineEdit()->selectAll();
    QTest::keyClicks(name->lineEdit(), QStringLiteral("Gateway Prime"));
    type("StationSemiMajorAxis", QStringLiteral("6800000"));
    control<QComboBox>("StationOrbitalRefMin")->setCurrentIndex(42);
    click("Command1");

    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(ws.doc.stations[0].Name, "Gateway Prime");
    EXPECT_EQ(ws.doc.stations[0].SemiMajorAxis, "6800000");
    EXPECT_EQ(ws.doc.stations[0].EpochMinute, "42");
    EXPECT_EQ(name->itemText(0), "Gateway Prime");
    EXPECT_EQ(ws.doc.ships[1].DockStation, "Gateway Prime");
}

TEST_F(StationTabTest, RefusedValidationListsEveryFailureAndKeepsTheTypedText)
{
    type("StationXAngle", QStringLiteral("360"));
    type("StationExcentricity", QStringLiteral("1"));
    click("Command1");

    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].title, "Station parameter validation not accepted !");
    EXPECT_EQ(dialogs.shown[0].text, "The station frame rotation angle around X axis is not correct.\r"
                                     "The station orbit crosses the planet atmosphere or the planet surface; "
                                     "check the excentricity or the semi-major axis.\r"
                                     "The station excentricity is not correct.\r");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(ws.doc.stations[0].AngleX.trimmed(), "0");
    EXPECT_EQ(box("StationXAngle")->text(), "360");
}

TEST_F(StationTabTest, ClassFrequencyBoxSwitchesTheFrequencyField)
{
    QTest::keyClick(control<QComboBox>("StationName"), Qt::Key_Down);
    auto* check = control<QCheckBox>("Check1");
    click("Check1");
    EXPECT_TRUE(check->isChecked());
    EXPECT_FALSE(box("StationRotationFrequency")->isEnabled());
    EXPECT_EQ(box("StationRotationFrequency")->text(), "Station class");
    click("Check1");
    EXPECT_TRUE(box("StationRotationFrequency")->isEnabled());
    EXPECT_EQ(box("StationRotationFrequency")->text(), "0");
}

TEST_F(StationTabTest, NewStationHasNoEpochDateAndItsCalendarOpensOnTheScenarioMonth)
{
    click("Command3");
    auto* name = control<QComboBox>("StationName");
    EXPECT_EQ(name->count(), 3);
    EXPECT_EQ(name->currentText(), "New Station");
    EXPECT_TRUE(control<QCheckBox>("Check1")->isChecked());
    EXPECT_EQ(box("StationRotationFrequency")->text(), "Station class");

    auto* date = control<QDateEdit>("StationOrbitalRefTime");
    EXPECT_EQ(date->text().trimmed(), "");
    QCalendarWidget* calendar = date->calendarWidget();
    calendar->window()->show();
    EXPECT_EQ(calendar->yearShown(), 2024);
    EXPECT_EQ(calendar->monthShown(), 1);
    calendar->window()->hide();

    auto* planets = control<QComboBox>("StationRef");
    planets->setCurrentIndex(planets->findText(QStringLiteral("Earth")));
    click("Command8");
    EXPECT_EQ(control<QLabel>("StationRefPlanet")->text(), "Earth");
    type("StationSemiMajorAxis", QStringLiteral("7000000"));
    for (const char* field : {"StationExcentricity", "StationInclination", "StationAscendingNodeLongitude",
                              "StationPeriapsisLongitude", "StationMeanLongitude", "StationXAngle",
                              "StationYAngle", "StationZAngle"})
        type(field, QStringLiteral("0"));
    click("Command1");
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_FALSE(ws.doc.stations[2].EpochDate.isValid());
}

TEST_F(StationTabTest, DeletingIsRefusedWhileAShipIsDockedAndAskedOtherwise)
{
    QSignalSpy changed(tab.get(), &StationTab::stationsChanged);
    click("Command2");
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].title, "Forbidden action");
    EXPECT_EQ(dialogs.shown[0].text, "You may not withdraw a station with a docked ship !");
    EXPECT_EQ(control<QComboBox>("StationName")->count(), 2);
    EXPECT_EQ(changed.count(), 0);

    QTest::keyClick(control<QComboBox>("StationName"), Qt::Key_Down);
    dialogs.answers = {MessageAnswer::No};
    click("Command2");
    EXPECT_EQ(control<QComboBox>("StationName")->count(), 2);
    click("Command2");
    EXPECT_EQ(dialogs.shown.last().text, "Are you sure you want to delete the station ?");
    EXPECT_EQ(control<QComboBox>("StationName")->count(), 1);
    EXPECT_EQ(control<QComboBox>("StationName")->currentText(), "Gateway");
    EXPECT_EQ(changed.count(), 1);
}

} // namespace
