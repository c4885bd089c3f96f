#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct CommandRun
{
    int exitCode = -1;
    QJsonObject json;
    QByteArray err;
};

CommandRun runCatalogue(const QStringList& args)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(CORVANE_SCN_BINARY), QStringList{"catalogue"} + args);
    process.waitForFinished(30000);
    return {process.exitCode(), QJsonDocument::fromJson(process.readAllStandardOutput()).object(),
            process.readAllStandardError()};
}

QStringList texts(const QJsonValue& array, const QString& key = QString())
{
    QStringList result;
    for (const QJsonValue& value : array.toArray())
        result.append((key.isEmpty() ? value : value[key]).toVariant().toString());
    return result;
}

TEST(CatalogueCommand, ListsWhatTheSampleOffers)
{
    const CommandRun run = runCatalogue({"--sim", CORVANE_SAMPLE_DIR});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(texts(run.json["planetarySystems"], "name") + texts(run.json["planetarySystems"], "file"),
              (QStringList{"Kestrel", "Sol", "Kestrel.cfg", "Sol.cfg"}));
    EXPECT_EQ(texts(run.json["vesselClasses"], "name"), (QStringList{"Falcon", "Hauler", "Skipper"}));
    EXPECT_EQ(texts(run.json["stationClasses"], "name") + texts(run.json["stationClasses"], "docks"),
              (QStringList{"Outpost", "Ringstation", "Spindle", "2", "4", "12"}));
    EXPECT_EQ(texts(run.json["bodies"], "entry") + texts(run.json["bases"]),
              (QStringList{"Aurel", "   Tessa", "Brann", " Harbor: 2:Aurel"}));

    const CommandRun sol = runCatalogue({"--system", "Sol", "--sim", CORVANE_SAMPLE_DIR});
    const QJsonArray bodies = sol.json["bodies"].toArray();
    ASSERT_EQ(bodies.size(), 10);
    for (const QJsonValue& body : bodies) {
        for (const char* key : {"mass", "meanRadius", "rotationPeriod"})
            EXPECT_FALSE(body[key].toString().isEmpty())
                << body["entry"].toString().toStdString() << " " << key;
    }
    EXPECT_EQ(texts(QJsonArray{bodies[2], bodies[3]}, "entry") +
                  texts(QJsonArray{bodies[2], bodies[3]}, "atmosphereLimit"),
              (QStringList{"Earth", "   Moon", "200,000 m", "0 m"}));
    EXPECT_EQ(texts(sol.json["bases"]), (QStringList{" Cape Canaveral: 3:Earth", " Kourou: 2:Earth",
                                                     "Tranquility: 4:Moon", " Olympus: 12:Mars"}));
    EXPECT_EQ(run.json["scanLog"].toString() + sol.json["scanLog"].toString(), QString());

    const CommandRun unknown = runCatalogue({"--sim", CORVANE_SAMPLE_DIR, "--system", "Vulcan"});
    EXPECT_TRUE(unknown.json["scanLog"].toString().contains("Vulcan.cfg"));
}

TEST(CatalogueCommand, UsageErrorsAndForeignFoldersExitWithTwoAndOneLine)
{
    QTemporaryDir notSimulator;
    const QStringList cases[] = {
        {}, {"--sim"}, {"--sim", CORVANE_SAMPLE_DIR, "--bogus"}, {"--sim", notSimulator.path()}};
    for (const QStringList& args : cases) {
        const CommandRun run = runCatalogue(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
}

TEST(CatalogueCommand, ALargeSystemIsWrittenAsOneDocumentWouldBe)
{
    // More bodies than one piece of the written answer holds, none with a file of its own.
    QTemporaryDir sim;
    ASSERT_TRUE(QDir(sim.path()).mkpath("Config"));
    QFile settings(sim.filePath("corvane.cfg"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("ConfigDir = .\\Config\\\r\nScenarioDir = .\\Scenarios\\\r\n");
    settings.close();
    QByteArray system = "Name = Wide\r\nStar1 = Sun\r\n";
    for (int b = 1; b <= 2500; ++b)
        system += "Planet" + QByteArray::number(b) + " = World" + QByteArray::number(b) + "\r\n";
    QFile systemFile(sim.filePath("Config/Wide.cfg"));
    ASSERT_TRUE(systemFile.open(QIODevice::WriteOnly));
    systemFile.write(system);
    systemFile.close();

    QProcess process;
    process.start(QStringLiteral(CORVANE_SCN_BINARY), {"catalogue", "--sim", sim.path()});
    process.waitForFinished(60000);
    ASSERT_EQ(process.exitCode(), 0);
    const QByteArray out = process.readAllStandardOutput();
    const QJsonDocument document = QJsonDocument::fromJson(out);
    EXPECT_EQ(document.toJson(QJsonDocument::Indented), out) << "the same text as one document gives";
    const QJsonArray bodies = document["bodies"].toArray();
    ASSERT_EQ(bodies.size(), 2500);
    EXPECT_EQ(bodies[1000]["entry"].toString(), "World1001");
    EXPECT_EQ(bodies[2499]["atmosphereLimit"].toString(), "0 m");
    EXPECT_TRUE(document["scanLog"].toString().endsWith("were left out. "));
}

// The bodies are written field by field; the whole answer must still be the text that one
// document gives, for no bodies, a few, and values that JSON escapes.
TEST(CatalogueCommand, EveryAnswerIsTheTextOneDocumentGives)
{
    QTemporaryDir sim;
    ASSERT_TRUE(QDir(sim.path()).mkpath("Config"));
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(sim.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write("corvane.cfg", "ConfigDir = .\\Config\\\r\nScenarioDir = .\\Scenarios\\\r\n");
    write("Config/Empty.cfg", "Name = Empty\r\nStar1 = Sun\r\n");
    write("Config/Odd.cfg", "Name = Odd\r\nStar1 = Sun\r\nPlanet1 = Caf\xe9\r\nCaf\xe9"
                            "1 = Back\\slash\r\n");
    write("Config/Caf\xc3\xa9.cfg", "Mass = 1\t2\\\xe9 ; kg\r\nSize = 1500.5\r\n");
    const QStringList cases[] = {{"--sim", CORVANE_SAMPLE_DIR},
                                 {"--sim", sim.path(), "--system", "Empty"},
                                 {"--sim", sim.path(), "--system", "Odd"}};
    for (const QStringList& args : cases) {
        QProcess process;
        process.start(QStringLiteral(CORVANE_SCN_BINARY), QStringList{"catalogue"} + args);
        process.waitForFinished(30000);
        ASSERT_EQ(process.exitCode(), 0);
        const QByteArray out = process.readAllStandardOutput();
        const QJsonDocument document = QJsonDocument::fromJson(out);
        EXPECT_EQ(document.toJson(QJsonDocument::Indented), out) << args.join(' ').toStdString();
        if (args.contains("Odd")) {
            const QJsonArray bodies = document["bodies"].toArray();
            ASSERT_EQ(bodies.size(), 2);
            EXPECT_EQ(bodies[0]["mass"].toString(), QString::fromUtf8(" 1\t2\\\u00e9 kg"));
            EXPECT_EQ(bodies[1]["entry"].toString(), "   Back\\slash");
        }
    }
}

} // namespace
