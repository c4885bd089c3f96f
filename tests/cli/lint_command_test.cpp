// corvane-scn lint: whole trees of scenarios checked as the editor would read, check and save them.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>

namespace {

struct LintRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

LintRun runLint(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(CORVANE_SCN_BINARY), QStringList{QStringLiteral("lint")} + args);
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QString kSample = QStringLiteral(CORVANE_SAMPLE_DIR);
const QString kTree = QStringLiteral(CORVANE_TEST_DATA_DIR "/lint/tree");

TEST(LintCommand, FindsEveryKindOnTheTestTreeWithItsLine)
{
    const LintRun run = runLint({"--sim", kSample, kTree});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    const QString places = kTree + "/Places.scn";
    const QString scan = kTree + "/More/Scan.scn";
    const QString classes = kTree + "/More/Classes.scn";
    for (const QString& expected : {
             places + ": focus: the focus ship 'Ghost' is not one of the file's ships",
             places + ":26: unknown-class: station Hub: the catalogue has no station class 'Nowhere'",
             places + ":41: pad-taken: ship Second: pad 1 of base 'Cape Canaveral' is taken by ship First",
             places + ":47: no-such-pad: ship Far: base 'Cape Canaveral' has no pad '7' (it has 3)",
             places + ":53: no-such-base: ship Lost: base 'Tranquility' is on Moon, not on Earth",
             places + ":63: dock-taken: ship Barge: dock 2 of station 'Gateway' is taken by ship Tug",
             places + ":67: no-such-dock: ship Ninth: station 'Gateway' has no dock '9' (it has 4)",
             places + ":71: no-such-station: ship Stray: the file has no station 'Nobody'",
             classes + ":20: unknown-class: ship Airship: the catalogue has no vessel class 'Zeppelin'",
             classes + ":20: validation: ship Airship: You must must enter a correct heading.",
             classes + ":25: unknown-body: ship Hot: the planetary system Sol has no body 'Vulcan'",
             scan + ":29: not-lossless: 'FUEL 1' would be dropped on saving",
             scan + ":22: malformed: 'STATUS' needs a status word and a body; the line is kept as it stands",
         })
        EXPECT_TRUE(run.out.contains(expected + '\n')) << expected.toStdString() << "\n"
                                                       << run.out.toStdString();
    // A statement the editor does not read in the environment is kept by the save.
    EXPECT_FALSE(run.out.contains("'Weather clear'"));
}

TEST(LintCommand, JsonHoldsTheSameFindingsAndParses)
{
    const LintRun text = runLint({"--sim", kSample, kTree});
    const LintRun run = runLint({"--sim", kSample, kTree, "--json"});
    EXPECT_EQ(run.exitCode, 1);
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    const QJsonArray findings = json.array();
    EXPECT_EQ(findings.size(), text.out.count(u'\n'));
    QSet<QString> kinds;
    for (const QJsonValue& value : findings) {
        const QJsonObject f = value.toObject();
        EXPECT_TRUE(f.value("file").toString().endsWith(".scn"));
        EXPECT_TRUE(f.value("line").isDouble() || f.value("line").isNull());
        EXPECT_FALSE(f.value("message").toString().isEmpty());
        kinds.insert(f.value("kind").toString());
        if (f.value("kind").toString() == u"pad-taken") {
            EXPECT_EQ(f.value("subject").toString(), "ship Second");
        }
    }
    EXPECT_EQ(kinds, (QSet<QString>{"validation", "malformed", "pad-taken", "dock-taken", "no-such-pad",
                                    "no-such-dock", "no-such-base", "no-such-station", "unknown-class",
                                    "unknown-body", "focus", "not-lossless"}));
}

TEST(LintCommand, EachFindingOfTheReaderCarriesItsLineInTextAndJson)
{
    const QString kinds = QStringLiteral(CORVANE_TEST_DATA_DIR "/lint/kinds");
    const LintRun text = runLint({"--sim", kSample, kinds});
    EXPECT_EQ(text.exitCode, 1) << text.err.toStdString();
    EXPECT_TRUE(text.out.endsWith('\n'));
    for (const QString& expected : {
             kinds + "/Values.scn:29: not-a-number: 'VROT x': the angular velocity 'x' is not a number and "
                     "is read as 0",
             kinds + "/Values.scn:30: level: 'FUEL 1.7': the fuel level 1.7 is outside 0 to 1",
             kinds + "/DateWord.scn:7: date: 'Date MJD sixty' holds no number; the start date is read as MJD "
                     "0, and "
                     "Save writes the value back as it stands",
             kinds + "/Extra.scn:31: extra-line: '%% lost in transfer %%' is no statement; it is kept as an "
                     "extra "
                     "line of the block",
             kinds +
                 "/Malformed.scn:46: malformed: 'RPOS 25' needs three values; the line is kept as it stands",
             kinds +
                 "/Periapsis.scn:15: periapsis: ship Buried: the periapsis of its orbit lies 1112.1 km below "
                 "the surface of Earth; validation accepts the ship, but its path runs into the ground",
         })
        EXPECT_TRUE(text.out.contains(expected + '\n')) << expected.toStdString() << "\n"
                                                        << text.out.toStdString();

    const LintRun run = runLint({"--sim", kSample, kinds, "--json"});
    EXPECT_EQ(run.exitCode, 1);
    QJsonParseError error;
    const QJsonArray findings = QJsonDocument::fromJson(run.out.toUtf8(), &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    EXPECT_EQ(findings.size(), text.out.count(u'\n'));
    QSet<QString> kindsFound;
    QVector<int> malformedLines;
    for (const QJsonValue& value : findings) {
        const QJsonObject f = value.toObject();
        EXPECT_EQ(f.keys(), (QStringList{"file", "kind", "line", "message", "subject"}));
        // Every finding of these files stands on a line.
        EXPECT_TRUE(f.value("line").isDouble()) << f.value("message").toString().toStdString();
        kindsFound.insert(f.value("kind").toString());
        if (f.value("file").toString().endsWith("/Malformed.scn"))
            malformedLines.append(f.value("line").toInt());
    }
    EXPECT_EQ(kindsFound, (QSet<QString>{"validation", "not-a-number", "level", "date", "malformed",
                                         "extra-line", "periapsis", "scan"}));
    QVector<int> expectedLines;
    for (int line = 22; line <= 46; ++line)
        expectedLines.append(line);
    EXPECT_EQ(malformedLines, expectedLines);
}

TEST(LintCommand, FindsNothingOnTheSampleByDefault)
{
    const LintRun run = runLint({"--sim", kSample});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_EQ(run.out.toStdString(), "");
    const LintRun json = runLint({"--sim", kSample, "--json"});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_TRUE(QJsonDocument::fromJson(json.out.toUtf8()).array().isEmpty());
}

TEST(LintCommand, UsageErrorsExitWithTwo)
{
    EXPECT_EQ(runLint({kTree}).exitCode, 2);
    EXPECT_EQ(runLint({"--sim", kSample, "--quick"}).exitCode, 2);
    EXPECT_EQ(runLint({"--sim", kTree}).exitCode, 2); // no simulator configuration there
    const LintRun missing = runLint({"--sim", kSample, kTree + "/Nowhere"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains("no such file or folder")) << missing.err.toStdString();
}

} // namespace
