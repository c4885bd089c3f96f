#include "document/dates.h"
#include "document/safe_write.h"
#include "document/scenario_line.h"
#include "document/scenario_reader.h"
#include "document/scenario_writer.h"
#include "qt_print.h"
#include "scenario_files.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString failure(const QString& path)
{
    return u"Can not open the file "_s + path;
}

QString dateEntry(const QString& path)
{
    return u"The file "_s + path +
           u" has no readable Date statement; the start date is set to 2000-01-01 12:00. "_s;
}

const QStringList oneShip{u"Shuttle:Falcon"_s, u"END"_s};

// The file as scenarioLines writes it, with other lines in its environment section.
QStringList withEnvironment(const QStringList& environment)
{
    QStringList lines = scenarioLines({}, oneShip);
    const qsizetype begin = lines.indexOf(u"BEGIN_ENVIRONMENT"_s);
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
        int hour;
        int minute;
        bool fallback;
    };
    const Case cases[] = {
        {"mjd", u"  Date MJD 51544.5"_s, 12, 0, false},
        {"jd", u"  Date JD 2451545.0"_s, 12, 0, false},
        {"je", u"  Date JE 2000.0"_s, 12, 0, false},
        {"other-kind-is-mjd", u"  Date XYZ 51544.5"_s, 12, 0, false},
        {"kind-case-counts", u"  Date jd 51544.25"_s, 6, 0, false},
        {"minute-kept", u"  Date MJD 51544.7"_s, 16, 48, false},
        {"seconds-dropped", u"  Date MJD 51544.70069"_s, 16, 48, false},
        {"comment", u"  Date MJD 51544.5 ; noon"_s, 12, 0, false},
        {"short", u"  Date MJD"_s, 12, 0, true},
        {"missing", QString(), 12, 0, true},
    };
    for (const auto& c : cases) {
        ScenarioFiles files;
        QStringList environment{u"  System Sol"_s};
        if (!c.statement.isEmpty())
            environment << c.statement;
        const QString path = files.write(u"date.scn"_s, withEnvironment(environment));
        const Scenario doc = readScenario(path);
        EXPECT_EQ(doc.startDate, QDate(2000, 1, 1)) << c.name;
        EXPECT_EQ(doc.startHour, c.hour) << c.name;
        EXPECT_EQ(doc.startMinute, c.minute) << c.name;
        EXPECT_EQ(doc.scanLog.LogMessage, c.fallback ? dateEntry(path) : QString()) << c.name;
    }
}

TEST(ReaderEnvironment, LooksUpEachStatementInItsOwnSection)
{
    ScenarioFiles files;
    const QString path = files.write(u"sections.scn"_s, scenarioLines({}, textLines(uR"(Shuttle:Falcon
END
Shipwreck:Hauler
  System Kestrel
END)"_s),
                                                                      {u"Date of the flight: tomorrow"_s}));
    const Scenario doc = readScenario(path);
    EXPECT_EQ(doc.planetarySystem, u"Sol"_s);
    EXPECT_EQ(doc.startDate, QDate(2000, 1, 1));
    EXPECT_EQ(doc.startHour, 12);
    EXPECT_EQ(doc.shipFocus, u"Shuttle"_s);
    EXPECT_DOUBLE_EQ(doc.julianDate, 51544.5 - kMjdOffset);
}

TEST(ReaderEnvironment, FileWithoutSectionsKeepsTheWholeFileLookUp)
{
    ScenarioFiles files;
    const QString path = files.write(u"loose.scn"_s, textLines(uR"(System Sol ; home
Date MJD 51544.25
Ship Shipwreck
BEGIN_SHIPS
Shipwreck:Hauler
END
END_SHIPS)"_s));
    const Scenario doc = readScenario(path);
    EXPECT_EQ(doc.planetarySystem, u"Sol"_s);
    EXPECT_EQ(doc.startHour, 6);
    // The ship block line stands behind the focus statement and begins with "Ship".
    EXPECT_EQ(doc.shipFocus, u"wreck:Hauler"_s);
    EXPECT_FALSE(doc.scanLog.LogError);
}

TEST(ReaderEnvironment, MissingFocusAndSystemGiveEmptyNames)
{
    ScenarioFiles files;
    QStringList lines = withEnvironment({u"  Date MJD 51544.5"_s});
    lines.removeAll(u"  Ship Shuttle"_s);
    const Scenario doc = readScenario(files.write(u"bare.scn"_s, lines));
    EXPECT_TRUE(doc.planetarySystem.isEmpty());
    EXPECT_TRUE(doc.shipFocus.isEmpty());
    EXPECT_FALSE(doc.scanLog.LogError);
}

TEST(ReaderDescription, KeepsEachLineAndIgnoresSectionWordsInIt)
{
    ScenarioFiles files;
    const QString path = files.write(
        u"desc.scn"_s, scenarioLines({u"Gateway:Ringstation"_s, u"END"_s}, oneShip, textLines(uR"(  indented
BEGIN_SHIPS
Ghost:Falcon

end)"_s)));
    const Scenario doc = readScenario(path);
    EXPECT_EQ(doc.description, u"  indented\r\nBEGIN_SHIPS\r\nGhost:Falcon\r\n\r\nend\r\n"_s);
    EXPECT_EQ(doc.stationNames, QStringList{u"Gateway"_s});
    EXPECT_EQ(doc.shipNames, QStringList{u"Shuttle"_s});
    EXPECT_EQ(doc.possibleShipFocus, QStringList{u"Shuttle:Falcon"_s});
}

TEST(ReaderDescription, OpensNoSectionForTheOtherSteps)
{
    ScenarioFiles files;
    const Scenario doc = readScenario(files.write(u"quoted.scn"_s, textLines(uR"(BEGIN_DESC
BEGIN_ENVIRONMENT
  System Kestrel
END_ENVIRONMENT
END_DESC
System Sol
Date MJD 51544.5)"_s)));
    EXPECT_EQ(doc.planetarySystem, u"Sol"_s);
}

TEST(ReaderDescription, WithoutEndDescTheWholeFileIsDescription)
{
    ScenarioFiles files;
    QStringList lines = scenarioLines({}, oneShip);
    lines.removeAll(u"END_DESC"_s);
    const QString path = files.write(u"open.scn"_s, lines);
    const Scenario doc = readScenario(path);
    EXPECT_TRUE(doc.description.endsWith(u"END_SHIPS\r\n"_s));
    EXPECT_TRUE(doc.shipNames.isEmpty());
    EXPECT_EQ(doc.scanLog.LogMessage,
              u"The description of the file "_s + path +
                  u" has no END_DESC line; the whole file is read as description. "_s);
}

TEST(ReaderStations, StoresEachStatementAsCut)
{
    ScenarioFiles files;
    const QString path = files.write(u"stations.scn"_s, scenarioLines(textLines(uR"(Gateway:Ringstation
  REF Earth
  EL_MJD 51544.7
  ELEMENTS 6.7E6 0.5 51.6 10 20 30
  AROT 0 90 0 ; tilted
END
)"_s + u"Selene:Outpost  \n"_s + uR"(  REF Moon
  ZROT_FREQ 0.0125
  EXTRA 1
END

; a remark between blocks

Lonely
  ZROT_FREQUENCY 0.02
END
Refinery:Outpost ; no REF line
  AROT 1 2
END)"_s),
                                                                      oneShip));
    const Scenario doc = readScenario(path);
    EXPECT_EQ(doc.scanLog.LogMessage,
              u"Line 33 of "_s + path + u": 'AROT 1 2' needs three values; the line is kept as it stands. "_s +
                  failure(path));
    ASSERT_EQ(doc.stationNames, textLines(u"Gateway\nSelene\nLonely\nRefinery"_s));
    ASSERT_EQ(doc.stations.rowCount(), 5) << "one row per counted line and one spare";

    const StationRow& gateway = doc.stations[0];
    EXPECT_EQ(gateway.ClassName, u"Ringstation"_s);
    EXPECT_EQ(gateway.RefPlanet, u"Earth"_s);
    EXPECT_EQ(gateway.EpochDate, QDate(2000, 1, 1));
    EXPECT_EQ(gateway.EpochHour, u"16"_s);
    EXPECT_EQ(gateway.EpochMinute, u"48"_s);
    const QStringList elements{gateway.SemiMajorAxis,      gateway.Excentricity,
                               gateway.Inclination,        gateway.AscendingNodeLongitude,
                               gateway.PeriapsisLongitude, gateway.MeanLongitude};
    EXPECT_EQ(elements, textLines(u"6.7E6 \n0.5 \n51.6 \n10 \n20 \n30"_s));
    EXPECT_EQ((QStringList{gateway.AngleX, gateway.AngleY, gateway.AngleZ}), textLines(u"0 \n90 \n0"_s));
    EXPECT_TRUE(gateway.UseClassRotation);

    const StationRow& selene = doc.stations[1];
    EXPECT_EQ(selene.ClassName, u"Outpost"_s);
    EXPECT_EQ(selene.RotationFrequency, u"0.0125"_s);
    EXPECT_FALSE(selene.UseClassRotation);
    EXPECT_FALSE(selene.EpochDate.isValid());
    EXPECT_EQ(selene.ExtraLines, u"  EXTRA 1"_s) << "a line the editor does not read is kept";
    EXPECT_TRUE(gateway.ExtraLines.isEmpty());

    const StationRow& lonely = doc.stations[2];
    EXPECT_EQ(lonely.ClassName, u"Lonely"_s);
    EXPECT_EQ(lonely.RotationFrequency, u"0.02"_s) << "the editor's own keyword reads back";

    const StationRow& refinery = doc.stations[3];
    EXPECT_EQ(refinery.RefPlanet, QString()) << "a block line is no REF statement";
    EXPECT_EQ((QStringList{refinery.AngleX, refinery.AngleY, refinery.AngleZ}), QStringList(3, QString()))
        << "two angles can not say which axes they turn";
    EXPECT_EQ(refinery.ExtraLines, u"  AROT 1 2"_s);

    EXPECT_TRUE(doc.stations[4].UseClassRotation) << "the spare row is blanked";
    EXPECT_DOUBLE_EQ(doc.julianDate, 51544.7 - kMjdOffset);
}

TEST(ReaderShips, StoresEachStatementAndKeepsOtherLinesAsTheyStand)
{
    ScenarioFiles files;
    const QString path = files.write(u"ships.scn"_s, scenarioLines({}, textLines(uR"(Shuttle:Falcon
  STATUS Landed Earth
  BASE Cape Canaveral:2 ; east pad
  HEADING 90
  FUEL abc
END
Status Quo:Hauler
  STATUS Docked Earth:Gateway:2 ; upper ring
  FUEL 0.0
END
Nomad:Skipper
  STATUS Orbiting Earth
  RPOS 1  2 3
  RVEL 4 5 6
  AROT 7 8 9
  VROT -2
  FUEL 0.75
  ENGINE_MAIN 0.5
  ENGINE_HOVR 0.25
    BEACON 482 ; transponder
  ; note: keep: this

  Nomad notes
  BEGIN_PAYLOAD
  END_PAYLOAD
END
)"_s + u"Shipwreck  \n"_s + uR"(  STATUS Orbiting Mars
END)"_s)));
    const Scenario doc = readScenario(path);
    EXPECT_FALSE(doc.scanLog.LogError) << doc.scanLog.LogMessage.toStdString();
    ASSERT_EQ(doc.shipNames, textLines(u"Shuttle\nStatus Quo\nNomad\nShipwreck"_s));
    EXPECT_EQ(doc.possibleShipFocus,
              textLines(u"Shuttle:Falcon\nStatus Quo:Hauler\nNomad:Skipper\nShipwreck"_s));
    EXPECT_EQ(doc.possibleShipFocusIndex, 0);

    const ShipRow& landed = doc.ships[0];
    EXPECT_EQ(
        (QStringList{landed.Status, landed.Planet, landed.Base, landed.Pad, landed.Heading, landed.Fuel}),
        textLines(u"Landed\nEarth\nCape Canaveral\n2\n90\n0"_s));
    EXPECT_TRUE(landed.ExtraLines.isEmpty());

    const ShipRow& docked = doc.ships[1];
    EXPECT_EQ((QStringList{docked.ClassName, docked.Status, docked.Planet, docked.DockStation,
                           docked.DockPort, docked.Fuel}),
              textLines(u"Hauler\nDocked\nEarth\nGateway\n2\n0"_s));

    const ShipRow& nomad = doc.ships[2];
    EXPECT_EQ((QStringList{nomad.RposX, nomad.RposY, nomad.RposZ}), textLines(u"1\n\n2 3"_s));
    EXPECT_EQ((QStringList{nomad.RvelX, nomad.RvelY, nomad.RvelZ, nomad.ArotX, nomad.ArotY, nomad.ArotZ}),
              textLines(u"4\n5\n6\n7\n8\n9"_s));
    EXPECT_EQ((QStringList{nomad.Vrot, nomad.Fuel, nomad.MainEngine, nomad.HoverEngine, nomad.Heading}),
              textLines(u"-2\n0.75\n0.5\n0.25\nToto"_s));
    EXPECT_EQ(nomad.ExtraLines,
              u"    BEACON 482 ; transponder\r\n  ; note: keep: this\r\n\r\n  Nomad notes\r\n"
              u"  BEGIN_PAYLOAD\r\n  END_PAYLOAD"_s);

    const ShipRow& wreck = doc.ships[3];
    EXPECT_TRUE(wreck.ClassName.isEmpty());
    EXPECT_EQ(wreck.Planet, u"Mars"_s);
}

// A malformed statement no longer ends its section: the line is kept as it stands in its block's
// extra lines, what it held before the missing part is stored, every later block is read, and
// the log names the line besides the step's own entry.
TEST(ReaderFailures, MalformedStatementsAreKeptAndLogged)
{
    struct Case
    {
        const char* name;
        QString stations;
        QString ships;
        QString line; // the malformed line as it stands in the file
        QString need;
    };
    const QString twoShips = u"A:Falcon\nEND\nB:Falcon\nEND"_s;
    const Case cases[] = {
        {"docked-without-colons", {}, u"A:Falcon\n  STATUS Docked Earth\nEND\nB:Falcon\nEND"_s,
         u"  STATUS Docked Earth"_s, u"needs body:station:dock"_s},
        {"docked-one-colon", {}, u"A:Falcon\nEND\nB:Falcon\n  STATUS Docked Earth:Gateway ; old\nEND"_s,
         u"  STATUS Docked Earth:Gateway ; old"_s, u"needs body:station:dock"_s},
        {"status-without-body", {}, u"A:Falcon\n  STATUS Landed\nEND\nB:Falcon\nEND"_s, u"  STATUS Landed"_s,
         u"needs a status word, a blank and a body"_s},
        {"base-without-pad", {}, u"A:Falcon\n  BASE Kourou\nEND\nB:Falcon\nEND"_s, u"  BASE Kourou"_s,
         u"needs base:pad"_s},
        {"rpos-two-values", {}, u"A:Falcon\n  RPOS 1 2\nEND\nB:Falcon\nEND"_s, u"  RPOS 1 2"_s,
         u"needs three values"_s},
        {"fuel-alone", {}, u"A:Falcon\n  FUEL\nEND\nB:Falcon\nEND"_s, u"  FUEL"_s, u"needs a value"_s},
        {"ref-without-value", u"Gateway:Ringstation\n  REF \nEND\nSelene:Outpost\nEND"_s, twoShips,
         u"  REF "_s, u"needs a value"_s},
        {"arot-without-values", u"Gateway:Ringstation\nEND\nSelene:Outpost\n  AROT   \nEND"_s, twoShips,
         u"  AROT   "_s, u"needs three values"_s},
        {"elements-five-values", u"Gateway:Ringstation\n  ELEMENTS 1 2 3 4 5\nEND\nSelene:Outpost\nEND"_s,
         twoShips, u"  ELEMENTS 1 2 3 4 5"_s, u"needs six values"_s},
        {"frequency-without-value", u"Gateway:Ringstation\n  ZROT_FREQ\nEND\nSelene:Outpost\nEND"_s, twoShips,
         u"  ZROT_FREQ"_s, u"needs a value"_s},
    };
    for (const auto& c : cases) {
        ScenarioFiles files;
        const QStringList stations = c.stations.isEmpty() ? QStringList() : textLines(c.stations);
        const QStringList lines = scenarioLines(stations, textLines(c.ships));
        const QString path = files.write(u"broken.scn"_s, lines);
        const Scenario doc = readScenario(path);
        ScenarioLine statement(c.line);
        EXPECT_EQ(doc.scanLog.LogMessage, u"Line %1 of %2: '%3' %4; the line is kept as it stands. "_s.arg(
                                              lines.indexOf(c.line) + 1)
                                                  .arg(path, statement.trimmed, c.need) +
                                              failure(path))
            << c.name;
        EXPECT_EQ(doc.stationNames, stations.isEmpty() ? QStringList() : QStringList({u"Gateway"_s, u"Selene"_s}))
            << c.name;
        EXPECT_EQ(doc.shipNames, QStringList({u"A"_s, u"B"_s})) << c.name;
        const QString kept = doc.stationNames.isEmpty()
                                 ? doc.ships[0].ExtraLines + doc.ships[1].ExtraLines
                                 : doc.stations[0].ExtraLines + doc.stations[1].ExtraLines;
        EXPECT_EQ(kept, c.line) << c.name;
    }
}

// What a malformed status held before the missing part stays stored, in the file's order.
TEST(ReaderFailures, MalformedStatusKeepsItsFirstParts)
{
    ScenarioFiles files;
    const QString path = files.write(
        u"partial.scn"_s,
        scenarioLines({}, textLines(u"A:Falcon\n  STATUS Docked Earth:Alpha\nEND\nB:Falcon\n"
                                    u"  STATUS Docked Mars\n  RPOS 5 6\nEND\nC:Falcon\n  STATUS Landed\nEND"_s)));
    const Scenario doc = readScenario(path);
    EXPECT_EQ((QStringList{doc.ships[0].Status, doc.ships[0].Planet, doc.ships[0].DockStation}),
              (QStringList{u"Docked"_s, u"Earth"_s, QString()}));
    EXPECT_EQ((QStringList{doc.ships[1].Status, doc.ships[1].Planet}), (QStringList{u"Docked"_s, QString()}));
    EXPECT_EQ((QStringList{doc.ships[1].RposX, doc.ships[1].RposY, doc.ships[1].RposZ}),
              (QStringList{u"5"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ(doc.ships[2].Status, QString()) << "no blank: not even the status word can be cut";
}

TEST(ReaderFailures, AMissingClosingLineEndsTheSectionAtTheNextOneOrAtTheEnd)
{
    ScenarioFiles files;
    QStringList lines =
        scenarioLines({u"Gateway:Ringstation"_s, u"END"_s}, textLines(u"A:Falcon\nEND\nB:Hauler\nEND"_s));
    lines.removeAll(u"END_STATIONS"_s);
    lines.removeAll(u"END_SHIPS"_s);
    const QString path = files.write(u"open.scn"_s, lines);
    const Scenario doc = readScenario(path);
    EXPECT_EQ(doc.scanLog.LogMessage, failure(path) + failure(path));
    EXPECT_EQ(doc.stationNames, QStringList{u"Gateway"_s}) << "no station named BEGIN_SHIPS";
    EXPECT_EQ(doc.shipNames, textLines(u"A\nB"_s)) << "the ships read stay";
}

// Closing lines that are indented or end with blanks close their section: the counting and
// the reading agree, so the ships are not read as stations beyond the end of the table.
TEST(ReaderBlocks, ClosingLinesMayBeIndentedOrEndWithBlanks)
{
    ScenarioFiles files;
    QStringList lines = scenarioLines({u"Gateway:Ringstation"_s, u"END"_s},
                                      textLines(u"A:Falcon\nEND\nB:Hauler\n  END ; last"_s));
    lines.replace(lines.indexOf(u"END_STATIONS"_s), u"  END_STATIONS"_s);
    lines.replace(lines.indexOf(u"END_SHIPS"_s), u"end_ships  "_s);
    const Scenario doc = readScenario(files.write(u"closing.scn"_s, lines));
    EXPECT_FALSE(doc.scanLog.LogError) << doc.scanLog.LogMessage.toStdString();
    EXPECT_EQ(doc.stationNames, QStringList{u"Gateway"_s});
    EXPECT_EQ(doc.shipNames, textLines(u"A\nB"_s));
}

// Entry i of a name list always names row i: a block without block line adds no row, a second
// unindented line in a block is no new block, and a remark after END hides no focus candidate.
TEST(ReaderBlocks, NameListsAndRowsStayAligned)
{
    ScenarioFiles files;
    const QString path = files.write(u"aligned.scn"_s, scenarioLines(textLines(uR"(END
Gateway:Ringstation
REF Earth
END)"_s),
                                                                     textLines(uR"(  FUEL 0.5
END
; parked ships
Courier:Hauler
Courier:Hauler copy
CARGO:crates
END)"_s)));
    const Scenario doc = readScenario(path);
    EXPECT_FALSE(doc.scanLog.LogError);
    ASSERT_EQ(doc.stationNames, QStringList{u"Gateway"_s});
    EXPECT_EQ(doc.stations[0].Name, u"Gateway"_s);
    EXPECT_EQ(doc.stations[0].RefPlanet, u"Earth"_s);
    ASSERT_EQ(doc.shipNames, QStringList{u"Courier"_s});
    EXPECT_EQ(doc.ships[0].Name, u"Courier"_s);
    EXPECT_EQ(doc.ships[0].Fuel, u"0"_s) << "the nameless block's FUEL went with it";
    EXPECT_EQ(doc.ships[0].ExtraLines, u"Courier:Hauler copy\r\nCARGO:crates"_s);
    EXPECT_EQ(doc.possibleShipFocus, QStringList{u"Courier:Hauler"_s});
}

TEST(ReaderBlocks, ManyEndLinesCostNoRowsAndNamesStayAligned)
{
    // Rows are made for named blocks only: a hundred thousand END lines around two names make
    // three rows (the last for the row a closing END blanks), not a row per END.
    QStringList blocks;
    for (int i = 0; i < 50000; ++i)
        blocks.append(u"END"_s);
    blocks << u"Alpha:Hauler"_s << u"  FUEL 0.25"_s << u"END"_s;
    for (int i = 0; i < 50000; ++i)
        blocks.append(u"END"_s);
    blocks << u"Beta:Hauler"_s << u"  FUEL 0.75"_s << u"END"_s << u"END"_s;
    ScenarioFiles files;
    const Scenario doc = readScenario(files.write(u"ends.scn"_s, scenarioLines(blocks, blocks)));
    EXPECT_FALSE(doc.scanLog.LogError) << doc.scanLog.text().toStdString();
    ASSERT_EQ(doc.stationNames, (QStringList{u"Alpha"_s, u"Beta"_s}));
    ASSERT_EQ(doc.shipNames, (QStringList{u"Alpha"_s, u"Beta"_s}));
    EXPECT_EQ(doc.stations.rowCount(), 3);
    EXPECT_EQ(doc.ships.rowCount(), 3);
    EXPECT_EQ(doc.stations[1].Name, u"Beta"_s);
    EXPECT_EQ(doc.ships[0].Fuel, u"0.25"_s);
    EXPECT_EQ(doc.ships[1].Name, u"Beta"_s);
    EXPECT_EQ(doc.ships[1].Fuel, u"0.75"_s);
    EXPECT_TRUE(doc.ships[2].Name.isEmpty());

    QStringList nameless(200000, u"END"_s);
    const Scenario empty = readScenario(files.write(u"nameless.scn"_s, scenarioLines({}, nameless)));
    EXPECT_TRUE(empty.shipNames.isEmpty());
    EXPECT_EQ(empty.ships.rowCount(), 1);
}

TEST(ReaderFailures, AnUnreadableFileLeavesADefinedEmptyScenario)
{
    ScenarioFiles files;
    Scenario doc = readScenario(
        files.write(u"full.scn"_s, scenarioLines({u"Gateway:Ringstation"_s, u"END"_s}, oneShip)));
    const QString path = files.path(u"missing.scn"_s);
    ScenarioReaderHost host;
    TabSettings(path, doc, host);
    const QString getData = failure(path) + u". "_s;
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
    QByteArray framed = crlfText(scenarioLines({u"Gateway:Ringstation"_s}, {}));
    framed += "BEGIN_SHIPS\r\nA:B\r\n  STATUS Docked " + noise.left(4096) + "\r\nEND\r\n" + noise;
    for (const QByteArray& bytes : {noise, framed}) {
        ScenarioFiles files;
        const QString path = files.writeBytes(u"noise.scn"_s, bytes);
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
    const QString longLine = u"  LOG "_s + QString(50 * 1024 * 1024, u'x');
    const QString path =
        files.write(u"long.scn"_s,
                    scenarioLines({}, {u"Shuttle:Falcon"_s, u"  STATUS Landed Earth"_s, longLine, u"END"_s}));
    const Scenario doc = readScenario(path);
    EXPECT_FALSE(doc.scanLog.LogError);
    ASSERT_EQ(doc.shipNames, QStringList{u"Shuttle"_s});
    EXPECT_EQ(doc.ships[0].ExtraLines.size(), longLine.size());
}

// A sound statement wins over a malformed one of its keyword wherever each stands, since a save
// puts the kept line after the written statements; a section line inside a block is left out, or
// it would open its section at the next read.
TEST(ReaderFailures, SoundStatementsWinAndSectionLinesInsideBlocksAreLeftOut)
{
    ScenarioFiles files;
    const QStringList lines = scenarioLines(
        {u"Gate:Ring"_s, u"  REF Earth"_s, u" BEGIN_SHIPS"_s, u"END"_s},
        textLines(u"A:Falcon\n  STATUS Docked Earth\n  STATUS Orbiting Mars\n  AROT 7 8 9\n  AROT 1 0\nEND"_s));
    const QString path = files.write(u"order.scn"_s, lines);
    const Scenario doc = readScenario(path);
    EXPECT_EQ((QStringList{doc.ships[0].Status, doc.ships[0].Planet}), (QStringList{u"Orbiting"_s, u"Mars"_s}));
    EXPECT_EQ((QStringList{doc.ships[0].ArotX, doc.ships[0].ArotY, doc.ships[0].ArotZ}),
              (QStringList{u"7"_s, u"8"_s, u"9"_s}));
    EXPECT_EQ(doc.ships[0].ExtraLines, u"  STATUS Docked Earth\r\n  AROT 1 0"_s);
    EXPECT_TRUE(doc.stations[0].ExtraLines.isEmpty());
    EXPECT_TRUE(doc.scanLog.LogMessage.startsWith(
        u"Line %1 of %2: 'BEGIN_SHIPS' opens or closes a section inside a block; the line is left out. "_s
            .arg(lines.indexOf(u" BEGIN_SHIPS"_s) + 1)
            .arg(path)));
    const QByteArray once = scenarioFileText(doc);
    EXPECT_EQ(scenarioFileText(readScenario(files.writeBytes(u"once.scn"_s, once))), once);
}

// Sizes no author writes by hand, read to the end with every ship and line in place.
TEST(ReaderFailures, AMillionLinesAndAHundredThousandShipsAreRead)
{
    ScenarioFiles files;
    QStringList ships;
    constexpr int kShips = 100000;
    ships.reserve(kShips * 4);
    for (int i = 0; i < kShips; ++i)
        ships << u"Ship%1:Falcon"_s.arg(i) << u"  STATUS Orbiting Earth"_s << u"  RPOS 7000000 0 0"_s << u"END"_s;
    const Scenario fleet = readScenario(files.write(u"fleet.scn"_s, scenarioLines({}, ships)));
    EXPECT_FALSE(fleet.scanLog.LogError);
    ASSERT_EQ(fleet.shipNames.size(), kShips);
    EXPECT_EQ(fleet.ships[kShips - 1].Name, u"Ship%1"_s.arg(kShips - 1));
    EXPECT_EQ(scenarioFileText(fleet).count("\r\nEND\r\n"), kShips);

    const QStringList million(1000000, u"  ; nothing to see"_s);
    const Scenario lines = readScenario(files.write(
        u"lines.scn"_s, scenarioLines({}, QStringList{u"Shuttle:Falcon"_s} + million + QStringList{u"END"_s})));
    ASSERT_EQ(lines.shipNames, QStringList{u"Shuttle"_s});
    EXPECT_EQ(lines.ships[0].ExtraLines.count(u"\r\n"_s), million.size() - 1);
}

TEST(ReaderTables, AScenarioWithoutStationsOrShipsEmptiesTheLists)
{
    ScenarioFiles files;
    Scenario doc = readScenario(files.write(
        u"full.scn"_s, scenarioLines({u"Gateway:Ringstation"_s, u"  REF Earth"_s, u"END"_s}, oneShip)));
    ASSERT_EQ(doc.stationNames.size(), 1);
    ScenarioReaderHost host;
    TabSettings(files.write(u"empty.scn"_s, scenarioLines({}, {})), doc, host);
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
        events << u"system "_s + name + u' ' + doc.startDate.toString(Qt::ISODate);
        doc.shipFocus = doc.description = u"stale"_s;
        doc.stationNames = {u"stale"_s};
    }
    void descriptionRead(Scenario& doc) override { events << u"description "_s + doc.description.trimmed(); }
    void stationTabReset(Scenario& doc) override { events << u"reset %1"_s.arg(doc.stationNames.size()); }
    void stationsRead(Scenario& doc) override { events << u"stations %1"_s.arg(doc.stationNames.size()); }
    void shipsRead(Scenario& doc) override { events << u"ships %1"_s.arg(doc.shipNames.size()); }

    QStringList events;
};

TEST(ReaderHost, IsCalledAtEachStepInOrder)
{
    ScenarioFiles files;
    const QString path =
        files.write(u"hosted.scn"_s, scenarioLines({u"Gateway:Ringstation"_s, u"END"_s},
                                                   textLines(u"Shuttle:Falcon\nEND\nCourier:Hauler\nEND"_s)));
    Scenario doc;
    RecordingHost host;
    TabSettings(path, doc, host);
    EXPECT_EQ(
        host.events,
        textLines(u"system Sol 2000-01-01\ndescription A test scenario.\nreset 0\nstations 1\nships 2"_s));
    EXPECT_EQ(doc.shipFocus, u"Shuttle"_s);
    EXPECT_EQ(doc.description, u"A test scenario.\r\n"_s);
    EXPECT_EQ(doc.stationIndex, 0);
    EXPECT_EQ(doc.shipIndex, 0);
}

} // namespace
