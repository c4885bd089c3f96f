// What a user sees of the windows: sizes kept and remembered, drop-downs that open as short
// lists showing whole entries, the save-as name ready to type, the information window's body.
#include "editor_fixture.h"

#include "catalogue/planetary_system.h"
#include "ui/window_geometry.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>

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
    for (int i = 0; i < ships->count(); ++i)
        EXPECT_GE(ships->view()->minimumWidth(), ships->fontMetrics().horizontalAdvance(ships->itemText(i)))
            << ships->itemText(i).toStdString();
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
