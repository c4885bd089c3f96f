#include "scenario_reader.h"

#include "config_lookup.h"
#include "date_text.h"
#include "dates.h"
#include "folder_description.h"
#include "repeated_cells.h"
#include "scenario_kept_reader.h"
#include "scenario_line.h"
#include "ship_statements.h"
#include "statement_findings.h"
#include "station_statements.h"
#include "text_file.h"
#include "text_primitives.h"

#include <optional>
#include <utility>

namespace {

// The two block sections of a scenario file.
struct Section
{
    QStringView begin;
    QStringView end;
};
constexpr Section kStations{u"BEGIN_STATIONS", u"END_STATIONS"};
constexpr Section kShips{u"BEGIN_SHIPS", u"END_SHIPS"};

// The file as the steps see it: its lines and its description block. The other steps look at
// the lines after the description only (a description line reading 'BEGIN_SHIPS' or
// 'BEGIN_ENVIRONMENT' belongs to the description). The lines are views into the text the file
// was read as (or into the lines handed in): a file of 16,000 ships has 140,000 lines, and a
// string for each would cost twice the text.
struct ScenarioText
{
    explicit ScenarioText(QString fileText) : text(std::move(fileText)), lines(lineViews(text)) {}
    explicit ScenarioText(QStringList fileLines) : givenLines(std::move(fileLines)), lines(lineViews(givenLines)) {}
    ScenarioText(const ScenarioText&) = delete;
    ScenarioText& operator=(const ScenarioText&) = delete;

    const QString text;
    const QStringList givenLines;
    const QList<QStringView> lines;
    const DescriptionBlock description = descriptionBlock(lines);
    const qsizetype bodyStart = description.nextLine;
};

// The lines of every BEGIN_x .. END_x section of the body; std::nullopt when there is none.
std::optional<QStringList> sectionLines(const ScenarioText& file, QStringView begin, QStringView end)
{
    std::optional<QStringList> section;
    bool inside = false;
    for (qsizetype i = file.bodyStart; i < file.lines.size(); ++i) {
        const ScenarioLine line(file.lines[i]);
        if (inside && line.is(end)) {
            inside = false;
        } else if (inside) {
            section->append(file.lines[i].toString());
        } else if (line.is(begin)) {
            inside = true;
            if (!section)
                section.emplace();
        }
    }
    return section;
}

// A statement of the environment or focus section, looked up in that section when the file has
// one (the last match wins) and in the whole file otherwise, as older files may hold it anywhere.
std::optional<QString> environmentItem(const ScenarioText& file, Section section, const QString& key)
{
    if (const auto lines = sectionLines(file, section.begin, section.end))
        return lastKeyedItem(*lines, key);
    // Line by line, so that the whole file is not copied into strings for a few statements.
    std::optional<QString> found;
    for (const QStringView line : file.lines) {
        if (auto item = lastKeyedItem(QStringList{line.toString()}, key))
            found = std::move(item);
    }
    return found;
}

void readEnvironment(const QString& path, const std::optional<ScenarioText>& file, Scenario& doc,
                     ScenarioReaderHost& host)
{
    constexpr Section environment{u"BEGIN_ENVIRONMENT", u"END_ENVIRONMENT"};
    if (!file)
        doc.readReport.findings.append(
            {ReadFinding::Kind::Unread, 0, QStringLiteral("Can not open the file ") + path + u'.'});
    auto item = [&](Section section, const QString& key) -> std::optional<QString> {
        if (file)
            return environmentItem(*file, section, key);
        doc.scanLog.addFileFailure(path);
        return std::nullopt;
    };

    const auto dateText = dateTextOfStatement(item(environment, QStringLiteral("Date")));
    doc.startDateText = dateText.value_or(QString());
    const auto mjd = dateText ? startMjdOfText(*dateText) : std::nullopt;
    if (!mjd) {
        const QString entry = QStringLiteral("The file ") + path +
                              QStringLiteral(" has no readable Date statement; the start date is set to "
                                             "2000-01-01 12:00.");
        doc.scanLog.addEntry(entry + u' ', path);
        if (file)
            doc.readReport.findings.append({ReadFinding::Kind::Date, 0, entry});
    }
    doc.julianDate = mjd.value_or(kFallbackStartMjd) - kMjdOffset;
    const DayTime start = splitDayNumber(doc.julianDate);
    doc.startDate = start.date;
    doc.startHour = start.hour;
    doc.startMinute = start.minute;

    QString system = item(environment, QStringLiteral("System")).value_or(kNoData);
    system = rightChars(system, system.size() - 7);
    ClearComments(system);
    doc.planetarySystem = valueTrimmed(system);
    host.planetarySystemNamed(doc, doc.planetarySystem);

    const auto focus = item({u"BEGIN_FOCUS", u"END_FOCUS"}, QStringLiteral("Ship"));
    doc.shipFocus = focus ? valueTrimmed(rightChars(*focus, focus->size() - 4)) : QString();
}

void readDescription(const QString& path, const std::optional<ScenarioText>& file, Scenario& doc)
{
    if (!file) {
        doc.description.clear();
        doc.scanLog.addRawFailure(path);
        return;
    }
    const DescriptionBlock& block = file->description;
    doc.description = block.text;
    if (block.nextLine > 0 && !block.closed) {
        const QString entry = QStringLiteral("The description of the file ") + path +
                              QStringLiteral(" has no END_DESC line; the whole file is read as description.");
        doc.scanLog.addEntry(entry + u' ', path);
        doc.readReport.findings.append({ReadFinding::Kind::Unread, 1, entry});
    }
}

struct BlockCount
{
    qsizetype count = 0;    // lines that directly follow the section's opening line or an END
    QStringList blockLines; // the line that opens each block, trimmed ('Shuttle:Falcon')
};

// Counts the blocks of every section of the kind: a section with a count reads, and its table
// has a row for each block line (one more for the row a last END blanks), so that a file of
// many END lines and few names costs rows for the names only.
BlockCount countBlocks(const ScenarioText& file, Section section)
{
    BlockCount result;
    bool inSection = false;
    bool expectBlock = false;
    bool expectBlockLine = false;
    for (qsizetype i = file.bodyStart; i < file.lines.size(); ++i) {
        const ScenarioLine line(file.lines[i]);
        if (line.is(section.end))
            inSection = false;
        if (inSection && expectBlock)
            ++result.count;
        expectBlock = false;
        if (inSection && expectBlockLine && line.isBlockLine()) {
            result.blockLines.append(line.trimmed);
            expectBlockLine = false;
        }
        if (line.is(section.begin))
            inSection = expectBlock = expectBlockLine = true;
        if (line.is(u"END"))
            expectBlock = expectBlockLine = true;
    }
    return result;
}

// The opening line of the section that the block step reads: the first one that is not indented,
// so that '  BEGIN_SHIPS' inside a station block does not start the ships there; a file whose
// opening lines are all indented is read from its first one. The end of the file when there is
// none.
qsizetype sectionStart(const ScenarioText& file, Section section)
{
    qsizetype indented = -1;
    for (qsizetype i = file.bodyStart; i < file.lines.size(); ++i) {
        const ScenarioLine line(file.lines[i]);
        if (!line.is(section.begin))
            continue;
        if (!line.raw.startsWith(u' '))
            return i;
        if (indented < 0)
            indented = i;
    }
    return indented >= 0 ? indented : file.lines.size();
}

// How the reading of a section went.
struct SectionRead
{
    bool closed = false;         // its closing line was reached
    qsizetype malformed = 0;     // malformed statements met (each logged with its line)
    QStringList closingComments; // comment lines after the last block
};

void appendExtraLine(QString& extraLines, const QString& line)
{
    if (!extraLines.isEmpty())
        extraLines += QStringLiteral("\r\n");
    extraLines += line;
}

// Comment lines of a block section wait for the line they stand before: a statement or a block
// line keeps them as its comments (the writer writes them before it), a line kept as an extra
// line takes them into the extra lines ahead of it, and so does the end of the block.
class PendingComments
{
public:
    bool take(const ScenarioLine& line)
    {
        if (!isCommentLine(line.raw))
            return false;
        lines_ << line.raw.toString();
        return true;
    }
    void toAnchor(KeptComments& comments, QStringView anchor, const QString& raw)
    {
        keepComments(comments, anchor.toString(), lines_, trailingComment(raw));
        lines_.clear();
    }
    void toExtraLines(QString& extraLines)
    {
        for (const QString& line : std::as_const(lines_))
            appendExtraLine(extraLines, line);
        lines_.clear();
    }
    QStringList takeAll() { return std::exchange(lines_, {}); }

private:
    QStringList lines_;
};

// Reads the block lines of the first section of the kind into `table`, which has a row for each
// block line of the sections of the kind and one more. Row r is named by its block line; END
// closes it and blanks the next row. An END that closes a block without block line only blanks
// its row again, so that entry i of the name list always names row i. Lines of a block that hold no statement
// of the editor, malformed statements included, are kept verbatim in the row's extra lines; each malformed
// one is logged with its line number. The section breaks off (closed false) at the next section or the end of
// the file before its closing line (the blocks of the next section are not read as blocks of
// this one), or with more blocks than rows.
//
// What a malformed statement holds before its missing part is stored when its block closes, and
// only when no sound statement of the same keyword stands in the block: the writer puts the
// kept line after the statements it writes, and the kept line must not override them at the
// next read ('STATUS Docked Earth' before 'STATUS Orbiting Earth').
//
// Every logged line is also a finding in `report`; `checkLine` gives the findings about a
// statement read into a row or a line kept as an extra line, and `blockLines` takes the line
// number of each block line.
template <typename Table, typename ReadBlockLine, typename ReadStatement, typename CheckLine>
SectionRead readBlocks(const QString& path, const ScenarioText& file, Section section, Table& table,
                       QStringList& names, void (Table::*blank)(qsizetype), ReadBlockLine readBlockLine,
                       ReadStatement readStatement, CheckLine checkLine, ScanLog& log, ReadReport& report,
                       QVector<qsizetype>& blockLines)
{
    SectionRead result;
    qsizetype i = sectionStart(file, section);
    const qsizetype opening = i + 1;
    qsizetype r = 0;
    bool named = false;
    QList<QStringView> soundKeywords;
    QList<qsizetype> malformedLines;
    auto closeBlock = [&] {
        for (const qsizetype at : std::as_const(malformedLines)) {
            const ScenarioLine line(file.lines[at]);
            auto row = table[r];
            const StatementRead read = readStatement(line, row);
            if (!soundKeywords.contains(read.keyword))
                table[r] = row;
        }
        soundKeywords.clear();
        malformedLines.clear();
    };
    auto logLine = [&](qsizetype at, const QString& text, const QString& problem) {
        log.addLineEntry(problem, path,
                         QStringLiteral("Line %1 of %2: '%3' %4. ").arg(at + 1).arg(path, text, problem));
        report.findings.append({ReadFinding::Kind::Malformed, at + 1, quotedText(text) + u' ' + problem});
    };
    auto brokeOff = [&](const QString& why) {
        report.findings.append({ReadFinding::Kind::Unread, opening,
                                QStringLiteral("the section '%1' is not read to its '%2' line: %3")
                                    .arg(section.begin, section.end, why)});
    };
    PendingComments comments;
    RepeatedCells repeated;
    auto sectionEnds = [&] {
        closeBlock();
        if (named) {
            comments.toExtraLines(table[r].ExtraLines);
            repeated.share(table[r]);
        }
        result.closingComments = comments.takeAll();
    };
    for (++i; i < file.lines.size(); ++i) {
        const ScenarioLine line(file.lines[i]);
        if (comments.take(line))
            continue;
        if (line.is(u"END")) {
            closeBlock();
            if (named) {
                comments.toExtraLines(table[r].ExtraLines);
                keepComments(table[r].Comments, QStringLiteral("END"), {}, trailingComment(line.raw));
                repeated.share(table[r]);
            }
            if (named && r + 1 >= table.rowCount()) {
                brokeOff(QStringLiteral("it holds more blocks than were counted, up to line %1").arg(i + 1));
                return result;
            }
            if (named)
                ++r;
            named = false;
            (table.*blank)(r);
        } else if (line.is(section.end)) {
            sectionEnds();
            result.closed = true;
            return result;
        } else if (line.opensSection()) {
            sectionEnds();
            brokeOff(QStringLiteral("the next section begins at line %1").arg(i + 1));
            return result;
        } else if (!named && line.isBlockLine()) {
            readBlockLine(line, table[r]);
            comments.toAnchor(table[r].Comments, u"", line.raw.toString());
            names.append(table[r].Name);
            blockLines.append(i + 1);
            named = true;
        } else if (line.isSectionKeyword()) {
            // Kept inside a block, '  BEGIN_SHIPS' would open the section at the next read.
            logLine(i, line.trimmed,
                    QStringLiteral("opens or closes a section inside a block; the line is left out"));
        } else {
            StatementRead read;
            {
                // The copy must be gone before the row's extra lines grow, or each line would
                // copy them all.
                auto before = table[r];
                read = readStatement(line, table[r]);
                if (read.kind == StatementRead::Malformed || read.keptAlso)
                    table[r] = std::move(before);
            }
            // A statement that is kept as a line too (an unknown status) is stored as a
            // malformed one is: when its block closes, unless a sound one of its keyword stands
            // there, since the kept line comes after the written statements at the next read.
            if (read.keptAlso && named)
                malformedLines.append(i);
            if (read.kind == StatementRead::Read && !read.keptAlso) {
                soundKeywords.append(read.keyword);
                if (named)
                    comments.toAnchor(table[r].Comments, read.keyword, line.raw.toString());
            }
            if (read.kind == StatementRead::Malformed) {
                if (named)
                    malformedLines.append(i);
                ++result.malformed;
                logLine(i, line.trimmed,
                        read.need +
                            (named ? QStringLiteral("; the line is kept as it stands")
                                   : QStringLiteral("; the line stands outside any block and is left out")));
            }
            if ((read.kind != StatementRead::Read || read.keptAlso) && named) {
                comments.toExtraLines(table[r].ExtraLines);
                appendExtraLine(table[r].ExtraLines, line.raw.toString());
            }
            if ((read.kind == StatementRead::Read && !read.keptAlso) ||
                (read.kind == StatementRead::Other && named))
                report.findings += checkLine(read, line, table[r], i + 1);
        }
    }
    sectionEnds();
    brokeOff(QStringLiteral("the file ends first"));
    return result;
}

SectionRead readStations(const QString& path, const ScenarioText& file, qsizetype named, Scenario& doc)
{
    doc.stations.StationTableRedim(named);
    doc.stations.StationTableBlanking(0);
    const SectionRead read = readBlocks(
        path, file, kStations, doc.stations, doc.stationNames, &StationTable::StationTableBlanking,
        readStationBlockLine,
        [&](const ScenarioLine& line, StationRow& row) {
            return readStationStatement(line, row, doc.julianDate);
        },
        [](const StatementRead& read, const ScenarioLine& line, const StationRow& row, qsizetype at) {
            if (read.kind == StatementRead::Read)
                return stationStatementFindings(read.keyword, line, row, at);
            const auto finding = stationExtraLineFinding(line, at);
            return finding ? QVector<ReadFinding>{*finding} : QVector<ReadFinding>{};
        },
        doc.scanLog, doc.readReport, doc.readReport.stationLines);
    keepComments(doc.comments, kStations.end.toString(), read.closingComments, {});
    return read;
}

SectionRead readShips(const QString& path, const ScenarioText& file, qsizetype named, Scenario& doc)
{
    doc.ships.ShipTableRedim(named);
    doc.ships.ShipTableBlanking(0);
    const SectionRead read = readBlocks(
        path, file, kShips, doc.ships, doc.shipNames, &ShipTable::ShipTableBlanking, readShipBlockLine,
        readShipStatement,
        [](const StatementRead& read, const ScenarioLine& line, const ShipRow& row, qsizetype at) {
            if (read.kind == StatementRead::Read)
                return shipStatementFindings(read.keyword, line, row, at);
            const auto finding = shipExtraLineFinding(line, at);
            return finding ? QVector<ReadFinding>{*finding} : QVector<ReadFinding>{};
        },
        doc.scanLog, doc.readReport, doc.readReport.shipLines);
    keepComments(doc.comments, kShips.end.toString(), read.closingComments, {});
    return read;
}

// The step's own entry when its section broke off or held a malformed statement: the warning at
// the end of the read and the error log rely on it.
bool sectionFailed(const SectionRead& read)
{
    return !read.closed || read.malformed > 0;
}

// Reads `file` (std::nullopt: the file could not be read) into `doc`; the file is let go of as
// soon as its lines are read.
void readScenarioText(const QString& path, std::optional<ScenarioText>& file, Scenario& doc,
                      ScenarioReaderHost& host)
{
    doc.scanLog.reset();
    doc.readReport = {};

    readEnvironment(path, file, doc, host);
    readDescription(path, file, doc);
    host.descriptionRead(doc);
    readKeptText(path, file ? file->lines : QList<QStringView>(), file ? file->bodyStart : 0, doc);

    // Each step below adds one entry naming the file when it failed; what it read stays.
    auto failed = [&] { doc.scanLog.addRawFailure(path); };
    BlockCount stations;
    BlockCount ships;
    if (file) {
        stations = countBlocks(*file, kStations);
        ships = countBlocks(*file, kShips);
    } else {
        failed(); // counting the stations
        failed(); // counting the ships
    }

    doc.possibleShipFocus = ships.blockLines;
    doc.possibleShipFocusIndex = ships.blockLines.isEmpty() ? -1 : 0;

    doc.stationNames.clear();
    host.stationTabReset(doc);
    // Without stations no row of the scenario read before is kept: a station added next starts
    // empty. Likewise for ships.
    if (stations.count == 0)
        doc.stations.StationTableRedim(0);
    else if (sectionFailed(readStations(path, *file, stations.blockLines.size(), doc)))
        failed();
    doc.stationIndex = 0;
    host.stationsRead(doc);

    doc.shipNames.clear();
    if (ships.count == 0)
        doc.ships.ShipTableRedim(0);
    else if (sectionFailed(readShips(path, *file, ships.blockLines.size(), doc)))
        failed();
    // The file's lines are no longer needed: the trees the host builds next need not share the
    // memory with them.
    file.reset();
    doc.shipIndex = 0;
    host.shipsRead(doc);
}

} // namespace

void TabSettings(const QString& path, Scenario& doc, ScenarioReaderHost& host)
{
    std::optional<ScenarioText> file;
    if (auto text = readText(path))
        file.emplace(std::move(*text));
    readScenarioText(path, file, doc, host);
}

void readScenarioLines(const QString& path, std::optional<QStringList> lines, Scenario& doc,
                       ScenarioReaderHost& host)
{
    std::optional<ScenarioText> file;
    if (lines)
        file.emplace(std::move(*lines));
    readScenarioText(path, file, doc, host);
}
