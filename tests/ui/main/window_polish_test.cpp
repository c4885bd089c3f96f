// What a user sees of the windows: sizes kept and remembered, texts not clipped, drop-downs that open as short
// lists showing whole entries, the save-as name ready to type, the information window's body.
#include "clipped_texts.h"
#include "editor_fixture.h"

#include "catalogue/planetary_system.h"
#include "editing/status_texts.h"
#include "ui/window_geometry.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

namespace {

void settle()
{
    QCoreApplication::sendPostedEvents();
    QApplication::processEvents();
}

TEST_F(EditorTest, TabSwitchesKeepTheWindowSizeAndTheSizeIsRememberedInTheConfigurationFolder)
{
    Vex& window = startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    window.show();
    window.resize(760, 520);
    settle();
    const QSize given = window.size();
    auto* tabs = child<QTabWidget>(&window, "SSTab1");
    for (int tab : {1, 2, 0, 2, 1}) {
        tabs->setCurrentIndex(tab);
        settle();
        EXPECT_EQ(window.size(), given) << "tab " << tab;
    }
    window.close();

    ASSERT_TRUE(QFile::exists(windowSettingsFile()));
    EXPECT_TRUE(windowSettingsFile().startsWith(tmp.filePath("config")));
    for (const QString& folder : {progDir, simDir}) {
        const QStringList written = QDir(folder).entryList({"*.conf", "*.ini"}, QDir::Files);
        EXPECT_TRUE(written.isEmpty()) << folder.toStdString();
    }
    Vex again(progDir);
    EXPECT_EQ(again.size(), given);
}

// What a person would see wrong on the shown tab: a page that scrolls sideways, or a text cut.
QStringList faultsOfShownTab(const QTabWidget* tabs)
{
    QStringList faults;
    const auto* area = qobject_cast<const QScrollArea*>(tabs->currentWidget());
    if (area->horizontalScrollBar()->maximum() > 0)
        faults << QStringLiteral("scrolls sideways by %1").arg(area->horizontalScrollBar()->maximum());
    return faults + clippedTexts(area);
}

// Every tab in turn, and the ship tab once for each ship (one of each status): what is wrong
// on each, named by tab and ship.
QStringList faultsOfEveryPage(QTabWidget* tabs, QComboBox* ships)
{
    QStringList faults;
    const auto look = [&](const QString& page) {
        settle();
        for (const QString& fault : faultsOfShownTab(tabs))
            faults << page + QStringLiteral(": ") + fault;
    };
    for (int tab : {0, 1}) {
        tabs->setCurrentIndex(tab);
        look(QStringLiteral("tab %1").arg(tab));
    }
    tabs->setCurrentIndex(2);
    for (int row = 0; row < ships->count(); ++row) {
        ships->setCurrentIndex(row);
        emit ships->activated(row);
        look(QStringLiteral("ship ") + ships->itemText(row));
    }
    return faults;
}

// The window can be made as small as 800 x 600, where a page scrolls down but never sideways, and
// neither there nor at the default size is any text cut: captions, the values the program shows,
// the placeholders of the boxes, with a status message shown.
TEST_F(EditorTest, TheWindowFitsIn800By600AndNoTextIsClippedThereOrAtTheDefaultSize)
{
    Vex& window = startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    const QSize defaultSize = window.size();
    window.show();
    window.statusBar()->showMessage(shipValidatedText(QStringLiteral("Nightjar")));
    auto* tabs = child<QTabWidget>(&window, "SSTab1");
    auto* ships = child<QComboBox>(&window, "ShipName");
    ASSERT_GE(ships->count(), 3);
    for (const QSize& size : {defaultSize, QSize(800, 600)}) {
        window.resize(size);
        settle();
        EXPECT_EQ(window.size(), size);
        EXPECT_EQ(faultsOfEveryPage(tabs, ships).join(QStringLiteral("\n")).toStdString(), "")
            << size.width() << " x " << size.height();
    }
}

// The status bar is there from the start, as tall as with a message: a message that comes and
// goes moves nothing, and at the default size no page needs to scroll either way.
TEST_F(EditorTest, AStatusMessageTakesNoRoomFromThePagesAtTheDefaultSize)
{
    Vex& window = startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    window.show();
    settle();
    auto* tabs = child<QTabWidget>(&window, "SSTab1");
    auto* ships = child<QComboBox>(&window, "ShipName");
    const auto scrolling = [&] {
        QStringList pages;
        for (int tab : {0, 1, 2}) {
            tabs->setCurrentIndex(tab);
            for (int row = 0; row < (tab == 2 ? ships->count() : 1); ++row) {
                if (tab == 2) {
                    ships->setCurrentIndex(row);
                    emit ships->activated(row);
                }
                settle();
                const auto* area = qobject_cast<const QScrollArea*>(tabs->currentWidget());
                if (area->verticalScrollBar()->maximum() > 0 || area->horizontalScrollBar()->maximum() > 0)
                    pages << QStringLiteral("tab %1 ship %2").arg(tab).arg(row);
            }
        }
        return pages.join(QStringLiteral(", ")).toStdString();
    };
    QStatusBar* bar = window.statusBar();
    const int barHeight = bar->height();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(scrolling(), "");
    bar->showMessage(savedStatusText(QStringLiteral("Earth Orbit Rendezvous.scn"), 1, 3));
    settle();
    EXPECT_EQ(bar->height(), barHeight);
    EXPECT_EQ(scrolling(), "");
}

TEST_F(EditorTest, HourAndMinuteOpenAsShortListsAndPossibleShipsShowsWholeEntries)
{
    Vex& window = startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    window.show();
    settle();
    for (const char* name : {"Hour", "Minute", "StationOrbitalRefHour", "StationOrbitalRefMin"}) {
        auto* box = child<QComboBox>(&window, name);
        box->showPopup();
        settle();
        const int rows = box->view()->height() / box->view()->sizeHintForRow(0);
        EXPECT_LE(rows, 13) << name;
        EXPECT_GE(rows, 10) << name;
        box->hidePopup();
    }
    auto* ships = child<QComboBox>(&window, "PossibleShipFocus");
    ASSERT_GT(ships->count(), 1);
    // Measured as the list opens.
    ships->showPopup();
    settle();
    for (int i = 0; i < ships->count(); ++i)
        EXPECT_GE(ships->view()->width(), ships->fontMetrics().horizontalAdvance(ships->itemText(i)))
            << ships->itemText(i).toStdString();
    ships->hidePopup();
}

// Validating a ship rebuilds the focus candidates from the table: equal candidates leave the
// list as it is, a renamed ship refills it.
TEST_F(EditorTest, ThePossibleShipsAreRefilledOnlyWhenACandidateChanged)
{
    Vex& window = startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    auto* ships = child<QComboBox>(&window, "PossibleShipFocus");
    QSignalSpy removed(ships->model(), &QAbstractItemModel::rowsRemoved);
    auto* validate = child<QAbstractButton>(&window, "Command4");
    validate->click();
    EXPECT_EQ(removed.count(), 0);

    auto* name = child<QComboBox>(&window, "ShipName")->lineEdit();
    name->selectAll();
    QTest::keyClicks(name, "Kite");
    answer({MessageAnswer::Ok}); // the focus ship was renamed away: its warning
    validate->click();
    EXPECT_GT(removed.count(), 0);
    EXPECT_EQ(ships->itemText(0), "Kite:Skipper");
}

TEST_F(EditorTest, SaveAsOpensWithTheNameSelectedAndTheInformationWindowReturnsToTheDefaultBody)
{
    Vex& window = startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    window.show();
    onDialog([](QDialog& dialog) {
        dialog.show();
        settle();
        auto* name = child<QLineEdit>(&dialog, "FileToSave");
        EXPECT_EQ(dialog.focusWidget(), name);
        EXPECT_EQ(name->selectedText(), name->text());
        return int(QDialog::Rejected);
    });
    window.menuItem("Menu14")->trigger();

    window.menuItem("Menu31")->trigger();
    auto* planet = window.findChild<QComboBox*>("Planet");
    ASSERT_NE(planet, nullptr);
    const int defaultBody = defaultBodyIndex(window.workspace().bodies);
    EXPECT_EQ(planet->currentIndex(), defaultBody);
    planet->setCurrentIndex(defaultBody + 1);
    // The same file read again names the same system: the body list is unchanged, the choice is not kept.
    window.loadScenario(window.workspace().folders.ScnDir, window.workspace().scnfile, QString());
    EXPECT_EQ(planet->currentIndex(), defaultBody);
}

} // namespace
