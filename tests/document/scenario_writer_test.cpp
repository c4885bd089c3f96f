#include "document/scenario_reader.h"
#include "document/scenario_writer.h"
#include "document/text_codec.h"
#include "document/text_file.h"
#include "qt_print.h"
#include "scenario_files.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A scenario as the editor holds it after validation: one station, and one ship of each kind.
Scenario validatedScenario()
{
    Scenario doc;
    doc.description = u"First line\r\nSecond line\r\n"_s;
    doc.planetarySystem = u" Sol "_s;
    doc.startDate = QDate(2000, 1, 1);
    doc.startHour = 10;
    doc.startMinute = 30;
    doc.shipFocus = u"Courier"_s;

    doc.stations.StationTableRedim(1);
    doc.stations.StationTableBlanking(0);
    StationRow& gateway = doc.stations[0];
    gateway.Name = u"Gateway"_s;
    gateway.ClassName = u"Ringstation"_s;
    gateway.RefPlanet = u"Earth"_s;
    gateway.EpochDate = QDate(2000, 1, 1);
    gateway.EpochHour = u"12"_s;
    gateway.EpochMinute = u"0"_s;
    gateway.SemiMajorAxis = u"6778000 "_s;
    gateway.Excentricity = u"0.0005 "_s;
    gateway.Inclination = u"51.6 "_s;
    gateway.AscendingNodeLongitude = u"10 "_s;
    gateway.PeriapsisLongitude = u"20 "_s;
    gateway.MeanLongitude = u"30"_s;
    gateway.AngleX = u"0 "_s;
    gateway.AngleY = u"90 "_s;
    gateway.AngleZ = u"0"_s;
    doc.stationNames = {u"Gateway"_s};

    doc.ships.ShipTableRedim(4);
    for (int i = 0; i < 4; ++i)
        doc.ships.ShipTableBlanking(i);
    ShipRow& landed = doc.ships[0];
    landed.Name = u"Shuttle"_s;
    landed.ClassName = u"Falcon"_s;
    landed.Status = u"Landed"_s;
    landed.Planet = u"Earth"_s;
    landed.Base = u"Cape Canaveral"_s;
    landed.Pad = u"2"_s;
    landed.Heading = u"90"_s;
    landed.Fuel = u"1"_s;
    landed.ExtraLines = u"  BEACON 482 ; transponder\r\n\r\n  LIGHTS On"_s;
    ShipRow& orbiting = doc.ships[1];
    orbiting.Name = u"Courier"_s;
    orbiting.ClassName = u"Hauler"_s;
    orbiting.Status = u"orbiting"_s;
    orbiting.Planet = u"Earth"_s;
    orbiting.RposX = u"1"_s;
    orbiting.RposY = QString();
    orbiting.RposZ = u"2 3"_s;
    orbiting.RvelY = u"7700"_s;
    orbiting.Vrot = u"abc"_s;
    orbiting.Fuel = u"0.5"_s;
    orbiting.MainEngine = u"0.25"_s;
    ShipRow& docked = doc.ships[2];
    docked.Name = u"Tender"_s;
    docked.ClassName = u"Skipper"_s;
    docked.Status = u"Docked"_s;
    docked.Planet = u"Earth"_s;
    docked.DockStation = u"Gateway"_s;
    docked.DockPort = u"3"_s;
    docked.Fuel = u"0.8"_s;
    ShipRow& adrift = doc.ships[3];
    adrift.Name = u"Wreck"_s;
    adrift.Status = u"Adrift"_s;
    doc.shipNames = {u"Shuttle"_s, u"Courier"_s, u"Tender"_s, u"Wreck"_s};
    return doc;
}

QStringList writtenLines(const Scenario& doc)
{
    return QString::fromLatin1(scenarioFileText(doc)).split(u"\r\n"_s);
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
                               "  BEACON 482 ; transponder",
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
    EXPECT_EQ(QString::fromLatin1(text).split(u"\r\n"_s), expected);
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
        {"read-from-a-file", u"a\r\nb\r\n"_s, {u"a"_s, u"b"_s}},
        {"typed-without-end", u"a\r\nb"_s, {u"a"_s, u"b"_s}},
        {"typed-with-lf", u"a\nb\n"_s, {u"a"_s, u"b"_s}},
        {"empty-last-line", u"a\r\n\r\n"_s, {u"a"_s, QString()}},
        {"one-empty-line", u"\r\n"_s, {QString()}},
    };
    for (const auto& c : cases) {
        Scenario doc = validatedScenario();
        doc.description = c.description;
        const QStringList lines = writtenLines(doc);
        EXPECT_EQ(lines.mid(1, lines.indexOf(u"END_DESC"_s) - 1), c.lines) << c.name;
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
        {"0.5", "0", {u"  ENGINE_MAIN 0.5"_s}},
        {"-0.25", "0.75", {u"  ENGINE_MAIN -0.25"_s, u"  ENGINE_HOVR 0.75"_s}},
        {"", "abc", {}},
    };
    for (const auto& c : cases) {
        ship.MainEngine = QString::fromLatin1(c.main);
        ship.HoverEngine = QString::fromLatin1(c.hover);
        const QStringList lines = writtenLines(doc);
        const qsizetype vrot = lines.indexOf(u"  VROT  0"_s);
        EXPECT_EQ(lines.mid(vrot + 1, c.lines.size() + 1), c.lines + QStringList{u"END"_s}) << c.main;
    }
    doc.ships[0].MainEngine = u"0.5"_s;
    EXPECT_FALSE(writtenLines(doc).contains(u"  ENGINE_MAIN 0.5"_s))
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
        {"1", "  FUEL  1"}, {"abc", "  FUEL  0"}, {" .5 ", "  FUEL  .5"}, {"0.650", "  FUEL  0.650"}, {"-0", "  FUEL -0"}};
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
        EXPECT_EQ(lines.filter(u"HEADING"_s), QStringList()) << heading;
        EXPECT_TRUE(lines.contains(u"  BASE Cape Canaveral:2"_s));
    }
}

TEST(Writer, RowsWithoutNameAndEpochsWithoutDateAreLeftOut)
{
    Scenario doc = validatedScenario();
    doc.stations.StationTableRedimPreserve(2);
    doc.stationNames << u"New Station"_s;
    doc.ships.ShipTableRedimPreserve(5);
    doc.shipNames << u"New Ship"_s;
    doc.stations[0].EpochDate = QDate();
    const QStringList lines = writtenLines(doc);
    EXPECT_FALSE(lines.contains(u":"_s)) << "no nameless block";
    EXPECT_EQ(lines.filter(u"EL_MJD"_s), QStringList());
    EXPECT_TRUE(hasWrittenShip(doc));

    doc.stations[0].Name.clear();
    for (int i = 0; i < 4; ++i)
        doc.ships[i].Name = u"  "_s;
    const QStringList empty = writtenLines(doc);
    EXPECT_FALSE(empty.contains(u"BEGIN_STATIONS"_s));
    EXPECT_FALSE(empty.contains(u"BEGIN_SHIPS"_s));
    EXPECT_FALSE(hasWrittenShip(doc));
    EXPECT_EQ(empty.mid(empty.size() - 4), (QStringList{u"END_MFD"_s, QString(), QString(), QString()}))
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
        {"class-with-angles", true, "Class value", {"0 ", "90 ", "0"}, {u"  AROT 0 90 0"_s}},
        {"own-frequency-keeps-angles",
         false,
         "0.0125",
         {"10 ", "0 ", "0"},
         {u"  AROT 10 0 0"_s, u"  ZROT_FREQUENCY 0.0125"_s}},
        {"own-frequency-no-angles", false, " 0.5 ", {"", "", ""}, {u"  ZROT_FREQUENCY 0.5"_s}},
        {"nothing-set", true, "", {"", " ", ""}, {}},
        {"empty-frequency", false, "", {"", "", "5"}, {u"  AROT   5"_s}},
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
        const qsizetype elements = lines.indexOf(u"  ELEMENTS 6778000 0.0005 51.6 10 20 30"_s);
        EXPECT_EQ(lines.mid(elements + 1, c.lines.size() + 1), c.lines + QStringList{u"END"_s}) << c.name;
    }

    Scenario bare = validatedScenario();
    StationRow& station = bare.stations[0];
    station.RefPlanet = u"  "_s;
    station.SemiMajorAxis = station.Excentricity = station.Inclination = QString();
    station.AscendingNodeLongitude = station.PeriapsisLongitude = station.MeanLongitude = QString();
    const QStringList lines = writtenLines(bare);
    const qsizetype block = lines.indexOf(u"Gateway:Ringstation"_s);
    EXPECT_EQ(lines.mid(block, 4),
              (QStringList{u"Gateway:Ringstation"_s, u"  EL_MJD 51544.5"_s, u"  AROT 0 90 0"_s, u"END"_s}));
}

// What is written reads back as the same scenario.
TEST(WriterAndReader, AgreeOnEveryValue)
{
    ScenarioFiles files;
    Scenario doc = validatedScenario();
    doc.stations[0].UseClassRotation = false;
    doc.stations[0].RotationFrequency = u"0.0125"_s;
    // Stored without its indentation, this line came back as a ship named "CARGO".
    doc.ships[0].ExtraLines += u"\r\n  CARGO:crates ; sealed"_s;
    doc.startHour = 16;
    doc.startMinute = 48;
    const QString path = files.path(u"Saved.scn"_s);
    const WriteResult saved = ScenarioFileSaving(path, doc);
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();

    const Scenario read = readScenario(path);
    EXPECT_FALSE(read.scanLog.LogError) << read.scanLog.LogMessage.toStdString();
    EXPECT_EQ(read.description, doc.description);
    EXPECT_EQ(read.startDate, doc.startDate);
    EXPECT_EQ(read.startHour, 16);
    EXPECT_EQ(read.startMinute, 48);
    EXPECT_EQ(read.shipFocus, doc.shipFocus);
    EXPECT_EQ(read.stations[0].RotationFrequency, u"0.0125"_s);
    EXPECT_FALSE(read.stations[0].UseClassRotation);
    EXPECT_EQ(read.stations[0].AngleY, u"90 "_s);
    EXPECT_EQ(read.shipNames, doc.shipNames);
    EXPECT_EQ(read.ships[0].ExtraLines, doc.ships[0].ExtraLines);
    EXPECT_EQ(read.ships[1].MainEngine, u"0.25"_s);
    EXPECT_EQ(read.ships[1].RposZ, u"2 3"_s);
    EXPECT_EQ(read.ships[2].DockPort, u"3"_s);
    EXPECT_TRUE(read.ships[3].Status.isEmpty()) << "a status the writer does not know is not written";
}

TEST(WriterAndReader, RewritingIsAFixedPointForEverySampleScenario)
{
    const QString root = QStringLiteral(CORVANE_SAMPLE_DIR "/Scenarios");
    const QStringList names{u"(Current state).scn"_s,
                            u"(Quicksave state).scn"_s,
                            u"Earth Orbit Rendezvous.scn"_s,
                            u"Kestrel/Harbor Run.scn"_s,
                            u"Tutorials/First Launch.scn"_s,
                            u"Tutorials/Advanced/Docking Practice.scn"_s,
                            u"Tutorials/Advanced/Mars Descent.scn"_s};
    for (const QString& name : names) {
        ScenarioFiles files;
        const Scenario original = readScenario(root + u'/' + name);
        EXPECT_FALSE(original.scanLog.LogError) << name.toStdString();
        EXPECT_FALSE(original.shipNames.isEmpty()) << name.toStdString();
        const QByteArray once = scenarioFileText(original);
        const QString path = files.writeBytes(u"once.scn"_s, once);
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
    const QString path = files.write(
        u"high.scn"_s,
        scenarioLines({}, {text + u":Falcon"_s, u"  STATUS Landed Earth"_s, u"  NOTE "_s + text, u"END"_s},
                      {text}));
    const Scenario doc = readScenario(path);
    EXPECT_EQ(doc.description, text + u"\r\n"_s);
    EXPECT_EQ(doc.shipNames, QStringList{text});
    EXPECT_EQ(doc.ships[0].ExtraLines, u"  NOTE "_s + text);
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
    for (const QString& name : {u"Earth Orbit Rendezvous.scn"_s, u"Kestrel/Harbor Run.scn"_s}) {
        const QStringList lines = *readTextLines(root + name);
        for (qsizetype drop = 0; drop < lines.size(); ++drop) {
            ScenarioFiles files;
            QStringList damaged = lines;
            damaged.removeAt(drop);
            const Scenario doc = readScenario(files.write(u"damaged.scn"_s, damaged));
            ASSERT_LE(doc.stationNames.size(), doc.stations.rowCount()) << drop;
            ASSERT_LE(doc.shipNames.size(), doc.ships.rowCount()) << drop;
            for (qsizetype i = 0; i < doc.shipNames.size(); ++i)
                ASSERT_EQ(doc.shipNames[i], doc.ships[i].Name) << drop;
            const QByteArray once = scenarioFileText(doc);
            const Scenario again = readScenario(files.writeBytes(u"once.scn"_s, once));
            EXPECT_EQ(scenarioFileText(again), once) << name.toStdString() << " without line " << drop;
        }
    }
}

// Inputs that used to change at every save: a class ending in a control character hidden by a
// blank, a focus or system holding a quoted comma, and epochs far beyond MJD 1E8.
TEST(WriterAndReader, RewritingIsAFixedPointForValuesThatUsedToDrift)
{
    struct Case
    {
        const char* name;
        QStringList environment; // replaces the environment and focus statements
        QStringList stations;
        QStringList ships;
    };
    const QStringList ship{u"Tug:Hauler"_s, u"  STATUS Landed Earth"_s, u"END"_s};
    const Case cases[] = {
        {"class ending in a tab and a blank", {}, {}, {u"Tugboat:Hauler\t "_s, u"  STATUS Landed Earth"_s, u"END"_s}},
        {"quoted comma in the focus", {u"  Ship \"Tug,boat\""_s}, {}, ship},
        {"quoted comma in the system", {u"  System \"Sol,2\""_s}, {}, ship},
        {"epoch beyond MJD 1E8",
         {},
         {u"Far:Ring"_s, u"  REF Earth"_s, u"  EL_MJD 123456789.7"_s, u"END"_s},
         ship},
        {"epoch near the date limit",
         {},
         {u"Far:Ring"_s, u"  REF Earth"_s, u"  EL_MJD 987654321.0117"_s, u"END"_s},
         ship},
    };
    for (const auto& c : cases) {
        ScenarioFiles files;
        QStringList lines = scenarioLines(c.stations, c.ships);
        for (const QString& statement : c.environment) {
            const QString key = statement.trimmed().section(u' ', 0, 0);
            const auto at = std::find_if(lines.begin(), lines.end(),
                                         [&](const QString& line) { return line.trimmed().startsWith(key); });
            ASSERT_NE(at, lines.end()) << c.name;
            *at = statement;
        }
        const Scenario first = readScenario(files.write(u"in.scn"_s, lines));
        const QByteArray once = scenarioFileText(first);
        const Scenario second = readScenario(files.writeBytes(u"once.scn"_s, once));
        EXPECT_EQ(scenarioFileText(second), once) << c.name;
        EXPECT_EQ(second.shipFocus, first.shipFocus) << c.name;
        EXPECT_EQ(second.planetarySystem, first.planetarySystem) << c.name;
    }
    ScenarioFiles files;
    QStringList lines = scenarioLines({}, ship);
    for (QString& line : lines) {
        if (line.startsWith(u"  Ship "_s))
            line = u"  Ship \"Tug,boat\""_s;
    }
    EXPECT_EQ(readScenario(files.write(u"focus.scn"_s, lines)).shipFocus, u"Tug,boat"_s);
}

// A scenario with one malformed line in each ship keeps every ship and every line through a read
// and a save, and its log names each line.
TEST(WriterAndReader, AMalformedLineInEveryShipLosesNothing)
{
    const QStringList malformed{u"  STATUS Docked Earth:Alpha"_s, u"  BASE Kourou"_s, u"  RPOS 1 2"_s,
                                u"  FUEL"_s, u"  STATUS Orbiting"_s};
    QStringList ships;
    for (qsizetype i = 0; i < malformed.size(); ++i)
        ships << u"Ship%1:Falcon"_s.arg(i) << u"  STATUS Landed Earth"_s << malformed[i] << u"  NOTE kept"_s
              << u"END"_s;
    ScenarioFiles files;
    const Scenario doc = readScenario(files.write(u"broken.scn"_s, scenarioLines(
        {u"Gateway:Ring"_s, u"  REF Earth"_s, u"  ELEMENTS 1 2 3"_s, u"  DOCKS 4"_s, u"END"_s}, ships)));
    ASSERT_EQ(doc.shipNames.size(), malformed.size());
    const QByteArray written = scenarioFileText(doc);
    for (const QString& line : malformed + QStringList{u"  ELEMENTS 1 2 3"_s, u"  DOCKS 4"_s, u"  NOTE kept"_s}) {
        EXPECT_TRUE(written.contains("\r\n" + line.toLatin1() + "\r\n")) << line.toStdString();
        EXPECT_TRUE(doc.scanLog.LogMessage.contains(u"'"_s + line.trimmed() + u"'"_s) ||
                    line.contains(u"NOTE"_s) || line.contains(u"DOCKS"_s))
            << line.toStdString();
    }
    EXPECT_EQ(doc.scanLog.LogMessage.count(u"the line is kept as it stands"_s), malformed.size() + 1);
    const Scenario again = readScenario(files.writeBytes(u"once.scn"_s, written));
    EXPECT_EQ(again.shipNames, doc.shipNames);
    EXPECT_EQ(scenarioFileText(again), written);
}

} // namespace
