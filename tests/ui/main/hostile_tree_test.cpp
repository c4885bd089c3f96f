#include "editor_fixture.h"

#include "ui/file_list.h"
#include "ui/folder_list.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <sys/stat.h>

namespace {

// A scenario folder that holds what a file manager or a careless script can leave: FIFOs named as
// a scenario and as the folder description, a device linked in, a folder named as a scenario, a
// dangling link, a link loop, and links that lead out of the scenario tree. None of it may block
// a window, be read, be written through or be deleted outside the tree.
class HostileTree : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        startEditor();
        hostile = scenarioRoot() + "/Hostile";
        outside = simDir + "/Outside";
        ASSERT_TRUE(QDir().mkpath(hostile + "/y.scn"));
        ASSERT_TRUE(QDir().mkpath(outside));
        secret = outside + "/secret.scn";
        QFile::copy(scenarioRoot() + "/Earth Orbit Rendezvous.scn", secret);
        QFile::copy(scenarioRoot() + "/Earth Orbit Rendezvous.scn", hostile + "/good.scn");
        ASSERT_EQ(::mkfifo(QFile::encodeName(hostile + "/x.scn").constData(), 0600), 0);
        ASSERT_EQ(::mkfifo(QFile::encodeName(hostile + "/description.txt").constData(), 0600), 0);
        ASSERT_TRUE(QFile::link("/dev/zero", hostile + "/zero.scn"));
        ASSERT_TRUE(QFile::link(hostile + "/nothing", hostile + "/dangling.scn"));
        ASSERT_TRUE(QFile::link(hostile + "/loop.scn", hostile + "/loop.scn"));
        ASSERT_TRUE(QFile::link(secret, hostile + "/leak.scn"));
        ASSERT_TRUE(QFile::link(outside, hostile + "/outside"));
        secretBytes = fileBytes(secret);
    }

    // Opens the hostile folder in the dialog's folder list; it must not block on the FIFO.
    static void browseTo(QDialog& dialog, const QString& folder)
    {
        child<FolderList>(&dialog, "Dir1")->setPath(folder);
    }
    static QString text(QDialog& dialog, const char* name)
    {
        return child<QPlainTextEdit>(&dialog, name)->toPlainText();
    }
    static void select(FileList* files, const QString& name)
    {
        files->setCurrentIndex(int(files->names().indexOf(name)));
        emit files->clicked(name);
    }

    QString hostile;
    QString outside;
    QString secret;
    QByteArray secretBytes;
};

const QStringList kListed{"good.scn", "leak.scn"};

TEST_F(HostileTree, OpenDialogListsRegularFilesOnlyAndRefusesALinkOutOfTheTree)
{
    answer({MessageAnswer::Ok});
    onDialog([this](QDialog& dialog) {
        browseTo(dialog, hostile);
        auto* files = child<FileList>(&dialog, "FilelisttoLoad");
        EXPECT_EQ(files->names(), kListed) << "no FIFO, device, folder or dangling link is offered";
        EXPECT_TRUE(text(dialog, "Text2").isEmpty()) << "a FIFO is no description";
        select(files, "leak.scn");
        EXPECT_TRUE(text(dialog, "Text1").isEmpty()) << "the file outside is not even previewed";
        child<QPushButton>(&dialog, "Command1")->click();
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        browseTo(dialog, hostile + "/outside");
        EXPECT_EQ(child<FolderList>(&dialog, "Dir1")->path(), scenarioRoot()) << "a link out of the tree";
        child<QPushButton>(&dialog, "Command2")->click();
        return dialog.result();
    });
    vex->menuItem("Menu12")->trigger();
    ASSERT_EQ(messageTexts().size(), 1);
    EXPECT_TRUE(messageTexts().first().contains("outside the scenario folder")) << messageTexts().first().toStdString();
    EXPECT_TRUE(vex->workspace().scnfile.isEmpty());
}

TEST_F(HostileTree, SaveAsNeverWritesThroughALinkOrOverASpecialFile)
{
    openScenario("", "Earth Orbit Rendezvous.scn");
    answer({MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok});
    onDialog([this](QDialog& dialog) {
        browseTo(dialog, hostile);
        EXPECT_EQ(child<FileList>(&dialog, "ScenarioFileList")->names(), kListed);
        for (const char* name : {"leak", "y", "x", "C:escape"}) {
            child<QLineEdit>(&dialog, "FileToSave")->setText(name);
            child<QPushButton>(&dialog, "Command1")->click();
            EXPECT_NE(dialog.result(), QDialog::Accepted) << name;
        }
        child<QPushButton>(&dialog, "Command2")->click();
        return dialog.result();
    });
    vex->menuItem("Menu14")->trigger();
    EXPECT_EQ(messageTexts().size(), 4);
    EXPECT_EQ(fileBytes(secret), secretBytes);
    EXPECT_TRUE(QFileInfo(hostile + "/y.scn").isDir());
    EXPECT_FALSE(QFileInfo(hostile + "/x.scn").isFile()) << "the FIFO is left as it is";
    EXPECT_FALSE(QFile::exists(hostile + "/C:escape.scn"));
}

TEST_F(HostileTree, DeleteRemovesOnlyTheLinkAndFolderManagementStaysInTheTree)
{
    answer({MessageAnswer::Yes});
    onDialog([this](QDialog& dialog) {
        browseTo(dialog, hostile);
        auto* files = child<FileList>(&dialog, "FileListtoDelete");
        EXPECT_EQ(files->names(), kListed);
        EXPECT_TRUE(text(dialog, "Text2").isEmpty());
        select(files, "leak.scn");
        EXPECT_TRUE(text(dialog, "Text1").isEmpty());
        child<QPushButton>(&dialog, "Command1")->click();
        EXPECT_EQ(files->names(), QStringList{"good.scn"});
        browseTo(dialog, hostile + "/outside");
        EXPECT_EQ(child<FolderList>(&dialog, "Dir1")->path(), scenarioRoot());
        child<QPushButton>(&dialog, "Command2")->click();
        return dialog.result();
    });
    vex->menuItem("Menu11")->trigger();
    EXPECT_EQ(fileBytes(secret), secretBytes) << "deleting the link leaves its target";

    onDialog([this](QDialog& dialog) {
        browseTo(dialog, hostile);
        EXPECT_EQ(child<FolderList>(&dialog, "Dir1")->path(), hostile);
        EXPECT_TRUE(text(dialog, "Text1").isEmpty());
        browseTo(dialog, hostile + "/outside");
        EXPECT_EQ(child<FolderList>(&dialog, "Dir1")->path(), scenarioRoot());
        child<QPushButton>(&dialog, "Command4")->click();
        return dialog.result();
    });
    vex->menuItem("Menu17")->trigger();
    EXPECT_EQ(QDir(outside).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"secret.scn"});
}

} // namespace
