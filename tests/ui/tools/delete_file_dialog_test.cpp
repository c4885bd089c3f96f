#include "tools_test_support.h"
#include "ui/delete_file_dialog.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

class DeleteFileDialog : public MessageScript
{
protected:
    void SetUp() override
    {
        MessageScript::SetUp();
        writeFile(tree.at(u"(Current state).scn"_s), "BEGIN_DESC\r\nSaved on exit\r\nEND_DESC\r\n");
        writeFile(tree.at(u"(Quicksave state).scn"_s), "x");
        writeFile(tree.at(u"(current state).scn"_s), "x");
        writeFile(tree.at(u"Alpha.scn"_s), "BEGIN_DESC\r\nFirst flight\r\nEND_DESC\r\n");
        writeFile(tree.at(u"description.txt"_s), "BEGIN_DESC\r\nThe scenario root\r\nEND_DESC\r\n");
        writeFile(tree.at(u"Missions/Beta.scn"_s), "no description here\r\n");
        ws.folders.VexDir = tree.sim();
        ws.folders.ScenarioDir = u"\\Scenarios\\"_s;
        ws.folders.ScnDir = tree.root() + u"/"_s;
    }

    void open()
    {
        dialog = std::make_unique<DeleteFile>(ws, &main);
        dialog->show();
    }
    FileList* files() const { return dialog->findChild<FileList*>(u"FileListtoDelete"_s); }
    FolderList* folders() const { return dialog->findChild<FolderList*>(u"Dir1"_s); }
    QString preview(const QString& name) const
    {
        return dialog->findChild<QPlainTextEdit*>(name)->toPlainText();
    }
    QPoint itemCentre(const QString& name) const
    {
        QListWidget* view = files()->view();
        return view->visualItemRect(view->item(int(files()->names().indexOf(name)))).center();
    }

    enum class Way { Button, DoubleClick, Enter };
    void deleteBy(Way way, const QString& name) const
    {
        QTest::mouseClick(files()->view()->viewport(), Qt::LeftButton, {}, itemCentre(name));
        if (way == Way::Button)
            QTest::mouseClick(dialog->findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
        else if (way == Way::DoubleClick)
            QTest::mouseDClick(files()->view()->viewport(), Qt::LeftButton, {}, itemCentre(name));
        else
            QTest::keyClick(files()->view(), Qt::Key_Return);
    }

    ScenarioTree tree;
    Workspace ws;
    QWidget main;
    std::unique_ptr<DeleteFile> dialog;
};

TEST_F(DeleteFileDialog, ShowsTheFolderAndFileDescriptions)
{
    open();
    EXPECT_EQ(dialog->windowTitle(), u"Delete a scenario file"_s);
    EXPECT_EQ(files()->count(), 4);
    EXPECT_EQ(preview(u"Text2"_s), u"The scenario root\n"_s);
    QTest::mouseClick(files()->view()->viewport(), Qt::LeftButton, {}, itemCentre(u"Alpha.scn"_s));
    EXPECT_EQ(preview(u"Text1"_s), u"First flight\n"_s);
    saveScreenshot(*dialog, u"delete_file"_s);
}

TEST_F(DeleteFileDialog, ProtectedSaveFilesAreKeptWhicheverWayDeleteIsAsked)
{
    open();
    for (const Way way : {Way::Button, Way::DoubleClick, Way::Enter}) {
        for (const QString& name : {u"(Current state).scn"_s, u"(Quicksave state).scn"_s}) {
            messages().reset();
            answerQuestions(MessageAnswer::Ok);
            deleteBy(way, name);
            ASSERT_EQ(messages().shownMessages().size(), 1) << int(way);
            const UserMessage& shown = messages().shownMessages().first();
            EXPECT_EQ(shown.title, u"Warning"_s);
            EXPECT_EQ(shown.text, u"This file must not be deleted !"_s);
            EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
            EXPECT_TRUE(QFile::exists(tree.at(name)));
        }
    }
}

TEST_F(DeleteFileDialog, TheButtonAsksYesNoAndTheListAsksOkCancel)
{
    struct Case
    {
        Way way;
        MessageButtons buttons;
        MessageAnswer refuse;
        MessageAnswer accept;
    };
    for (const Case& c :
         {Case{Way::Button, MessageButtons::YesNo, MessageAnswer::No, MessageAnswer::Yes},
          Case{Way::DoubleClick, MessageButtons::OkCancel, MessageAnswer::Cancel, MessageAnswer::Ok},
          Case{Way::Enter, MessageButtons::OkCancel, MessageAnswer::Cancel, MessageAnswer::Ok}}) {
        writeFile(tree.at(u"Zulu.scn"_s), "x");
        open();
        messages().reset();
        answerQuestions(c.refuse);
        deleteBy(c.way, u"Zulu.scn"_s);
        ASSERT_EQ(messages().shownMessages().size(), 1);
        const UserMessage& question = messages().shownMessages().first();
        EXPECT_EQ(question.title, u"Confirmation before deleting"_s);
        EXPECT_EQ(question.text, u"Are you sure ?"_s);
        EXPECT_EQ(question.buttons, c.buttons);
        EXPECT_EQ(question.icon, MessageIcon::Question);
        EXPECT_TRUE(QFile::exists(tree.at(u"Zulu.scn"_s)));

        answerQuestions(c.accept);
        deleteBy(c.way, u"Zulu.scn"_s);
        EXPECT_FALSE(QFile::exists(tree.at(u"Zulu.scn"_s)));
    }
}

TEST_F(DeleteFileDialog, AnotherLetterCaseIsNotProtectedAndTheListIsRefreshedAfterDeleting)
{
    answerQuestions(MessageAnswer::Yes);
    open();
    deleteBy(Way::Button, u"(current state).scn"_s);
    EXPECT_FALSE(QFile::exists(tree.at(u"(current state).scn"_s)));
    EXPECT_EQ(files()->count(), 3);
    EXPECT_EQ(files()->selectedName(), u"(Current state).scn"_s);
    EXPECT_EQ(preview(u"Text1"_s), u"Saved on exit\n"_s);
    EXPECT_TRUE(dialog->isVisible()); // open for further deletions
}

TEST_F(DeleteFileDialog, NothingSelectedDeletesNothingAndTheLastDeletionEmptiesThePreview)
{
    ws.folders.ScnDir = tree.at(u"Missions/"_s);
    open();
    QTest::mouseClick(dialog->findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
    QTest::keyClick(files()->view(), Qt::Key_Return);
    EXPECT_TRUE(messages().shownMessages().isEmpty());

    answerQuestions(MessageAnswer::Yes);
    deleteBy(Way::Button, u"Beta.scn"_s);
    EXPECT_EQ(files()->count(), 0);
    EXPECT_EQ(files()->currentIndex(), -1);
    EXPECT_TRUE(preview(u"Text1"_s).isEmpty());
}

TEST_F(DeleteFileDialog, AFileThatCannotBeDeletedIsReportedAndTheDialogGoesOn)
{
    answerQuestions(MessageAnswer::Yes);
    open();
    QTest::mouseClick(files()->view()->viewport(), Qt::LeftButton, {}, itemCentre(u"Alpha.scn"_s));
    QFile::remove(tree.at(u"Alpha.scn"_s)); // gone behind the dialog's back
    QTest::mouseClick(dialog->findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
    ASSERT_EQ(messages().shownMessages().size(), 2);
    EXPECT_EQ(messages().shownMessages().last().icon, MessageIcon::Stop);
    EXPECT_TRUE(messages().shownMessages().last().text.contains(u"Alpha.scn"_s));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(files()->count(), 3);
}

TEST_F(DeleteFileDialog, TheFolderListStaysInsideTheScenarioTree)
{
    writeFile(tree.sim() + u"/Outside.scn"_s, "x");
    ws.folders.ScnDir = tree.sim() + u"/"_s;
    open();
    EXPECT_EQ(folders()->path(), QDir::cleanPath(tree.root()));
    folders()->setPath(tree.sim());
    EXPECT_EQ(folders()->path(), QDir::cleanPath(tree.root()));
    folders()->setPath(tree.at(u"Missions"_s));
    EXPECT_EQ(files()->names(), QStringList{u"Beta.scn"_s});
    EXPECT_TRUE(preview(u"Text2"_s).isEmpty());

    // Without a scenario tree nothing at all is offered, not even the working folder's files.
    for (const QString& vexDir : {QString(), tree.sim() + u"/missing"_s}) {
        ws.folders.VexDir = vexDir;
        open();
        EXPECT_EQ(files()->count(), 0);
    }
}

TEST_F(DeleteFileDialog, ClosingGivesTheMainWindowBack)
{
    main.setEnabled(false); // the main window disables itself before it creates the dialog
    open();
    QTest::mouseClick(dialog->findChild<QPushButton*>(u"Command2"_s), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(main.isEnabled());
    main.setEnabled(false);
    open();
    dialog->close();
    EXPECT_TRUE(main.isEnabled());
}

} // namespace
