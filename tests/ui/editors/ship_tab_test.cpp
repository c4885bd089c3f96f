#include "control_texts.h"
#include "editor_workspace.h"
#include "ui/field_hints.h"
#include "ui/place_icons.h"
#include "ui/ship_tab.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTreeView>

namespace {

class ShipTabTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        openWorkspace(ws, sampleFolder(), kRendezvousScenario);
        tab = std::make_unique<ShipTab>(ws, dialogs);
        tab->resize(1000, 700);
        tab->show();
    }

    template <typename T> T* control(const char* name)
    {
        T* widget = tab->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString caption(const char* name) { return control<QLabel>(name)->text(); }
    void click(const char* name) { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
    void showShip(int index)
    {
        auto* names = control<QComboBox>("ShipName");
        while (names->currentIndex() != index)
            QTest::keyClick(names, names->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    }
    // The frames of the three statuses that are shown, by name.
    QStringList shownFrames()
    {
        QStringList shown;
        for (const char* name : {"Landed", "Docked", "Orbiting"})
            if (control<QGroupBox>(name)->isVisible())
                shown.append(QString::fromLatin1(name));
        return shown;
    }
    // The row of a tree at a path of texts, invalid when there is none.
    QModelIndex item(const char* tree, const QStringList& path)
    {
        const QAbstractItemModel* model = control<QTreeView>(tree)->model();
        QModelIndex found;
        for (const QString& text : path) {
            QModelIndex next;
            for (int i = 0; i < model->rowCount(found) && !next.isValid(); ++i) {
                const QModelIndex candidate = model->index(i, 0, found);
                if (candidate.data().toString() == text)
                    next = candidate;
            }
            if (!next.isValid())
                return {};
            found = next;
        }
        return found;
    }
    void doubleClick(const char* tree, const QStringList& path)
    {
        auto* view = control<QTreeView>(tree);
        const QModelIndex target = item(tree, path);
        ASSERT_TRUE(target.isValid()) << path.join('/').toStdString();
        view->scrollTo(target);
        // A click first, as a user's double click begins with one (it changes nothing on its own).
        const QPoint centre = view->visualRect(target).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    }

    Workspace ws;
    ScriptedDialogs dialogs;
    std::unique_ptr<ShipTab> tab;
};

TEST_F(ShipTabTest, ControlsCarryTheirCaptionsAndTooltips)
{
    expectButtonTexts(
        tab.get(),
        {
            {"Command4", "Ship parameter validation",
             "Validates all ship parameters. If the values are not validated, they are not memorized and "
             "lost "
             "and the "
             "former values taken into account when passing to another ship."},
            {"Command5", "Add a new ship", "To create a new ship within the scenario"},
            {"Command6", "Delete ship",
             "Deletes the ship from the scenario (the ship file in the configuration is not removed)"},
            {"Command10", "Change class",
             "Sets the Ship class to the class selected in the \"Possible Ship Class\" combo box"},
            {"Command11", "Change planet",
             "Changes the planet the ships orbits around by choosing it from the \"Possible Planet\" list"},
            {"LandedShipOption", "Landed", "Sets the ship status to \"Landed\""},
            {"DockedShipOption", "Docked", "Sets the ship status to \"Docked\""},
            {"OrbitingShipOption", "Orbiting", ""},
        });
    expectFrameTitles(tab.get(), {{"Frame8", "Engine settings", ""},
                                  {"Frame9", "Status", ""},
                                  {"Frame10", "Actions", ""},
                                  {"Landed", "Landed ship parameters", ""},
                                  {"Docked", "Docked ship parameters", ""},
                                  {"Orbiting", "Orbiting ship parameters", ""}});
    expectToolTips(tab.get(),
                   {
                       {"ShipName", "", "List of the ship integrated in the scenario"},
                       {"ShipClass", "", "Class of the ship selected in the Ship name combo box"},
                       {"ShipLandedHeading", "", "Ship orientation (in °) at the landing pad"},
                       {"ShipOrbitingPlanet", "", "Displays the planet the ship orbits around"},
                       {"ShipFuel", "", "Defines the ship tank fuel level (percentage from 0 to 1)"},
                       {"HoverEngineStatus", "",
                        "Hover engine power percentage in action (from 0 to 1). This value must be set to "
                        "zero when landed "
                        "or docked"},
                       {"ShipDockedTree", "",
                        "Station (with their dock ports) list within the planetary system; double click on a "
                        "dock to select "
                        "it "
                        "for the ship"},
                   });

    expectLabels(tab.get(),
                 {"Ship name", "Ship Class", "Possible Ship Class", "Select the ship status", "Fuel level",
                  "Engine status", "Hover engine status", "Planet", "Base", "Landed pad", "Heading",
                  "Station", "Dock port", "Possible planet", "Angular velocity (°/s)"});
    for (const char* title :
         {"Position rel. to reference", "Velocity rel. to reference", "Rot. angles orientation"}) {
        const auto boxes = control<QGroupBox>("Orbiting")->findChildren<QGroupBox*>();
        EXPECT_TRUE(
            std::any_of(boxes.begin(), boxes.end(), [&](QGroupBox* b) { return b->title() == title; }));
    }
    EXPECT_EQ(control<QComboBox>("ShipName")->insertPolicy(), QComboBox::NoInsert);
    EXPECT_EQ(control<QSlider>("MainEngineStatusSlider")->minimum(), -100);
    EXPECT_EQ(control<QSlider>("HoverEngineStatusSlider")->maximum(), 100);
}

TEST_F(ShipTabTest, EachShipShowsTheFrameOfItsStatus)
{
    EXPECT_EQ(shownFrames(), QStringList{"Orbiting"});
    EXPECT_TRUE(control<QRadioButton>("OrbitingShipOption")->isChecked());
    EXPECT_EQ(control<QLineEdit>("ShipOrbitingRposY")->text(), "-5120000");
    EXPECT_EQ(caption("ShipFuel"), "40 %");
    EXPECT_EQ(caption("MainEngineStatus"), "10 %");
    EXPECT_EQ(control<QSlider>("HoverEngineStatusSlider")->value(), 5);
    EXPECT_TRUE(control<QLabel>("HoverEngineStatus")->isEnabled());

    showShip(1);
    EXPECT_EQ(shownFrames(), QStringList{"Docked"});
    EXPECT_EQ(control<QComboBox>("ShipName")->currentText(), QString::fromUtf8("Ærø Clipper"));
    EXPECT_EQ(caption("ShipDockedStation"), "Gateway");
    EXPECT_EQ(caption("ShipDockedPort"), "2");
    EXPECT_EQ(caption("ShipFuel"), "90 %");

    showShip(2);
    EXPECT_EQ(shownFrames(), QStringList{"Landed"});
    EXPECT_EQ(caption("ShipLandedBase"), "Cape Canaveral");
    EXPECT_EQ(caption("ShipLandedPad"), "2");
    EXPECT_EQ(control<QLineEdit>("ShipLandedHeading")->text(), "90");
    EXPECT_EQ(caption("MainEngineStatus"), "0");
    EXPECT_FALSE(control<QLabel>("MainEngineStatus")->isEnabled());
}

TEST_F(ShipTabTest, OptionButtonsShowTheirFrameAndSlidersRewriteTheirLabel)
{
    click("DockedShipOption");
    EXPECT_EQ(shownFrames(), QStringList{"Docked"});
    EXPECT_FALSE(control<QRadioButton>("OrbitingShipOption")->isChecked());
    EXPECT_EQ(caption("HoverEngineStatus"), "0");
    EXPECT_FALSE(control<QLabel>("HoverEngineStatus")->isEnabled());

    // Clicking the selected option leaves it selected and still resets the engine labels, so a
    // moved engine slider is not stored for a docked ship.
    control<QSlider>("MainEngineStatusSlider")->setValue(40);
    EXPECT_EQ(caption("MainEngineStatus"), "40 %");
    click("DockedShipOption");
    EXPECT_TRUE(control<QRadioButton>("DockedShipOption")->isChecked());
    EXPECT_EQ(shownFrames(), QStringList{"Docked"});
    EXPECT_EQ(caption("MainEngineStatus"), "0");
    EXPECT_FALSE(control<QLabel>("MainEngineStatus")->isEnabled());

    click("OrbitingShipOption");
    EXPECT_EQ(shownFrames(), QStringList{"Orbiting"});
    EXPECT_TRUE(control<QLabel>("HoverEngineStatus")->isEnabled());

    control<QSlider>("MainEngineStatusSlider")->setValue(-35);
    EXPECT_EQ(caption("MainEngineStatus"), "-35 %");
    QTest::keyClick(control<QSlider>("ShipFuelSlider"), Qt::Key_Right);
    EXPECT_EQ(caption("ShipFuel"), "41 %");
    click("Command4");
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(ws.doc.ships[0].MainEngine, "-0.35");
    EXPECT_EQ(ws.doc.ships[0].Fuel, "0.41");
}

TEST_F(ShipTabTest, RefusedValidationShowsTheMessagesOfTheStatus)
{
    auto* position = control<QLineEdit>("ShipOrbitingRposX");
    position->selectAll();
    QTest::keyClicks(position, QStringLiteral("1e7"));
    click("Command4");
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].title, "Ship parameter validation not accepted !");
    EXPECT_EQ(dialogs.shown[0].text, "The position relative to the reference on axis X is not correct.\r");
    EXPECT_EQ(ws.doc.ships[0].RposX.trimmed(), "4230000");
}

TEST_F(ShipTabTest, TypedValuesAreStoredByValidation)
{
    showShip(2);
    QSignalSpy changed(tab.get(), &ShipTab::shipsChanged);
    auto* heading = control<QLineEdit>("ShipLandedHeading");
    heading->selectAll();
    QTest::keyClicks(heading, QStringLiteral("45.5"));
    auto* classes = control<QComboBox>("Spacecraft");
    classes->setCurrentIndex(classes->findText(QStringLiteral("Hauler")));
    click("Command10");
    EXPECT_EQ(caption("ShipClass"), "Hauler");
    click("Command4");
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(ws.doc.ships[2].Heading, "45.5");
    EXPECT_EQ(ws.doc.ships[2].ClassName, "Hauler");
    EXPECT_EQ(ws.doc.ships[2].Fuel, "1");
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(ShipTabTest, DoubleClickOnAFreeDockOrPadFillsTheLabels)
{
    showShip(1);
    control<QTreeView>("ShipDockedTree")->expandAll();
    doubleClick("ShipDockedTree", {"Earth", "   Moon", "Selene", "Dock  1"});
    EXPECT_EQ(caption("ShipDockedPlanet"), "   Moon");
    EXPECT_EQ(caption("ShipDockedStation"), "Selene");
    EXPECT_EQ(caption("ShipDockedPort"), "1");
    EXPECT_EQ(ws.doc.ships[1].DockStation, "Gateway");
    // Dock 2 of Gateway holds the ship itself: taken, so nothing changes.
    doubleClick("ShipDockedTree", {"Earth", "Gateway", "Dock  2"});
    EXPECT_EQ(caption("ShipDockedStation"), "Selene");

    dialogs.answers = {MessageAnswer::Discard}; // the dock chosen but not validated
    showShip(2);
    EXPECT_EQ(dialogs.shown.last().buttons, MessageButtons::ValidateDiscardCancel);
    control<QTreeView>("ShipLandingTree")->expandAll();
    doubleClick("ShipLandingTree", {"Earth", "   Moon", "Tranquility", "Landing pad  3"});
    EXPECT_EQ(caption("ShipLandedPlanet"), "   Moon");
    EXPECT_EQ(caption("ShipLandedBase"), "Tranquility");
    EXPECT_EQ(caption("ShipLandedPad"), "3");
    doubleClick("ShipLandingTree", {"Earth", "   Moon", "Tranquility", "Landing pad  1"});
    EXPECT_EQ(caption("ShipLandedPad"), "3") << "pad 1 holds Moonhopper";
}

TEST_F(ShipTabTest, TreesShowTheIconOfEachNodeKindAndOpenOnOccupants)
{
    auto* docks = control<QTreeView>("ShipDockedTree");
    const QModelIndex taken = item("ShipDockedTree", {"Earth", "Gateway", "Dock  2"});
    ASSERT_TRUE(taken.isValid());
    ASSERT_EQ(docks->model()->rowCount(taken), 1);
    const QModelIndex occupant = docks->model()->index(0, 0, taken);
    EXPECT_EQ(occupant.data().toString(), QString::fromUtf8("Ærø Clipper"));
    EXPECT_TRUE(docks->isExpanded(occupant.parent()));
    EXPECT_TRUE(docks->isExpanded(item("ShipDockedTree", {"Earth"})));
    EXPECT_FALSE(docks->isExpanded(item("ShipDockedTree", {"Mars"})));
    const std::pair<QModelIndex, int> kinds[] = {
        {item("ShipDockedTree", {"Mars"}), PlanetImage},
        {item("ShipDockedTree", {"Earth", "   Moon"}), MoonImage},
        {item("ShipDockedTree", {"Earth", "Gateway"}), StationImage},
        {item("ShipDockedTree", {"Earth", "Gateway", "Dock  4"}), DockImage},
        {occupant, OccupantImage},
        {item("ShipLandingTree", {"Earth", " Cape Canaveral"}), BaseImage},
        {item("ShipLandingTree", {"Earth", " Cape Canaveral", "Landing pad  3"}), PadImage},
    };
    for (const auto& [node, kind] : kinds) {
        ASSERT_TRUE(node.isValid()) << kind;
        const QIcon icon = node.data(Qt::DecorationRole).value<QIcon>();
        EXPECT_EQ(icon.pixmap(16, 16).toImage(), placePixmap(kind).toImage()) << kind;
    }
}

TEST_F(ShipTabTest, DeletingTheFocusShipShowsTheNextOneAndMovesTheFocus)
{
    QSignalSpy changed(tab.get(), &ShipTab::shipsChanged);
    click("Command6");
    ASSERT_EQ(dialogs.shown.size(), 2);
    EXPECT_EQ(dialogs.shown[0].text, "Are you sure you want to delete the ship ?");
    EXPECT_EQ(dialogs.shown[1].text,
              "As the user-controled ship was no longer valid in the scenario, it has been set "
              "to the first possible ship !");
    auto* names = control<QComboBox>("ShipName");
    EXPECT_EQ(names->count(), 3);
    EXPECT_EQ(names->currentText(), QString::fromUtf8("Ærø Clipper"));
    EXPECT_EQ(control<QLabel>("ShipIndex")->text(), "0");
    EXPECT_EQ(shownFrames(), QStringList{"Docked"});
    EXPECT_EQ(ws.doc.shipFocus, QString::fromUtf8("Ærø Clipper"));
    EXPECT_EQ(changed.count(), 1);
}

// While a name is typed, its box tells what validation would refuse and which characters the
// file cannot hold; both go once the name is fine again.
TEST_F(ShipTabTest, TheNameBoxHintsAtARefusedNameAndAtCharactersTheFileCannotHold)
{
    QLineEdit* name = control<QComboBox>("ShipName")->lineEdit();
    name->selectAll();
    // Typed one key at a time as a keyboard would send them; keyClicks knows ASCII keys only.
    for (const QChar c : QString::fromUtf8("Red:Жук"))
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(c), Qt::NoModifier);
    ASSERT_TRUE(showsFieldHint(name));
    const QStringList hints = name->toolTip().split(u'\n');
    ASSERT_EQ(hints.size(), 2) << name->toolTip().toStdString();
    EXPECT_TRUE(hints[0].contains(u':'));
    EXPECT_TRUE(hints[1].contains(QString::fromUtf8(": Ж у к."))) << hints[1].toStdString();

    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Red"));
    EXPECT_FALSE(showsFieldHint(name));
    EXPECT_EQ(name->toolTip(), "");
}

} // namespace
