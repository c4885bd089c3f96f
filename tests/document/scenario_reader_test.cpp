#include "document/dates.h"
#include "document/safe_write.h"
#include "document/scenario_reader.h"
#include "qt_print.h"
#include "scenario_files.h"

#include <gtest/gtest.h>

namespace {

QString failure(const QString& path)
{
    return QStringLiteral("Can not open the file ") + path;
}

QString dateEntry(const QString& path)
{
    return QStringLiteral("The file ") + path +
           QStringLiteral(" has no readable Date statement; the start date is set to 2000-01-01 12:00. ");
}

// The file as scenarioLines writes it, with the environment section replaced.
QStringList withEnvironment(const QStringList& environment,
                            const QStringList& ships = {QStringLiteral("Shuttle:Falcon"),
                                                        QStringLiteral("END")})
{
    QStringList lines = scenarioLines({}, ships);
    const qsizetype begin = lines.indexOf(QStringLiteral("BEGIN_ENVIRONMENT"));
    lines.remove(begin + 1, 2);
    for (qsizetype i = 0; i < environment.size(); ++i)
        lines.insert(begin + 1 + i, environment[i]);
    return lines;
}

TEST(ReaderStartDate, ConvertsEveryDateKindAndFallsBackWhenThereIsNone)
{
    struct Case
    {
        const char* name;
        QString statement; // empty: no Date line
        QDate date;
        int hour;
        int minute;
        bool fallback;
    };
    const QDate y2k(2000, 1, 1);
    const Case cases[] = {
        {"mjd", QStringLiteral("  Date MJD 51544.5"), y2k, 12, 0, false},
        {"jd", QStringLiteral("  Date JD 2451545.0"), y2k, 12, 0, false},
        {"je", QStringLiteral("  Date JE 2000.0"), y2k, 12, 0, false},
        {"other-kind-is-mjd", QStringLiteral("  Date XYZ 51544.5"), y2k, 12, 0, false},
        {"kind-case-counts", QStringLiteral("  Date jd 51544.25"), y2k, 6, 0, false},
        {"minute-kept", QStringLiteral("  Date MJD 51544.7"), y2k, 16, 48, false},
        {"seconds-dropped", QStringLiteral("  Date MJD 51544.70069"), y2k, 16, 48, false},
        {"comment", QStringLiteral("  Date MJD 51544.5 ; noon"), y2k, 12, 0, false},
        {"short", QStringLiteral("  Date MJD"), y2k, 12, 0, true},
        {"missing", QString(), y2k, 12, 0, true},
    };
    for (const auto& c : cases) {
        ScenarioFiles files;
        QStringList environment{QStringLiteral("  System Sol")};
        if (!c.statement.isEmpty())
            environment << c.statement;
        const QString path = files.write(QStringLiteral("date.scn"), withEnvironment(environment));
        const Scenario doc = readScenario(path);
        EXPECT_EQ(doc.startDate, c.date) << c.name;
        EXPECT_EQ(doc.startHour, c.hour) << c.name;
        EXPECT_EQ(doc.startMinute, c.minute) << c.name;
        EXPECT_EQ(doc.scanLog.LogMessage, c.fallback ? dateEntry(path) : QString()) << c.name;
    }
}

TEST(ReaderEnvironment, LooksUpEachStatementInItsOwnSection)
{
    ScenarioFiles files;
    const QString path = files.write(
        QStringLiteral("sections.scn"),
        scenarioLines({},
                      {QStringLiteral("Shuttle:Falcon"), QStringLiteral("END"),
                       QStringLiteral("Shipwreck:Hauler"), QStringLiteral("  System Kestrel"),
                       QStringLiteral("END")},
                      {QStringLiteral("Date of the flight: tomorrow"), QStringLiteral("Ship name: none")}));
    const Scenario doc = readScenario(path);
    EXPECT_EQ(doc.planetarySystem, QStringLiteral("Sol"));
    EXPECT_EQ(doc.startDate, QDate(2000, 1, 1));
    EXPECT_EQ(doc.startHour, 12);
    EXPECT_EQ(doc.shipFocus, QStringLiteral("Shuttle"));
    EXPECT_DOUBLE_EQ(doc.julianDate, 51544.5 - kMjdOffset);
}

TEST(ReaderEnvironment, FileWithoutSectionsKeepsTheWholeFileLookUp)
{
    ScenarioFiles files;
    const QString path =
        files.write(QStringLiteral("loose.scn"),
                    {QStringLiteral("System Sol ; home"), QStringLiteral("Date MJD 51544.25"),
                     QStringLiteral("Ship Shipwreck"), QStringLiteral("BEGIN_SHIPS"),
                     QStringLiteral("Shipwreck:Hauler"), QStringLiteral("END"), QStringLiteral("END_SHIPS")});
    const Scenario doc = readScenario(path);
    EXPECT_EQ(doc.planetarySystem, QStringLiteral("Sol"));
    EXPECT_EQ(doc.startHour, 6);
    // The ship block line stands behind the focus statement and begins with "Ship".
    EXPECT_EQ(doc.shipFocus, QStringLiteral("wreck:Hauler"));
    EXPECT_FALSE(doc.scanLog.LogError);
}

TEST(ReaderEnvironment, MissingFocusAndSystemGiveEmptyNames)
{
    ScenarioFiles files;
    QStringList lines = withEnvironment({QStringLiteral("  Date MJD 51544.5")});
    lines.removeAll(QStringLiteral("  Ship Shuttle"));
    const Scenario doc = readScenario(files.write(QStringLiteral("bare.scn"), lines));
    EXPECT_TRUE(doc.planetarySystem.isEmpty());
    EXPECT_TRUE(doc.shipFocus.isEmpty());
    EXPECT_FALSE(doc.scanLog.LogError);
}

TEST(ReaderDescription, KeepsEachLineAndIgnoresSectionWordsInIt)
{
    ScenarioFiles files;
    const QString path =
        files.write(QStringLiteral("desc.scn"),
                    scenarioLines({QStringLiteral("Gateway:Ringstation"), QStringLiteral("  REF Earth"),
                                   QStringLiteral("END")},
                                  {QStringLiteral("Shuttle:Falcon"), QStringLiteral("END")},
                                  {QStringLiteral("  indented"), QStringLiteral("BEGIN_SHIPS"),
                                   QStringLiteral("Ghost:Falcon"), QString(), QStringLiteral("end")}));
    const Scenario doc = readScenario(path);
    EXPECT_EQ(doc.description, QStringLiteral("  indented\r\nBEGIN_SHIPS\r\nGhost:Falcon\r\n\r\nend\r\n"));
    EXPECT_EQ(doc.stationNames, QStringList{QStringLiteral("Gateway")});
    EXPECT_EQ(doc.shipNames, QStringList{QStringLiteral("Shuttle")});
    EXPECT_EQ(doc.possibleShipFocus, QStringList{QStringLiteral("Shuttle:Falcon")});
}

TEST(ReaderDescription, WithoutEndDescTheWholeFileIsDescription)
{
    ScenarioFiles files;
    QStringList lines = scenarioLines({}, {QStringLiteral("Shuttle:Falcon"), QStringLiteral("END")});
    lines.removeAll(QStringLiteral("END_DESC"));
    const QString path = files.write(QStringLiteral("open.scn"), lines);
    const Scenario doc = readScenario(path);
    EXPECT_TRUE(doc.description.endsWith(QStringLiteral("END_SHIPS\r\n")));
    EXPECT_TRUE(doc.shipNames.isEmpty());
    EXPECT_EQ(doc.scanLog.LogMessage, QStringLiteral("The description of the file ") + path +
                                          QStringLiteral(" has no END_DESC line; the whole file is read as "
                                                         "description. "));
}

TEST(ReaderStations, StoresEachStatementAsCut)
{
    ScenarioFiles files;
    const QString path =
        files.write(QStringLiteral("stations.scn"),
                    scenarioLines({QStringLiteral("Gateway:Ringstation"),
                                   QStringLiteral("  REF Earth"),
                                   QStringLiteral("  EL_MJD 51544.7"),
                                   QStringLiteral("  ELEMENTS 6.7E6 0.5 51.6 10 20 30"),
                                   QStringLiteral("  AROT 0 90 0 ; tilted"),
                                   QStringLiteral("END"),
                                   QStringLiteral("Selene:Outpost  "),
                                   QStringLiteral("  REF Moon"),
                                   QStringLiteral("  ZROT_FREQ 0.0125"),
                                   QStringLiteral("  EXTRA 1"),
                                   QStringLiteral("END"),
                                   QString(),
                                   QStringLiteral("; a remark between blocks"),
                                   QString(),
                                   QStringLiteral("Lonely"),
                                   QStringLiteral("  ZROT_FREQUENCY 0.02"),
                                   QStringLiteral("END"),
                                   QStringLiteral("Refinery:Outpost ; no REF line"),
                                   QStringLiteral("  AROT 1 2"),
                                   QStringLiteral("END")},
                                  {QStringLiteral("Shuttle:Falcon"), QStringLiteral("END")}));
    const Scenario doc = readScenario(path);
    EXPECT_FALSE(doc.scanLog.LogError) << doc.scanLog.LogMessage.toStdString();
    ASSERT_EQ(doc.stationNames, (QStringList{QStringLiteral("Gateway"), QStringLiteral("Selene"),
                                             QStringLiteral("Lonely"), QStringLiteral("Refinery")}));
    ASSERT_EQ(doc.stations.rowCount(), 5) << "one row per counted line and one spare";

    const StationRow& gateway = doc.stations[0];
    EXPECT_EQ(gateway.ClassName, QStringLiteral("Ringstation"));
    EXPECT_EQ(gateway.RefPlanet, QStringLiteral("Earth"));
    EXPECT_EQ(gateway.EpochDate, QDate(2000, 1, 1));
    EXPECT_EQ(gateway.EpochHour, QStringLiteral("16"));
    EXPECT_EQ(gateway.EpochMinute, QStringLiteral("48"));
    const QStringList elements{gateway.SemiMajorAxis,      gateway.Excentricity,
                               gateway.Inclination,        gateway.AscendingNodeLongitude,
                               gateway.PeriapsisLongitude, gateway.MeanLongitude};
    EXPECT_EQ(elements,
              (QStringList{QStringLiteral("6.7E6 "), QStringLiteral("0.5 "), QStringLiteral("51.6 "),
                           QStringLiteral("10 "), QStringLiteral("20 "), QStringLiteral("30")}));
    EXPECT_EQ(gateway.AngleX, QStringLiteral("0 "));
    EXPECT_EQ(gateway.AngleY, QStringLiteral("90 "));
    EXPECT_EQ(gateway.AngleZ, QStringLiteral("0"));
    EXPECT_TRUE(gateway.UseClassRotation);

    const StationRow& selene = doc.stations[1];
    EXPECT_EQ(selene.ClassName, QStringLiteral("Outpost"));
    EXPECT_EQ(selene.RotationFrequency, QStringLiteral("0.0125"));
    EXPECT_FALSE(selene.UseClassRotation);
    EXPECT_FALSE(selene.EpochDate.isValid());

    const StationRow& lonely = doc.stations[2];
    EXPECT_EQ(lonely.ClassName, QStringLiteral("Lonely"));
    EXPECT_EQ(lonely.RotationFrequency, QStringLiteral("0.02")) << "the editor's own keyword reads back";

    const StationRow& refinery = doc.stations[3];
    EXPECT_EQ(refinery.RefPlanet, QString()) << "a block line is no REF statement";
    EXPECT_EQ(refinery.AngleX, QStringLiteral("1 "));
    EXPECT_EQ(refinery.AngleY, QString());
    EXPECT_EQ(refinery.AngleZ, QStringLiteral("2"));

    EXPECT_TRUE(doc.stations[4].UseClassRotation) << "the spare row is blanked";
    EXPECT_DOUBLE_EQ(doc.julianDate, 51544.7 - kMjdOffset);
}

TEST(ReaderShips, StoresEachStatementAndKeepsOtherLinesAsTheyStand)
{
    ScenarioFiles files;
    const QString path =
        files.write(QStringLiteral("ships.scn"),
                    scenarioLines({}, {QStringLiteral("Shuttle:Falcon"),
                                       QStringLiteral("  STATUS Landed Earth"),
                                       QStringLiteral("  BASE Cape Canaveral:2 ; east pad"),
                                       QStringLiteral("  HEADING 90"),
                                       QStringLiteral("  FUEL abc"),
                                       QStringLiteral("END"),
                                       QStringLiteral("Status Quo:Hauler"),
                                       QStringLiteral("  STATUS Docked Earth:Gateway:2 ; upper ring"),
                                       QStringLiteral("  FUEL 0.0"),
                                       QStringLiteral("END"),
                                       QStringLiteral("Orbiter:Skipper"),
                                       QStringLiteral("  STATUS Orbiting Earth"),
                                       QStringLiteral("  RPOS 1  2 3"),
                                       QStringLiteral("  RVEL 4 5 6"),
                                       QStringLiteral("  AROT 7 8 9"),
                                       QStringLiteral("  VROT -2"),
                                       QStringLiteral("  FUEL 0.75"),
                                       QStringLiteral("  ENGINE_MAIN 0.5"),
                                       QStringLiteral("  ENGINE_HOVR 0.25"),
                                       QStringLiteral("    XPDR 482 ; transponder"),
                                       QStringLiteral("  ; note: keep: this"),
                                       QString(),
                                       QStringLiteral("  Orbiter notes"),
                                       QStringLiteral("END"),
                                       QStringLiteral("Shipwreck  "),
                                       QStringLiteral("  STATUS Orbiting Mars"),
                                       QStringLiteral("END")}));
    const Scenario doc = readScenario(path);
    EXPECT_FALSE(doc.scanLog.LogError) << doc.scanLog.LogMessage.toStdString();
    ASSERT_EQ(doc.shipNames, (QStringList{QStringLiteral("Shuttle"), QStringLiteral("Status Quo"),
                                          QStringLiteral("Orbiter"), QStringLiteral("Shipwreck")}));
    EXPECT_EQ(doc.possibleShipFocus,
              (QStringList{QStringLiteral("Shuttle:Falcon"), QStringLiteral("Status Quo:Hauler"),
                           QStringLiteral("Orbiter:Skipper"), QStringLiteral("Shipwreck")}));
    EXPECT_EQ(doc.possibleShipFocusIndex, 0);

    const ShipRow& landed = doc.ships[0];
    EXPECT_EQ(landed.Status, QStringLiteral("Landed"));
    EXPECT_EQ(landed.Planet, QStringLiteral("Earth"));
    EXPECT_EQ(landed.Base, QStringLiteral("Cape Canaveral"));
    EXPECT_EQ(landed.Pad, QStringLiteral("2"));
    EXPECT_EQ(landed.Heading, QStringLiteral("90"));
    EXPECT_EQ(landed.Fuel, QStringLiteral("0"));
    EXPECT_TRUE(landed.ExtraLines.isEmpty());

    const ShipRow& docked = doc.ships[1];
    EXPECT_EQ(docked.ClassName, QStringLiteral("Hauler"));
    EXPECT_EQ(docked.Status, QStringLiteral("Docked"));
    EXPECT_EQ(docked.Planet, QStringLiteral("Earth"));
    EXPECT_EQ(docked.DockStation, QStringLiteral("Gateway"));
    EXPECT_EQ(docked.DockPort, QStringLiteral("2"));
    EXPECT_EQ(docked.Fuel, QStringLiteral("0"));

    const ShipRow& orbiter = doc.ships[2];
    EXPECT_EQ((QStringList{orbiter.RposX, orbiter.RposY, orbiter.RposZ}),
              (QStringList{QStringLiteral("1"), QString(), QStringLiteral("2 3")}));
    EXPECT_EQ((QStringList{orbiter.RvelX, orbiter.RvelY, orbiter.RvelZ, orbiter.ArotX, orbiter.ArotY,
                           orbiter.ArotZ}),
              (QStringList{QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
                           QStringLiteral("8"), QStringLiteral("9")}));
    EXPECT_EQ(orbiter.Vrot, QStringLiteral("-2"));
    EXPECT_EQ(orbiter.Fuel, QStringLiteral("0.75"));
    EXPECT_EQ(orbiter.MainEngine, QStringLiteral("0.5"));
    EXPECT_EQ(orbiter.HoverEngine, QStringLiteral("0.25"));
    EXPECT_EQ(orbiter.Heading, QStringLiteral("Toto"));
    EXPECT_EQ(orbiter.ExtraLines,
              QStringLiteral("    XPDR 482 ; transponder\r\n  ; note: keep: this\r\n\r\n  Orbiter notes"));

    const ShipRow& wreck = doc.ships[3];
    EXPECT_TRUE(wreck.ClassName.isEmpty());
    EXPECT_EQ(wreck.Planet, QStringLiteral("Mars"));
}

// A section breaks off at its first malformed statement: the blocks before it stay, the
// section's later blocks are lost, and one entry names the file. The other section is read.
TEST(ReaderFailures, EndTheStepAndNameTheFile)
{
    struct Case
    {
        const char* name;
        QStringList stations;
        QStringList ships;
        QStringList stationNames;
        QStringList shipNames;
        bool dropEndShips;
    };
    const QString gateway = QStringLiteral("Gateway:Ringstation");
    const QString end = QStringLiteral("END");
    const QStringList twoShips{QStringLiteral("A:Falcon"), end, QStringLiteral("B:Falcon"), end};
    const Case cases[] = {
        {"docked-without-colons",
         {},
         {QStringLiteral("A:Falcon"), QStringLiteral("  STATUS Docked Earth"), end,
          QStringLiteral("B:Falcon"), end},
         {},
         {QStringLiteral("A")},
         false},
        {"docked-one-colon",
         {},
         {QStringLiteral("A:Falcon"), end, QStringLiteral("B:Falcon"),
          QStringLiteral("  STATUS Docked Earth:Gateway"), end},
         {},
         {QStringLiteral("A"), QStringLiteral("B")},
         false},
        {"status-without-body",
         {},
         {QStringLiteral("A:Falcon"), QStringLiteral("  STATUS Landed"), end},
         {},
         {QStringLiteral("A")},
         false},
        {"base-without-pad",
         {},
         {QStringLiteral("A:Falcon"), QStringLiteral("  BASE Kourou"), end},
         {},
         {QStringLiteral("A")},
         false},
        {"rpos-two-values",
         {},
         {QStringLiteral("A:Falcon"), QStringLiteral("  RPOS 1 2"), end},
         {},
         {QStringLiteral("A")},
         false},
        {"fuel-alone",
         {},
         {QStringLiteral("A:Falcon"), QStringLiteral("  FUEL"), end},
         {},
         {QStringLiteral("A")},
         false},
        {"missing-end-ships", {}, twoShips, {}, {QStringLiteral("A"), QStringLiteral("B")}, true},
        {"ref-without-value",
         {gateway, QStringLiteral("  REF "), end, QStringLiteral("Selene:Outpost"), end},
         twoShips,
         {QStringLiteral("Gateway")},
         {QStringLiteral("A"), QStringLiteral("B")},
         false},
        {"arot-without-values",
         {gateway, end, QStringLiteral("Selene:Outpost"), QStringLiteral("  AROT   "), end},
         twoShips,
         {QStringLiteral("Gateway"), QStringLiteral("Selene")},
         {QStringLiteral("A"), QStringLiteral("B")},
         false},
        {"frequency-without-value",
         {gateway, QStringLiteral("  ZROT_FREQ"), end},
         twoShips,
         {QStringLiteral("Gateway")},
         {QStringLiteral("A"), QStringLiteral("B")},
         false},
    };
    for (const auto& c : cases) {
        ScenarioFiles files;
        QStringList lines = scenarioLines(c.stations, c.ships);
        if (c.dropEndShips)
            lines.removeLast();
        const QString path = files.write(QStringLiteral("broken.scn"), lines);
        const Scenario doc = readScenario(path);
        EXPECT_EQ(doc.scanLog.LogMessage, failure(path)) << c.name;
        EXPECT_EQ(doc.stationNames, c.stationNames) << c.name;
        EXPECT_EQ(doc.shipNames, c.shipNames) << c.name;
    }
}

TEST(ReaderFailures, ASectionWithoutItsClosingLineEndsAtTheNextSection)
{
    ScenarioFiles files;
    QStringList lines = scenarioLines({QStringLiteral("Gateway:Ringstation"), QStringLiteral("END")},
                                      {QStringLiteral("Shuttle:Falcon"), QStringLiteral("END")});
    lines.removeAll(QStringLiteral("END_STATIONS"));
    const QString path = files.write(QStringLiteral("open.scn"), lines);
    const Scenario doc = readScenario(path);
    EXPECT_EQ(doc.scanLog.LogMessage, failure(path));
    EXPECT_EQ(doc.stationNames, QStringList{QStringLiteral("Gateway")}) << "no station named BEGIN_SHIPS";
    EXPECT_EQ(doc.shipNames, QStringList{QStringLiteral("Shuttle")});
}

// Closing lines that are indented or end with blanks close their section: the counting and
// the reading agree, so the ships are not read as stations beyond the end of the table.
TEST(ReaderBlocks, ClosingLinesMayBeIndentedOrEndWithBlanks)
{
    ScenarioFiles files;
    QStringList lines = scenarioLines({QStringLiteral("Gateway:Ringstation"), QStringLiteral("END")},
                                      {QStringLiteral("A:Falcon"), QStringLiteral("END"),
                                       QStringLiteral("B:Hauler"), QStringLiteral("  END ; last")});
    lines.replace(lines.indexOf(QStringLiteral("END_STATIONS")), QStringLiteral("  END_STATIONS"));
    lines.replace(lines.indexOf(QStringLiteral("END_SHIPS")), QStringLiteral("end_ships  "));
    const Scenario doc = readScenario(files.write(QStringLiteral("closing.scn"), lines));
    EXPECT_FALSE(doc.scanLog.LogError) << doc.scanLog.LogMessage.toStdString();
    EXPECT_EQ(doc.stationNames, QStringList{QStringLiteral("Gateway")});
    EXPECT_EQ(doc.shipNames, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
}

// Entry i of a name list always names row i: a block without block line adds no row, a second
// unindented line in a block is no new block, and a remark after END hides no focus candidate.
TEST(ReaderBlocks, NameListsAndRowsStayAligned)
{
    ScenarioFiles files;
    const QString path = files.write(
        QStringLiteral("aligned.scn"),
        scenarioLines({QStringLiteral("END"), QStringLiteral("Gateway:Ringstation"),
                       QStringLiteral("REF Earth"), QStringLiteral("END")},
                      {QStringLiteral("  FUEL 0.5"), QStringLiteral("END"), QStringLiteral("; parked ships"),
                       QStringLiteral("Courier:Hauler"), QStringLiteral("Courier:Hauler copy"),
                       QStringLiteral("CARGO:crates"), QStringLiteral("END")}));
    const Scenario doc = readScenario(path);
    EXPECT_FALSE(doc.scanLog.LogError);
    ASSERT_EQ(doc.stationNames, QStringList{QStringLiteral("Gateway")});
    EXPECT_EQ(doc.stations[0].Name, QStringLiteral("Gateway"));
    EXPECT_EQ(doc.stations[0].RefPlanet, QStringLiteral("Earth"));
    ASSERT_EQ(doc.shipNames, QStringList{QStringLiteral("Courier")});
    EXPECT_EQ(doc.ships[0].Name, QStringLiteral("Courier"));
    EXPECT_EQ(doc.ships[0].Fuel, QStringLiteral("0")) << "the nameless block's FUEL went with it";
    EXPECT_EQ(doc.ships[0].ExtraLines, QStringLiteral("Courier:Hauler copy\r\nCARGO:crates"));
    EXPECT_EQ(doc.possibleShipFocus, QStringList{QStringLiteral("Courier:Hauler")});
}

TEST(ReaderFailures, AnUnreadableFileLeavesADefinedEmptyScenario)
{
    ScenarioFiles files;
    Scenario doc =
        readScenario(files.write(QStringLiteral("full.scn"),
                                 scenarioLines({QStringLiteral("Gateway:Ringstation"), QStringLiteral("END")},
                                               {QStringLiteral("Shuttle:Falcon"), QStringLiteral("END")})));
    const QString path = files.path(QStringLiteral("missing.scn"));
    ScenarioReaderHost host;
    TabSettings(path, doc, host);
    const QString getData = failure(path) + QStringLiteral(". ");
    EXPECT_EQ(doc.scanLog.LogMessage,
              getData + dateEntry(path) + getData + getData + failure(path) + failure(path) + failure(path));
    EXPECT_EQ(doc.startDate, QDate(2000, 1, 1));
    EXPECT_EQ(doc.startHour, 12);
    EXPECT_TRUE(doc.description.isEmpty());
    EXPECT_TRUE(doc.shipFocus.isEmpty());
    EXPECT_TRUE(doc.stationNames.isEmpty());
    EXPECT_TRUE(doc.shipNames.isEmpty());
    EXPECT_TRUE(doc.possibleShipFocus.isEmpty());
    EXPECT_EQ(doc.stations.rowCount(), 1);
    EXPECT_TRUE(doc.stations[0].Name.isEmpty()) << "no row of the scenario read before survives";
    EXPECT_EQ(doc.ships.rowCount(), 1);
}

TEST(ReaderFailures, BinaryFilesAreReadWithoutHarm)
{
    QByteArray noise;
    quint32 state = 12345;
    for (int i = 0; i < 1 << 18; ++i) {
        state = state * 1103515245u + 12345u;
        noise.append(static_cast<char>(state >> 24));
    }
    QByteArray framed = crlfText(scenarioLines({QStringLiteral("Gateway:Ringstation")}, {}));
    framed += "BEGIN_SHIPS\r\nA:B\r\n  STATUS Docked " + noise.left(4096) + "\r\nEND\r\n" + noise;
    for (const QByteArray& bytes : {noise, framed}) {
        ScenarioFiles files;
        const QString path = files.writeBytes(QStringLiteral("noise.scn"), bytes);
        const Scenario doc = readScenario(path);
        EXPECT_TRUE(doc.scanLog.LogError);
        EXPECT_TRUE(doc.startDate.isValid());
        EXPECT_LE(doc.stationNames.size(), doc.stations.rowCount());
        EXPECT_LE(doc.shipNames.size(), doc.ships.rowCount());
    }
}

TEST(ReaderFailures, AFiftyMegabyteLineIsKept)
{
    ScenarioFiles files;
    const QString longLine = QStringLiteral("  LOG ") + QString(50 * 1024 * 1024, u'x');
    const QString path =
        files.write(QStringLiteral("long.scn"), scenarioLines({}, {QStringLiteral("Shuttle:Falcon"),
                                                                   QStringLiteral("  STATUS Landed Earth"),
                                                                   longLine, QStringLiteral("END")}));
    const Scenario doc = readScenario(path);
    EXPECT_FALSE(doc.scanLog.LogError);
    ASSERT_EQ(doc.shipNames, QStringList{QStringLiteral("Shuttle")});
    EXPECT_EQ(doc.ships[0].ExtraLines.size(), longLine.size());
}

TEST(ReaderTables, AScenarioWithoutStationsOrShipsEmptiesTheLists)
{
    ScenarioFiles files;
    Scenario doc =
        readScenario(files.write(QStringLiteral("full.scn"),
                                 scenarioLines({QStringLiteral("Gateway:Ringstation"),
                                                QStringLiteral("  REF Earth"), QStringLiteral("END")},
                                               {QStringLiteral("Shuttle:Falcon"), QStringLiteral("END")})));
    ASSERT_EQ(doc.stationNames.size(), 1);
    ScenarioReaderHost host;
    TabSettings(files.write(QStringLiteral("empty.scn"), scenarioLines({}, {})), doc, host);
    EXPECT_TRUE(doc.stationNames.isEmpty());
    EXPECT_TRUE(doc.shipNames.isEmpty());
    EXPECT_EQ(doc.possibleShipFocusIndex, -1);
    ASSERT_EQ(doc.stations.rowCount(), 1);
    EXPECT_TRUE(doc.stations[0].RefPlanet.isEmpty()) << "a station added next starts empty";
}

// The editor's hooks come in reading order; a host that empties the scenario when it applies
// the planetary system does not lose what is read after.
class RecordingHost : public ScenarioReaderHost
{
public:
    void planetarySystemNamed(Scenario& doc, const QString& name) override
    {
        events << QStringLiteral("system ") + name + u' ' + doc.startDate.toString(Qt::ISODate);
        doc.shipFocus = QStringLiteral("stale");
        doc.description = QStringLiteral("stale");
        doc.stationNames = {QStringLiteral("stale")};
    }
    void descriptionRead(Scenario& doc) override
    {
        events << QStringLiteral("description ") + doc.description.trimmed();
    }
    void stationTabReset(Scenario& doc) override
    {
        events << QStringLiteral("reset %1").arg(doc.stationNames.size());
    }
    void stationsRead(Scenario& doc) override
    {
        events << QStringLiteral("stations %1").arg(doc.stationNames.size());
    }
    void shipsRead(Scenario& doc) override { events << QStringLiteral("ships %1").arg(doc.shipNames.size()); }

    QStringList events;
};

TEST(ReaderHost, IsCalledAtEachStepInOrder)
{
    ScenarioFiles files;
    const QString path =
        files.write(QStringLiteral("hosted.scn"),
                    scenarioLines({QStringLiteral("Gateway:Ringstation"), QStringLiteral("END")},
                                  {QStringLiteral("Shuttle:Falcon"), QStringLiteral("END"),
                                   QStringLiteral("Courier:Hauler"), QStringLiteral("END")}));
    Scenario doc;
    RecordingHost host;
    TabSettings(path, doc, host);
    EXPECT_EQ(
        host.events,
        (QStringList{QStringLiteral("system Sol 2000-01-01"), QStringLiteral("description A test scenario."),
                     QStringLiteral("reset 0"), QStringLiteral("stations 1"), QStringLiteral("ships 2")}));
    EXPECT_EQ(doc.shipFocus, QStringLiteral("Shuttle"));
    EXPECT_EQ(doc.stationIndex, 0);
    EXPECT_EQ(doc.shipIndex, 0);
}

} // namespace
