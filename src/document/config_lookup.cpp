#include "config_lookup.h"

#include "text_file.h"
#include "text_primitives.h"

#include <QSet>

std::optional<QString> lastKeyedItem(const QStringList& lines, const QString& Flag)
{
    std::optional<QString> result;
    for (const QString& line : lines) {
        for (QString item : splitFields(line)) {
            item = trimBlanks(item);
            ClearComments(item);
            if (QStringView(item).left(Flag.size()).compare(Flag, Qt::CaseInsensitive) == 0)
                result = item;
        }
    }
    return result;
}

QString GetData(const QString& FileName, const QString& Flag, ScanLog& log)
{
    const auto lines = readTextLines(FileName);
    if (!lines) {
        log.addFileFailure(FileName);
        return kNoData;
    }
    return lastKeyedItem(*lines, Flag).value_or(kNoData);
}

namespace {

QStringList cleanedLines(const QStringList& lines)
{
    QStringList cleaned;
    cleaned.reserve(lines.size());
    for (QString line : lines) {
        ClearComments(line);
        cleaned.append(trimBlanks(line));
    }
    return cleaned;
}

} // namespace

FindDataResult FindData(const QString& folder, const QStringList& files, const QString& Flag1,
                        const QString& Flag2, ScanLog& log, const LineSource& source, ListedValues listed)
{
    FindDataResult result;
    const QString key1 = trimBlanks(Flag1);
    const QString key2 = trimBlanks(Flag2);
    for (const QString& file : files) {
        const auto lines = source(folder + file);
        if (!lines) {
            log.addFileFailure(folder + file);
            continue;
        }
        for (const QString& line : cleanedLines(*lines)) {
            if (line.startsWith(key1))
                result.files.append(file);
        }
    }
    // A file is listed once per matching line, and its listings follow each other. Reading it
    // again for every listing would make a file of n matching lines cost n readings and, when
    // both keys match the same lines, n * n values: one reading serves all its listings.
    QSet<QString> valuesGiven;
    for (qsizetype i = 0; i < result.files.size();) {
        const QString file = result.files[i];
        const qsizetype first = i;
        while (i < result.files.size() && result.files[i] == file)
            ++i;
        const qsizetype listings = i - first;
        if (listed == ListedValues::OnePerFile && valuesGiven.contains(file))
            continue;
        const auto lines = source(folder + file);
        if (!lines) {
            for (qsizetype n = 0; n < listings; ++n)
                log.addFileFailure(folder + file);
            continue;
        }
        valuesGiven.insert(file);
        QVector<FoundValue> values;
        for (const QString& line : cleanedLines(*lines)) {
            if (line.startsWith(key2))
                values.append({file, rightChars(line, line.size() - Flag2.size() - 3)});
        }
        const qsizetype readings = listed == ListedValues::OnePerFile ? 1 : listings;
        for (qsizetype n = 0; n < readings; ++n)
            result.values.append(values);
    }
    return result;
}
