// The scenario reader and writer: no input crashes them, what the writer makes of a file is
// a fixed point, so that a second save changes nothing: write(read(write(read(x)))) equals
// write(read(x)) byte for byte, and every comment and every line of a section the editor does
// not edit that the reader kept is in the written file. The check runs in memory, as the
// editor's Save right after Open.
#include "fuzz_support.h"

#include "document/scenario_reader.h"
#include "document/scenario_writer.h"
#include "document/text_codec.h"
#include "document/text_file.h"
#include "document/text_primitives.h"

#include <QSet>

#include <algorithm>

namespace {

Scenario read(const QStringList& lines)
{
    Scenario doc;
    ScenarioReaderHost host;
    readScenarioLines(QStringLiteral("/fuzz/input.scn"), lines, doc, host);
    return doc;
}

QByteArray rewritten(const QStringList& lines)
{
    return scenarioFileText(read(lines));
}

// Whether the comments kept for a block or for the file are all in the written lines: each
// comment line as a line, each end-of-line comment at the end of a line.
QString missingComment(const KeptComments& comments, const QSet<QString>& written, const QStringList& writtenLines)
{
    for (const KeptComment& kept : comments) {
        for (const QString& line : kept.before) {
            if (!written.contains(line))
                return line;
        }
        const QString trailing = trimLeadingBlanks(kept.trailing);
        if (!trailing.isEmpty() &&
            std::none_of(writtenLines.begin(), writtenLines.end(),
                         [&](const QString& line) { return line.endsWith(trailing); }))
            return kept.trailing;
    }
    return {};
}

// The first comment or section line the reader kept that the writer left out.
QString firstLostLine(const Scenario& doc, const QStringList& writtenLines)
{
    const QSet<QString> written(writtenLines.begin(), writtenLines.end());
    for (const KeptSection& section : doc.sections) {
        for (const QString& line : section.lines) {
            // The camera's target follows the focus ship.
            if (!written.contains(line) && !trimBlanks(line).startsWith(u"Target", Qt::CaseInsensitive))
                return line;
        }
    }
    if (const QString lost = missingComment(doc.comments, written, writtenLines); !lost.isNull())
        return lost;
    auto inRows = [&](const auto& table, const QStringList& names) -> QString {
        for (qsizetype i = 0; i < std::min(names.size(), table.rowCount()); ++i) {
            if (trimBlanks(table[i].Name).isEmpty())
                continue; // a nameless row is not written, its comments go with it
            if (const QString lost = missingComment(table[i].Comments, written, writtenLines); !lost.isNull())
                return lost;
        }
        return QString();
    };
    const QString station = inRows(doc.stations, doc.stationNames);
    return station.isNull() ? inRows(doc.ships, doc.shipNames) : station;
}

// The first line in which the two texts differ, with its number, for the report.
QString firstDifference(const QStringList& a, const QStringList& b)
{
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const QString left = i < a.size() ? a[i] : QStringLiteral("<no line>");
        const QString right = i < b.size() ? b[i] : QStringLiteral("<no line>");
        if (left != right)
            return QStringLiteral("line %1: '%2' became '%3'").arg(i + 1).arg(left, right);
    }
    return QString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Scenario doc = read(inputLines(data, size));
    const QByteArray once = scenarioFileText(doc);
    const QStringList onceLines = splitLines(decodeWindows1252(once));
    if (const QString lost = firstLostLine(doc, onceLines); !lost.isNull())
        propertyBroken("a comment or section line the reader kept is not written", decodeWindows1252(once),
                       QStringLiteral("lost: '%1'").arg(lost));
    const QByteArray twice = rewritten(splitLines(decodeWindows1252(once)));
    if (once != twice) {
        const QStringList first = splitLines(decodeWindows1252(once));
        const QStringList second = splitLines(decodeWindows1252(twice));
        propertyBroken("the written scenario read and written again changes",
                       decodeWindows1252(once), firstDifference(first, second));
    }
    return 0;
}
