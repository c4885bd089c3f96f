// What the reader reports beside its scan log: every finding with its line, and the line of each
// block it named.
#include "document/scenario_reader.h"
#include "qt_print.h"
#include "scenario_files.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Kind = ReadFinding::Kind;

const QString kPath = u"/s/Test.scn"_s;

Scenario readLines(const std::optional<QStringList>& lines)
{
    Scenario doc;
    ScenarioReaderHost host;
    readScenarioLines(kPath, lines, doc, host);
    return doc;
}

// The 1-based line of the first line equal to `text`.
qsizetype lineOf(const QStringList& lines, const QString& text)
{
    return lines.indexOf(text) + 1;
}

QVector<std::pair<Kind, qsizetype>> kindsAndLines(const Scenario& doc)
{
    QVector<std::pair<Kind, qsizetype>> result;
    for (const ReadFinding& f : doc.readReport.findings)
        result.append({f.kind, f.line});
    return result;
}

TEST(ReadReport, EveryMalformedLineIsAFindingWhereTheScanLogStopsAtItsBound)
{
    QStringList ships{u"Broken:Skipper"_s, u"  STATUS Orbiting Earth"_s};
    for (int i = 1; i <= 25; ++i)
        ships << u"  RPOS %1"_s.arg(i);
    ships << u"END"_s;
    const QStringList lines = scenarioLines({}, ships);
    const Scenario doc = readLines(lines);

    ASSERT_EQ(doc.readReport.findings.size(), 25);
    const qsizetype first = lineOf(lines, u"  RPOS 1"_s);
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(doc.readReport.findings[i].kind, Kind::Malformed);
        EXPECT_EQ(doc.readReport.findings[i].line, first + i);
        EXPECT_EQ(doc.readReport.findings[i].text,
                  u"'RPOS %1' needs three values; the line is kept as it stands"_s.arg(i + 1));
    }
    // The log a person reads stays bounded as it was.
    const QString log = doc.scanLog.text();
    EXPECT_EQ(log.count(u"needs three values; the line is kept as it stands. "_s), ScanLog::kEntriesPerFile);
    EXPECT_TRUE(
        log.contains(u"5 more entries 'needs three values; the line is kept as it stands' about "_s + kPath))
        << log.toStdString();
}

TEST(ReadReport, BlockLinesAreTheLinesTheReaderNamedItsBlocksBy)
{
    // An indented opening line inside a station block does not start the ships there, and the
    // ships of a second section are not read.
    const QStringList lines =
        textLines(u"BEGIN_DESC\nBEGIN_SHIPS\nFake:Falcon\nEND_DESC\n"
                  u"BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD 51544.5\nEND_ENVIRONMENT\n"
                  u"BEGIN_STATIONS\nGateway:Ringstation\n  BEGIN_SHIPS\n  REF Earth\nEND\n"
                  u"; between\nHub:Ringstation\nEND\nEND_STATIONS\n"
                  u"BEGIN_SHIPS\nTug:Hauler\n  FUEL 1\nEND\n\nBarge:Hauler\nEND\nEND_SHIPS\n"
                  u"BEGIN_SHIPS\nLater:Falcon\nEND\nEND_SHIPS"_s);
    const Scenario doc = readLines(lines);
    EXPECT_EQ(doc.shipNames, (QStringList{u"Tug"_s, u"Barge"_s}));
    EXPECT_EQ(doc.readReport.stationLines, (QVector<qsizetype>{10, 15}));
    EXPECT_EQ(doc.readReport.shipLines, (QVector<qsizetype>{19, 23}));
    EXPECT_EQ(kindsAndLines(doc), (QVector<std::pair<Kind, qsizetype>>{{Kind::Malformed, 11}}));
}

TEST(ReadReport, FilesAndSectionsThatCannotBeReadWholeAreOneFindingEach)
{
    const Scenario unread = readLines(std::nullopt);
    EXPECT_EQ(unread.readReport.findings,
              (QVector<ReadFinding>{{Kind::Unread, 0, u"Can not open the file /s/Test.scn."_s}}));

    const Scenario noDate = readLines(textLines(u"BEGIN_SHIPS\nTug:Hauler\nEND\nEND_SHIPS"_s));
    EXPECT_EQ(
        noDate.readReport.findings,
        (QVector<ReadFinding>{{Kind::Date, 0,
                               u"The file /s/Test.scn has no readable Date statement; the start date is set "
                               u"to 2000-01-01 12:00."_s}}));

    const Scenario description = readLines(textLines(u"BEGIN_DESC\nA text\nmore text"_s));
    EXPECT_EQ(kindsAndLines(description),
              (QVector<std::pair<Kind, qsizetype>>{{Kind::Date, 0}, {Kind::Unread, 1}}));

    QStringList open = scenarioLines({u"Gateway:Ringstation"_s, u"  REF Earth"_s, u"END"_s}, {}, {});
    open.removeAll(u"END_STATIONS"_s);
    open << u"BEGIN_SHIPS"_s << u"Tug:Hauler"_s << u"END"_s;
    const Scenario broken = readLines(open);
    ASSERT_EQ(broken.readReport.findings.size(), 2);
    EXPECT_EQ(
        broken.readReport.findings[0],
        (ReadFinding{Kind::Unread, lineOf(open, u"BEGIN_STATIONS"_s),
                     u"the section 'BEGIN_STATIONS' is not read to its 'END_STATIONS' line: the next section "
                     u"begins at line %1"_s.arg(lineOf(open, u"BEGIN_SHIPS"_s))}));
    EXPECT_EQ(broken.readReport.findings[1],
              (ReadFinding{
                  Kind::Unread, lineOf(open, u"BEGIN_SHIPS"_s),
                  u"the section 'BEGIN_SHIPS' is not read to its 'END_SHIPS' line: the file ends first"_s}));
    EXPECT_EQ(broken.shipNames, QStringList{u"Tug"_s});
}

TEST(ReadReport, ValuesTheReaderReadsAsOtherNumbersAreFindingsAndNoLogEntries)
{
    const QStringList lines = scenarioLines({u"Gateway:Ringstation"_s, u"  REF Earth"_s, u"  EL_MJD 100"_s,
                                             u"  ELEMENTS 6778000 0 x 0 0 0"_s, u"  SPIN 2"_s, u"END"_s},
                                            {u"Shuttle:Falcon"_s, u"  STATUS Orbiting Earth"_s, u"  VROT x"_s,
                                             u"  FUEL 1.7"_s, u"  FEUL 1"_s, u"  ; about fuel"_s, u"END"_s});
    const Scenario doc = readLines(lines);
    EXPECT_EQ(kindsAndLines(doc), (QVector<std::pair<Kind, qsizetype>>{
                                      {Kind::Date, lineOf(lines, u"  EL_MJD 100"_s)},
                                      {Kind::NotANumber, lineOf(lines, u"  ELEMENTS 6778000 0 x 0 0 0"_s)},
                                      {Kind::NotANumber, lineOf(lines, u"  VROT x"_s)},
                                      {Kind::Level, lineOf(lines, u"  FUEL 1.7"_s)},
                                      {Kind::ExtraLine, lineOf(lines, u"  FEUL 1"_s)},
                                  }));
    // The values are stored as the reader always stored them, and the scan log is as it was.
    EXPECT_EQ(doc.ships[0].Fuel, u"1.7"_s);
    EXPECT_EQ(doc.ships[0].ExtraLines, u"  FEUL 1\r\n  ; about fuel"_s);
    EXPECT_FALSE(doc.scanLog.LogError);
    EXPECT_EQ(doc.scanLog.text(), QString());
}

TEST(ReadReport, StartDatesWithoutNumberOrBefore1900AreFindingsAtTheirLine)
{
    struct Case
    {
        QString date;
        QString expected; // empty: no finding
    };
    const Case cases[] = {
        {u"MJD 51544.5"_s, {}},
        {u"MJD 15020"_s, {}},
        {u"MJD 15019.9"_s, u"'Date MJD 15019.9' is a date before 1900 (1899-12-31)"_s},
        {u"MJD 10000"_s, u"'Date MJD 10000' is a date before 1900 (1886-04-04)"_s},
        {u"JD 2400000.5"_s, u"'Date JD 2400000.5' is a date before 1900 (1858-11-17)"_s},
        {u"JE 1850.0"_s, u"'Date JE 1850.0' is a date before 1900 (1849-12-31)"_s},
        {u"MJD sixty"_s, u"'Date MJD sixty' holds no number; the start date is read as MJD 0, and Save "
                         u"writes the value back as it "
                         u"stands"_s},
    };
    for (const Case& c : cases) {
        QStringList lines = scenarioLines({}, {u"Shuttle:Falcon"_s, u"END"_s});
        lines.replace(lines.indexOf(u"  Date MJD 51544.5"_s), u"  Date "_s + c.date);
        const Scenario doc = readLines(lines);
        if (c.expected.isEmpty()) {
            EXPECT_TRUE(doc.readReport.findings.isEmpty()) << c.date.toStdString();
            continue;
        }
        EXPECT_EQ(doc.readReport.findings,
                  (QVector<ReadFinding>{{Kind::Date, lineOf(lines, u"  Date "_s + c.date), c.expected}}))
            << c.date.toStdString();
    }

    // A file without environment section has its date anywhere: a finding without line, and the
    // log says nothing of it, as before.
    const Scenario loose = readLines(textLines(u"Date MJD soon\nBEGIN_SHIPS\nTug:Hauler\nEND\nEND_SHIPS"_s));
    EXPECT_EQ(kindsAndLines(loose), (QVector<std::pair<Kind, qsizetype>>{{Kind::Date, 0}}));
    EXPECT_FALSE(loose.scanLog.text().contains(u"holds no number"_s));
}

} // namespace
