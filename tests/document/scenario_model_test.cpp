#include "document/scenario_model.h"
#include "qt_print.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(StationTable, RedimCreatesFreshRowsAndBlankingSetsTheBlankValues)
{
    StationTable table;
    table.StationTableRedim(2);
    ASSERT_EQ(table.rowCount(), 3);
    EXPECT_FALSE(table[1].UseClassRotation);
    EXPECT_FALSE(table[1].EpochDate.isValid());

    table[1].Name = u"Gateway"_s;
    table[1].EpochDate = QDate(2000, 1, 1);
    table.StationTableBlanking(1);
    EXPECT_TRUE(table[1].UseClassRotation);
    EXPECT_TRUE(table[1].Name.isEmpty());
    EXPECT_FALSE(table[1].EpochDate.isValid());

    table.StationTableRedim(0);
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_FALSE(table[0].UseClassRotation);
}

TEST(StationTable, RedimPreserveKeepsTheRowsBelowTheBound)
{
    StationTable table;
    table.StationTableRedim(2);
    for (int i = 0; i < 3; ++i)
        table[i].Name = QString::number(i);
    table.StationTableRedimPreserve(1);
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table[1].Name, u"1"_s);
    table.StationTableRedimPreserve(3);
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table[0].Name, u"0"_s);
    EXPECT_TRUE(table[3].Name.isEmpty());
    EXPECT_FALSE(table[3].UseClassRotation);
}

TEST(ShipTable, BlankingKeepsNameAndExtraLinesAndSetsTheBlankValues)
{
    ShipTable table;
    table.ShipTableRedim(1);
    EXPECT_TRUE(table[1].Heading.isEmpty()) << "a re-created row has an empty heading";
    EXPECT_TRUE(table[1].Fuel.isEmpty());

    ShipRow& row = table[1];
    row.Name = u"Shuttle"_s;
    row.ExtraLines = u"  BEACON 1"_s;
    row.ClassName = u"Falcon"_s;
    row.Status = u"Landed"_s;
    row.Heading = u"90"_s;
    table.ShipTableBlanking(1);
    EXPECT_EQ(row.Name, u"Shuttle"_s);
    EXPECT_EQ(row.ExtraLines, u"  BEACON 1"_s);
    EXPECT_TRUE(row.ClassName.isEmpty());
    EXPECT_TRUE(row.Status.isEmpty());
    EXPECT_EQ(row.Heading, u"Toto"_s);
    for (const QString* zero :
         {&row.RposX, &row.RposY, &row.RposZ, &row.RvelX, &row.RvelY, &row.RvelZ, &row.ArotX, &row.ArotY,
          &row.ArotZ, &row.Vrot, &row.Fuel, &row.MainEngine, &row.HoverEngine})
        EXPECT_EQ(*zero, u"0"_s);
    EXPECT_TRUE(row.Pad.isEmpty());
    EXPECT_TRUE(row.DockPort.isEmpty());

    table.ShipTableRedimPreserve(0);
    EXPECT_EQ(table.rowCount(), 1);
}

} // namespace
