#include "editor_fixture.h"

#include "document/safe_write.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "ui/save_as_dialog.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const char kShiplessScenario[] =
    "BEGIN_DESC\r\nNo ship here\r\nEND_DESC\r\n\r\nBEGIN_ENVIRONMENT\r\n  System Sol\r\n"
    "  Date MJD 51544.5\r\nEND_ENVIRONMENT\r\n\r\nBEGIN_SHIPS\r\nEND_SHIPS\r\n";

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString shownText(QDialog& dialog, const char* name)
{
    return child<QPlainTextEdit>(&dialog, name)->toPlainText();
}

TEST(SaveAsName, IsTrimmedAndGetsTheExtensionOnlyWhenItLacksIt)
{
    const struct
    {
        const char* typed;
        const char* saved;
    } cases[] = {
        {"NewScenario", "NewScenario.scn"}, {"Test.SCN", "Test.SCN"},
        {"  Orbit 2  ", "Orbit 2.scn"},     {"a.scn", "a.scn"},
        {"notes.txt", "notes.txt.scn"},     {"scn", "scn.scn"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(normalisedScenarioName(c.typed), c.saved) << c.typed;
}

TEST_F(EditorTest, OpenDialogShowsDescriptionsAndStaysInsideTheScenarioTree)
{
    startEditor();
    onDialog([this](QDialog& dialog) {
        auto* folders = child<FolderList>(&dialog, "Dir1");
        auto* files = child<FileList>(&dialog, "FilelisttoLoad");
        EXPECT_EQ(folders->path(), scenarioRoot());
        EXPECT_TRUE(shownText(dialog, "Text2").startsWith("Scenarios of the Corvane"));
        EXPECT_TRUE(files->names().contains("Earth Orbit Rendezvous.scn"));

        folders->setPath(simDir);
        EXPECT_EQ(folders->path(), scenarioRoot()) << "above the root snaps back";
        EXPECT_TRUE(shownText(dialog, "Text2").startsWith("Scenarios of the Corvane"));
        folders->setPath(simDir + "/Config");
        EXPECT_EQ(folders->path(), scenarioRoot()) << "beside the root snaps back";

        QDir().mkpath(scenarioRoot() + "/Empty");
        folders->refresh();
        folders->setPath(scenarioRoot() + "/Empty");
        EXPECT_TRUE(shownText(dialog, "Text2").isEmpty()) << "no description.txt";
        EXPECT_EQ(files->count(), 0);

        folders->setPath(scenarioRoot() + "/Kestrel");
        EXPECT_EQ(files->names(), QStringList{"Harbor Run.scn"});
        files->setCurrentIndex(0);
        emit files->clicked("Harbor Run.scn");
        EXPECT_FALSE(shownText(dialog, "Text1").isEmpty()) << "preview of the clicked file";
        child<QPushButton>(&dialog, "Command2")->click();
        return dialog.result();
    });
    vex->menuItem("Menu12")->trigger();
    EXPECT_EQ(vex->workspace().folders.ScnDir, scenarioRoot() + '/') << "cancel keeps the scenario folder";
    EXPECT_TRUE(vex->workspace().scnfile.isEmpty());
    EXPECT_FALSE(vex->menuItem("Menu13")->isEnabled());
}

TEST_F(EditorTest, OpenDialogLoadsOnDoubleClickAndOnEnterButNotWithoutASelection)
{
    startEditor();
    onDialog([this](QDialog& dialog) {
        auto* files = child<FileList>(&dialog, "FilelisttoLoad");
        child<FolderList>(&dialog, "Dir1")->setPath(scenarioRoot() + "/Tutorials/Advanced");
        child<QPushButton>(&dialog, "Command1")->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << "Load without a selection does nothing";
        EXPECT_FALSE(dialog.isHidden() && dialog.result() == QDialog::Accepted);
        files->setCurrentIndex(int(files->names().indexOf("Mars Descent.scn")));
        emit files->doubleClicked(files->selectedName());
        return dialog.result();
    });
    vex->menuItem("Menu12")->trigger();
    EXPECT_EQ(vex->workspace().scnfile, "Mars Descent.scn");
    EXPECT_EQ(vex->workspace().folders.ScnDir, scenarioRoot() + "/Tutorials/Advanced/");

    child<QPushButton>(vex.get(), "Command5")->click(); // a ship added: the scenario is modified
    answer({MessageAnswer::No});
    onDialog([this](QDialog& dialog) {
        auto* files = child<FileList>(&dialog, "FilelisttoLoad");
        EXPECT_EQ(child<FolderList>(&dialog, "Dir1")->path(), scenarioRoot() + "/Tutorials/Advanced")
            << "the dialog opens on the current scenario folder";
        child<FolderList>(&dialog, "Dir1")->setPath(scenarioRoot() + "/Kestrel");
        dialog.show();
        files->setCurrentIndex(0);
        QTest::keyClick(files->view(), Qt::Key_Return);
        return dialog.result();
    });
    vex->menuItem("Menu12")->trigger();
    EXPECT_EQ(vex->workspace().scnfile, "Harbor Run.scn");
    EXPECT_EQ(vex->workspace().folders.ScnDir, scenarioRoot() + "/Kestrel/");
    expectMessage(messages.shownMessages().first(),
                  {"Corvane Scenario Editor", "Do you wish to save Mars Descent.scn ?",
                   MessageButtons::YesNoCancel, MessageIcon::Question});
}

TEST_F(EditorTest, OpenAnsweredYesGoesThroughSaveAsFirst)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    child<QPushButton>(vex.get(), "Command5")->click(); // a ship added: the scenario is modified
    answer({MessageAnswer::Yes});
    QStringList order;
    onDialog([&order](QDialog& dialog) {
        order.append(dialog.objectName());
        child<QLineEdit>(&dialog, "FileToSave")->setText("Copy");
        child<QPushButton>(&dialog, "Command1")->click();
        return dialog.result();
    });
    onDialog([&order](QDialog& dialog) {
        order.append(dialog.objectName());
        return int(QDialog::Rejected);
    });
    vex->menuItem("Menu12")->trigger();
    EXPECT_EQ(order, (QStringList{"SaveAs", "LoadFile"}));
    EXPECT_TRUE(QFile::exists(scenarioRoot() + "/Copy.scn"));
    EXPECT_EQ(vex->workspace().scnfile, "Copy.scn");
    EXPECT_EQ(child<QLabel>(vex.get(), "scnfile")->text(), "Copy.scn");
}

TEST_F(EditorTest, SaveAsKeepsATypedExtensionAndAsksBeforeOverwritingInAnyLetterCase)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    const QByteArray original = fileBytes(scenarioRoot() + "/Earth Orbit Rendezvous.scn");

    onDialog([](QDialog& dialog) {
        child<QLineEdit>(&dialog, "FileToSave")->setText("Test.SCN");
        child<QPushButton>(&dialog, "Command1")->click();
        return dialog.result();
    });
    vex->menuItem("Menu14")->trigger();
    EXPECT_TRUE(QFile::exists(scenarioRoot() + "/Test.SCN"));
    EXPECT_FALSE(QFile::exists(scenarioRoot() + "/Test.SCN.scn"));
    EXPECT_TRUE(messages.shownMessages().isEmpty()) << "a new file asks nothing";

    // An existing file in another letter case: No keeps the dialog open and writes nothing, Yes
    // overwrites the file under its own name.
    answer({MessageAnswer::No, MessageAnswer::Yes});
    onDialog([this, original](QDialog& dialog) {
        auto* files = child<FileList>(&dialog, "ScenarioFileList");
        files->setCurrentIndex(int(files->names().indexOf("Test.SCN")));
        emit files->clicked(files->selectedName());
        EXPECT_EQ(child<QLineEdit>(&dialog, "FileToSave")->text(), "Test.SCN") << "a click copies the name";
        child<QLineEdit>(&dialog, "FileToSave")->setText("earth orbit rendezvous");
        child<QPushButton>(&dialog, "Command1")->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(fileBytes(scenarioRoot() + "/Earth Orbit Rendezvous.scn"), original);
        child<QPushButton>(&dialog, "Command1")->click();
        return dialog.result();
    });
    vex->menuItem("Menu14")->trigger();
    ASSERT_EQ(messages.shownMessages().size(), 2);
    expectMessage(messages.shownMessages().at(0),
                  {"This file already exists.", "Do you want to overwrite it ?", MessageButtons::YesNo,
                   MessageIcon::Question});
    EXPECT_FALSE(QFile::exists(scenarioRoot() + "/earth orbit rendezvous.scn"));
    EXPECT_EQ(fileBytes(scenarioRoot() + "/Earth Orbit Rendezvous.scn"),
              fileBytes(scenarioRoot() + "/Test.SCN"));
    EXPECT_EQ(vex->workspace().scnfile, "Earth Orbit Rendezvous.scn");
}

TEST_F(EditorTest, EnterInTheNameSavesIntoTheFolderTheDialogShows)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    QFile::copy(scenarioRoot() + "/Earth Orbit Rendezvous.scn", scenarioRoot() + "/Kestrel/Mine.scn");

    answer({MessageAnswer::Cancel, MessageAnswer::Ok});
    onDialog([this](QDialog& dialog) {
        auto* folders = child<FolderList>(&dialog, "Dir1");
        folders->setPath(simDir);
        EXPECT_EQ(folders->path(), scenarioRoot()) << "above the root snaps back";
        folders->setPath(scenarioRoot() + "/Kestrel");
        auto* name = child<QLineEdit>(&dialog, "FileToSave");
        name->setText("MINE");
        dialog.show();
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << "Cancel keeps the dialog";
        QTest::keyClick(name, Qt::Key_Return);
        return dialog.result();
    });
    vex->menuItem("Menu14")->trigger();
    ASSERT_EQ(messages.shownMessages().size(), 2);
    expectMessage(messages.shownMessages().at(1),
                  {"This file already exists.", "Do you want to overwrite it ?", MessageButtons::OkCancel,
                   MessageIcon::Question});
    EXPECT_EQ(vex->workspace().folders.ScnDir, scenarioRoot() + "/Kestrel/");
    EXPECT_EQ(vex->workspace().scnfile, "Mine.scn");
    EXPECT_FALSE(QFile::exists(scenarioRoot() + "/MINE.scn")) << "not into the folder of the edited file";
    runScenarioTool(
        {"rewrite", scenarioRoot() + "/Earth Orbit Rendezvous.scn", tmp.filePath("expected.scn")});
    EXPECT_EQ(fileBytes(scenarioRoot() + "/Kestrel/Mine.scn"), fileBytes(tmp.filePath("expected.scn")));
}

TEST_F(EditorTest, SaveAsRefusesANameWithAFolderInIt)
{
    startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    answer({MessageAnswer::Ok, MessageAnswer::Ok});
    onDialog([](QDialog& dialog) {
        auto* name = child<QLineEdit>(&dialog, "FileToSave");
        for (const char* typed : {"../Escaped", "   "}) {
            name->setText(typed);
            child<QPushButton>(&dialog, "Command1")->click();
        }
        child<QPushButton>(&dialog, "Command2")->click();
        return dialog.result();
    });
    vex->menuItem("Menu14")->trigger();
    EXPECT_EQ(messages.shownMessages().size(), 2);
    EXPECT_FALSE(QFile::exists(simDir + "/Escaped.scn"));
    EXPECT_FALSE(QFile::exists(scenarioRoot() + "/.scn"));
}

TEST_F(EditorTest, SaveAndSaveAsRefuseAScenarioWithoutShips)
{
    writeFile(scenarioRoot() + "/Shipless.scn", kShiplessScenario);
    startEditor();
    openScenario("", "Shipless.scn");
    answer({MessageAnswer::Ok, MessageAnswer::Ok});
    vex->menuItem("Menu13")->trigger();
    vex->menuItem("Menu14")->trigger();
    ASSERT_EQ(messages.shownMessages().size(), 2);
    for (const UserMessage& shown : messages.shownMessages())
        expectMessage(shown, {"Forbidden action", "You must have at least one ship in the scenario !",
                              MessageButtons::Ok, MessageIcon::Exclamation});
    EXPECT_EQ(fileBytes(scenarioRoot() + "/Shipless.scn"), QByteArray(kShiplessScenario));
}

TEST_F(EditorTest, AFailedSaveTellsWhereAndWhyAndKeepsTheWindowState)
{
    startEditor();
    openScenario("Kestrel", "Harbor Run.scn");
    // The file became a folder meanwhile: it cannot be replaced.
    ASSERT_TRUE(QFile::remove(scenarioRoot() + "/Kestrel/Harbor Run.scn"));
    ASSERT_TRUE(QDir().mkpath(scenarioRoot() + "/Kestrel/Harbor Run.scn"));
    answer({MessageAnswer::Ok});
    vex->menuItem("Menu13")->trigger();
    ASSERT_EQ(messages.shownMessages().size(), 1);
    const UserMessage& shown = messages.shownMessages().first();
    EXPECT_EQ(shown.title, "Write error");
    EXPECT_TRUE(shown.text.contains(QDir::toNativeSeparators(scenarioRoot() + "/Kestrel/Harbor Run.scn")))
        << shown.text.toStdString();
    EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
    EXPECT_EQ(vex->workspace().scnfile, "Harbor Run.scn");
}

// A disk that fills up while the scenario is written: the message names the file and the reason,
// and the file on disk is the one read.
TEST_F(EditorTest, AFullDiskLeavesTheOldFileAndTellsWhy)
{
    startEditor();
    openScenario("Kestrel", "Harbor Run.scn");
    const QString path = scenarioRoot() + "/Kestrel/Harbor Run.scn";
    const QByteArray before = fileBytes(path);
    answer({MessageAnswer::Ok, MessageAnswer::Ok});
    {
        const SimulatedFullDisk disk(100);
        vex->menuItem("Menu13")->trigger();
        onDialog([](QDialog& dialog) {
            child<QLineEdit>(&dialog, "FileToSave")->setText("Copy");
            child<QPushButton>(&dialog, "Command1")->click();
            EXPECT_NE(dialog.result(), QDialog::Accepted) << "the dialog stays for another try";
            child<QPushButton>(&dialog, "Command2")->click();
            return dialog.result();
        });
        vex->menuItem("Menu14")->trigger();
    }
    ASSERT_EQ(messageTexts().size(), 2);
    for (const QString& text : messageTexts())
        EXPECT_TRUE(text.contains("No space left on device")) << text.toStdString();
    EXPECT_TRUE(messageTexts().first().contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(QDir(scenarioRoot() + "/Kestrel").entryList({"*.scn*"}, QDir::Files | QDir::Hidden),
              QStringList{"Harbor Run.scn"})
        << "no temporary file and no partial copy";
}

} // namespace
