// corvane-scn check: the editor's validation of every station and ship, without a window.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct CheckRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

CheckRun runCheck(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(CORVANE_SCN_BINARY), QStringList{QStringLiteral("check")} + args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QString kSim = QStringLiteral(CORVANE_TEST_DATA_DIR "/editing/sim");

TEST(CheckCommand, ReportsTheEditorsMessagesForAStationAndAShipInsideTheirPlanet)
{
    const QString file = kSim + "/Scenarios/Inside.scn";
    const CheckRun run = runCheck({"--sim", kSim, kSim + "/Scenarios/Harbour.scn", file});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_EQ(
        run.out.toStdString(),
        (file +
         ":15: station Low: The station orbit crosses the planet atmosphere or the planet surface; check "
         "the excentricity or the semi-major axis.\n" +
         file +
         ":15: station Low: The station orbit semi-major axis is equal to 6000000 m although the mean "
         "radius and atmosphere of Terra is equal to 6100000 m\n" +
         file +
         ":30: ship Sunk: The ship is located inside the planet; adjust the position parameters relative "
         "to reference.\n")
            .toStdString());
    EXPECT_EQ(run.err.toStdString(), "");
}

// One finding a line, each with its line where it has one, and no advice about a window.
TEST(CheckCommand, PrintsWhatTheReadFoundOneALineWithItsLine)
{
    const QString sample = QStringLiteral(CORVANE_SAMPLE_DIR);
    const QString kinds = QStringLiteral(CORVANE_TEST_DATA_DIR "/lint/kinds");
    const QString scan = QStringLiteral(CORVANE_TEST_DATA_DIR "/lint/tree/More/Scan.scn");

    // A malformed statement means the file could not be read whole: the check fails.
    const CheckRun malformed = runCheck({"--sim", sample, kinds + "/Malformed.scn", scan});
    EXPECT_EQ(malformed.exitCode, 1);
    EXPECT_EQ(malformed.err.toStdString(), "");
    const QStringList lines = malformed.out.split('\n');
    ASSERT_EQ(lines.size(), 25 + 1 + 1) << malformed.out.toStdString(); // the last one is empty
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(lines[i],
                  kinds + QStringLiteral("/Malformed.scn:%1: 'RPOS %2' needs three values; the line is "
                                         "kept as it stands")
                              .arg(22 + i)
                              .arg(i + 1));
    EXPECT_EQ(lines[25],
              scan + ":22: 'STATUS' needs a status word and a body; the line is kept as it stands");
    EXPECT_EQ(lines[26], "");
    EXPECT_FALSE(malformed.out.contains("Tools/Error Log"));

    // Values the reader reads as other numbers are told, and fail no check.
    const CheckRun values = runCheck({"--sim", sample, kinds + "/Extra.scn", kinds + "/DateWord.scn"});
    EXPECT_EQ(values.exitCode, 0) << values.out.toStdString();
    EXPECT_EQ(values.out.count('\n'), 5);
    EXPECT_TRUE(values.out.contains(kinds +
                                    "/Extra.scn:30: 'FEUL 0.5' is no statement of the editor (a misspelt "
                                    "FUEL?); it is kept as an extra line of the block\n"));
    EXPECT_TRUE(values.out.endsWith(kinds +
                                    "/DateWord.scn:7: 'Date MJD sixty' holds no number; the start date is "
                                    "read as MJD 0, and Save writes the value back as it stands\n"))
        << values.out.toStdString();

    const CheckRun unclosed = runCheck({"--sim", sample, kinds + "/Unclosed.scn"});
    EXPECT_EQ(unclosed.exitCode, 1);
    EXPECT_EQ(unclosed.out, kinds +
                                "/Unclosed.scn:14: the section 'BEGIN_SHIPS' is not read to its 'END_SHIPS' "
                                "line: the file ends first\n");
}

TEST(CheckCommand, ReportsNothingOnTheSample)
{
    const QString sample = QStringLiteral(CORVANE_SAMPLE_DIR);
    QStringList args{"--sim", sample};
    QDirIterator scenarios(sample + "/Scenarios", {"*.scn"}, QDir::Files, QDirIterator::Subdirectories);
    while (scenarios.hasNext())
        args.append(scenarios.next());
    ASSERT_GT(args.size(), 2);
    const CheckRun run = runCheck(args);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.toStdString(), "");
}

TEST(CheckCommand, AScenarioThatCouldNotBeReadFailsWithItsEntriesAsFindings)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(static_cast<char>((i * 7919) % 256));
    const QString harbour = kSim + "/Scenarios/Harbour.scn";
    for (const auto& [name, bytes] :
         {std::pair{"empty.scn", QByteArray()}, std::pair{"binary.scn", binary}}) {
        const QString file = dir.filePath(QString::fromLatin1(name));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        const CheckRun run = runCheck({"--sim", kSim, harbour, file});
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_TRUE(run.out.startsWith(file + ": The file ")) << run.out.toStdString();
        EXPECT_TRUE(run.out.contains("has no readable Date statement")) << run.out.toStdString();
        EXPECT_FALSE(run.out.contains(harbour)) << "the good file has no finding";
    }
}

TEST(CheckCommand, UsageErrorsAndUnreadableFilesExitWithTwo)
{
    const QString file = kSim + "/Scenarios/Harbour.scn";
    for (const QStringList& args :
         {QStringList{file}, QStringList{"--sim", kSim}, QStringList{"--sim", kSim, "--x", file},
          QStringList{"--sim", kSim, kSim + "/none.scn"}, QStringList{"--sim", kSim + "/Config", file}}) {
        const CheckRun run = runCheck(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_EQ(run.out.toStdString(), "");
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
}

} // namespace
