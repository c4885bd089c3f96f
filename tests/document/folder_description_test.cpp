#include "document/folder_description.h"
#include "qt_print.h"

#include <gtest/gtest.h>

TEST(FolderDescription, BlockIsReadBetweenTheMarkersAndWrittenBackTheSame)
{
    const DescriptionBlock block = descriptionBlock(QStringList{" begin_desc ", "First", "  Second ", "End_Desc", "after"});
    EXPECT_EQ(block.text, "First\r\n  Second \r\n");
    EXPECT_TRUE(block.closed);
    EXPECT_EQ(block.nextLine, 4);
    EXPECT_EQ(descriptionBlock(folderDescriptionLines(block.text)).text, block.text);

    const DescriptionBlock open = descriptionBlock(QStringList{"BEGIN_DESC", "to the end"});
    EXPECT_FALSE(open.closed);
    EXPECT_EQ(open.nextLine, 2);
    EXPECT_EQ(descriptionBlock(QStringList{"text", "BEGIN_DESC"}).nextLine, 0);

    EXPECT_EQ(folderDescriptionLines(QString()), (QStringList{"BEGIN_DESC", "", "END_DESC"}));
    EXPECT_EQ(folderDescriptionLines("a\r\nb\nc"), (QStringList{"BEGIN_DESC", "a", "b", "c", "END_DESC"}));
}
