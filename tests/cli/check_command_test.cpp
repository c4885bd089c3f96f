// corvane-scn check: the editor's validation of every station and ship, without a window.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QProcess>

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
    EXPECT_EQ(run.out.toStdString(),
              (file +
               ": station Low: The station orbit crosses the planet atmosphere or the planet surface; check "
               "the excentricity or the semi-major axis.\n" +
               file +
               ": station Low: The station orbit semi-major axis is equal to 6000000 m although the mean "
               "radius and atmosphere of Terra is equal to 6100000 m\n" +
               file +
               ": ship Sunk: The ship is located inside the planet; adjust the position parameters relative "
               "to reference.\n")
                  .toStdString());
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
    for (const auto& [name, bytes] : {std::pair{"empty.scn", QByteArray()}, std::pair{"binary.scn", binary}}) {
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
