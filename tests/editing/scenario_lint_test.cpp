// The plain rules of the whole-file checks: block lines, the reader's findings, and lines a save drops.
#include "document/scenario_reader.h"
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
    Scenario doc;
    ScenarioReaderHost host;
    readScenarioLines("/s/A.scn", lines, doc, host);
    EXPECT_TRUE(doc.readReport.stationLines.isEmpty());
    // The description's lines and the second section are not read as blocks.
    EXPECT_EQ(doc.readReport.shipLines, (QVector<qsizetype>{6, 10}));
}

TEST(ScenarioLint, ReadFindingsKeepTheirLineAndKindAndOtherFilesEntriesAreScanFindings)
{
    const QString path = "/s/A.scn";
    Scenario doc;
    doc.readReport.findings = {
        {ReadFinding::Kind::Malformed, 12, "'BASE Kourou' needs base:pad; the line is kept as it stands"},
        {ReadFinding::Kind::Date, 9,
         "'Date MJD sixty' holds no number; the start date is read as MJD 0, and Save writes the value back "
         "as it "
         "stands"}};
    // The log's entries about the file itself are the findings already.
    doc.scanLog.addLineEntry(
        "needs base:pad", path,
        "Line 12 of /s/A.scn: 'BASE Kourou' needs base:pad; the line is kept as it stands. ");
    doc.scanLog.addRawFailure(path);
    doc.scanLog.addFileFailure("/cfg/Mars.cfg");

    const auto findings = readFindings(doc, path);
    ASSERT_EQ(findings.size(), 3);
    EXPECT_EQ(findings[0].line, 12);
    EXPECT_EQ(findings[0].kind.toStdString(), "malformed");
    EXPECT_EQ(findings[0].message.toStdString(),
              "'BASE Kourou' needs base:pad; the line is kept as it stands");
    EXPECT_EQ(findings[1].line, 9);
    EXPECT_EQ(findings[1].kind.toStdString(), "date");
    EXPECT_TRUE(findings[1].message.startsWith("'Date MJD sixty' holds no number; the start date"));
    EXPECT_EQ(findings[2].line, 0);
    EXPECT_EQ(findings[2].kind.toStdString(), "scan");
    EXPECT_EQ(findings[2].message.toStdString(), "Can not open the file /cfg/Mars.cfg.");
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
