// What a user sees of the windows: sizes kept and remembered, texts not clipped, drop-downs that open as short
// lists showing whole entries, the save-as name ready to type, the information window's body.
#include "editor_fixture.h"

#include "catalogue/planetary_system.h"
#include "ui/window_geometry.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <algorithm>

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

// The texts of the visible buttons, labels and boxes the program fills, each that does not fit.
QStringList clippedTexts(const QWidget* page)
{
    QStringList clipped;
    for (const QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->width() < button->sizeHint().width())
            clipped << button->objectName() + ": " + button->text();
    }
    for (const QLabel* label : page->findChildren<QLabel*>()) {
        int widest = 0;
        for (const QString& line : label->text().split(u'\n'))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        if (label->isVisible() && !label->wordWrap() && label->pixmap().isNull() && label->contentsRect().width() < widest)
            clipped << label->objectName() + ": " + label->text();
    }
    for (const QLineEdit* box : page->findChildren<QLineEdit*>()) {
        const bool filledByProgram = box->isReadOnly() || !box->isEnabled();
        const int room = box->contentsRect().width() - box->textMargins().left() - box->textMargins().right() - 4;
        if (box->isVisible() && filledByProgram && room < box->fontMetrics().horizontalAdvance(box->text()))
            clipped << box->objectName() + ": " + box->text();
    }
    return clipped;
}

// The window can be made as small as 800 x 600 (a tab that needs more scrolls), and at its
// default size no caption, label or box the program fills is cut, on any tab or status frame.
TEST_F(EditorTest, TheWindowFitsIn800By600AndNoTextIsClippedAtTheDefaultSize)
{
    Vex& window = startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    const QSize defaultSize = window.size();
    window.show();
    window.resize(800, 600);
    settle();
    EXPECT_EQ(window.size(), QSize(800, 600));

    window.resize(defaultSize);
    auto* tabs = child<QTabWidget>(&window, "SSTab1");
    for (int tab : {0, 1, 2}) {
        tabs->setCurrentIndex(tab);
        settle();
        EXPECT_EQ(clippedTexts(tabs->currentWidget()).join(" | ").toStdString(), "") << "tab " << tab;
    }
    auto* ships = child<QComboBox>(&window, "ShipName");
    for (int row = 1; row < ships->count(); ++row) {
        ships->setCurrentIndex(row);
        emit ships->activated(row);
        settle();
        EXPECT_EQ(clippedTexts(tabs->currentWidget()).join(" | ").toStdString(), "") << "ship " << row;
    }
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
