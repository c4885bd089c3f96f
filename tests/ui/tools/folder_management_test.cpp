#include "tools_test_support.h"
#include "ui/folder_list.h"
#include "ui/folder_management.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

class FolderManagementWindow : public MessageScript
{
protected:
    void SetUp() override
    {
        MessageScript::SetUp();
        writeFile(tree.at(u"description.txt"_s), "BEGIN_DESC\r\nAll scenarios\r\nEND_DESC\r\n");
        writeFile(tree.at(u"Alpha.scn"_s), "x");
        writeFile(tree.at(u"Empty/description.txt"_s), "BEGIN_DESC\r\nNothing yet\r\nEND_DESC\r\n");
        writeFile(tree.at(u"Full/Mission.scn"_s), "x");
        ws.folders.VexDir = tree.sim();
        ws.folders.ScenarioDir = u"\\Scenarios\\"_s;
        window = std::make_unique<FolderManagement>(ws, nullptr);
        window->show();
    }

    FolderList* folders() const { return window->findChild<FolderList*>(u"Dir1"_s); }
    QPlainTextEdit* text() const { return window->findChild<QPlainTextEdit*>(u"Text1"_s); }
    void press(const QString& button) const
    {
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    void insert(const QString& name)
    {
        messages().reset();
        answerQuestions(MessageAnswer::Ok);
        answerInput(name);
        press(u"Command1"_s);
    }
    // Every file and folder of the simulator folder, the scenario tree's parent included.
    QStringList everything() const
    {
        QStringList entries;
        QDirIterator it(tree.sim(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            entries.append(it.next());
        entries.sort();
        return entries;
    }
    QString onlyMessage() const
    {
        EXPECT_EQ(messages().shownMessages().size(), 1);
        return messages().shownMessages().isEmpty() ? QString() : messages().shownMessages().first().text;
    }

    ScenarioTree tree;
    Workspace ws;
    std::unique_ptr<FolderManagement> window;
};

TEST_F(FolderManagementWindow, OpensOnTheRootAndSnapsBackToIt)
{
    EXPECT_EQ(window->windowTitle(), u"Scenario folder management"_s);
    EXPECT_EQ(folders()->path(), QDir::cleanPath(tree.root()));
    EXPECT_EQ(text()->toPlainText(), u"All scenarios\n"_s);
    saveScreenshot(*window, u"folder_management"_s);
    folders()->setPath(tree.sim());
    EXPECT_EQ(folders()->path(), QDir::cleanPath(tree.root()));
    folders()->setPath(tree.at(u"Full"_s));
    EXPECT_TRUE(text()->toPlainText().isEmpty()); // no description.txt there
}

TEST_F(FolderManagementWindow, InsertCreatesTheSubFolderNamedInTheInputBox)
{
    insert(u"New scenario folder"_s);
    ASSERT_EQ(messages().shownInputs().size(), 1);
    const MessageService::InputRequest& request = messages().shownInputs().first();
    EXPECT_EQ(request.prompt, u"Please, enter the folder name."_s);
    EXPECT_EQ(request.title, u"Making a nex scenario sub folder"_s);
    EXPECT_EQ(request.defaultText, u"New scenario folder"_s);
    EXPECT_TRUE(folders()->entryPaths().contains(tree.at(u"New scenario folder"_s)));
    EXPECT_TRUE(messages().shownMessages().isEmpty());

    const QStringList before = everything();
    insert(QString()); // cancelled
    EXPECT_EQ(everything(), before);
    EXPECT_TRUE(messages().shownMessages().isEmpty());
}

TEST_F(FolderManagementWindow, NamesThatAreNotOneNewSubFolderAreRefusedWithTheReason)
{
    folders()->setPath(tree.at(u"Empty"_s));
    const QStringList before = everything();
    for (const char* name : {"..", ".", "../Escaped", "a/b", "..\\Escaped", "x:y", "CON", "trailing."}) {
        insert(QString::fromLatin1(name));
        EXPECT_NE(onlyMessage(), u"A folder with the same name already exists.."_s) << name;
        EXPECT_EQ(messages().shownMessages().value(0).title, u"Operation aborted !"_s);
        EXPECT_EQ(messages().shownMessages().value(0).icon, MessageIcon::Stop);
        EXPECT_EQ(everything(), before) << name;
    }
    folders()->setPath(tree.root());
    for (const char* name : {"Full", "full", "Alpha.scn"}) {
        insert(QString::fromLatin1(name));
        EXPECT_EQ(onlyMessage(), u"A folder with the same name already exists.."_s) << name;
        EXPECT_EQ(everything(), before) << name;
    }
}

TEST_F(FolderManagementWindow, AnEmptySubFolderIsRemovedWithItsDescription)
{
    folders()->setPath(tree.at(u"Empty"_s));
    answerQuestions(MessageAnswer::No);
    press(u"Command2"_s);
    EXPECT_TRUE(QFile::exists(tree.at(u"Empty/description.txt"_s)));

    messages().reset();
    answerQuestions(MessageAnswer::Yes);
    press(u"Command2"_s);
    EXPECT_EQ(onlyMessage(), u"Are you sure ?"_s);
    EXPECT_EQ(messages().shownMessages().value(0).title, u"Confirmation before deleting"_s);
    EXPECT_EQ(messages().shownMessages().value(0).buttons, MessageButtons::YesNo);
    EXPECT_FALSE(QFileInfo::exists(tree.at(u"Empty"_s)));
    EXPECT_EQ(folders()->path(), QDir::cleanPath(tree.root())); // the parent opens
    EXPECT_EQ(text()->toPlainText(), u"All scenarios\n"_s);
}

TEST_F(FolderManagementWindow, AFolderWithFilesIsKeptAndItsDescriptionWrittenFromTheWindow)
{
    answerQuestions(MessageAnswer::Yes);
    folders()->setPath(tree.at(u"Full"_s));
    text()->setPlainText(u"Line one\nLine two"_s);
    press(u"Command2"_s);
    EXPECT_TRUE(QFile::exists(tree.at(u"Full/Mission.scn"_s)));
    EXPECT_EQ(fileBytes(tree.at(u"Full/description.txt"_s)),
              QByteArray("BEGIN_DESC\r\nLine one\r\nLine two\r\nEND_DESC\r\n"));
    ASSERT_EQ(messages().shownMessages().size(), 2);
    const UserMessage& refusal = messages().shownMessages().last();
    EXPECT_EQ(refusal.title, u"You may only delete an empty folder !"_s);
    EXPECT_EQ(refusal.text, u"This folder contains files. Operation aborted"_s);
    EXPECT_EQ(refusal.icon, MessageIcon::Stop);
}

TEST_F(FolderManagementWindow, TheScenarioRootItselfIsNeverDeleted)
{
    answerQuestions(MessageAnswer::Yes);
    const QStringList before = everything();
    press(u"Command2"_s);
    EXPECT_FALSE(onlyMessage().isEmpty());
    EXPECT_EQ(messages().shownMessages().value(0).title, u"Operation aborted !"_s);
    EXPECT_EQ(everything(), before);
}

TEST_F(FolderManagementWindow, SaveWritesTheTextBetweenTheMarkers)
{
    folders()->setPath(tree.at(u"Full"_s));
    text()->clear();
    press(u"Command3"_s);
    EXPECT_EQ(fileBytes(tree.at(u"Full/description.txt"_s)), QByteArray("BEGIN_DESC\r\n\r\nEND_DESC\r\n"));

    // Saved, shown again and saved again: the file keeps its bytes (no growing empty line).
    const QByteArray expected("BEGIN_DESC\r\nCaf\xe9 missions\r\n\r\nSecond paragraph\r\nEND_DESC\r\n");
    text()->setPlainText(u"Caf\u00e9 missions\n\nSecond paragraph\n"_s);
    press(u"Command3"_s);
    EXPECT_EQ(fileBytes(tree.at(u"Full/description.txt"_s)), expected);
    folders()->setPath(tree.root());
    folders()->setPath(tree.at(u"Full"_s));
    press(u"Command3"_s);
    EXPECT_EQ(fileBytes(tree.at(u"Full/description.txt"_s)), expected);
    EXPECT_TRUE(messages().shownMessages().isEmpty());
}

TEST_F(FolderManagementWindow, ADescriptionThatCannotBeWrittenIsReported)
{
    answerQuestions(MessageAnswer::Ok);
    QDir().mkpath(tree.at(u"Full/description.txt"_s)); // a folder in the file's place
    folders()->setPath(tree.at(u"Full"_s));
    text()->setPlainText(u"Kept in the window"_s);
    press(u"Command3"_s);
    EXPECT_TRUE(onlyMessage().contains(u"description.txt"_s));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(text()->toPlainText(), u"Kept in the window"_s);
}

// A description longer than a preview is shown cut and read-only, never written back from the
// window: saving is refused, and a refused folder deletion puts the file back byte for byte.
TEST_F(FolderManagementWindow, ACutDescriptionIsNeverWrittenFromTheWindow)
{
    answerQuestions(MessageAnswer::Yes);
    const QByteArray huge = "BEGIN_DESC\r\n" + QByteArray(200000, 'h') + "\r\nEND_DESC\r\n";
    writeFile(tree.at(u"Big/description.txt"_s), huge);
    writeFile(tree.at(u"Big/Kept.scn"_s), "x");
    folders()->setPath(tree.at(u"Big"_s));
    EXPECT_TRUE(text()->isReadOnly());
    EXPECT_TRUE(text()->toPlainText().contains(u"only its beginning is shown"_s));
    saveScreenshot(*window, u"folder-management-cut-description"_s);
    press(u"Command3"_s);
    press(u"Command2"_s);
    EXPECT_EQ(shownTitles(), (QStringList{u"Operation aborted !"_s, u"Confirmation before deleting"_s,
                                          u"You may only delete an empty folder !"_s}));
    EXPECT_EQ(fileBytes(tree.at(u"Big/description.txt"_s)), huge);
    folders()->setPath(tree.root());
    EXPECT_FALSE(text()->isReadOnly());
}

} // namespace
