#include "editor_fixture.h"

#include "document/recovery_store.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

namespace {

// The scenario opened, with a line typed into its description and its recovery copy kept.
class SaveFeedback : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        startEditor();
        openScenario("", "Earth Orbit Rendezvous.scn");
    }

    QString scenario() const { return scenarioRoot() + "/Earth Orbit Rendezvous.scn"; }
    QString status() const { return vex->statusBar()->currentMessage(); }

    void typeAndKeepCopy()
    {
        child<QPlainTextEdit>(vex.get(), "Description")->appendPlainText("One more line.");
        vex->keepRecoveryCopy();
        ASSERT_TRUE(vex->isWindowModified());
        ASSERT_TRUE(findRecoveryCopy(recoveryFolder(), scenario()).has_value());
    }

    void saveAs(const QString& name)
    {
        onDialog([name](QDialog& dialog) {
            child<QLineEdit>(&dialog, "FileToSave")->setText(name);
            child<QPushButton>(&dialog, "Command1")->click();
            return dialog.result();
        });
        vex->menuItem("Menu14")->trigger();
    }
};

TEST_F(SaveFeedback, SaveClearsTheModifiedMarkRemovesTheCopyAndSaysWhatWasSaved)
{
    typeAndKeepCopy();
    vex->menuItem("Menu13")->trigger();
    EXPECT_FALSE(vex->isWindowModified());
    EXPECT_FALSE(findRecoveryCopy(recoveryFolder(), scenario()).has_value());
    EXPECT_TRUE(fileBytes(scenario()).contains("One more line."));
    EXPECT_EQ(status(), "Saved Earth Orbit Rendezvous.scn: 2 stations, 4 ships");
}

TEST_F(SaveFeedback, SaveAsClearsTheMarkAndTheCopyOfTheFileAsItWasNamed)
{
    typeAndKeepCopy();
    saveAs("Copy");
    EXPECT_FALSE(vex->isWindowModified());
    EXPECT_FALSE(findRecoveryCopy(recoveryFolder(), scenario()).has_value());
    EXPECT_FALSE(findRecoveryCopy(recoveryFolder(), scenarioRoot() + "/Copy.scn").has_value());
    EXPECT_TRUE(vex->windowTitle().startsWith("Copy.scn[*]"));
    EXPECT_EQ(status(), "Saved Copy.scn: 2 stations, 4 ships");
}

TEST_F(SaveFeedback, ValidationAndUndoAreToldInTheStatusBar)
{
    child<QPushButton>(vex.get(), "Command1")->click();
    EXPECT_EQ(status(), "Station Gateway validated");
    auto* fuel = child<QSlider>(vex.get(), "ShipFuelSlider");
    fuel->setValue(fuel->value() + 1);
    child<QPushButton>(vex.get(), "Command4")->click();
    EXPECT_EQ(status(), "Ship Nightjar validated");
    vex->menuItem("MenuUndo")->trigger();
    EXPECT_EQ(status(), "Undone: validate ship Nightjar");
    vex->menuItem("MenuRedo")->trigger();
    EXPECT_EQ(status(), "Redone: validate ship Nightjar");
}

TEST_F(SaveFeedback, StationStepsAreNamedInTheEditMenu)
{
    auto* inclination = child<QLineEdit>(vex.get(), "StationInclination");
    inclination->selectAll();
    QTest::keyClicks(inclination, "52");
    child<QPushButton>(vex.get(), "Command1")->click();
    EXPECT_EQ(vex->menuItem("MenuUndo")->text(), "&Undo validate station Gateway");

    // Gateway can go once the ship docked at it went.
    auto* ships = child<QComboBox>(vex.get(), "ShipName");
    const int docked = ships->findText(vex->workspace().doc.ships[1].Name);
    ASSERT_EQ(docked, 1);
    emit ships->activated(docked);
    answer({MessageAnswer::Yes, MessageAnswer::Yes});
    child<QPushButton>(vex.get(), "Command6")->click();
    child<QPushButton>(vex.get(), "Command2")->click();
    EXPECT_EQ(vex->workspace().doc.stationNames, QStringList{"Selene"});
    EXPECT_EQ(vex->menuItem("MenuUndo")->text(), "&Undo delete station Gateway");
    vex->menuItem("MenuUndo")->trigger();
    EXPECT_EQ(vex->menuItem("MenuRedo")->text(), "&Redo delete station Gateway");
    EXPECT_EQ(vex->workspace().doc.stationNames, (QStringList{"Gateway", "Selene"}));
}

TEST_F(SaveFeedback, ARecentScenarioThatIsGoneIsRemovedWithANotice)
{
    // Gone is the second entry, and the open file is another one.
    saveAs("Gone");
    saveAs("Kept");
    const QString gone = scenarioRoot() + "/Gone.scn";
    ASSERT_TRUE(QFile::remove(gone));
    auto* recent = vex->findChild<QMenu*>("MenuRecent");
    ASSERT_NE(recent, nullptr);
    QAction* second = recent->findChild<QAction*>("MenuRecent2");
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(second->data().toString(), gone);

    answer({MessageAnswer::Ok});
    second->trigger();
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(messages.shownMessages().size(), 1);
    expectMessage(messages.shownMessages()[0],
                  {"Corvane Scenario Editor",
                   "The scenario " + gone + " no longer exists; it was removed from the recent scenarios.",
                   MessageButtons::Ok, MessageIcon::Information});
    for (QAction* item : recent->actions())
        EXPECT_NE(item->data().toString(), gone);
    EXPECT_EQ(vex->workspace().scnfile, "Kept.scn") << "the open scenario stays";
}

TEST_F(SaveFeedback, TheFileAndHelpCommandsCarryTheirShortcuts)
{
    const std::pair<const char*, const char*> keys[] = {{"Menu12", "Ctrl+O"},       {"Menu13", "Ctrl+S"},
                                                        {"Menu14", "Ctrl+Shift+S"}, {"Menu16", "Ctrl+Q"},
                                                        {"Menu21", "F1"},           {"MenuUndo", "Ctrl+Z"}};
    for (const auto& [item, key] : keys)
        EXPECT_EQ(vex->menuItem(item)->shortcut(), QKeySequence(QString::fromLatin1(key))) << item;
}

} // namespace
