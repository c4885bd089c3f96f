// The plain rules of the whole-file checks: block lines, the reader's log, and lines a save drops.
#include "editing/scenario_lint.h"

#include <gtest/gtest.h>

namespace {

TEST(ScenarioLint, BlockLinesFollowTheReadersNaming)
{
    const QStringList lines{"BEGIN_DESC",   "BEGIN_SHIPS",  "Fake:Falcon",
                            "END_DESC",     "BEGIN_SHIPS",  "Tug:Hauler",
                            "  FUEL 1",     "END",          "",
                            "Barge:Hauler", "END",          "END_SHIPS",
                            "BEGIN_SHIPS",  "Later:Falcon", "END",
                            "END_SHIPS"};
    const BlockLines blocks = blockLineNumbers(lines);
    EXPECT_TRUE(blocks.stations.isEmpty());
    // The description's lines and the second section are not read as blocks.
    EXPECT_EQ(blocks.ships, (QVector<qsizetype>{6, 10}));
}

TEST(ScenarioLint, ScanEntriesOfTheFileKeepTheirLineAndTheRestIsOneFinding)
{
    const QString path = "/s/A.scn";
    const QString log = "Line 12 of /s/A.scn: 'BASE Kourou' needs base:pad; the line is kept as it stands. "
                        "Can not open the file /s/A.scn"
                        "Can not open the file /cfg/Mars.cfg. ";
    const auto findings = scanFindings(log, path, true);
    ASSERT_EQ(findings.size(), 2);
    EXPECT_EQ(findings[0].line, 12);
    EXPECT_EQ(findings[0].message.toStdString(),
              "'BASE Kourou' needs base:pad; the line is kept as it stands");
    EXPECT_EQ(findings[1].line, 0);
    EXPECT_EQ(findings[1].message.toStdString(), "Can not open the file /cfg/Mars.cfg.");

    // A section that breaks off leaves only the step's bare entry.
    const auto brokeOff = scanFindings("Can not open the file /s/A.scn", path, true);
    ASSERT_EQ(brokeOff.size(), 1);
    EXPECT_TRUE(brokeOff[0].message.contains("ends before its closing line"));
    EXPECT_TRUE(scanFindings({}, path, true).isEmpty());

    // A date that is no number is a finding at its line.
    const auto noNumber =
        scanFindings("Line 9 of /s/A.scn: 'Date MJD sixty' holds no number; the start date is "
                     "read as MJD 0, and Save writes the value back as it stands. ",
                     path, true);
    ASSERT_EQ(noNumber.size(), 1);
    EXPECT_EQ(noNumber[0].line, 9);
    EXPECT_TRUE(noNumber[0].message.startsWith("'Date MJD sixty' holds no number; the start date"));
}

TEST(ScenarioLint, OnlyLinesWithoutCounterpartAreDropped)
{
    const QStringList file{"BEGIN_DESC",
                           "  Weather",
                           "END_DESC",
                           "BEGIN_ENVIRONMENT",
                           "  Date JD 2451545",
                           "  Weather clear",
                           "END_ENVIRONMENT",
                           "BEGIN_CAMERA",
                           "  MODE Cockpit",
                           "END_CAMERA",
                           "; a comment",
                           "BEGIN_SHIPS",
                           "Tug:Hauler",
                           "  ZROT_FREQ 2",
                           "  FUEL 1.50",
                           "  FUEL 2",
                           "END",
                           "END_SHIPS"};
    const QStringList written{"BEGIN_DESC",         "  Weather",
                              "END_DESC",           "BEGIN_ENVIRONMENT",
                              "  Date MJD 51544.5", "END_ENVIRONMENT",
                              "BEGIN_CAMERA",       "  MODE Extern",
                              "END_CAMERA",         "BEGIN_SHIPS",
                              "tug:hauler",         "  ZROT_FREQUENCY 2",
                              "  FUEL 1.5",         "END",
                              "END_SHIPS"};
    const auto findings = losslessFindings(file, written);
    ASSERT_EQ(findings.size(), 2);
    EXPECT_EQ(findings[0].line, 6); // the description's 'Weather' has its counterpart
    EXPECT_EQ(findings[0].message.toStdString(), "'Weather clear' would be dropped on saving");
    EXPECT_EQ(findings[1].line, 16); // a second FUEL is one more than the writer writes
}

} // namespace
