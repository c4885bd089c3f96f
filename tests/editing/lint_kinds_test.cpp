// Each kind of finding lint adds to what validation knows, on the files of tests/data/lint/kinds:
// every finding of each file with its line and kind, nothing more.
#include "document/file_paths.h"
#include "editing/scenario_lint.h"
#include "editing/workspace_checks.h"

#include <gtest/gtest.h>

#include <QFileInfo>

namespace {

struct Expected
{
    qsizetype line;
    const char* kind;
    const char* text; // a part of the message
};

QVector<LintFinding> lintFile(const QString& name)
{
    static const std::optional<Workspace> started = startedWorkspace(QStringLiteral(CORVANE_SAMPLE_DIR));
    EXPECT_TRUE(started);
    Workspace ws = *started;
    const QFileInfo file(QStringLiteral(CORVANE_TEST_DATA_DIR "/lint/kinds/") + name);
    EXPECT_TRUE(file.isFile()) << name.toStdString();
    ws.folders.ScnDir = withTrailingSeparator(file.absolutePath());
    ws.scnfile = file.fileName();
    return lintScenario(ws);
}

TEST(LintKinds, EachFileGivesItsFindingsAtTheirLines)
{
    const std::pair<const char*, std::vector<Expected>> files[] = {
        {"Values.scn",
         {{15, "validation", "frame rotation angle around Z axis is not correct"},
          {15, "validation", "orbit inclination is not correct"},
          {18, "not-a-number", "the inclination 'fifty' is not a number and is read as 0"},
          {19, "not-a-number", "the z angle 'x' is not a number and is read as 0"},
          {28, "not-a-number", "'AROT 12.5 q 175': the y value 'q' is not a number and is read as 0"},
          {29, "not-a-number", "'VROT x': the angular velocity 'x' is not a number"},
          {30, "level", "'FUEL 1.7': the fuel level 1.7 is outside 0 to 1"},
          {31, "level", "'ENGINE_MAIN 3': the main engine level 3 is outside -1 to 1"},
          {38, "not-a-number", "the y value is empty and is read as 0; the z value '2 3'"},
          {40, "level", "'FUEL -0.2': the fuel level -0.2 is outside 0 to 1"},
          {42, "level", "'ENGINE_HOVR 1.5': the hover engine level 1.5 is outside 0 to 1"},
          {48, "not-a-number", "'FUEL abc': the fuel level 'abc' is not a number and is read as 0"}}},
        {"Dates.scn",
         {{7, "date", "'Date JE 1850.0' is a date before 1900 (1849-12-31)"},
          {17, "date", "'EL_MJD soon' holds no number; the epoch is read as MJD 0"},
          {23, "date", "'EL_MJD 100' is a date before 1900 (1859-02-25)"}}},
        {"DateWord.scn", {{7, "date", "'Date MJD sixty' holds no number; the start date is read as MJD 0"}}},
        {"Extra.scn",
         {{20, "extra-line", "'ELEMNTS 1 2 3 4 5 6' is no statement of the editor (a misspelt ELEMENTS?)"},
          {30, "extra-line", "'FEUL 0.5' is no statement of the editor (a misspelt FUEL?)"},
          {31, "extra-line", "'%% lost in transfer %%' is no statement"},
          {32, "extra-line", "'Tug:Hauler' is no statement but reads like a block line (an END missing"}}},
        {"Periapsis.scn",
         {{15, "periapsis", "lies 1112.1 km below the surface of Earth"},
          {31, "periapsis", "lies 6355.7 km below the surface of Earth"},
          {47, "validation", "The ship is located inside the planet"}}},
        {"Unclosed.scn", {{14, "scan", "the section 'BEGIN_SHIPS' is not read to its 'END_SHIPS' line"}}},
    };
    for (const auto& [name, expected] : files) {
        const QVector<LintFinding> found = lintFile(QString::fromLatin1(name));
        ASSERT_EQ(found.size(), qsizetype(expected.size())) << name;
        for (qsizetype i = 0; i < found.size(); ++i) {
            const Expected& e = expected[size_t(i)];
            EXPECT_EQ(found[i].line, e.line) << name << ' ' << e.text;
            EXPECT_EQ(found[i].kind.toStdString(), e.kind) << name << ' ' << e.text;
            EXPECT_TRUE(found[i].message.contains(QString::fromUtf8(e.text)))
                << found[i].message.toStdString();
        }
    }
}

TEST(LintKinds, TwentyFiveMalformedLinesGiveTwentyFiveFindings)
{
    const QVector<LintFinding> found = lintFile(QStringLiteral("Malformed.scn"));
    ASSERT_EQ(found.size(), 25);
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(found[i].line, 22 + i);
        EXPECT_EQ(found[i].kind, "malformed");
        EXPECT_EQ(found[i].message,
                  QStringLiteral("'RPOS %1' needs three values; the line is kept as it stands").arg(i + 1));
    }
}

TEST(LintKinds, PeriapsisWarningsNameTheShip)
{
    const QVector<LintFinding> found = lintFile(QStringLiteral("Periapsis.scn"));
    ASSERT_EQ(found.size(), 3);
    EXPECT_EQ(found[0].subject, "ship Buried");
    EXPECT_EQ(found[1].subject, "ship Falling");
    EXPECT_EQ(found[2].subject, "ship Sunk");
}

} // namespace
