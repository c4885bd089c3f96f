#include "editor_fixture.h"

#include "catalogue/simulator_settings.h"
#include "document/scenario_reader.h"
#include "ui/error_log.h"
#include "ui/external_programs.h"
#include "ui/folder_list.h"
#include "ui/system_map_window.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const UserMessage kExitQuestion{"Exit confirmation",
                                "Are you sure you want to leave Corvane Scenario Editor?",
                                MessageButtons::YesNo, MessageIcon::Question};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The folder search as a user drives it: a folder without corvane.cfg first, then `folder`.
std::function<int(QDialog&)> validateFolder(const QString& wrongFolder, const QString& folder)
{
    return [wrongFolder, folder](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "CorvaneFolderSearch");
        EXPECT_EQ(dialog.windowTitle(), "Corvane folder search");
        auto* folders = child<FolderList>(&dialog, "Dir1");
        auto* validate = child<QPushButton>(&dialog, "Command1");
        EXPECT_FALSE(validate->isEnabled()) << "disabled when the dialog opens";
        folders->setPath(wrongFolder);
        EXPECT_FALSE(validate->isEnabled());
        EXPECT_EQ(child<QLabel>(&dialog, "Label1")->text(), QDir::toNativeSeparators(wrongFolder));
        folders->setPath(folder);
        EXPECT_TRUE(validate->isEnabled());
        validate->click();
        return dialog.result();
    };
}

TEST_F(EditorTest, StartingWithoutSettingsOpensTheFolderSearchAndGoesOnWithTheValidatedFolder)
{
    QFile::remove(progDir + "/vex.cfg");
    // A capitalised configuration file name counts as corvane.cfg.
    ASSERT_TRUE(QFile::rename(simDir + "/corvane.cfg", simDir + "/CORVANE.CFG"));
    answer({MessageAnswer::Ok});
    onDialog(validateFolder(progDir, simDir));
    startEditor();
    ASSERT_EQ(messages.shownMessages().size(), 1);
    expectMessage(messages.shownMessages().first(),
                  {"Information",
                   "This location will be taken into account when you start again Corvane Scenario Editor.",
                   MessageButtons::Ok, MessageIcon::Information});
    EXPECT_EQ(fileBytes(userSettingsFile()), simDir.toUtf8() + "\r\n");
    EXPECT_EQ(QDir(progDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList())
        << "a start folder without vex.cfg is left as it was";
    EXPECT_TRUE(vex->menuItem("Menu12")->isEnabled());
    EXPECT_GE(child<QComboBox>(vex.get(), "PlanetarySystem")->count(), 2);
}

TEST_F(EditorTest, AFolderSearchClosedWithoutValidateEndsInTheWarning)
{
    QFile::remove(progDir + "/vex.cfg");
    onDialog([](QDialog&) { return int(QDialog::Rejected); });
    answer({MessageAnswer::Ok});
    startEditor();
    EXPECT_EQ(messages.shownMessages().last().text, kFolderNotLocatedWarning);
    EXPECT_FALSE(vex->menuItem("Menu12")->isEnabled());
    EXPECT_FALSE(QFile::exists(progDir + "/vex.cfg"));
    EXPECT_FALSE(QFile::exists(userSettingsFile()));
}

TEST_F(EditorTest, FolderSearchCommandRereadsTheSettingsButKeepsTheCatalogueFolders)
{
    startEditor();
    const QString other = tmp.filePath("Other");
    copyTree(simDir, other);
    const FolderValues before = vex->workspace().folders;
    answer({MessageAnswer::Ok});
    onDialog(validateFolder(progDir, other));
    vex->menuItem("Menu32")->trigger();
    EXPECT_EQ(vex->workspace().folders.VexDir, other);
    EXPECT_EQ(vex->workspace().folders.CfgDir, before.CfgDir);
    EXPECT_EQ(vex->workspace().folders.ScnDir, before.ScnDir);
}

TEST_F(EditorTest, ExitAsksToLeaveThenToSaveOnlyAModifiedScenario)
{
    startEditor();
    answer({MessageAnswer::No});
    vex->menuItem("Menu16")->trigger();
    EXPECT_TRUE(vex->isVisible());
    expectMessage(messages.shownMessages().last(), kExitQuestion);

    answer({MessageAnswer::Yes});
    vex->menuItem("Menu16")->trigger();
    EXPECT_FALSE(vex->isVisible());
    EXPECT_EQ(messages.shownMessages().size(), 2) << "no file: no save question";

    vex->show();
    openScenario("", "Earth Orbit Rendezvous.scn");
    answer({MessageAnswer::Yes});
    vex->menuItem("Menu16")->trigger();
    EXPECT_FALSE(vex->isVisible());
    EXPECT_EQ(messages.shownMessages().size(), 3) << "nothing changed: no save question";

    vex->show();
    child<QPushButton>(vex.get(), "Command5")->click(); // a ship added
    const qsizetype before = messages.shownMessages().size();
    answer({MessageAnswer::Yes, MessageAnswer::Cancel});
    vex->menuItem("Menu16")->trigger();
    EXPECT_TRUE(vex->isVisible()) << "Cancel keeps the window";
    ASSERT_EQ(messages.shownMessages().size(), before + 2);
    expectMessage(messages.shownMessages().last(),
                  {"Corvane Scenario Editor", "Do you wish to save Earth Orbit Rendezvous.scn ?",
                   MessageButtons::YesNoCancel, MessageIcon::Question});

    answer({MessageAnswer::Yes, MessageAnswer::No});
    vex->menuItem("Menu16")->trigger();
    EXPECT_FALSE(vex->isVisible());
    EXPECT_EQ(messages.shownMessages().size(), before + 4) << "each question once";
}

TEST_F(EditorTest, TheCloseBoxAsksNothingAndClosesTheOtherWindows)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    vex->menuItem("Menu31")->trigger();
    vex->menuItem("Menu34")->trigger();
    auto* information = child<QWidget>(vex.get(), "PlanetarySystemInformation");
    auto* converter = child<QWidget>(vex.get(), "CoordinateConverter");
    EXPECT_TRUE(information->isVisible());
    EXPECT_FALSE(information->isModal());
    EXPECT_TRUE(converter->isVisible());
    QDir::setCurrent(simDir);

    EXPECT_TRUE(vex->close());
    EXPECT_FALSE(information->isVisible());
    EXPECT_FALSE(converter->isVisible());
    EXPECT_EQ(QDir(QDir::currentPath()), QDir(progDir)) << "the start folder is current again";
    EXPECT_TRUE(messages.shownMessages().isEmpty());
}

TEST_F(EditorTest, ErrorLogShowsTheScanLogOfTheLastRead)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    QString shown;
    auto readLog = [&shown](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Error Log");
        shown = child<QPlainTextEdit>(&dialog, "Text1")->toPlainText();
        child<QPushButton>(&dialog, "Command1")->click();
        return dialog.result();
    };
    onDialog(readLog);
    vex->menuItem("Menu35")->trigger();
    EXPECT_EQ(shown, kNoScanErrors);
    EXPECT_EQ(vex->findChild<ErrorLog*>(), nullptr) << "closed means discarded";

    writeFile(scenarioRoot() + "/Lost.scn",
              "BEGIN_ENVIRONMENT\r\n  System Nowhere\r\n  Date MJD 51544.5\r\n"
              "END_ENVIRONMENT\r\nBEGIN_SHIPS\r\nA:Hauler\r\nEND\r\nEND_SHIPS\r\n");
    answer({MessageAnswer::Ok});
    openScenario("", "Lost.scn");
    expectMessage(messages.shownMessages().last(),
                  {"Warning", kScanErrorsWarning, MessageButtons::Ok, MessageIcon::Exclamation});
    onDialog(readLog);
    vex->menuItem("Menu35")->trigger();
    EXPECT_TRUE(shown.startsWith("Can not open the file ")) << shown.toStdString();
    EXPECT_EQ(shown, vex->workspace().doc.scanLog.LogMessage);
    const QString first = shown;
    onDialog(readLog);
    vex->menuItem("Menu35")->trigger();
    EXPECT_EQ(shown, first) << "closing and opening again shows the same text";
}

TEST_F(EditorTest, LockSecurityWarnsEachTimeItIsTakenOff)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    auto* lock = child<QCheckBox>(vex.get(), "Check2");
    auto* systems = child<QComboBox>(vex.get(), "PlanetarySystem");
    answer({MessageAnswer::Ok, MessageAnswer::Ok});
    lock->click();
    EXPECT_TRUE(systems->isEnabled());
    lock->click();
    EXPECT_FALSE(systems->isEnabled());
    lock->click();
    EXPECT_TRUE(systems->isEnabled());
    ASSERT_EQ(messages.shownMessages().size(), 2);
    for (const UserMessage& shown : messages.shownMessages())
        expectMessage(shown,
                      {"Warning",
                       "As soon as you select a planetary system, all the stations and ships are reset !",
                       MessageButtons::Ok, MessageIcon::Exclamation});
}

TEST_F(EditorTest, ChoosingASystemEmptiesTheScenarioOnlyWhenItIsAnotherOne)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    auto* systems = child<QComboBox>(vex.get(), "PlanetarySystem");
    auto* stationNames = child<QComboBox>(vex.get(), "StationName");
    auto* shipNames = child<QComboBox>(vex.get(), "ShipName");
    const int stations = stationNames->count();
    ASSERT_GT(stations, 0);
    const int sol = systems->currentIndex();
    EXPECT_EQ(child<QLineEdit>(vex.get(), "Text2")->text(), QString::number(sol));

    emit systems->activated(sol);
    EXPECT_EQ(stationNames->count(), stations) << "the system applied already changes nothing";

    const int other = sol == 0 ? 1 : 0;
    systems->setCurrentIndex(other);
    emit systems->activated(other);
    EXPECT_EQ(stationNames->count(), 0);
    EXPECT_EQ(shipNames->count(), 0);
    EXPECT_TRUE(child<QLabel>(vex.get(), "ShipFocus")->text().isEmpty());
    EXPECT_TRUE(child<QPlainTextEdit>(vex.get(), "Description")->toPlainText().isEmpty());
    EXPECT_EQ(child<QComboBox>(vex.get(), "PossibleShipFocus")->count(), 0);
    EXPECT_EQ(child<QLineEdit>(vex.get(), "Text2")->text(), QString::number(other));
    EXPECT_EQ(vex->workspace().doc.planetarySystem, systems->itemText(other));
}

TEST_F(EditorTest, FocusShipAndStartTimeReachTheSavedFile)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    auto* candidates = child<QComboBox>(vex.get(), "PossibleShipFocus");
    const int pathfinder = candidates->findText("Pathfinder:Falcon");
    ASSERT_GE(pathfinder, 0);
    candidates->setCurrentIndex(pathfinder);
    child<QPushButton>(vex.get(), "Command7")->click();
    EXPECT_EQ(child<QLabel>(vex.get(), "ShipFocus")->text(), "Pathfinder");

    child<QCalendarWidget>(vex.get(), "Calendar")->setSelectedDate(QDate(2000, 1, 1));
    child<QComboBox>(vex.get(), "Hour")->setCurrentIndex(12);
    child<QComboBox>(vex.get(), "Minute")->setCurrentIndex(0);
    auto* description = child<QPlainTextEdit>(vex.get(), "Description");
    description->setPlainText("One line\nTwo lines");

    vex->menuItem("Menu13")->trigger();
    const QByteArray saved = fileBytes(scenarioRoot() + "/Earth Orbit Rendezvous.scn");
    EXPECT_TRUE(saved.startsWith("BEGIN_DESC\r\nOne line\r\nTwo lines\r\nEND_DESC\r\n"))
        << saved.left(80).toStdString();
    EXPECT_TRUE(saved.contains("Date MJD 51544.5\r\n"));
    EXPECT_TRUE(saved.contains("Ship Pathfinder\r\n"));
}

TEST_F(EditorTest, AnEditedDescriptionKeepsEveryOtherCharacter)
{
    // "Cargo" NBSP "bay" with a degree sign, in Windows-1252.
    writeFile(scenarioRoot() + "/Bytes.scn",
              "BEGIN_DESC\r\nCargo\xA0"
              "bay at 20\xB0\r\nEND_DESC\r\n"
              "BEGIN_ENVIRONMENT\r\n  System Sol\r\n  Date MJD 51544.5\r\n"
              "END_ENVIRONMENT\r\nBEGIN_SHIPS\r\nA:Hauler\r\nEND\r\nEND_SHIPS\r\n");
    startEditor();
    openScenario("", "Bytes.scn");
    auto* description = child<QPlainTextEdit>(vex.get(), "Description");
    description->moveCursor(QTextCursor::End);
    QTest::keyClicks(description, "Go");
    vex->menuItem("Menu13")->trigger();
    EXPECT_TRUE(fileBytes(scenarioRoot() + "/Bytes.scn")
                    .startsWith("BEGIN_DESC\r\nCargo\xA0"
                                "bay at 20\xB0\r\nGo\r\nEND_DESC"));
}

// A description line of megabytes would keep a text field busy for minutes: it is shown as an
// overview that can not be edited, and saved exactly as read.
TEST_F(EditorTest, AHugeDescriptionIsShownCutAndSavedUnchanged)
{
    const QByteArray line(2 * 1024 * 1024, 'w');
    writeFile(scenarioRoot() + "/Huge.scn",
              "BEGIN_DESC\r\n" + line + "\r\nEND_DESC\r\n"
              "BEGIN_ENVIRONMENT\r\n  System Sol\r\n  Date MJD 51544.5\r\n"
              "END_ENVIRONMENT\r\nBEGIN_SHIPS\r\nA:Hauler\r\nEND\r\nEND_SHIPS\r\n");
    startEditor();
    openScenario("", "Huge.scn");
    auto* description = child<QPlainTextEdit>(vex.get(), "Description");
    EXPECT_TRUE(description->isReadOnly());
    EXPECT_LT(description->toPlainText().size(), 2000);
    QDir().mkpath(CORVANE_DEFAULT_SCREENSHOT_DIR);
    vex->grab().save(CORVANE_DEFAULT_SCREENSHOT_DIR "/main-huge-description.png");
    vex->menuItem("Menu13")->trigger();
    EXPECT_TRUE(fileBytes(scenarioRoot() + "/Huge.scn").startsWith("BEGIN_DESC\r\n" + line + "\r\nEND_DESC\r\n"));

    openScenario("", "Earth Orbit Rendezvous.scn");
    EXPECT_FALSE(description->isReadOnly()) << "an ordinary description is edited again";
}

TEST_F(EditorTest, ToolWindowsOpenFromTheirMenus)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    // Each entry: the dialog, and whether the main window was enabled while it was open.
    QStringList shown;
    auto record = [this, &shown](QDialog& dialog) {
        EXPECT_TRUE(dialog.isEnabled()) << dialog.objectName().toStdString();
        shown.append(dialog.objectName() + (vex->isEnabled() ? " enabled" : " disabled"));
        dialog.reject();
        return dialog.result();
    };
    for (int k = 0; k < 5; ++k)
        onDialog(record);
    vex->menuItem("Menu12")->trigger();
    vex->menuItem("Menu14")->trigger();
    vex->menuItem("Menu11")->trigger();
    vex->menuItem("Menu17")->trigger();
    vex->menuItem("Menu22")->trigger();
    EXPECT_EQ(shown, (QStringList{"LoadFile disabled", "SaveAs disabled", "DeleteFile disabled",
                                  "FolderManagement enabled", "About disabled"}));
    EXPECT_TRUE(vex->isEnabled());

    QFile::copy(QStringLiteral(CORVANE_SOURCE_DIR "/help/") + kHelpFileName, progDir + '/' + kHelpFileName);
    vex->menuItem("Menu21")->trigger();
    auto* help = vex->findChild<QWidget*>("HelpViewer");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
}

TEST_F(EditorTest, AMissingCalculatorIsReportedAndTheEditorGoesOn)
{
    startEditor();
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", tmp.filePath("empty").toUtf8());
    answer({MessageAnswer::Ok});
    vex->menuItem("Menu33")->trigger();
    qputenv("PATH", path);
    ASSERT_EQ(messages.shownMessages().size(), 1);
    EXPECT_EQ(messages.shownMessages().first().title, "Calculator");
    EXPECT_TRUE(messages.shownMessages().first().text.contains(calculatorCandidates().first()));
    EXPECT_TRUE(vex->isVisible());
}

TEST(Calculator, TheFirstCandidateFoundIsStartedAndAFailedStartIsReported)
{
    QTemporaryDir bin;
    const QString fake = bin.filePath(calculatorCandidates().last());
    writeFile(fake, "#!/bin/sh\n");
    QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8());
    EXPECT_EQ(findProgram(calculatorCandidates()), fake);

    MessageService& messages = MessageService::instance();
    messages.reset();
    messages.setResponder([](const UserMessage&) { return MessageAnswer::Ok; });
    QString started;
    startCalculator(messages, [&started](const QString& program, const QStringList&) {
        started = program;
        return false;
    });
    qputenv("PATH", path);
    EXPECT_EQ(started, fake);
    ASSERT_EQ(messages.shownMessages().size(), 1);
    EXPECT_TRUE(messages.shownMessages().first().text.contains(fake));
    messages.reset();
}

} // namespace

namespace {

TEST_F(EditorTest, SystemMapOpensModelessAndAClickShowsTheObjectInItsTab)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    vex->show();
    vex->menuItem("SystemMapMenu")->trigger();
    auto* map = child<SystemMapWindow>(vex.get(), "SystemMapWindow");
    EXPECT_TRUE(map->isVisible());
    EXPECT_FALSE(map->isModal());
    auto* tabs = child<QTabWidget>(vex.get(), "SSTab1");

    const int nightjar = vex->workspace().doc.shipNames.indexOf("Nightjar");
    emit map->objectClicked(false, nightjar);
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(vex->workspace().doc.shipIndex, nightjar);
    EXPECT_EQ(child<QComboBox>(vex.get(), "ShipName")->currentText(), "Nightjar");
    const int selene = vex->workspace().doc.stationNames.indexOf("Selene");
    emit map->objectClicked(true, selene);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(vex->workspace().doc.stationIndex, selene);
}

} // namespace
