// What the reader makes of block lines silently: values that are no numbers, levels beyond their
// sliders, kept lines that are no statements.
#include "document/ship_statements.h"
#include "document/statement_findings.h"
#include "document/station_statements.h"
#include "qt_print.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The findings of one ship statement read into a fresh row, as the reader reads it.
QVector<ReadFinding> shipFindings(const QString& text)
{
    const QString raw = u"  "_s + text;
    const ScenarioLine line(raw);
    ShipRow row;
    const StatementRead read = readShipStatement(line, row);
    EXPECT_EQ(read.kind, StatementRead::Read) << text.toStdString();
    return shipStatementFindings(read.keyword, line, row, 7);
}

QVector<ReadFinding> stationFindings(const QString& text)
{
    const QString raw = u"  "_s + text;
    const ScenarioLine line(raw);
    StationRow row;
    double julianDate = 0.0;
    const StatementRead read = readStationStatement(line, row, julianDate);
    EXPECT_EQ(read.kind, StatementRead::Read) << text.toStdString();
    return stationStatementFindings(read.keyword, line, row, 7);
}

TEST(StatementFindings, ValuesThatAreNoNumbersAndLevelsBeyondTheirSliders)
{
    using Kind = ReadFinding::Kind;
    struct Case
    {
        QString statement;
        QVector<ReadFinding> expected;
    };
    const Case ships[] = {
        {u"RPOS 1 2 3"_s, {}},
        {u"RVEL 1e3 -2.5 +3"_s, {}},
        {u"VROT x"_s,
         {{Kind::NotANumber, 7, u"'VROT x': the angular velocity 'x' is not a number and is read as 0"_s}}},
        {u"AROT 12.5 q 175"_s,
         {{Kind::NotANumber, 7, u"'AROT 12.5 q 175': the y value 'q' is not a number and is read as 0"_s}}},
        // Two blanks leave the y value empty and put the rest in z.
        {u"RPOS 1  2 3"_s,
         {{Kind::NotANumber, 7,
           u"'RPOS 1  2 3': the y value is empty and is read as 0; the z value '2 3' is not a number and is read as 2"_s}}},
        {u"RVEL 12abc 0 0"_s,
         {{Kind::NotANumber, 7,
           u"'RVEL 12abc 0 0': the x value '12abc' is not a number and is read as 12"_s}}},
        {u"FUEL 1"_s, {}},
        {u"FUEL 0"_s, {}},
        {u"FUEL 1.7"_s, {{Kind::Level, 7, u"'FUEL 1.7': the fuel level 1.7 is outside 0 to 1"_s}}},
        {u"FUEL -0.2"_s, {{Kind::Level, 7, u"'FUEL -0.2': the fuel level -0.2 is outside 0 to 1"_s}}},
        // The cell says "0" for a fuel that is no number; the finding names what the line held.
        {u"FUEL abc"_s,
         {{Kind::NotANumber, 7, u"'FUEL abc': the fuel level 'abc' is not a number and is read as 0"_s}}},
        {u"FUEL 2x"_s,
         {{Kind::NotANumber, 7, u"'FUEL 2x': the fuel level '2x' is not a number and is read as 2"_s},
          {Kind::Level, 7, u"'FUEL 2x': the fuel level 2 is outside 0 to 1"_s}}},
        // The main engine runs backwards too.
        {u"ENGINE_MAIN -0.35"_s, {}},
        {u"ENGINE_MAIN -1"_s, {}},
        {u"ENGINE_MAIN 3"_s,
         {{Kind::Level, 7, u"'ENGINE_MAIN 3': the main engine level 3 is outside -1 to 1"_s}}},
        {u"ENGINE_MAIN -1.5"_s,
         {{Kind::Level, 7, u"'ENGINE_MAIN -1.5': the main engine level -1.5 is outside -1 to 1"_s}}},
        {u"ENGINE_HOVR -0.35"_s,
         {{Kind::Level, 7, u"'ENGINE_HOVR -0.35': the hover engine level -0.35 is outside 0 to 1"_s}}},
        {u"HEADING east"_s, {}},
    };
    for (const Case& c : ships)
        EXPECT_EQ(shipFindings(c.statement), c.expected) << c.statement.toStdString();

    const Case stations[] = {
        {u"ELEMENTS 6778000 0.0006 51.64 247.5 130.2 85"_s, {}},
        {u"ELEMENTS 6778000 0.0006 fifty 247.5 130.2 85"_s,
         {{Kind::NotANumber, 7,
           u"'ELEMENTS 6778000 0.0006 fifty 247.5 130.2 85': the inclination 'fifty' is not a number and is read as 0"_s}}},
        {u"AROT 0 90 x"_s,
         {{Kind::NotANumber, 7, u"'AROT 0 90 x': the z angle 'x' is not a number and is read as 0"_s}}},
        {u"REF Nowhere"_s, {}},
    };
    for (const Case& c : stations)
        EXPECT_EQ(stationFindings(c.statement), c.expected) << c.statement.toStdString();
}

TEST(StatementFindings, KeptLinesThatAreNoStatementsOrMisspeltKeywords)
{
    struct Case
    {
        QString raw;
        bool ship;
        QString expected; // empty: no finding
    };
    const Case cases[] = {
        {u"  TRANSPONDER 4821"_s, true, {}},
        {u"  LIGHTS"_s, true, {}},
        {u"  cargo 12 crates"_s, true, {}},
        {u"  CARGO\t12"_s, true, {}},
        {u"  ; a comment"_s, true, {}},
        {u""_s, true, {}},
        {u"  FEUL 0.5"_s, true,
         u"'FEUL 0.5' is no statement of the editor (a misspelt FUEL?); it is kept as an extra line of the block"_s},
        {u"  HEADNG 90"_s, true,
         u"'HEADNG 90' is no statement of the editor (a misspelt HEADING?); it is kept as an extra line of the block"_s},
        {u"  STATSU Landed Earth"_s, true,
         u"'STATSU Landed Earth' is no statement of the editor (a misspelt STATUS?); it is kept as an extra "
         u"line of "
         u"the block"_s},
        // A station keyword is no misspelling in a ship block, and the reverse.
        {u"  ELEMNTS 1 2 3 4 5 6"_s, true, {}},
        {u"  ELEMNTS 1 2 3 4 5 6"_s, false,
         u"'ELEMNTS 1 2 3 4 5 6' is no statement of the editor (a misspelt ELEMENTS?); it is kept as an "
         u"extra line "
         u"of the block"_s},
        {u"  %% lost %%"_s, true,
         u"'%% lost %%' is no statement; it is kept as an extra line of the block"_s},
        {u"  12 34"_s, false, u"'12 34' is no statement; it is kept as an extra line of the block"_s},
        {u"Tug:Hauler"_s, true,
         u"'Tug:Hauler' is no statement but reads like a block line (an END missing before it?); it is kept "
         u"as an "
         u"extra line of the block"_s},
        {u"  Tug:Hauler"_s, true,
         u"'Tug:Hauler' is no statement; it is kept as an extra line of the block"_s},
    };
    for (const Case& c : cases) {
        const ScenarioLine line(c.raw);
        const auto finding = c.ship ? shipExtraLineFinding(line, 3) : stationExtraLineFinding(line, 3);
        ASSERT_EQ(finding.has_value(), !c.expected.isEmpty()) << c.raw.toStdString();
        if (finding) {
            EXPECT_EQ(finding->kind, ReadFinding::Kind::ExtraLine);
            EXPECT_EQ(finding->line, 3);
            EXPECT_EQ(finding->text, c.expected);
        }
    }
}

// A finding about a line of megabytes quotes its start only.
TEST(StatementFindings, LongLinesAreQuotedByTheirStart)
{
    const QString garbage = u"  "_s + QString(1 << 20, u'%');
    const auto extra = shipExtraLineFinding(ScenarioLine(garbage), 9);
    ASSERT_TRUE(extra);
    EXPECT_EQ(extra->text, u"'"_s + QString(200, u'%') +
                               u"...' is no statement; it is kept as an extra line of the block"_s);

    const QVector<ReadFinding> value = shipFindings(u"VROT "_s + QString(1 << 20, u'x'));
    ASSERT_EQ(value.size(), 1);
    EXPECT_LT(value[0].text.size(), 600);
    EXPECT_TRUE(value[0].text.endsWith(u"...' is not a number and is read as 0"_s));
    EXPECT_EQ(quotedText(u"short"_s), u"'short'"_s);
    EXPECT_EQ(quotedText(QString(200, u'a')), u"'"_s + QString(200, u'a') + u"'"_s);
}

TEST(StatementFindings, OneEditApartIsOneLetterChangedAddedRemovedOrTwoSwapped)
{
    for (const auto& [a, b, apart] : {std::tuple{"FUEL", "FEUL", true},
                                      {"FUEL", "FUELS", true},
                                      {"FUEL", "FUL", true},
                                      {"FUEL", "fuel", false},
                                      {"FUEL", "FUEL", false},
                                      {"FUEL", "FULE", true},
                                      {"FUEL", "DUEL", true},
                                      {"FUEL", "UFLE", false},
                                      {"FUEL", "FUELED", false},
                                      {"RPOS", "RVEL", false},
                                      {"ENGINE_MAIN", "ENGINE_MAN", true},
                                      {"ENGINE_HOVR", "ENGINE_HOVER", true},
                                      {"ELEMENTS", "ELEMNTS", true},
                                      {"AROT", "VROT", true},
                                      {"AROT", "RAOT", true},
                                      {"AROT", "ORAT", false}}) {
        EXPECT_EQ(isOneEditApart(QString::fromLatin1(a), QString::fromLatin1(b)), apart) << a << ' ' << b;
        EXPECT_EQ(isOneEditApart(QString::fromLatin1(b), QString::fromLatin1(a)), apart) << b << ' ' << a;
    }
}

} // namespace
