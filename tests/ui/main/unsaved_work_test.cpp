#include "editor_fixture.h"

#include "document/recovery_store.h"
#include "editing/ship_editing.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

const UserMessage kSaveQuestion{"Corvane Scenario Editor", "Do you wish to save Earth Orbit Rendezvous.scn ?",
                                MessageButtons::YesNoCancel, MessageIcon::Question};

TEST_F(EditorTest, TheTitleNamesTheFileAndItsModifiedMarkFollowsUndo)
{
    startEditor();
    EXPECT_EQ(vex->windowTitle(), "Corvane Scenario Editor");
    openScenario("", "Earth Orbit Rendezvous.scn");
    EXPECT_FALSE(vex->isWindowModified());
    EXPECT_FALSE(vex->menuItem("MenuUndo")->isEnabled());

    child<QPushButton>(vex.get(), "Command5")->click(); // Add a new ship
    EXPECT_TRUE(vex->isWindowModified());
    EXPECT_TRUE(vex->windowTitle().startsWith("Earth Orbit Rendezvous.scn[*]"));
    EXPECT_EQ(vex->menuItem("MenuUndo")->text(), "&Undo add ship");
    EXPECT_EQ(vex->menuItem("MenuUndo")->shortcut(), QKeySequence("Ctrl+Z"));

    vex->menuItem("MenuUndo")->trigger();
    EXPECT_FALSE(vex->isWindowModified());
    EXPECT_EQ(vex->menuItem("MenuRedo")->text(), "&Redo add ship");
    EXPECT_EQ(vex->menuItem("MenuRedo")->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
    EXPECT_TRUE(messages.shownMessages().isEmpty());
    EXPECT_TRUE(vex->close()) << "nothing to save: no question";
}

TEST_F(EditorTest, TheCloseBoxAsksToSaveAModifiedScenarioAndCancelKeepsIt)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    auto* description = child<QPlainTextEdit>(vex.get(), "Description");
    description->appendPlainText("One more line.");
    ASSERT_TRUE(vex->isWindowModified());

    answer({MessageAnswer::Cancel});
    EXPECT_FALSE(vex->close());
    expectMessage(messages.shownMessages().last(), kSaveQuestion);

    answer({MessageAnswer::No});
    EXPECT_TRUE(vex->close());
    EXPECT_FALSE(fileBytes(scenarioRoot() + "/Earth Orbit Rendezvous.scn").contains("One more line."));
}

// Under the description, what Save would ask about is told as it is typed.
TEST_F(EditorTest, TheDescriptionTellsAsItIsTypedOfCharactersTheFileCannotHold)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    auto* hint = child<QLabel>(vex.get(), "DescriptionHint");
    EXPECT_TRUE(hint->isHidden());
    auto* description = child<QPlainTextEdit>(vex.get(), "Description");
    description->moveCursor(QTextCursor::End);
    // Typed one key at a time as a keyboard would send them; keyClicks knows ASCII keys only.
    for (const QChar c : QString::fromUtf8("\u03a9mega"))
        QTest::sendKeyEvent(QTest::Click, description, Qt::Key_unknown, QString(c), Qt::NoModifier);
    EXPECT_FALSE(hint->isHidden());
    EXPECT_TRUE(hint->text().contains(QString::fromUtf8(": \u03a9."))) << hint->text().toStdString();

    vex->menuItem("MenuUndo")->trigger();
    EXPECT_TRUE(hint->isHidden());
    EXPECT_FALSE(vex->isWindowModified());
}

TEST_F(EditorTest, LeavingAShipWithEditsNotValidatedAsks)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    auto* tabs = child<QTabWidget>(vex.get(), "SSTab1");
    auto* names = child<QComboBox>(vex.get(), "ShipName");
    ASSERT_GE(names->count(), 2);
    const QString first = names->itemText(0);
    child<QSlider>(vex.get(), "ShipFuelSlider")->setValue(3);
    EXPECT_TRUE(tabs->tabText(2).endsWith("*")) << "the tab shows the pending edits";

    answer({MessageAnswer::Cancel});
    names->setCurrentIndex(1);
    emit names->activated(1);
    EXPECT_EQ(vex->workspace().doc.shipIndex, 0) << "Cancel stays on the ship";
    EXPECT_EQ(names->currentIndex(), 0);
    EXPECT_EQ(messages.shownMessages().last().buttons, MessageButtons::ValidateDiscardCancel);

    answer({MessageAnswer::Validate});
    emit names->activated(1);
    EXPECT_EQ(vex->workspace().doc.shipIndex, 1);
    EXPECT_EQ(vex->workspace().doc.ships[0].Fuel, "0.03") << "validated before leaving";
    EXPECT_EQ(vex->menuItem("MenuUndo")->text(), "&Undo validate ship " + first);
    EXPECT_EQ(tabs->tabText(2), "Ship list");

    child<QSlider>(vex.get(), "ShipFuelSlider")->setValue(5);
    answer({MessageAnswer::Discard});
    emit names->activated(0);
    EXPECT_EQ(vex->workspace().doc.shipIndex, 0);
    EXPECT_NE(vex->workspace().doc.ships[1].Fuel, "0.05");
}

TEST_F(EditorTest, AnUndoneDeletionBringsTheShipBackInTheWindow)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    auto* names = child<QComboBox>(vex.get(), "ShipName");
    const QStringList before = vex->workspace().doc.shipNames;
    answer({MessageAnswer::Yes, MessageAnswer::Ok}); // the focus ship goes: its warning
    child<QPushButton>(vex.get(), "Command6")->click();
    ASSERT_EQ(names->count(), before.size() - 1);
    expectMessage(messages.shownMessages().first(), kDeleteShipQuestion);

    child<QTabWidget>(vex.get(), "SSTab1")->setCurrentIndex(0);
    vex->menuItem("MenuUndo")->trigger();
    EXPECT_EQ(vex->workspace().doc.shipNames, before);
    EXPECT_EQ(names->count(), before.size());
    EXPECT_EQ(child<QTabWidget>(vex.get(), "SSTab1")->currentIndex(), 2) << "the ship's tab is shown";
    EXPECT_EQ(names->currentText(), before.first());
}

TEST_F(EditorTest, ARecoveryCopyIsOfferedAtStartAndWhenItsScenarioIsOpened)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    child<QPlainTextEdit>(vex.get(), "Description")->appendPlainText("Typed before the crash.");
    vex->keepRecoveryCopy();
    const QString path = scenarioRoot() + "/Earth Orbit Rendezvous.scn";
    ASSERT_TRUE(findRecoveryCopy(recoveryFolder(), path).has_value());
    vex->workspace().history.markClean(); // as if the editor had died here
    vex.reset();

    answer({MessageAnswer::Yes});
    startEditor(); // without a file: the scenario with kept changes is opened and they are offered
    EXPECT_TRUE(messages.shownMessages().last().text.startsWith(
        "Unsaved changes to Earth Orbit Rendezvous.scn from "));
    EXPECT_TRUE(vex->workspace().doc.description.contains("Typed before the crash."));
    EXPECT_TRUE(vex->isWindowModified()) << "recovered, not saved";
    EXPECT_FALSE(fileBytes(path).contains("Typed before the crash."));

    vex->keepRecoveryCopy();
    vex->workspace().history.markClean();
    answer({MessageAnswer::No});
    openScenario("", "Earth Orbit Rendezvous.scn"); // offered again when the scenario is opened
    EXPECT_FALSE(vex->workspace().doc.description.contains("Typed before the crash.")) << "No: the file as saved";
    EXPECT_FALSE(findRecoveryCopy(recoveryFolder(), path).has_value()) << "refused changes leave no copy";
}

} // namespace
