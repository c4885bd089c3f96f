#include "config_lookup.h"

#include "text_file.h"
#include "text_primitives.h"

#include <QSet>

#include <algorithm>

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

QVector<FindDataResult> FindDataTogether(const QString& folder, const QStringList& files,
                                         const QVector<DataSearch>& searches, ScanLog& log,
                                         const LineSource& source, const FileRead& read)
{
    QVector<FindDataResult> results(searches.size());
    QVector<QSet<QString>> valuesGiven(searches.size());
    QStringList keys1;
    QStringList keys2;
    for (const DataSearch& search : searches) {
        keys1.append(trimBlanks(search.Flag1));
        keys2.append(trimBlanks(search.Flag2));
    }
    QStringList unreadable;
    QVector<qsizetype> listings(searches.size());
    for (const QString& file : files) {
        const auto lines = source(folder + file);
        if (!lines) {
            unreadable.append(folder + file);
            continue;
        }
        const QStringList cleaned = cleanedLines(*lines);
        for (qsizetype s = 0; s < searches.size(); ++s) {
            listings[s] = std::count_if(cleaned.cbegin(), cleaned.cend(),
                                        [&](const QString& line) { return line.startsWith(keys1[s]); });
            if (listings[s] == 0)
                continue;
            FindDataResult& result = results[s];
            for (qsizetype n = 0; n < listings[s]; ++n)
                result.files.append(file);
            const bool once = searches[s].listed == ListedValues::OnePerFile;
            if (once && valuesGiven[s].contains(file))
                continue;
            valuesGiven[s].insert(file);
            QVector<FoundValue> values;
            for (const QString& line : cleaned) {
                if (line.startsWith(keys2[s]))
                    values.append({file, rightChars(line, line.size() - searches[s].Flag2.size() - 3)});
            }
            for (qsizetype n = 0; n < (once ? 1 : listings[s]); ++n)
                result.values.append(values);
        }
        if (read)
            read(file, *lines, listings);
    }
    // FindData logs an unreadable file in its first stage; the second stage reads only files
    // the first one could read.
    for (qsizetype s = 0; s < searches.size(); ++s) {
        for (const QString& path : unreadable)
            log.addFileFailure(path);
    }
    return results;
}
