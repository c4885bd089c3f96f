#include "document/scenario_reader.h"
#include "document/scenario_writer.h"
#include "document/text_codec.h"
#include "document/text_file.h"
#include "qt_print.h"
#include "scenario_files.h"

#include <gtest/gtest.h>

namespace {

// A scenario as the editor holds it after validation: one station, and one ship of each kind.
Scenario validatedScenario()
{
    Scenario doc;
    doc.description = QStringLiteral("First line\r\nSecond line\r\n");
    doc.planetarySystem = QStringLiteral(" Sol ");
    doc.startDate = QDate(2000, 1, 1);
    doc.startHour = 10;
    doc.startMinute = 30;
    doc.shipFocus = QStringLiteral("Courier");

    doc.stations.StationTableRedim(1);
    doc.stations.StationTableBlanking(0);
    StationRow& gateway = doc.stations[0];
    gateway.Name = QStringLiteral("Gateway");
    gateway.ClassName = QStringLiteral("Ringstation");
    gateway.RefPlanet = QStringLiteral("Earth");
    gateway.EpochDate = QDate(2000, 1, 1);
    gateway.EpochHour = QStringLiteral("12");
    gateway.EpochMinute = QStringLiteral("0");
    gateway.SemiMajorAxis = QStringLiteral("6778000 ");
    gateway.Excentricity = QStringLiteral("0.0005 ");
    gateway.Inclination = QStringLiteral("51.6 ");
    gateway.AscendingNodeLongitude = QStringLiteral("10 ");
    gateway.PeriapsisLongitude = QStringLiteral("20 ");
    gateway.MeanLongitude = QStringLiteral("30");
    gateway.AngleX = QStringLiteral("0 ");
    gateway.AngleY = QStringLiteral("90 ");
    gateway.AngleZ = QStringLiteral("0");
    doc.stationNames = {QStringLiteral("Gateway")};

    doc.ships.ShipTableRedim(4);
    for (int i = 0; i < 4; ++i)
        doc.ships.ShipTableBlanking(i);
    ShipRow& landed = doc.ships[0];
    landed.Name = QStringLiteral("Shuttle");
    landed.ClassName = QStringLiteral("Falcon");
    landed.Status = QStringLiteral("Landed");
    landed.Planet = QStringLiteral("Earth");
    landed.Base = QStringLiteral("Cape Canaveral");
    landed.Pad = QStringLiteral("2");
    landed.Heading = QStringLiteral("90");
    landed.Fuel = QStringLiteral("1");
    landed.ExtraLines = QStringLiteral("  XPDR 482 ; transponder\r\n\r\n  LIGHTS On");
    ShipRow& orbiting = doc.ships[1];
    orbiting.Name = QStringLiteral("Courier");
    orbiting.ClassName = QStringLiteral("Hauler");
    orbiting.Status = QStringLiteral("orbiting");
    orbiting.Planet = QStringLiteral("Earth");
    orbiting.RposX = QStringLiteral("1");
    orbiting.RposY = QString();
    orbiting.RposZ = QStringLiteral("2 3");
    orbiting.RvelY = QStringLiteral("7700");
    orbiting.Vrot = QStringLiteral("abc");
    orbiting.Fuel = QStringLiteral("0.5");
    orbiting.MainEngine = QStringLiteral("0.25");
    ShipRow& docked = doc.ships[2];
    docked.Name = QStringLiteral("Tender");
    docked.ClassName = QStringLiteral("Skipper");
    docked.Status = QStringLiteral("Docked");
    docked.Planet = QStringLiteral("Earth");
    docked.DockStation = QStringLiteral("Gateway");
    docked.DockPort = QStringLiteral("3");
    docked.Fuel = QStringLiteral("0.8");
    ShipRow& adrift = doc.ships[3];
    adrift.Name = QStringLiteral("Wreck");
    adrift.Status = QStringLiteral("Adrift");
    doc.shipNames = {QStringLiteral("Shuttle"), QStringLiteral("Courier"), QStringLiteral("Tender"),
                     QStringLiteral("Wreck")};
    return doc;
}

QStringList writtenLines(const Scenario& doc)
{
    return QString::fromLatin1(scenarioFileText(doc)).split(QStringLiteral("\r\n"));
}

TEST(Writer, WritesTheWholeFileInItsFixedOrder)
{
    const QByteArray text = scenarioFileText(validatedScenario());
    const QStringList expected{"BEGIN_DESC",
                               "First line",
                               "Second line",
                               "END_DESC",
                               "",
                               "BEGIN_ENVIRONMENT",
                               "  System Sol",
                               "  Date MJD 51544.4375",
                               "END_ENVIRONMENT",
                               "",
                               "BEGIN_FOCUS",
                               "  Ship Courier",
                               "END_FOCUS",
                               "",
                               "BEGIN_CAMERA",
                               "  Target Courier",
                               "  MODE Extern",
                               "  POS 40 -115.88 -24.15",
                               "  TRACKMODE TargetRelative",
                               "  FOV 20#",
                               "END_CAMERA",
                               "",
                               "BEGIN_HUD",
                               "  Type Surface",
                               "END_HUD",
                               "",
                               "BEGIN_MFD Left",
                               "  Type Surface",
                               "END_MFD",
                               "",
                               "BEGIN_MFD Right",
                               "  Type Launch",
                               "END_MFD",
                               "",
                               "BEGIN_STATIONS",
                               "Gateway:Ringstation",
                               "  REF Earth",
                               "  EL_MJD 51544.5",
                               "  ELEMENTS 6778000 0.0005 51.6 10 20 30",
                               "  AROT 0 90 0",
                               "END",
                               "END_STATIONS",
                               "",
                               "BEGIN_SHIPS",
                               "Shuttle:Falcon",
                               "  STATUS Landed Earth",
                               "  BASE Cape Canaveral:2",
                               "  HEADING 90",
                               "  FUEL  1",
                               "  XPDR 482 ; transponder",
                               "",
                               "  LIGHTS On",
                               "END",
                               "Courier:Hauler",
                               "  STATUS orbiting Earth",
                               "  FUEL  0.5",
                               "  RPOS 1  2 3",
                               "  RVEL 0 7700 0",
                               "  AROT 0 0 0",
                               "  VROT  0",
                               "  ENGINE_MAIN 0.25",
                               "END",
                               "Tender:Skipper",
                               "  STATUS Docked Earth:Gateway:3",
                               "  FUEL  0.8",
                               "END",
                               "Wreck:",
                               "END",
                               "END_SHIPS",
                               ""};
    EXPECT_EQ(QString::fromLatin1(text).split(QStringLiteral("\r\n")), expected);
    EXPECT_FALSE(text.contains("\n\n")) << "every line ends with CR LF";
}

TEST(Writer, DescriptionDoesNotGrowAndAnEmptyOneWritesNothing)
{
    struct Case
    {
        const char* name;
        QString description;
        QStringList lines;
    };
    const Case cases[] = {
        {"empty", QString(), {}},
        {"read-from-a-file", QStringLiteral("a\r\nb\r\n"), {QStringLiteral("a"), QStringLiteral("b")}},
        {"typed-without-end", QStringLiteral("a\r\nb"), {QStringLiteral("a"), QStringLiteral("b")}},
        {"typed-with-lf", QStringLiteral("a\nb\n"), {QStringLiteral("a"), QStringLiteral("b")}},
        {"empty-last-line", QStringLiteral("a\r\n\r\n"), {QStringLiteral("a"), QString()}},
        {"one-empty-line", QStringLiteral("\r\n"), {QString()}},
    };
    for (const auto& c : cases) {
        Scenario doc = validatedScenario();
        doc.description = c.description;
        const QStringList lines = writtenLines(doc);
        EXPECT_EQ(lines.mid(1, lines.indexOf(QStringLiteral("END_DESC")) - 1), c.lines) << c.name;
    }
}

TEST(Writer, EngineLevelsOfAnOrbitingShipAreWrittenWhenSet)
{
    Scenario doc = validatedScenario();
    ShipRow& ship = doc.ships[1];
    struct Case
    {
        const char* main;
        const char* hover;
        QStringList lines;
    };
    const Case cases[] = {
        {"0", "0", {}},
        {"0.5", "0", {QStringLiteral("  ENGINE_MAIN 0.5")}},
        {"-0.25", "0.75", {QStringLiteral("  ENGINE_MAIN -0.25"), QStringLiteral("  ENGINE_HOVR 0.75")}},
        {"", "abc", {}},
    };
    for (const auto& c : cases) {
        ship.MainEngine = QString::fromLatin1(c.main);
        ship.HoverEngine = QString::fromLatin1(c.hover);
        const QStringList lines = writtenLines(doc);
        const qsizetype vrot = lines.indexOf(QStringLiteral("  VROT  0"));
        EXPECT_EQ(lines.mid(vrot + 1, c.lines.size() + 1), c.lines + QStringList{QStringLiteral("END")})
            << c.main;
    }
    doc.ships[0].MainEngine = QStringLiteral("0.5");
    EXPECT_FALSE(writtenLines(doc).contains(QStringLiteral("  ENGINE_MAIN 0.5")))
        << "only orbiting ships have engine levels";
}

TEST(Writer, ConvertsLevelsAndAngularVelocity)
{
    struct Case
    {
        const char* cell;
        const char* line;
    };
    const Case fuels[] = {
        {"1", "  FUEL  1"}, {"abc", "  FUEL  0"}, {" .5 ", "  FUEL  0.5"}, {"0.650", "  FUEL  0.65"}};
    const Case vrots[] = {{"abc", "  VROT  0"}, {"-2", "  VROT -2"}, {" 1e-5", "  VROT  1E-05"}};
    Scenario doc = validatedScenario();
    for (const auto& c : fuels) {
        doc.ships[1].Fuel = QString::fromLatin1(c.cell);
        EXPECT_TRUE(writtenLines(doc).contains(QString::fromLatin1(c.line))) << c.cell;
    }
    for (const auto& c : vrots) {
        doc.ships[1].Vrot = QString::fromLatin1(c.cell);
        EXPECT_TRUE(writtenLines(doc).contains(QString::fromLatin1(c.line))) << c.cell;
    }
}

TEST(Writer, ALandedShipWithoutHeadingHasNoHeadingLine)
{
    for (const char* heading : {"Toto", "", "  "}) {
        Scenario doc = validatedScenario();
        doc.ships[0].Heading = QString::fromLatin1(heading);
        const QStringList lines = writtenLines(doc);
        EXPECT_EQ(lines.filter(QStringLiteral("HEADING")), QStringList()) << heading;
        EXPECT_TRUE(lines.contains(QStringLiteral("  BASE Cape Canaveral:2")));
    }
}

TEST(Writer, RowsWithoutNameAndEpochsWithoutDateAreLeftOut)
{
    Scenario doc = validatedScenario();
    doc.stations.StationTableRedimPreserve(2);
    doc.stationNames << QStringLiteral("New Station");
    doc.ships.ShipTableRedimPreserve(5);
    doc.shipNames << QStringLiteral("New Ship");
    doc.stations[0].EpochDate = QDate();
    const QStringList lines = writtenLines(doc);
    EXPECT_FALSE(lines.contains(QStringLiteral(":"))) << "no nameless block";
    EXPECT_EQ(lines.filter(QStringLiteral("EL_MJD")), QStringList());
    EXPECT_TRUE(hasWrittenShip(doc));

    doc.stations[0].Name.clear();
    for (int i = 0; i < 4; ++i)
        doc.ships[i].Name = QStringLiteral("  ");
    const QStringList empty = writtenLines(doc);
    EXPECT_FALSE(empty.contains(QStringLiteral("BEGIN_STATIONS")));
    EXPECT_FALSE(empty.contains(QStringLiteral("BEGIN_SHIPS")));
    EXPECT_FALSE(hasWrittenShip(doc));
    EXPECT_EQ(empty.mid(empty.size() - 4),
              (QStringList{QStringLiteral("END_MFD"), QString(), QString(), QString()}))
        << "no station section: two empty lines end the file";
}

TEST(Writer, StationRotationAndStatementsWithoutValues)
{
    struct Case
    {
        const char* name;
        bool useClass;
        const char* frequency;
        const char* angles[3];
        QStringList lines; // after the ELEMENTS line, up to END
    };
    const Case cases[] = {
        {"class-with-angles", true, "Class value", {"0 ", "90 ", "0"}, {QStringLiteral("  AROT 0 90 0")}},
        {"own-frequency-keeps-angles",
         false,
         "0.0125",
         {"10 ", "0 ", "0"},
         {QStringLiteral("  AROT 10 0 0"), QStringLiteral("  ZROT_FREQUENCY 0.0125")}},
        {"own-frequency-no-angles", false, " 0.5 ", {"", "", ""}, {QStringLiteral("  ZROT_FREQUENCY 0.5")}},
        {"nothing-set", true, "", {"", " ", ""}, {}},
        {"empty-frequency", false, "", {"", "", "5"}, {QStringLiteral("  AROT   5")}},
    };
    for (const auto& c : cases) {
        Scenario doc = validatedScenario();
        StationRow& station = doc.stations[0];
        station.UseClassRotation = c.useClass;
        station.RotationFrequency = QString::fromLatin1(c.frequency);
        station.AngleX = QString::fromLatin1(c.angles[0]);
        station.AngleY = QString::fromLatin1(c.angles[1]);
        station.AngleZ = QString::fromLatin1(c.angles[2]);
        const QStringList lines = writtenLines(doc);
        const qsizetype elements = lines.indexOf(QStringLiteral("  ELEMENTS 6778000 0.0005 51.6 10 20 30"));
        EXPECT_EQ(lines.mid(elements + 1, c.lines.size() + 1), c.lines + QStringList{QStringLiteral("END")})
            << c.name;
    }

    Scenario bare = validatedScenario();
    StationRow& station = bare.stations[0];
    station.RefPlanet = QStringLiteral("  ");
    station.SemiMajorAxis = station.Excentricity = station.Inclination = QString();
    station.AscendingNodeLongitude = station.PeriapsisLongitude = station.MeanLongitude = QString();
    const QStringList lines = writtenLines(bare);
    const qsizetype block = lines.indexOf(QStringLiteral("Gateway:Ringstation"));
    EXPECT_EQ(lines.mid(block, 4),
              (QStringList{QStringLiteral("Gateway:Ringstation"), QStringLiteral("  EL_MJD 51544.5"),
                           QStringLiteral("  AROT 0 90 0"), QStringLiteral("END")}));
}

// What is written reads back as the same scenario.
TEST(WriterAndReader, AgreeOnEveryValue)
{
    ScenarioFiles files;
    Scenario doc = validatedScenario();
    doc.stations[0].UseClassRotation = false;
    doc.stations[0].RotationFrequency = QStringLiteral("0.0125");
    doc.startHour = 16;
    doc.startMinute = 48;
    const QString path = files.path(QStringLiteral("Saved.scn"));
    const WriteResult saved = ScenarioFileSaving(path, doc);
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();

    const Scenario read = readScenario(path);
    EXPECT_FALSE(read.scanLog.LogError) << read.scanLog.LogMessage.toStdString();
    EXPECT_EQ(read.description, doc.description);
    EXPECT_EQ(read.startDate, doc.startDate);
    EXPECT_EQ(read.startHour, 16);
    EXPECT_EQ(read.startMinute, 48);
    EXPECT_EQ(read.shipFocus, doc.shipFocus);
    EXPECT_EQ(read.stations[0].RotationFrequency, QStringLiteral("0.0125"));
    EXPECT_FALSE(read.stations[0].UseClassRotation);
    EXPECT_EQ(read.stations[0].AngleY, QStringLiteral("90 "));
    EXPECT_EQ(read.shipNames, doc.shipNames);
    EXPECT_EQ(read.ships[0].ExtraLines, doc.ships[0].ExtraLines);
    EXPECT_EQ(read.ships[1].MainEngine, QStringLiteral("0.25"));
    EXPECT_EQ(read.ships[1].RposZ, QStringLiteral("2 3"));
    EXPECT_EQ(read.ships[2].DockPort, QStringLiteral("3"));
    EXPECT_TRUE(read.ships[3].Status.isEmpty()) << "a status the writer does not know is not written";
}

TEST(WriterAndReader, RewritingIsAFixedPointForEverySampleScenario)
{
    const QString root = QStringLiteral(CORVANE_SAMPLE_DIR "/Scenarios");
    const QStringList names{QStringLiteral("(Current state).scn"),
                            QStringLiteral("(Quicksave state).scn"),
                            QStringLiteral("Earth Orbit Rendezvous.scn"),
                            QStringLiteral("Kestrel/Harbor Run.scn"),
                            QStringLiteral("Tutorials/First Launch.scn"),
                            QStringLiteral("Tutorials/Advanced/Docking Practice.scn"),
                            QStringLiteral("Tutorials/Advanced/Mars Descent.scn")};
    for (const QString& name : names) {
        ScenarioFiles files;
        const Scenario original = readScenario(root + u'/' + name);
        EXPECT_FALSE(original.scanLog.LogError) << name.toStdString();
        EXPECT_FALSE(original.shipNames.isEmpty()) << name.toStdString();
        const QByteArray once = scenarioFileText(original);
        const QString path = files.writeBytes(QStringLiteral("once.scn"), once);
        const Scenario again = readScenario(path);
        EXPECT_EQ(scenarioFileText(again), once) << name.toStdString();
        EXPECT_EQ(again.description, original.description) << name.toStdString();
        EXPECT_EQ(again.shipNames, original.shipNames) << name.toStdString();
        EXPECT_EQ(again.stationNames, original.stationNames) << name.toStdString();
    }
}

TEST(WriterAndReader, EveryByteAbove127SurvivesInDescriptionNameAndExtraLines)
{
    ScenarioFiles files;
    QByteArray high;
    for (int b = 128; b < 256; ++b)
        high.append(static_cast<char>(b));
    const QString text = decodeWindows1252(high);
    const QString path =
        files.write(QStringLiteral("high.scn"),
                    scenarioLines({},
                                  {text + QStringLiteral(":Falcon"), QStringLiteral("  STATUS Landed Earth"),
                                   QStringLiteral("  NOTE ") + text, QStringLiteral("END")},
                                  {text}));
    const Scenario doc = readScenario(path);
    EXPECT_EQ(doc.description, text + QStringLiteral("\r\n"));
    EXPECT_EQ(doc.shipNames, QStringList{text});
    EXPECT_EQ(doc.ships[0].ExtraLines, QStringLiteral("  NOTE ") + text);
    const QByteArray written = scenarioFileText(doc);
    EXPECT_TRUE(written.contains("BEGIN_DESC\r\n" + high + "\r\nEND_DESC"));
    EXPECT_TRUE(written.contains("\r\n" + high + ":Falcon\r\n"));
    EXPECT_TRUE(written.contains("\r\n  NOTE " + high + "\r\nEND"));
}

// Every sample scenario with one line left out still reads into aligned lists and writes a
// file that reads back the same.
TEST(WriterAndReader, DamagedFilesStayConsistent)
{
    const QString root = QStringLiteral(CORVANE_SAMPLE_DIR "/Scenarios/");
    for (const QString& name :
         {QStringLiteral("Earth Orbit Rendezvous.scn"), QStringLiteral("Kestrel/Harbor Run.scn")}) {
        const QStringList lines = *readTextLines(root + name);
        for (qsizetype drop = 0; drop < lines.size(); ++drop) {
            ScenarioFiles files;
            QStringList damaged = lines;
            damaged.removeAt(drop);
            const Scenario doc = readScenario(files.write(QStringLiteral("damaged.scn"), damaged));
            ASSERT_LE(doc.stationNames.size(), doc.stations.rowCount()) << drop;
            ASSERT_LE(doc.shipNames.size(), doc.ships.rowCount()) << drop;
            for (qsizetype i = 0; i < doc.shipNames.size(); ++i)
                ASSERT_EQ(doc.shipNames[i], doc.ships[i].Name) << drop;
            const QByteArray once = scenarioFileText(doc);
            const Scenario again = readScenario(files.writeBytes(QStringLiteral("once.scn"), once));
            EXPECT_EQ(scenarioFileText(again), once) << name.toStdString() << " without line " << drop;
        }
    }
}

} // namespace
