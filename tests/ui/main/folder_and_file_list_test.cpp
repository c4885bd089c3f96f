#include "ui/file_list.h"
#include "ui/folder_list.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

QPoint centreOf(QListWidget* view, int row)
{
    return view->visualItemRect(view->item(row)).center();
}

// An item view takes a double click only on the entry the first click of the pair pressed.
void doubleClick(QListWidget* view, int row)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centreOf(view, row));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centreOf(view, row));
}

class ListsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QDir root(dir.path());
        root.mkpath(QStringLiteral("Scenarios/Beta"));
        root.mkpath(QStringLiteral("Scenarios/alpha"));
        root.mkpath(QStringLiteral("Scenarios/folder.scn"));
        touch(root.filePath(QStringLiteral("Scenarios/zulu.scn")));
        touch(root.filePath(QStringLiteral("Scenarios/Alpha.SCN")));
        touch(root.filePath(QStringLiteral("Scenarios/beta.scn")));
        touch(root.filePath(QStringLiteral("Scenarios/notes.txt")));
        scenarios = root.filePath(QStringLiteral("Scenarios"));
    }

    QTemporaryDir dir;
    QString scenarios;
};

TEST_F(ListsTest, FileNamesMatchThePatternInAnyCaseSortedWithoutRegardToCaseFilesOnly)
{
    EXPECT_EQ(matchingFileNames(scenarios, QStringLiteral("*.scn")),
              (QStringList{"Alpha.SCN", "beta.scn", "zulu.scn"}));
    EXPECT_EQ(matchingFileNames(scenarios, QStringLiteral("*.txt;*.SCN")),
              (QStringList{"Alpha.SCN", "beta.scn", "notes.txt", "zulu.scn"}));
    EXPECT_TRUE(matchingFileNames(scenarios + "/missing", QStringLiteral("*.scn")).isEmpty());
}

TEST_F(ListsTest, FileListSignalsClickDoubleClickAndEnterWithTheHighlightedName)
{
    FileList list;
    list.resize(200, 200);
    list.setPattern(QStringLiteral("*.scn"));
    list.setFolder(scenarios);
    list.show();
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_TRUE(list.selectedName().isEmpty());

    QSignalSpy clicked(&list, &FileList::clicked);
    QSignalSpy doubled(&list, &FileList::doubleClicked);
    QSignalSpy entered(&list, &FileList::enterPressed);

    QTest::keyClick(list.view(), Qt::Key_Return);
    EXPECT_EQ(entered.count(), 0) << "Enter with nothing highlighted";

    QTest::mouseClick(list.view()->viewport(), Qt::LeftButton, {}, centreOf(list.view(), 1));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toString(), "beta.scn");
    EXPECT_EQ(list.selectedName(), "beta.scn");

    QTest::keyClick(list.view(), Qt::Key_Down);
    ASSERT_EQ(clicked.count(), 2);
    EXPECT_EQ(clicked.at(1).at(0).toString(), "zulu.scn");

    QTest::keyClick(list.view(), Qt::Key_Return);
    ASSERT_EQ(entered.count(), 1);
    EXPECT_EQ(entered.at(0).at(0).toString(), "zulu.scn");

    doubleClick(list.view(), 0);
    ASSERT_EQ(doubled.count(), 1);
    EXPECT_EQ(doubled.at(0).at(0).toString(), "Alpha.SCN");

    list.setCurrentIndex(2);
    touch(scenarios + "/aardvark.scn");
    list.refresh();
    EXPECT_EQ(list.selectedName(), "zulu.scn") << "a refresh keeps the highlighted name";
    EXPECT_EQ(list.currentIndex(), 3);
    list.setFolder(scenarios);
    EXPECT_EQ(list.currentIndex(), -1);
}

TEST_F(ListsTest, FolderListShowsAncestorsThenSubFoldersAndOpensOnDoubleClickOrEnter)
{
    FolderList list;
    list.resize(300, 400);
    list.show();
    QSignalSpy changed(&list, &FolderList::pathChanged);
    QSignalSpy clicked(&list, &FolderList::clicked);

    list.setPath(scenarios + "/");
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(list.path(), scenarios) << "no trailing separator";

    const QStringList entries = list.entryPaths();
    ASSERT_GE(entries.size(), 4);
    EXPECT_EQ(entries.first(), QStringLiteral("/"));
    EXPECT_EQ(entries.mid(entries.size() - 3),
              (QStringList{scenarios + "/alpha", scenarios + "/Beta", scenarios + "/folder.scn"}));

    list.setPath(scenarios);
    EXPECT_EQ(changed.count(), 1) << "setting the open folder again changes nothing";
    list.setPath(scenarios + "/missing");
    EXPECT_EQ(list.path(), scenarios);

    const int beta = int(entries.indexOf(scenarios + "/Beta"));
    QTest::mouseClick(list.view()->viewport(), Qt::LeftButton, {}, centreOf(list.view(), beta));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toString(), scenarios + "/Beta");
    EXPECT_EQ(list.path(), scenarios) << "a click only selects";
    EXPECT_EQ(list.selectedPath(), scenarios + "/Beta");

    doubleClick(list.view(), beta);
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.last().at(0).toString(), scenarios + "/Beta");

    const int parent = int(list.entryPaths().indexOf(scenarios));
    list.view()->setCurrentRow(parent);
    QTest::keyClick(list.view(), Qt::Key_Return);
    EXPECT_EQ(list.path(), scenarios);
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(ListsTest, FolderListFollowsARemovedOpenFolderToItsParent)
{
    FolderList list;
    list.setPath(scenarios + "/alpha");
    QSignalSpy changed(&list, &FolderList::pathChanged);
    ASSERT_TRUE(QDir(scenarios + "/alpha").removeRecursively());
    list.refresh();
    EXPECT_EQ(list.path(), scenarios);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(ListsTest, ConfinementKeepsTheRootAndItsSubFoldersOnly)
{
    const QString root = scenarios + "/";
    struct Case
    {
        const char* name;
        QString asked;
        QString shown;
    } cases[] = {
        {"root without separator", scenarios, scenarios},
        {"root with separator", root, scenarios},
        {"sub-folder", scenarios + "/Beta", scenarios + "/Beta"},
        {"parent", dir.path(), scenarios},
        {"filesystem root", "/", scenarios},
        {"sibling with a longer name", dir.path() + "/ScenariosOld", scenarios},
        {"dot-dot out of the root", scenarios + "/Beta/../..", scenarios},
    };
    for (const Case& c : cases)
        EXPECT_EQ(confinedFolder(c.asked, root), c.shown) << c.name;
}

} // namespace
