// The scenario reader and writer: no input crashes them, and what the writer makes of a file is
// a fixed point, so that a second save changes nothing: write(read(write(read(x)))) equals
// write(read(x)) byte for byte. The check runs in memory, as the editor's Save right after Open.
#include "fuzz_support.h"

#include "document/scenario_reader.h"
#include "document/scenario_writer.h"
#include "document/text_codec.h"
#include "document/text_file.h"

namespace {

QByteArray rewritten(const QStringList& lines)
{
    Scenario doc;
    ScenarioReaderHost host;
    readScenarioLines(QStringLiteral("/fuzz/input.scn"), lines, doc, host);
    return scenarioFileText(doc);
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
    const QByteArray once = rewritten(inputLines(data, size));
    const QByteArray twice = rewritten(splitLines(decodeWindows1252(once)));
    if (once != twice) {
        const QStringList first = splitLines(decodeWindows1252(once));
        const QStringList second = splitLines(decodeWindows1252(twice));
        propertyBroken("the written scenario read and written again changes",
                       decodeWindows1252(once), firstDifference(first, second));
    }
    return 0;
}
