#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

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
    const ScnRun run = corvaneScn({u"dump"_s, path});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out).object();
}

// The dump shows what a save keeps besides the cells: comments, sections and the date as read.
TEST(DumpCommand, ShowsCommentsSectionsAndTheDateText)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kept.scn"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BEGIN_DESC\r\nEND_DESC\r\nBEGIN_ENVIRONMENT\r\n  System Sol ; home\r\n  Date MJD 51544.51\r\n"
               "END_ENVIRONMENT\r\nBEGIN_HUD\r\n  Type Orbit\r\nEND_HUD\r\nBEGIN_SHIPS\r\n; first\r\n"
               "Tern:Skipper ; small\r\n  FUEL 0.123 ; full\r\nEND\r\nEND_SHIPS\r\n");
    file.close();
    const QJsonObject doc = dump(path);
    EXPECT_EQ(doc[u"startDateText"].toString(), u"MJD 51544.51"_s);
    const QJsonObject system = doc[u"comments"].toArray()[0].toObject();
    EXPECT_EQ(system[u"anchor"].toString(), u"System"_s);
    EXPECT_EQ(system[u"trailing"].toString(), u" ; home"_s);
    const QJsonObject hud = doc[u"sections"].toArray()[0].toObject();
    EXPECT_EQ(hud[u"opening"].toString(), u"BEGIN_HUD"_s);
    EXPECT_EQ(hud[u"after"].toString(), u"BEGIN_ENVIRONMENT"_s);
    EXPECT_EQ(hud[u"lines"].toArray(), (QJsonArray{u"BEGIN_HUD"_s, u"  Type Orbit"_s, u"END_HUD"_s}));
    const QJsonArray ship = doc[u"ships"].toArray()[0].toObject()[u"Comments"].toArray();
    ASSERT_EQ(ship.size(), 2);
    EXPECT_EQ(ship[0].toObject()[u"before"].toArray(), QJsonArray{u"; first"_s});
    EXPECT_EQ(ship[1].toObject()[u"anchor"].toString(), u"FUEL"_s);
}

TEST(DumpCommand, ShowsEveryCellAsTheEditorStoresIt)
{
    const QJsonObject doc = dump(cliFixture("cells.scn"));
    EXPECT_EQ(doc[u"description"].toString(), u"Cells as the editor stores them.\r\n"_s);
    EXPECT_EQ(doc[u"system"].toString(), u"Sol"_s);
    EXPECT_EQ(doc[u"focus"].toString(), u"Shuttle"_s);
    EXPECT_EQ(doc[u"focusCandidates"].toArray(), QJsonArray{u"Shuttle:Falcon"_s});
    EXPECT_EQ(doc[u"scanLog"].toString(), QString());
    const QJsonObject start = doc[u"start"].toObject();
    EXPECT_EQ(start[u"date"].toString(), u"2000-01-01"_s);
    EXPECT_EQ(start[u"hour"].toInt(), 16);
    EXPECT_EQ(start[u"minute"].toInt(), 48);

    const QJsonArray stations = doc[u"stations"].toArray();
    ASSERT_EQ(stations.size(), 2) << "only the rows in use, not the spare row";
    const QJsonObject gateway = stations[0].toObject();
    EXPECT_EQ(gateway.size(), 21) << "one key per column, extra lines, epoch text, keyword and comments included";
    EXPECT_EQ(gateway[u"SemiMajorAxis"].toString(), u"6.7E6 "_s);
    EXPECT_EQ(gateway[u"PeriapsisLongitude"].toString(), u"20 "_s);
    EXPECT_EQ(gateway[u"MeanLongitude"].toString(), u"30"_s);
    EXPECT_EQ(gateway[u"AngleX"].toString(), u"0 "_s);
    EXPECT_EQ(gateway[u"UseClassRotation"].toBool(false), true);
    EXPECT_EQ(gateway[u"EpochDate"].toString(), u"2000-01-01"_s);
    EXPECT_EQ(gateway[u"EpochHour"].toString(), u"12"_s);
    EXPECT_EQ(gateway[u"EpochMinute"].toString(), u"0"_s);
    const QJsonObject selene = stations[1].toObject();
    EXPECT_EQ(selene[u"RotationFrequency"].toString(), u"0.0125"_s);
    EXPECT_EQ(selene[u"UseClassRotation"].toBool(true), false);
    EXPECT_EQ(selene[u"EpochDate"].toString(u"none"_s), QString());

    const QJsonArray ships = doc[u"ships"].toArray();
    ASSERT_EQ(ships.size(), 1);
    const QJsonObject shuttle = ships[0].toObject();
    EXPECT_EQ(shuttle.size(), 24);
    EXPECT_TRUE(shuttle[u"Comments"].isArray());
    EXPECT_EQ(shuttle[u"RposX"].toString(), u"1"_s);
    EXPECT_EQ(shuttle[u"RposY"].toString(u"none"_s), QString());
    EXPECT_EQ(shuttle[u"RposZ"].toString(), u"2 3"_s);
    EXPECT_EQ(shuttle[u"Heading"].toString(), u"Toto"_s);
    EXPECT_EQ(shuttle[u"Fuel"].toString(), u"0.5"_s);
    for (const QString& key : shuttle.keys()) {
        if (key != u"Comments") {
            EXPECT_TRUE(shuttle[key].isString()) << key.toStdString();
        }
    }
}

TEST(DumpCommand, ReportsTheScanLog)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"broken.scn"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BEGIN_ENVIRONMENT\r\n  Date MJD 51544.5\r\nEND_ENVIRONMENT\r\nBEGIN_SHIPS\r\nA:Falcon\r\n"
               "  STATUS Docked Earth\r\nEND\r\nEND_SHIPS\r\n");
    file.close();
    const QJsonObject doc = dump(path);
    EXPECT_EQ(doc[u"scanLog"].toString(),
              u"Line 6 of "_s + path +
                  u": 'STATUS Docked Earth' needs body:station:dock; the line is kept as it stands. "
                  u"Can not open the file "_s + path);
    EXPECT_EQ(doc[u"ships"].toArray().size(), 1);
}

TEST(ScenarioCommands, RefuseBadUsageAndUnreadableFilesWithOneLine)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(u"missing.scn"_s);
    const QList<QStringList> calls{
        {u"dump"_s},
        {u"dump"_s, cliFixture("cells.scn"), cliFixture("cells.scn")},
        {u"dump"_s, missing},
        {u"dump"_s, dir.path()},
        {u"rewrite"_s, cliFixture("cells.scn")},
        {u"rewrite"_s, missing, dir.filePath(u"out.scn"_s)},
        {u"rewrite"_s, cliFixture("cells.scn"), dir.filePath(u"no/such/out.scn"_s)},
        {u"rewrite"_s, cliFixture("cells.scn"), dir.filePath(u"folder.scn"_s)},
        {u"dump"_s, dir.filePath(u"fifo.scn"_s)},
        {u"rewrite"_s, dir.filePath(u"fifo.scn"_s), dir.filePath(u"out.scn"_s)},
        {u"dump"_s, dir.filePath(u"zero.scn"_s)},
    };
    // A folder in the place of the output, and inputs that are no regular file: a FIFO would
    // block the tool for ever, a device would never end.
    QDir(dir.path()).mkdir(u"folder.scn"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath(u"fifo.scn"_s)).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, dir.filePath(u"zero.scn"_s)));
    for (const QStringList& args : calls) {
        const ScnRun run = corvaneScn(args);
        const QString call = args.join(u' ');
        EXPECT_EQ(run.exitCode, 2) << call.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << call.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << call.toStdString() << ": " << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(u"out.scn"_s)));
    EXPECT_TRUE(QFileInfo(dir.filePath(u"folder.scn"_s)).isDir());
}

TEST(RewriteCommand, IsAFixedPointForEverySampleScenario)
{
    QTemporaryDir dir;
    int scenarios = 0;
    QDirIterator it(QStringLiteral(CORVANE_SAMPLE_DIR "/Scenarios"), {u"*.scn"_s}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString once = dir.filePath(u"once.scn"_s);
        const QString twice = dir.filePath(u"twice.scn"_s);
        ASSERT_EQ(corvaneScn({u"rewrite"_s, source, once}).exitCode, 0) << source.toStdString();
        ASSERT_EQ(corvaneScn({u"rewrite"_s, once, twice}).exitCode, 0) << source.toStdString();
        EXPECT_EQ(fileBytes(once), fileBytes(twice)) << source.toStdString();
        ++scenarios;
    }
    EXPECT_GE(scenarios, 7);
}

TEST(RewriteCommand, KeepsEveryByteAbove127)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"out.scn"_s);
    ASSERT_EQ(corvaneScn({u"rewrite"_s, cliFixture("high_bytes.scn"), out}).exitCode, 0);
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
    const QString out = dir.filePath(u"out.scn"_s);
    const ScnRun run = corvaneScn({u"rewrite"_s, cliFixture("no_ships.scn"), out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("You must have at least one ship in the scenario !"));
    EXPECT_FALSE(QFile::exists(out));
}

} // namespace
