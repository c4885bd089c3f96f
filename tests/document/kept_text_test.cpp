#include "document/scenario_reader.h"
#include "document/scenario_writer.h"
#include "document/text_codec.h"
#include "document/text_file.h"
#include "qt_print.h"
#include "scenario_files.h"

#include <QDirIterator>

#include <algorithm>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A file holding every kind of text the editor does not edit, as an author writes it.
const QString kAuthoredFile = uR"(BEGIN_DESC
Harbour run.
END_DESC

; the environment of the run
BEGIN_ENVIRONMENT
  ; home
  System Sol ; the home system
  Date MJD 60312.0419444444
END_ENVIRONMENT

BEGIN_FOCUS
  Ship Tern
  ; last line of the focus
END_FOCUS

BEGIN_CAMERA
  Target Tern
  MODE Cockpit
  FOV 60
END_CAMERA

BEGIN_HUD
  Type Orbit
END_HUD

BEGIN_NOTES
  keep me ; as I am
END_NOTES

BEGIN_STATIONS
; the ring first
Alpha:Ring ; upper ring
  REF Earth
  EL_MJD 60312.0419444444
  ELEMENTS 6778000 0 51.6 0 0 0
  ; spins on its own
  ZROT_FREQ 0.01 ; slow
END ; of Alpha
; nothing after the ring
END_STATIONS

BEGIN_SHIPS
Tern:Skipper
  STATUS Landed Earth
  BASE Harbour:3 ; east pad
  FUEL 0.123
END
END_SHIPS
; the end
)"_s;

QStringList rewritten(const QString& text)
{
    ScenarioFiles files;
    const Scenario doc = readScenario(files.write(u"in.scn"_s, textLines(text)));
    return decodeWindows1252(scenarioFileText(doc)).split(u"\r\n"_s);
}

qsizetype indexOf(const QStringList& lines, const QString& line)
{
    return lines.indexOf(line);
}

} // namespace

TEST(KeptText, ARewriteKeepsCommentsSectionsAndValueTexts)
{
    const QStringList out = rewritten(kAuthoredFile);
    for (const QString& line : {u"; the environment of the run"_s,
                                u"  ; home"_s,
                                u"  System Sol ; the home system"_s,
                                u"  Date MJD 60312.0419444444"_s,
                                u"  ; last line of the focus"_s,
                                u"  MODE Cockpit"_s,
                                u"  FOV 60"_s,
                                u"  Type Orbit"_s,
                                u"BEGIN_NOTES"_s,
                                u"  keep me ; as I am"_s,
                                u"END_NOTES"_s,
                                u"; the ring first"_s,
                                u"Alpha:Ring ; upper ring"_s,
                                u"  EL_MJD 60312.0419444444"_s,
                                u"  ; spins on its own"_s,
                                u"  ZROT_FREQ 0.01 ; slow"_s,
                                u"END ; of Alpha"_s,
                                u"; nothing after the ring"_s,
                                u"  BASE Harbour:3 ; east pad"_s,
                                u"  FUEL  0.123"_s,
                                u"; the end"_s})
        EXPECT_TRUE(out.contains(line)) << line.toStdString();

    // Comment lines stay between the lines around them.
    EXPECT_EQ(indexOf(out, u"; the environment of the run"_s) + 1, indexOf(out, u"BEGIN_ENVIRONMENT"_s));
    EXPECT_EQ(indexOf(out, u"  ; spins on its own"_s) + 1, indexOf(out, u"  ZROT_FREQ 0.01 ; slow"_s));
    EXPECT_EQ(indexOf(out, u"; nothing after the ring"_s) + 1, indexOf(out, u"END_STATIONS"_s));
    EXPECT_EQ(indexOf(out, u"  ; last line of the focus"_s) + 1, indexOf(out, u"END_FOCUS"_s));

    // The file's own sections replace the fixed text; the missing MFD sections get theirs.
    EXPECT_FALSE(out.contains(u"  MODE Extern"_s));
    EXPECT_EQ(out.count(u"BEGIN_HUD"_s), 1);
    EXPECT_TRUE(out.contains(u"BEGIN_MFD Left"_s));
    EXPECT_TRUE(out.contains(u"BEGIN_MFD Right"_s));
    EXPECT_FALSE(out.contains(u"  ZROT_FREQUENCY 0.01"_s));

    const QString once = out.join(u"\n"_s);
    EXPECT_EQ(rewritten(once), out) << "rewrite is a fixed point";
}

TEST(KeptText, CommentsFollowTheirStatementAndBlock)
{
    ScenarioFiles files;
    Scenario doc = readScenario(files.write(u"in.scn"_s, textLines(kAuthoredFile)));
    doc.ships[0].Base = u"Port Alpha"_s;
    doc.ships[0].Pad = u"1"_s;
    doc.shipFocus = u"Gull"_s;
    QStringList out = decodeWindows1252(scenarioFileText(doc)).split(u"\r\n"_s);
    EXPECT_TRUE(out.contains(u"  BASE Port Alpha:1 ; east pad"_s)) << "an edited statement keeps its comment";
    EXPECT_TRUE(out.contains(u"  Target Gull"_s)) << "the camera follows the focus ship";
    EXPECT_TRUE(out.contains(u"  MODE Cockpit"_s));

    doc.stationNames.clear();
    out = decodeWindows1252(scenarioFileText(doc)).split(u"\r\n"_s);
    EXPECT_FALSE(out.contains(u"Alpha:Ring ; upper ring"_s));
    EXPECT_FALSE(out.contains(u"  ; spins on its own"_s)) << "a deleted block takes its comments along";
    EXPECT_TRUE(out.contains(u"; nothing after the ring"_s)) << "comments outside blocks stay";
}

TEST(KeptText, ChangedDatesAreWrittenAnewAndUnchangedOnesAsRead)
{
    ScenarioFiles files;
    Scenario doc = readScenario(files.write(u"in.scn"_s, textLines(kAuthoredFile)));
    EXPECT_EQ(doc.startHour, 1);
    EXPECT_EQ(doc.startMinute, 0);
    doc.startMinute = 1;
    doc.stations[0].EpochMinute = u"1"_s;
    QStringList out = decodeWindows1252(scenarioFileText(doc)).split(u"\r\n"_s);
    EXPECT_FALSE(out.contains(u"  Date MJD 60312.0419444444"_s));
    EXPECT_FALSE(out.contains(u"  EL_MJD 60312.0419444444"_s));
    EXPECT_TRUE(out.contains(u"  EL_MJD 60312.0423611111"_s));

    for (const QString& date : {u"Date JD 2460312.5"_s, u"Date JE 2024.0"_s}) {
        QString text = kAuthoredFile;
        text.replace(u"Date MJD 60312.0419444444"_s, date);
        EXPECT_TRUE(rewritten(text).contains(u"  "_s + date)) << date.toStdString();
    }
}

TEST(KeptText, NewScenariosGetTheFixedSections)
{
    Scenario doc;
    doc.shipFocus = u"Tern"_s;
    const QStringList out = decodeWindows1252(scenarioFileText(doc)).split(u"\r\n"_s);
    for (const QString& line :
         {u"  Target Tern"_s, u"  MODE Extern"_s, u"BEGIN_HUD"_s, u"BEGIN_MFD Left"_s, u"BEGIN_MFD Right"_s})
        EXPECT_TRUE(out.contains(line)) << line.toStdString();
}

TEST(KeptText, DatesThatAreNoNumbersAreLoggedWithTheirLineAndKept)
{
    QString text = kAuthoredFile;
    text.replace(u"Date MJD 60312.0419444444"_s, u"Date MJD sixty"_s);
    text.replace(u"EL_MJD 60312.0419444444"_s, u"EL_MJD soon"_s);
    ScenarioFiles files;
    const Scenario doc = readScenario(files.write(u"in.scn"_s, textLines(text)));
    const QString log = doc.scanLog.LogMessage;
    EXPECT_TRUE(doc.scanLog.LogError);
    EXPECT_TRUE(log.contains(u"Line 9 of "_s)) << log.toStdString();
    EXPECT_TRUE(log.contains(u"'Date MJD sixty' holds no number"_s)) << log.toStdString();
    EXPECT_TRUE(log.contains(u"'EL_MJD soon' holds no number"_s)) << log.toStdString();
    const QStringList out = decodeWindows1252(scenarioFileText(doc)).split(u"\r\n"_s);
    EXPECT_TRUE(out.contains(u"  Date MJD sixty"_s));
    EXPECT_TRUE(out.contains(u"  EL_MJD soon"_s));
}

// Every scenario we ship or test with: rewriting it keeps every comment line and every line of a
// section the editor does not edit, and rewriting the result changes nothing.
TEST(KeptText, EveryKnownScenarioRoundTrips)
{
    QStringList paths;
    for (const QString& root : {QStringLiteral(CORVANE_SAMPLE_DIR), QStringLiteral(CORVANE_TEST_DATA_DIR)}) {
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.endsWith(u".scn"_s, Qt::CaseInsensitive) || path.contains(u"/fuzz/scenario/"_s))
                paths << path;
        }
    }
    ASSERT_GT(paths.size(), 10);
    for (const QString& path : paths) {
        const QStringList in = *readTextLines(path);
        const Scenario doc = readScenario(path);
        const QByteArray once = scenarioFileText(doc);
        const QStringList out = decodeWindows1252(once).split(u"\r\n"_s);
        for (const KeptSection& section : doc.sections) {
            for (const QString& line : section.lines) {
                if (!line.trimmed().startsWith(u"Target"_s)) {
                    EXPECT_TRUE(out.contains(line)) << path.toStdString() << ": " << line.toStdString();
                }
            }
        }
        bool inDescription =
            !in.isEmpty() && in.front().trimmed().compare(u"BEGIN_DESC"_s, Qt::CaseInsensitive) == 0;
        for (const QString& line : in) {
            if (inDescription) {
                inDescription = line.trimmed().compare(u"END_DESC"_s, Qt::CaseInsensitive) != 0;
                continue;
            }
            if (line.trimmed().startsWith(u';')) {
                EXPECT_TRUE(out.contains(line)) << path.toStdString() << ": " << line.toStdString();
            }
        }
        ScenarioFiles files;
        EXPECT_EQ(scenarioFileText(readScenario(files.writeBytes(u"once.scn"_s, once))), once)
            << path.toStdString();
    }
}

// A base name holding ":" keeps its whole name: the pad is what follows the last ":".
TEST(KeptText, BaseNamesHoldingAColonKeepTheirWholeName)
{
    QString text = kAuthoredFile;
    text.replace(u"BASE Harbour:3 ; east pad"_s, u"BASE Port: Alpha:1"_s);
    ScenarioFiles files;
    const Scenario doc = readScenario(files.write(u"in.scn"_s, textLines(text)));
    EXPECT_EQ(doc.ships[0].Base, u"Port: Alpha"_s);
    EXPECT_EQ(doc.ships[0].Pad, u"1"_s);
    EXPECT_TRUE(rewritten(text).contains(u"  BASE Port: Alpha:1"_s));
}

// Comments of statements the writer leaves out (a ship without status has no FUEL line, a file
// without stations no BEGIN_STATIONS) stay in the file and keep it a fixed point.
TEST(KeptText, CommentsOfLinesThatAreNotWrittenStay)
{
    const QString text = u"BEGIN_DESC\nEND_DESC\nBEGIN_STATIONS ; none yet\nEND_STATIONS\nBEGIN_SHIPS\n"
                         u"Drifter:Skipper\n  ; about the fuel\n  FUEL 0.5 ; half\nEND\nEND_SHIPS\n"_s;
    const QStringList out = rewritten(text);
    EXPECT_TRUE(out.contains(u"  ; about the fuel"_s));
    EXPECT_TRUE(out.contains(u"  ; half"_s));
    EXPECT_TRUE(out.contains(u"  ; none yet"_s));
    EXPECT_EQ(rewritten(out.join(u"\n"_s)), out);
}

// A section kept after a station or ship section that has no block to write moves up to where
// the file read back will have it, so that a second save changes nothing.
TEST(KeptText, SectionsAfterAnUnwrittenBlockSectionStayAFixedPoint)
{
    const QString text =
        u"BEGIN_DESC\nEND_DESC\nBEGIN_FOCUS\n  Ship A\nEND_FOCUS\nBEGIN_STATIONS\nEND_STATIONS\n"
        u"BEGIN_NOTES\n  one\nEND_NOTES\nBEGIN_SHIPS\n  stray\nEND_SHIPS\nBEGIN_MFD Right\n"
        u"  Type Map\nEND_MFD\n"_s;
    const QStringList out = rewritten(text);
    EXPECT_TRUE(out.contains(u"  one"_s));
    EXPECT_TRUE(out.contains(u"  Type Map"_s));
    EXPECT_FALSE(out.contains(u"  Type Launch"_s));
    EXPECT_EQ(rewritten(out.join(u"\n"_s)), out);
}

// Environment and focus lines are cut into fields at commas before comments are cleared, and
// their sections are found at indented opening lines too: what is kept of such lines must not
// change, at the next read, the values the first read gave.
TEST(KeptText, KeptEnvironmentAndFocusTextNeverChangesTheValuesReadBack)
{
    struct Case
    {
        const char* name;
        QString text;
        QString keptLine; // a line of the written file, if any must be
        QString lostText; // a text no written line holds, if any
    };
    const QString ships = u"BEGIN_SHIPS\nTern:Skipper\nEND\nEND_SHIPS\n"_s;
    const Case cases[] = {
        {"comment of a statement written quoted",
         u"BEGIN_ENVIRONMENT\n  System Sol ; home\n  System \"Sol, two\"\n  Date MJD 55000\nEND_ENVIRONMENT\n"_s + ships,
         u"  System \"Sol, two\" ; home"_s, {}},
        {"comment of a statement read quoted",
         u"BEGIN_ENVIRONMENT\n  System \"Sol\" ; home\n  Date MJD 55000\nEND_ENVIRONMENT\n"_s + ships,
         u"  System Sol ; home"_s, {}},
        {"comment holding a comma only",
         u"BEGIN_ENVIRONMENT\n  Date MJD 55000 ; start, chosen by hand\nEND_ENVIRONMENT\n"_s + ships,
         u"  Date MJD 55000 ; start, chosen by hand"_s, {}},
        {"statement in the comment of a statement",
         u"BEGIN_ENVIRONMENT\n  Date MJD 51544.5 ; start, Date MJD 60000\n  Date MJD 55000\nEND_ENVIRONMENT\n"_s + ships,
         {}, u"60000"_s},
        {"statement in a comment line",
         u"BEGIN_ENVIRONMENT\n  ; note, Date MJD 60000\n  Date MJD 55000\nEND_ENVIRONMENT\n"_s + ships,
         {}, u"60000"_s},
        {"statement in a quoted comment",
         u"BEGIN_FOCUS\n  Ship Tern ; a \"quote, Ship Other\nEND_FOCUS\nBEGIN_ENVIRONMENT\n  Date MJD 55000\nEND_ENVIRONMENT\n"_s + ships,
         {}, u"Other"_s},
        {"environment opened in the focus section",
         u"BEGIN_FOCUS\n  BEGIN_ENVIRONMENT\n  Date MJD 60000\nEND_FOCUS\nBEGIN_ENVIRONMENT\n  Date MJD 55000\nEND_ENVIRONMENT\n"_s + ships,
         u"  Date MJD 60000"_s, u"  BEGIN_ENVIRONMENT"_s},
        {"focus opened in a camera after the ships",
         u"BEGIN_ENVIRONMENT\n  Date MJD 55000\nEND_ENVIRONMENT\n"_s + ships +
             u"BEGIN_CAMERA\n  BEGIN_FOCUS\n  Ship Other\nEND_CAMERA\nBEGIN_FOCUS\n  Ship Tern\nEND_FOCUS\n"_s,
         u"  Ship Other"_s, u"  BEGIN_FOCUS"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScenarioFiles files;
        const Scenario read = readScenario(files.write(u"in.scn"_s, textLines(c.text)));
        const QByteArray once = scenarioFileText(read);
        const Scenario again = readScenario(files.writeBytes(u"once.scn"_s, once));
        EXPECT_EQ(again.startDate, read.startDate);
        EXPECT_EQ(again.startDateText, read.startDateText);
        EXPECT_EQ(again.planetarySystem, read.planetarySystem);
        EXPECT_EQ(again.shipFocus, read.shipFocus);
        EXPECT_EQ(scenarioFileText(again), once);
        const QStringList lines = decodeWindows1252(once).split(u"\r\n"_s);
        if (!c.keptLine.isEmpty()) {
            EXPECT_TRUE(lines.contains(c.keptLine)) << decodeWindows1252(once).toStdString();
        }
        if (!c.lostText.isEmpty()) {
            EXPECT_FALSE(std::any_of(lines.begin(), lines.end(),
                                     [&](const QString& line) { return line.contains(c.lostText); }))
                << decodeWindows1252(once).toStdString();
        }
    }
}
