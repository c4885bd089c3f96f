// The open scenario file changed or removed behind the editor's back, and saved by the editor.
#include "editor_fixture.h"

#include <QAction>
#include <QFile>
#include <QTest>

namespace {

const QString kChangedQuestion = QStringLiteral("The file First Launch.scn was changed by another program. "
                                                "Do you wish to read it again? The changes made "
                                                "in the editor since it was read are then lost.");
const QString kOverwriteQuestion = QStringLiteral("The file First Launch.scn was changed by another program "
                                                  "since it was read. Do you wish to overwrite it?");

class OutsideChangeTest : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        path = scenarioRoot() + QStringLiteral("/Tutorials/First Launch.scn");
        startEditor(path);
    }

    // Writes the file as another program would: in place, a new description.
    void changeBehindTheEditor(const QByteArray& description)
    {
        QByteArray bytes = fileBytes(path);
        const qsizetype end = bytes.indexOf("END_DESC");
        bytes.replace(0, end, "BEGIN_DESC\r\n" + description + "\r\n");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // Lets the file events arrive until `count` messages were shown.
    bool messagesShown(qsizetype count)
    {
        return QTest::qWaitFor([&] { return messages.shownMessages().size() >= count; }, 10000);
    }

    QString path;
};

TEST_F(OutsideChangeTest, AnOwnSaveAsksNothingAndAChangeByAnotherProgramIsReadAgainOnYes)
{
    vex->menuItem("Menu13")->trigger();
    ASSERT_TRUE(fileBytes(path).startsWith("BEGIN_DESC"));

    answer({MessageAnswer::Yes});
    changeBehindTheEditor("Written elsewhere.");
    ASSERT_TRUE(messagesShown(1));
    // The own save before it raised no question of its own.
    ASSERT_EQ(messages.shownMessages().size(), 1);
    expectMessage(messages.shownMessages()[0], {QStringLiteral("Warning"), kChangedQuestion,
                                                MessageButtons::YesNo, MessageIcon::Question});
    EXPECT_EQ(vex->workspace().doc.description.toStdString(), "Written elsewhere.\r\n");

    // What was read again is the editor's own: saving it asks nothing.
    vex->menuItem("Menu13")->trigger();
    EXPECT_EQ(messages.shownMessages().size(), 1);
}

TEST_F(OutsideChangeTest, KeptOnNoTheChangedFileIsOverwrittenOnlyAfterAQuestion)
{
    const QString description = vex->workspace().doc.description;
    answer({MessageAnswer::No});
    changeBehindTheEditor("Written elsewhere.");
    ASSERT_TRUE(messagesShown(1));
    EXPECT_EQ(vex->workspace().doc.description, description);

    answer({MessageAnswer::No});
    vex->menuItem("Menu13")->trigger();
    ASSERT_EQ(messages.shownMessages().size(), 2);
    expectMessage(messages.shownMessages()[1], {QStringLiteral("Warning"), kOverwriteQuestion,
                                                MessageButtons::YesNo, MessageIcon::Question});
    EXPECT_TRUE(fileBytes(path).contains("Written elsewhere."));

    answer({MessageAnswer::Yes});
    vex->menuItem("Menu13")->trigger();
    ASSERT_EQ(messages.shownMessages().size(), 3);
    EXPECT_FALSE(fileBytes(path).contains("Written elsewhere."));
}

TEST_F(OutsideChangeTest, ARemovedFileIsReportedAndWrittenAgainBySave)
{
    answer({MessageAnswer::Ok});
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(messagesShown(1));
    EXPECT_EQ(messages.shownMessages()[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(messages.shownMessages()[0].text.contains("was removed or renamed by another program"));

    vex->menuItem("Menu13")->trigger();
    EXPECT_EQ(messages.shownMessages().size(), 1);
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(OutsideChangeTest, AFileRemovedAndPutBackChangedIsOfferedToBeReadAgain)
{
    const QByteArray bytes = fileBytes(path);
    answer({MessageAnswer::Ok});
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(messagesShown(1));

    answer({MessageAnswer::No});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(QByteArray(bytes).replace("BEGIN_DESC\r\n", "BEGIN_DESC\r\nPut back.\r\n")),
              bytes.size() + 11);
    file.close();
    ASSERT_TRUE(messagesShown(2));
    expectMessage(messages.shownMessages()[1], {QStringLiteral("Warning"), kChangedQuestion,
                                                MessageButtons::YesNo, MessageIcon::Question});
}

} // namespace
