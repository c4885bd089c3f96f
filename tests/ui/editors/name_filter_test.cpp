#include "editing/pending_edits.h"
#include "editor_workspace.h"
#include "ui/ship_tab.h"
#include "ui/station_tab.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QApplication>

namespace {

// The names offered under a name box while it is typed in, and picking one of them.
class NameFilterTest : public ::testing::Test
{
protected:
    void SetUp() override { openWorkspace(ws, sampleFolder(), kRendezvousScenario); }

    template <typename Tab> void showTab()
    {
        tab = std::make_unique<Tab>(ws, dialogs);
        tab->resize(1000, 700);
        tab->show();
        // The line edit offers the names it completes only while it has the keyboard focus, as
        // it has while the user types.
        tab->activateWindow();
        QApplication::processEvents();
        ASSERT_TRUE(tab->isActiveWindow());
    }
    template <typename T> T* control(const char* name)
    {
        T* widget = tab->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QComboBox* nameBox() { return control<QComboBox>(boxName); }
    QCompleter* filter() { return nameBox()->lineEdit()->completer(); }
    QAbstractItemView* filtered() { return filter()->popup(); }

    // Replaces the text of the name box as the keyboard does, one character at a time (keyClicks
    // knows ASCII keys only).
    void typeName(const QString& text)
    {
        QLineEdit* edit = nameBox()->lineEdit();
        edit->setFocus();
        ASSERT_TRUE(edit->hasFocus());
        edit->selectAll();
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    // Enter where the keyboard sends it: to the open list when it is open.
    void pressEnter()
    {
        QWidget* target = filtered()->isVisible() ? static_cast<QWidget*>(filtered()) : nameBox()->lineEdit();
        QTest::keyClick(target, Qt::Key_Return);
    }
    QStringList offered()
    {
        QStringList names;
        if (!filtered()->isVisible())
            return names;
        for (int row = 0; row < filtered()->model()->rowCount(); ++row)
            names.append(filtered()->model()->index(row, 0).data().toString());
        return names;
    }
    // Picks the offered name `row` with the arrow keys and Enter.
    void pickOffered(int row)
    {
        ASSERT_TRUE(filtered()->isVisible());
        for (int i = 0; i <= row; ++i)
            QTest::keyClick(filtered(), Qt::Key_Down);
        QTest::keyClick(filtered(), Qt::Key_Return);
        // The pick is told from the event loop, once the completer is done with it.
        QApplication::processEvents();
    }
    QLabel* note() { return control<QLabel>(noteName); }

    Workspace ws;
    ScriptedDialogs dialogs;
    std::unique_ptr<QWidget> tab;
    const char* boxName = "ShipName";
    const char* noteName = "ShipRenameNote";
};

TEST_F(NameFilterTest, TypedTextOffersTheShipsHoldingItAnywhereWithoutRegardToCase)
{
    showTab<ShipTab>();
    typeName("PPER");
    EXPECT_EQ(offered(), (QStringList{QString::fromUtf8("Ærø Clipper"), "Moonhopper"}));
    typeName("jar");
    EXPECT_EQ(offered(), QStringList{"Nightjar"});
    typeName(QString::fromUtf8("ærø c"));
    EXPECT_EQ(offered(), QStringList{QString::fromUtf8("Ærø Clipper")});
    typeName("Moonhopperx");
    EXPECT_EQ(offered(), QStringList{});
    EXPECT_EQ(filter()->maxVisibleItems(), 20);
    EXPECT_EQ(nameBox()->maxVisibleItems(), 20);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(NameFilterTest, AFilteredShipPickedIsShownAndTheSearchIsNoRename)
{
    showTab<ShipTab>();
    typeName("hopp");
    EXPECT_TRUE(shipFormPending(ws)) << "a typed name is a rename until a ship is picked";
    pickOffered(0);
    EXPECT_EQ(ws.doc.shipIndex, 3);
    EXPECT_EQ(control<QLabel>("ShipIndex")->text(), "3");
    EXPECT_EQ(nameBox()->currentText(), "Moonhopper");
    EXPECT_EQ(control<QLabel>("ShipLandedBase")->text(), "Tranquility");
    EXPECT_FALSE(shipFormPending(ws));
    EXPECT_TRUE(note()->isHidden());
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "the search alone asks nothing";
    EXPECT_EQ(ws.doc.shipNames[0], "Nightjar");

    // A click on an offered name picks it as well.
    typeName("CLIP");
    ASSERT_EQ(offered().size(), 1);
    const QRect first = filtered()->visualRect(filtered()->model()->index(0, 0));
    QTest::mouseClick(filtered()->viewport(), Qt::LeftButton, {}, first.center());
    QApplication::processEvents();
    EXPECT_EQ(ws.doc.shipIndex, 1);
    EXPECT_EQ(nameBox()->currentText(), QString::fromUtf8("Ærø Clipper"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(NameFilterTest, PickingAFilteredShipAsksAboutTheEditsOfTheShipLeft)
{
    showTab<ShipTab>();
    control<QSlider>("ShipFuelSlider")->setValue(3);

    dialogs.answers = {MessageAnswer::Cancel};
    typeName("path");
    pickOffered(0);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::ValidateDiscardCancel);
    EXPECT_EQ(dialogs.shown[0].text,
              "The changes to the ship Nightjar are not validated yet. Validate them before going on?");
    EXPECT_EQ(ws.doc.shipIndex, 0) << "Cancel stays on the ship";
    EXPECT_EQ(nameBox()->currentText(), "Nightjar") << "and the search is not kept as its new name";
    EXPECT_TRUE(note()->isHidden());
    EXPECT_EQ(control<QSlider>("ShipFuelSlider")->value(), 3);

    dialogs.answers = {MessageAnswer::Validate};
    typeName("path");
    pickOffered(0);
    EXPECT_EQ(ws.doc.shipIndex, 2);
    EXPECT_EQ(ws.doc.ships[0].Fuel, "0.03");
    EXPECT_EQ(ws.doc.shipNames[0], "Nightjar") << "validated under its own name, not the search";
}

TEST_F(NameFilterTest, TheNoteTellsOfARenameUntilValidationOrUntilTheNameMatchesAgain)
{
    showTab<ShipTab>();
    EXPECT_TRUE(note()->isHidden());
    typeName("Nightjar II");
    EXPECT_TRUE(note()->isVisible());
    EXPECT_EQ(note()->text(), "Validation renames Nightjar to Nightjar II");
    typeName("Nightjar");
    EXPECT_TRUE(note()->isHidden());

    // A name differing only in letter case is a rename: Enter does not turn it back into the
    // entry of that name.
    typeName("NIGHTJAR");
    pressEnter();
    EXPECT_EQ(nameBox()->currentText(), "NIGHTJAR");
    EXPECT_EQ(note()->text(), "Validation renames Nightjar to NIGHTJAR");
    EXPECT_TRUE(dialogs.shown.isEmpty());
    QTest::mouseClick(control<QAbstractButton>("Command4"), Qt::LeftButton);
    EXPECT_EQ(ws.doc.shipNames[0], "NIGHTJAR");
    EXPECT_TRUE(note()->isHidden());
}

// The arrow keys write each offered name into the box; closing the list without a pick shows
// what was typed again, which is what validation would store.
TEST_F(NameFilterTest, ClosingTheNamesWithoutAPickKeepsWhatWasTyped)
{
    showTab<ShipTab>();
    typeName("moon");
    QTest::keyClick(filtered(), Qt::Key_Down);
    EXPECT_EQ(nameBox()->currentText(), "Moonhopper");
    QTest::keyClick(filtered(), Qt::Key_Escape);
    EXPECT_FALSE(filtered()->isVisible());
    EXPECT_EQ(nameBox()->currentText(), "moon");
    EXPECT_EQ(ws.shipForm.name, "moon");
    EXPECT_EQ(note()->text(), "Validation renames Nightjar to moon");
    EXPECT_EQ(ws.doc.shipIndex, 0);
}

// The whole name of another ship and Enter go to that ship: what was typed found it.
TEST_F(NameFilterTest, EnterOnTheWholeNameOfAnotherShipShowsItWithoutARename)
{
    showTab<ShipTab>();
    typeName("pathfinder");
    pressEnter();
    EXPECT_EQ(ws.doc.shipIndex, 2);
    EXPECT_EQ(nameBox()->currentText(), "Pathfinder");
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(ws.doc.shipNames[0], "Nightjar");
}

// The name box loses the focus while the tab is destroyed; the whole name of another ship typed
// there makes the box go to that entry, which must not call back into the tab that is going.
TEST_F(NameFilterTest, ATabDestroyedWithAnotherShipsNameTypedGoesQuietly)
{
    showTab<ShipTab>();
    typeName("PATHFINDER");
    QTest::keyClick(filtered(), Qt::Key_Escape);
    tab.reset();
    EXPECT_EQ(ws.doc.shipIndex, 0);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

// Picking the ship already shown, in its list or among the filtered names, keeps the edits its
// form holds; it used to show the row again and drop them without a word.
TEST_F(NameFilterTest, PickingTheShownShipKeepsItsEdits)
{
    showTab<ShipTab>();
    control<QSlider>("ShipFuelSlider")->setValue(7);
    nameBox()->setCurrentIndex(0);
    emit nameBox()->activated(0);
    EXPECT_EQ(control<QSlider>("ShipFuelSlider")->value(), 7);
    typeName("night");
    pickOffered(0);
    EXPECT_EQ(control<QSlider>("ShipFuelSlider")->value(), 7);
    EXPECT_TRUE(shipFormPending(ws));
    EXPECT_EQ(nameBox()->currentText(), "Nightjar");
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(NameFilterTest, StationNamesFilterAndTellOfARenameAlike)
{
    boxName = "StationName";
    noteName = "StationRenameNote";
    showTab<StationTab>();
    typeName("LEN");
    EXPECT_EQ(offered(), QStringList{"Selene"});
    pickOffered(0);
    EXPECT_EQ(ws.doc.stationIndex, 1);
    EXPECT_EQ(control<QLabel>("StationRefPlanet")->text(), "Moon");
    EXPECT_TRUE(note()->isHidden());
    EXPECT_TRUE(dialogs.shown.isEmpty());

    typeName("Selene Deep");
    EXPECT_EQ(note()->text(), "Validation renames Selene to Selene Deep");
    EXPECT_TRUE(stationFormPending(ws));
}

// More names than the list shows at once: 20 rows, the others a scroll away.
TEST_F(NameFilterTest, TheFilteredNamesOpenTwentyRowsHigh)
{
    showTab<ShipTab>();
    for (int i = 0; i < 25; ++i)
        QTest::mouseClick(control<QAbstractButton>("Command5"), Qt::LeftButton);
    typeName("new");
    ASSERT_EQ(offered().size(), 25);
    const int rows = filtered()->viewport()->height() / filtered()->sizeHintForRow(0);
    EXPECT_EQ(rows, 20);
}

} // namespace
