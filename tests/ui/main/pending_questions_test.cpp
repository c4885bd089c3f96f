#include "editor_fixture.h"

#include "ui/system_map_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

const UserMessage kStationQuestion{
    "Corvane Scenario Editor",
    "The changes to the station Gateway are not validated yet. Validate them before going on?",
    MessageButtons::ValidateDiscardCancel, MessageIcon::Question};
const UserMessage kShipQuestion{
    "Corvane Scenario Editor",
    "The changes to the ship Nightjar are not validated yet. Validate them before going on?",
    MessageButtons::ValidateDiscardCancel, MessageIcon::Question};

// Typed as a user types: the box's edit signals run.
void typeInto(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
}

// The scenario with Gateway and Nightjar shown, and edits typed in both forms.
class PendingQuestions : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        startEditor();
        openScenario("", "Earth Orbit Rendezvous.scn");
        tabs = child<QTabWidget>(vex.get(), "SSTab1");
        stationNames = child<QComboBox>(vex.get(), "StationName");
        shipNames = child<QComboBox>(vex.get(), "ShipName");
        angularVelocity = child<QLineEdit>(vex.get(), "ShipOrbitingAngularVelocity");
        inclination = child<QLineEdit>(vex.get(), "StationInclination");
    }

    Workspace& ws() { return vex->workspace(); }
    void typeShipEdit() { typeInto(angularVelocity, "0.75"); }
    void typeStationEdit() { typeInto(inclination, "52.5"); }
    bool shipTabMarked() const { return tabs->tabText(2).endsWith(" *"); }
    bool stationTabMarked() const { return tabs->tabText(1).endsWith(" *"); }

    QTabWidget* tabs = nullptr;
    QComboBox* stationNames = nullptr;
    QComboBox* shipNames = nullptr;
    QLineEdit* angularVelocity = nullptr;
    QLineEdit* inclination = nullptr;
};

TEST_F(PendingQuestions, ValidatingAStationKeepsTheShipFormsTypedValues)
{
    typeShipEdit();
    ASSERT_TRUE(shipTabMarked());
    child<QPushButton>(vex.get(), "Command1")->click(); // the station as it is read
    EXPECT_EQ(angularVelocity->text(), "0.75");
    EXPECT_TRUE(shipTabMarked());
    EXPECT_EQ(ws().shipForm.angularVelocity, "0.75");
}

TEST_F(PendingQuestions, SaveWithBothFormsPendingAsksForEachAndStoresBoth)
{
    typeStationEdit();
    typeShipEdit();
    answer({MessageAnswer::Validate, MessageAnswer::Validate});
    vex->menuItem("Menu13")->trigger();
    ASSERT_EQ(messages.shownMessages().size(), 2);
    expectMessage(messages.shownMessages()[0], kStationQuestion);
    expectMessage(messages.shownMessages()[1], kShipQuestion);
    const QByteArray saved = fileBytes(scenarioRoot() + "/Earth Orbit Rendezvous.scn");
    EXPECT_TRUE(saved.contains("ELEMENTS 6778000 0.0006 52.5 ")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("VROT  0.75")) << saved.toStdString();
    EXPECT_FALSE(vex->isWindowModified());
}

TEST_F(PendingQuestions, CancelOnSaveSaveAsOpenAndCloseKeepsEverything)
{
    const QByteArray read = fileBytes(scenarioRoot() + "/Earth Orbit Rendezvous.scn");
    typeStationEdit();
    answer({MessageAnswer::Cancel, MessageAnswer::Cancel, MessageAnswer::Cancel, MessageAnswer::Cancel});
    vex->menuItem("Menu13")->trigger();
    vex->menuItem("Menu14")->trigger(); // no save-as dialog is scripted: none may open
    vex->menuItem("Menu12")->trigger(); // nor the open dialog
    EXPECT_FALSE(vex->close());
    ASSERT_EQ(messages.shownMessages().size(), 4);
    for (const UserMessage& shown : messages.shownMessages())
        expectMessage(shown, kStationQuestion);
    EXPECT_EQ(fileBytes(scenarioRoot() + "/Earth Orbit Rendezvous.scn"), read);
    EXPECT_EQ(inclination->text(), "52.5");
    EXPECT_TRUE(stationTabMarked());
    EXPECT_EQ(ws().scnfile, "Earth Orbit Rendezvous.scn");
    EXPECT_TRUE(vex->isVisible());
}

TEST_F(PendingQuestions, DiscardOnOpenGoesOnToTheOpenDialogWithTheFormAsRead)
{
    typeShipEdit();
    answer({MessageAnswer::Discard});
    onDialog([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "LoadFile");
        return int(QDialog::Rejected);
    });
    vex->menuItem("Menu12")->trigger();
    EXPECT_EQ(angularVelocity->text(), "0.5");
    EXPECT_FALSE(shipTabMarked());
    EXPECT_FALSE(vex->isWindowModified()) << "nothing was stored: no save question";
}

TEST_F(PendingQuestions, AnotherStationPickedInItsListAsksFirst)
{
    typeStationEdit();
    answer({MessageAnswer::Cancel});
    stationNames->setCurrentIndex(1);
    emit stationNames->activated(1);
    expectMessage(messages.shownMessages().last(), kStationQuestion);
    EXPECT_EQ(ws().doc.stationIndex, 0);
    EXPECT_EQ(stationNames->currentIndex(), 0) << "the list is put back";
    EXPECT_EQ(inclination->text(), "52.5");

    // The station already shown, picked again, keeps what was typed and asks nothing.
    emit stationNames->activated(0);
    EXPECT_EQ(inclination->text(), "52.5");
    EXPECT_EQ(messages.shownMessages().size(), 1);

    answer({MessageAnswer::Validate});
    emit stationNames->activated(1);
    EXPECT_EQ(ws().doc.stationIndex, 1);
    EXPECT_EQ(ws().doc.stations[0].Inclination, "52.5");
    EXPECT_FALSE(stationTabMarked());
}

TEST_F(PendingQuestions, AClickOnTheSystemMapAsksAsTheListDoes)
{
    vex->menuItem("SystemMapMenu")->trigger();
    auto* map = child<SystemMapWindow>(vex.get(), "SystemMapWindow");
    typeShipEdit();
    tabs->setCurrentIndex(0);
    const int selene = int(ws().doc.stationNames.indexOf("Selene"));
    const int other = 1;

    answer({MessageAnswer::Cancel});
    emit map->objectClicked(false, other);
    ASSERT_EQ(messages.shownMessages().size(), 1);
    expectMessage(messages.shownMessages().last(), kShipQuestion);
    EXPECT_EQ(ws().doc.shipIndex, 0);
    EXPECT_EQ(angularVelocity->text(), "0.75");
    EXPECT_EQ(tabs->currentIndex(), 0) << "Cancel: nothing changes";

    emit map->objectClicked(true, selene); // the station form holds nothing typed: no question
    EXPECT_EQ(ws().doc.stationIndex, selene);
    EXPECT_EQ(tabs->currentIndex(), 1);

    answer({MessageAnswer::Discard});
    emit map->objectClicked(false, other);
    EXPECT_EQ(ws().doc.shipIndex, other);
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(messages.shownMessages().size(), 2);
}

TEST_F(PendingQuestions, AnotherPlanetarySystemAsksAndCancelPutsTheListBack)
{
    auto* systems = child<QComboBox>(vex.get(), "PlanetarySystem");
    answer({MessageAnswer::Ok}); // the lock's warning
    child<QCheckBox>(vex.get(), "Check2")->click();
    typeStationEdit();
    const int sol = systems->currentIndex();
    const int other = sol == 0 ? 1 : 0;

    answer({MessageAnswer::Cancel});
    systems->setCurrentIndex(other);
    emit systems->activated(other);
    ASSERT_EQ(messages.shownMessages().size(), 2);
    expectMessage(messages.shownMessages().last(), kStationQuestion);
    EXPECT_EQ(systems->currentIndex(), sol);
    EXPECT_EQ(ws().doc.stationNames.size(), 2) << "nothing emptied";
    EXPECT_EQ(inclination->text(), "52.5");

    emit systems->activated(sol); // the system applied: nothing is emptied, nothing asked
    EXPECT_EQ(messages.shownMessages().size(), 2);

    answer({MessageAnswer::Validate});
    systems->setCurrentIndex(other);
    emit systems->activated(other);
    EXPECT_TRUE(ws().doc.stationNames.isEmpty());
    vex->menuItem("MenuUndo")->trigger();
    EXPECT_EQ(ws().doc.stations[0].Inclination, "52.5") << "validated before the system emptied it";
}

TEST_F(PendingQuestions, AddingAStationOrAShipAsksFirst)
{
    typeStationEdit();
    typeShipEdit();
    answer({MessageAnswer::Cancel, MessageAnswer::Cancel});
    child<QPushButton>(vex.get(), "Command3")->click();
    child<QPushButton>(vex.get(), "Command5")->click();
    EXPECT_EQ(stationNames->count(), 2);
    EXPECT_EQ(shipNames->count(), 4);
    ASSERT_EQ(messages.shownMessages().size(), 2);
    expectMessage(messages.shownMessages()[0], kStationQuestion);
    expectMessage(messages.shownMessages()[1], kShipQuestion);

    answer({MessageAnswer::Discard, MessageAnswer::Discard});
    child<QPushButton>(vex.get(), "Command3")->click();
    child<QPushButton>(vex.get(), "Command5")->click();
    EXPECT_EQ(stationNames->currentText(), "New Station");
    EXPECT_EQ(shipNames->currentText(), "New Ship");
    EXPECT_EQ(ws().doc.stations[0].Inclination.trimmed(), "51.64") << "discarded";
}

} // namespace
