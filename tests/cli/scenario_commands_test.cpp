#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ScnRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ScnRun corvaneScn(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(CORVANE_SCN_BINARY), args);
    ScnRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QString cliFixture(const char* name)
{
    return QStringLiteral(CORVANE_TEST_DATA_DIR "/cli/") + QString::fromLatin1(name);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject dump(const QString& path)
{
    const ScnRun run = corvaneScn({QStringLiteral("dump"), path});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out).object();
}

TEST(DumpCommand, ShowsEveryCellAsTheEditorStoresIt)
{
    const QJsonObject doc = dump(cliFixture("cells.scn"));
    EXPECT_EQ(doc[u"description"].toString(), QStringLiteral("Cells as the editor stores them.\r\n"));
    EXPECT_EQ(doc[u"system"].toString(), QStringLiteral("Sol"));
    EXPECT_EQ(doc[u"focus"].toString(), QStringLiteral("Shuttle"));
    EXPECT_EQ(doc[u"focusCandidates"].toArray(), QJsonArray{QStringLiteral("Shuttle:Falcon")});
    EXPECT_EQ(doc[u"scanLog"].toString(), QString());
    const QJsonObject start = doc[u"start"].toObject();
    EXPECT_EQ(start[u"date"].toString(), QStringLiteral("2000-01-01"));
    EXPECT_EQ(start[u"hour"].toInt(), 16);
    EXPECT_EQ(start[u"minute"].toInt(), 48);

    const QJsonArray stations = doc[u"stations"].toArray();
    ASSERT_EQ(stations.size(), 2) << "only the rows in use, not the spare row";
    const QJsonObject gateway = stations[0].toObject();
    EXPECT_EQ(gateway.size(), 17);
    EXPECT_EQ(gateway[u"SemiMajorAxis"].toString(), QStringLiteral("6.7E6 "));
    EXPECT_EQ(gateway[u"PeriapsisLongitude"].toString(), QStringLiteral("20 "));
    EXPECT_EQ(gateway[u"MeanLongitude"].toString(), QStringLiteral("30"));
    EXPECT_EQ(gateway[u"AngleX"].toString(), QStringLiteral("0 "));
    EXPECT_EQ(gateway[u"UseClassRotation"].toBool(false), true);
    EXPECT_EQ(gateway[u"EpochDate"].toString(), QStringLiteral("2000-01-01"));
    EXPECT_EQ(gateway[u"EpochHour"].toString(), QStringLiteral("12"));
    EXPECT_EQ(gateway[u"EpochMinute"].toString(), QStringLiteral("0"));
    const QJsonObject selene = stations[1].toObject();
    EXPECT_EQ(selene[u"RotationFrequency"].toString(), QStringLiteral("0.0125"));
    EXPECT_EQ(selene[u"UseClassRotation"].toBool(true), false);
    EXPECT_EQ(selene[u"EpochDate"].toString(QStringLiteral("none")), QString());

    const QJsonArray ships = doc[u"ships"].toArray();
    ASSERT_EQ(ships.size(), 1);
    const QJsonObject shuttle = ships[0].toObject();
    EXPECT_EQ(shuttle.size(), 23);
    EXPECT_EQ(shuttle[u"RposX"].toString(), QStringLiteral("1"));
    EXPECT_EQ(shuttle[u"RposY"].toString(QStringLiteral("none")), QString());
    EXPECT_EQ(shuttle[u"RposZ"].toString(), QStringLiteral("2 3"));
    EXPECT_EQ(shuttle[u"Heading"].toString(), QStringLiteral("Toto"));
    EXPECT_EQ(shuttle[u"Fuel"].toString(), QStringLiteral("0.5"));
    for (const QString& key : shuttle.keys())
        EXPECT_TRUE(shuttle[key].isString()) << key.toStdString();
}

TEST(DumpCommand, ReportsTheScanLog)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("broken.scn"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BEGIN_ENVIRONMENT\r\n  Date MJD 51544.5\r\nEND_ENVIRONMENT\r\nBEGIN_SHIPS\r\nA:Falcon\r\n"
               "  STATUS Docked Earth\r\nEND\r\nEND_SHIPS\r\n");
    file.close();
    const QJsonObject doc = dump(path);
    EXPECT_EQ(doc[u"scanLog"].toString(), QStringLiteral("Can not open the file ") + path);
    EXPECT_EQ(doc[u"ships"].toArray().size(), 1);
}

TEST(ScenarioCommands, RefuseBadUsageAndUnreadableFilesWithOneLine)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.scn"));
    const QList<QStringList> calls{
        {QStringLiteral("dump")},
        {QStringLiteral("dump"), cliFixture("cells.scn"), cliFixture("cells.scn")},
        {QStringLiteral("dump"), missing},
        {QStringLiteral("dump"), dir.path()},
        {QStringLiteral("rewrite"), cliFixture("cells.scn")},
        {QStringLiteral("rewrite"), missing, dir.filePath(QStringLiteral("out.scn"))},
        {QStringLiteral("rewrite"), cliFixture("cells.scn"), dir.filePath(QStringLiteral("no/such/out.scn"))},
    };
    for (const QStringList& args : calls) {
        const ScnRun run = corvaneScn(args);
        const QString call = args.join(u' ');
        EXPECT_EQ(run.exitCode, 2) << call.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << call.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << call.toStdString() << ": " << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out.scn"))));
}

TEST(RewriteCommand, IsAFixedPointForEverySampleScenario)
{
    QTemporaryDir dir;
    int scenarios = 0;
    QDirIterator it(QStringLiteral(CORVANE_SAMPLE_DIR "/Scenarios"), {QStringLiteral("*.scn")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString once = dir.filePath(QStringLiteral("once.scn"));
        const QString twice = dir.filePath(QStringLiteral("twice.scn"));
        ASSERT_EQ(corvaneScn({QStringLiteral("rewrite"), source, once}).exitCode, 0) << source.toStdString();
        ASSERT_EQ(corvaneScn({QStringLiteral("rewrite"), once, twice}).exitCode, 0) << source.toStdString();
        EXPECT_EQ(fileBytes(once), fileBytes(twice)) << source.toStdString();
        ++scenarios;
    }
    EXPECT_GE(scenarios, 7);
}

TEST(RewriteCommand, KeepsEveryByteAbove127)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.scn"));
    ASSERT_EQ(corvaneScn({QStringLiteral("rewrite"), cliFixture("high_bytes.scn"), out}).exitCode, 0);
    QByteArray high;
    for (int b = 128; b < 256; ++b)
        high.append(static_cast<char>(b));
    const QByteArray written = fileBytes(out);
    EXPECT_TRUE(written.contains("Every byte above 127:\r\n" + high + "\r\nEND_DESC\r\n")) << "description";
    EXPECT_TRUE(written.contains("\r\n  Ship " + high + "\r\n")) << "focus";
    EXPECT_TRUE(written.contains("\r\n" + high + ":Falcon\r\n")) << "ship name";
    EXPECT_TRUE(written.contains("\r\n  NOTE " + high + "\r\nEND\r\n")) << "extra line";
}

TEST(RewriteCommand, RefusesAScenarioWithoutShipsLikeTheEditor)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.scn"));
    const ScnRun run = corvaneScn({QStringLiteral("rewrite"), cliFixture("no_ships.scn"), out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("You must have at least one ship in the scenario !"));
    EXPECT_FALSE(QFile::exists(out));
}

} // namespace
