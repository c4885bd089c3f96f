#include "editor_fixture.h"

#include "editing/pending_edits.h"
#include "ui/find_window.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

class FindTest : public EditorTest
{
protected:
    FindWindow* openFind()
    {
        vex->menuItem("MenuFind")->trigger();
        auto* window = vex->findChild<FindWindow*>("FindWindow");
        EXPECT_NE(window, nullptr);
        return window;
    }
    void search(FindWindow* window, const QString& text)
    {
        auto* box = child<QLineEdit>(window, "FindText");
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    // Each result as "Kind Name Class".
    QStringList results(FindWindow* window)
    {
        auto* list = child<QTreeWidget>(window, "FindResults");
        QStringList rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            rows.append(item->text(0) + " " + item->text(1) + " " + item->text(2));
        }
        return rows;
    }
    void choose(FindWindow* window, int result)
    {
        auto* list = child<QTreeWidget>(window, "FindResults");
        list->setCurrentItem(list->topLevelItem(result));
        child<QPushButton>(window, "FindShow")->click();
    }
    int currentTab() { return child<QTabWidget>(vex.get(), "SSTab1")->currentIndex(); }
};

TEST_F(FindTest, FindsStationsAndShipsByPartOfTheirNameOrClassAcrossBothKinds)
{
    startEditor();
    QAction* find = vex->menuItem("MenuFind");
    EXPECT_FALSE(find->isEnabled()) << "nothing to find before a scenario is open";
    EXPECT_EQ(find->shortcut(), QKeySequence("Ctrl+F"));
    EXPECT_EQ(find->text(), QString::fromUtf8("&Find ship or station…"));
    openScenario("", "Earth Orbit Rendezvous.scn");
    ASSERT_TRUE(find->isEnabled());

    FindWindow* window = openFind();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Find ship or station");
    EXPECT_EQ(results(window).size(), 6) << "an empty search lists everything";

    search(window, "SKIP");
    EXPECT_EQ(results(window), (QStringList{"Ship Nightjar Skipper", "Ship Moonhopper Skipper"}));
    EXPECT_EQ(child<QLabel>(window, "FindCount")->text(), "2 found");
    search(window, "e");
    EXPECT_EQ(results(window).first(), "Station Gateway Ringstation");
    EXPECT_TRUE(results(window).contains("Station Selene Outpost"));
    search(window, "zzz");
    EXPECT_TRUE(results(window).isEmpty());
    EXPECT_EQ(child<QLabel>(window, "FindCount")->text(), "0 found");
    EXPECT_FALSE(child<QPushButton>(window, "FindShow")->isEnabled());
}

TEST_F(FindTest, ShowingAFoundShipAsksAboutTheEditsOfTheShipLeftThenSwitchesTab)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    child<QSlider>(vex.get(), "ShipFuelSlider")->setValue(3);
    FindWindow* window = openFind();
    search(window, "hopper");
    ASSERT_EQ(results(window), QStringList{"Ship Moonhopper Skipper"});

    answer({MessageAnswer::Cancel});
    choose(window, 0);
    ASSERT_EQ(messages.shownMessages().size(), 1);
    EXPECT_EQ(messages.shownMessages()[0].buttons, MessageButtons::ValidateDiscardCancel);
    EXPECT_EQ(vex->workspace().doc.shipIndex, 0) << "Cancel stays on the ship";
    EXPECT_EQ(currentTab(), 0) << "and on the tab";
    EXPECT_TRUE(shipFormPending(vex->workspace()));

    answer({MessageAnswer::Discard});
    choose(window, 0);
    EXPECT_EQ(vex->workspace().doc.shipIndex, 3);
    EXPECT_EQ(currentTab(), 2);
    EXPECT_EQ(child<QComboBox>(vex.get(), "ShipName")->currentText(), "Moonhopper");
    EXPECT_NE(vex->workspace().doc.ships[0].Fuel, "0.03");

    // The station found is shown in the station tab; the ship tab keeps its ship.
    search(window, "selene");
    choose(window, 0);
    EXPECT_EQ(vex->workspace().doc.stationIndex, 1);
    EXPECT_EQ(currentTab(), 1);
    EXPECT_EQ(vex->workspace().doc.shipIndex, 3);
    EXPECT_EQ(messages.shownMessages().size(), 2);
}

// A result that no longer names its row (the ship was renamed meanwhile) shows nothing; the
// list is searched again.
TEST_F(FindTest, AResultOutdatedByAnEditIsNotShownAndTheListIsSearchedAgain)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    FindWindow* window = openFind();
    search(window, "path");
    ASSERT_EQ(results(window), QStringList{"Ship Pathfinder Falcon"});

    auto* names = child<QComboBox>(vex.get(), "ShipName");
    names->setCurrentIndex(2);
    emit names->activated(2);
    names->lineEdit()->selectAll();
    QTest::keyClicks(names->lineEdit(), "Kite");
    child<QAbstractButton>(vex.get(), "Command4")->click();
    ASSERT_EQ(vex->workspace().doc.shipNames[2], "Kite");
    names->setCurrentIndex(0);
    emit names->activated(0);

    choose(window, 0);
    EXPECT_EQ(vex->workspace().doc.shipIndex, 0);
    EXPECT_TRUE(results(window).isEmpty());
    search(window, "kit");
    EXPECT_EQ(results(window), QStringList{"Ship Kite Falcon"});
}

} // namespace
