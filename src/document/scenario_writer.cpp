#include "scenario_writer.h"

#include "config_lookup.h"
#include "date_text.h"
#include "dates.h"
#include "number_text.h"
#include "scenario_line.h"
#include "ship_status.h"
#include "text_file.h"
#include "text_primitives.h"

#include <algorithm>
#include <initializer_list>

namespace {

// Rows in use (entries of the name list) that hold a name: a row added but never validated has
// none and would be written as a nameless block.
template <typename Table> QList<qsizetype> writtenRows(const Table& table, const QStringList& names)
{
    QList<qsizetype> rows;
    const qsizetype used = std::min(names.size(), table.rowCount());
    for (qsizetype i = 0; i < used; ++i) {
        if (!trimBlanks(table[i].Name).isEmpty())
            rows.append(i);
    }
    return rows;
}

// "  KEYWORD v1 v2 v3" from the trimmed values with the statement's comments, or nothing when
// every value is empty: a line such as '  REF ' or '  AROT   ' cannot be read back and ends the
// reading of its section.
void addStatement(CommentedOutput& out, const QString& keyword, std::initializer_list<QString> values)
{
    QStringList trimmed;
    bool anyValue = false;
    for (const QString& value : values) {
        trimmed.append(trimBlanks(value));
        anyValue = anyValue || !trimmed.back().isEmpty();
    }
    if (anyValue)
        out.add(keyword, QStringLiteral("  ") + keyword + u' ' + trimmed.join(u' '));
}

// A level behind its keyword: the number as read while it is one ('FUEL 0.123'), else the
// converted number ('FUEL  0'); a number keeps one blank before it when it is not negative.
QString levelText(const QString& cell)
{
    const QString trimmed = trimBlanks(cell);
    if (!isNumberText(trimmed))
        return convertedNumber(numericValue(trimmed));
    return trimmed.startsWith(u'-') ? trimmed : u' ' + trimmed;
}

void addLevel(CommentedOutput& out, const QString& keyword, const QString& cell)
{
    out.add(keyword, QStringLiteral("  ") + keyword + u' ' + levelText(cell));
}

// The lines of a block the editor does not read, written back as they were read.
void addExtraLines(QStringList& out, const QString& extraLines)
{
    if (!extraLines.isEmpty())
        out << extraLines.split(QStringLiteral("\r\n"));
}

// An environment or focus value: the reader splits these statements at commas outside double
// quotes, so a value holding a comma is quoted ('Ship "Tug,boat"'), or it would come back cut.
QString statementValue(const QString& value)
{
    const QString trimmed = trimBlanks(value);
    return trimmed.contains(u',') ? u'"' + trimmed + u'"' : trimmed;
}

// The Date value: as read while the start date still shows it, else the start date as an MJD.
// The text read keeps its leading blanks, which tell where its number starts ('Date7 8 9' reads
// ' 8 9'), and is quoted again when it holds a comma, which would cut it. A control character
// at its end, kept because a blank hid it when the line was read, is left out: read back
// without that blank, it would be cut. The text is written only when the line, read back, gives
// that same text and date; otherwise the next save would write something else.
QString startDateValue(const Scenario& doc)
{
    QString text = doc.startDateText;
    while (!text.isEmpty() && text.back().unicode() < 32)
        text = trimTrailingBlanks(text.chopped(1));
    const QString value = text.contains(u',') ? u'"' + text + u'"' : text;
    const auto readBack = dateTextOfStatement(lastKeyedItem({QStringLiteral("  Date ") + value}, QStringLiteral("Date")));
    const auto mjd = readBack == text ? startMjdOfText(text) : std::nullopt;
    if (mjd && mjdShows(*mjd, doc.startDate, doc.startHour, doc.startMinute))
        return value;
    return QStringLiteral("MJD ") + numberText(mjdOf(doc.startDate, doc.startHour, doc.startMinute));
}

// The camera of a kept section follows the focus ship: its 'Target' line names it.
QStringList cameraLines(const KeptSection& camera, const QString& focus)
{
    QStringList lines = camera.lines;
    for (QString& raw : lines) {
        const ScenarioLine line(raw);
        if (line.is(u"Target") || line.startsWith(u"Target ")) {
            const qsizetype indent = raw.size() - trimLeadingBlanks(raw).size();
            raw = withTrailingComment(raw.left(indent) + QStringLiteral("Target ") + focus, trailingComment(raw));
        }
    }
    return lines;
}

// Where a kept section goes: after the section of the editor it followed in the file, or after
// the one before that when the station or ship section is not written (it has no block), so that
// the file read back puts it in the same place.
QString placeOf(const KeptSection& section, const Scenario& doc)
{
    QString after = section.after;
    if (after == u"BEGIN_SHIPS" && writtenRows(doc.ships, doc.shipNames).isEmpty())
        after = QStringLiteral("BEGIN_STATIONS");
    if (after == u"BEGIN_STATIONS" && writtenRows(doc.stations, doc.stationNames).isEmpty())
        after = QStringLiteral("BEGIN_FOCUS");
    return after;
}

// The sections the editor does not edit that go after the section `after`.
void addKeptSections(QStringList& out, const Scenario& doc, QStringView after, const QString& focus)
{
    for (const KeptSection& section : doc.sections) {
        if (placeOf(section, doc) != after)
            continue;
        out << (sameSection(section.opening, u"BEGIN_CAMERA") ? cameraLines(section, focus) : section.lines);
        out << QString();
    }
}

// The fixed text of a camera, HUD or MFD section, for a file that did not have it.
void addFixedSection(QStringList& out, const Scenario& doc, const QString& opening, const QStringList& lines)
{
    for (const KeptSection& section : doc.sections) {
        if (sameSection(section.opening, opening))
            return;
    }
    out << opening << lines << QString();
}

// An environment or focus section with its comments.
void addEditedSection(CommentedOutput& out, const QString& name, const QStringList& keys,
                      const QStringList& statements)
{
    out.add(QStringLiteral("BEGIN_") + name, QStringLiteral("BEGIN_") + name);
    for (qsizetype i = 0; i < keys.size(); ++i)
        out.add(keys[i], statements[i]);
    out.add(QStringLiteral("END_") + name, QStringLiteral("END_") + name);
    out.lines << QString();
}

void addHeader(CommentedOutput& commented, const Scenario& doc)
{
    QStringList& out = commented.lines;
    const QString focus = statementValue(doc.shipFocus);
    out << QStringLiteral("BEGIN_DESC");
    // Each description line ends with a line end; a description read from a file already ends
    // with one, which must not become an extra empty line at every save.
    out << splitLines(doc.description);
    out << QStringLiteral("END_DESC") << QString();
    addKeptSections(out, doc, u"BEGIN_DESC", focus);
    addEditedSection(commented, QStringLiteral("ENVIRONMENT"),
                     {QStringLiteral("System"), QStringLiteral("Date")},
                     {QStringLiteral("  System ") + statementValue(doc.planetarySystem),
                      QStringLiteral("  Date ") + startDateValue(doc)});
    addKeptSections(out, doc, u"BEGIN_ENVIRONMENT", focus);
    addEditedSection(commented, QStringLiteral("FOCUS"), {QStringLiteral("Ship")},
                     {QStringLiteral("  Ship ") + focus});
    addKeptSections(out, doc, u"BEGIN_FOCUS", focus);
    addFixedSection(out, doc, QStringLiteral("BEGIN_CAMERA"),
                    {QStringLiteral("  Target ") + focus, QStringLiteral("  MODE Extern"),
                     QStringLiteral("  POS 40 -115.88 -24.15"), QStringLiteral("  TRACKMODE TargetRelative"),
                     QStringLiteral("  FOV 20#"), QStringLiteral("END_CAMERA")});
    addFixedSection(out, doc, QStringLiteral("BEGIN_HUD"),
                    {QStringLiteral("  Type Surface"), QStringLiteral("END_HUD")});
    addFixedSection(out, doc, QStringLiteral("BEGIN_MFD Left"),
                    {QStringLiteral("  Type Surface"), QStringLiteral("END_MFD")});
    addFixedSection(out, doc, QStringLiteral("BEGIN_MFD Right"),
                    {QStringLiteral("  Type Launch"), QStringLiteral("END_MFD")});
}

// The EL_MJD value: as read while the epoch still shows it, else the epoch as an MJD.
QString epochValue(const StationRow& row)
{
    const double hour = numericValue(row.EpochHour);
    const double minute = numericValue(row.EpochMinute);
    if (!row.EpochText.isEmpty() && mjdShows(numericValue(row.EpochText), row.EpochDate, hour, minute))
        return row.EpochText;
    return numberText(mjdOf(row.EpochDate, hour, minute));
}

void addStation(QStringList& lines, const StationRow& row)
{
    CommentedOutput out(lines, row.Comments);
    out.add(u"", trimBlanks(row.Name) + u':' + trimBlanks(row.ClassName));
    addStatement(out, QStringLiteral("REF"), {row.RefPlanet});
    // A station read without EL_MJD and never validated has no epoch; day 0 would put it in 1899.
    if (row.EpochDate.isValid())
        out.add(u"EL_MJD", QStringLiteral("  EL_MJD ") + epochValue(row));
    addStatement(out, QStringLiteral("ELEMENTS"),
                 {row.SemiMajorAxis, row.Excentricity, row.Inclination, row.AscendingNodeLongitude,
                  row.PeriapsisLongitude, row.MeanLongitude});
    // The angles turn the station's frame whether it spins at its class's frequency or its own.
    addStatement(out, QStringLiteral("AROT"), {row.AngleX, row.AngleY, row.AngleZ});
    if (!row.UseClassRotation && !trimBlanks(row.RotationFrequency).isEmpty()) {
        // The keyword as the file wrote it ('ZROT_FREQ'); the comments are kept for the statement.
        const QString keyword =
            row.RotationKeyword.isEmpty() ? QStringLiteral("ZROT_FREQUENCY") : row.RotationKeyword;
        out.add(u"ZROT_FREQ", QStringLiteral("  ") + keyword + u' ' + trimBlanks(row.RotationFrequency));
    }
    addExtraLines(lines, row.ExtraLines);
    out.addUnwritten(lines, u"END");
    out.add(u"END", QStringLiteral("END"));
}

void addShip(QStringList& lines, const ShipRow& row)
{
    CommentedOutput out(lines, row.Comments);
    out.add(u"", trimBlanks(row.Name) + u':' + trimBlanks(row.ClassName));
    const QString status = trimBlanks(row.Status);
    const QString statusLine = QStringLiteral("  STATUS ") + status + u' ' + trimBlanks(row.Planet);
    auto add = [&](QStringView keyword, const QString& line) { out.add(keyword, line); };
    switch (shipStatusOf(status)) {
    case ShipStatus::Landed: {
        add(u"STATUS", statusLine);
        add(u"BASE", QStringLiteral("  BASE ") + trimBlanks(row.Base) + u':' + trimBlanks(row.Pad));
        // "Toto" is the blank heading of a ship whose heading was never set.
        const QString heading = trimBlanks(row.Heading);
        if (!heading.isEmpty() && heading != u"Toto")
            add(u"HEADING", QStringLiteral("  HEADING ") + heading);
        addLevel(out, QStringLiteral("FUEL"), row.Fuel);
        break;
    }
    case ShipStatus::Orbiting:
        add(u"STATUS", statusLine);
        addLevel(out, QStringLiteral("FUEL"), row.Fuel);
        addStatement(out, QStringLiteral("RPOS"), {row.RposX, row.RposY, row.RposZ});
        addStatement(out, QStringLiteral("RVEL"), {row.RvelX, row.RvelY, row.RvelZ});
        addStatement(out, QStringLiteral("AROT"), {row.ArotX, row.ArotY, row.ArotZ});
        add(u"VROT", QStringLiteral("  VROT ") + convertedNumber(numericValue(trimBlanks(row.Vrot))));
        for (const auto& [keyword, cell] : {std::pair{QStringLiteral("ENGINE_MAIN"), &row.MainEngine},
                                            std::pair{QStringLiteral("ENGINE_HOVR"), &row.HoverEngine}}) {
            if (numericValue(trimBlanks(*cell)) != 0.0)
                add(keyword, QStringLiteral("  ") + keyword + u' ' + trimBlanks(levelText(*cell)));
        }
        break;
    case ShipStatus::Docked:
        add(u"STATUS", statusLine + u':' + trimBlanks(row.DockStation) + u':' + trimBlanks(row.DockPort));
        addLevel(out, QStringLiteral("FUEL"), row.Fuel);
        break;
    case ShipStatus::Unknown:
        // The status line of a word the editor does not know is kept as an extra line.
        break;
    }
    addExtraLines(lines, row.ExtraLines);
    // Comments of statements the status leaves out stay in the block.
    out.addUnwritten(lines, u"END");
    add(u"END", QStringLiteral("END"));
}

// A block section, or only its comments when it has no block to write.
template <typename Table, typename AddBlock>
void addBlockSection(CommentedOutput& out, const Table& table, const QStringList& names, const QString& name,
                     AddBlock addBlock)
{
    const QString begin = QStringLiteral("BEGIN_") + name;
    const QString end = QStringLiteral("END_") + name;
    const auto rows = writtenRows(table, names);
    if (rows.isEmpty())
        return;
    out.add(begin, begin);
    for (const qsizetype i : rows)
        addBlock(out.lines, table[i]);
    out.add(end, end);
}

} // namespace

QStringList scenarioFileLines(const Scenario& doc)
{
    QStringList out;
    CommentedOutput commented(out, doc.comments);
    const QString focus = statementValue(doc.shipFocus);
    addHeader(commented, doc);
    addBlockSection(commented, doc.stations, doc.stationNames, QStringLiteral("STATIONS"), addStation);
    out << QString();
    addKeptSections(out, doc, u"BEGIN_STATIONS", focus);
    addBlockSection(commented, doc.ships, doc.shipNames, QStringLiteral("SHIPS"), addShip);
    // What follows the last section: the sections kept after the ships, and the comments of the
    // end of the file and of sections that had nothing to write.
    QStringList tail;
    addKeptSections(tail, doc, u"BEGIN_SHIPS", focus);
    commented.addUnwritten(tail);
    if (!tail.isEmpty())
        out << QString() << tail;
    return out;
}

QByteArray scenarioFileText(const Scenario& doc)
{
    return crlfText(scenarioFileLines(doc));
}

WriteResult ScenarioFileSaving(const QString& path, const Scenario& doc)
{
    return writeFileSafely(path, scenarioFileText(doc));
}

bool hasWrittenShip(const Scenario& doc)
{
    return !writtenRows(doc.ships, doc.shipNames).isEmpty();
}
