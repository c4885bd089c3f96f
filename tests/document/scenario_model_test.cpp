#include "document/scenario_model.h"
#include "qt_print.h"

#include <gtest/gtest.h>

namespace {

TEST(StationTable, RedimCreatesFreshRowsAndBlankingSetsTheBlankValues)
{
    StationTable table;
    table.StationTableRedim(2);
    ASSERT_EQ(table.rowCount(), 3);
    EXPECT_FALSE(table[1].UseClassRotation);
    EXPECT_FALSE(table[1].EpochDate.isValid());

    table[1].Name = QStringLiteral("Gateway");
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
    EXPECT_EQ(table[1].Name, QStringLiteral("1"));
    table.StationTableRedimPreserve(3);
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table[0].Name, QStringLiteral("0"));
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
    row.Name = QStringLiteral("Shuttle");
    row.ExtraLines = QStringLiteral("  XPDR 1");
    row.ClassName = QStringLiteral("Falcon");
    row.Status = QStringLiteral("Landed");
    row.Heading = QStringLiteral("90");
    table.ShipTableBlanking(1);
    EXPECT_EQ(row.Name, QStringLiteral("Shuttle"));
    EXPECT_EQ(row.ExtraLines, QStringLiteral("  XPDR 1"));
    EXPECT_TRUE(row.ClassName.isEmpty());
    EXPECT_TRUE(row.Status.isEmpty());
    EXPECT_EQ(row.Heading, QStringLiteral("Toto"));
    for (const QString* zero :
         {&row.RposX, &row.RposY, &row.RposZ, &row.RvelX, &row.RvelY, &row.RvelZ, &row.ArotX, &row.ArotY,
          &row.ArotZ, &row.Vrot, &row.Fuel, &row.MainEngine, &row.HoverEngine})
        EXPECT_EQ(*zero, QStringLiteral("0"));
    EXPECT_TRUE(row.Pad.isEmpty());
    EXPECT_TRUE(row.DockPort.isEmpty());

    table.ShipTableRedimPreserve(0);
    EXPECT_EQ(table.rowCount(), 1);
}

} // namespace
