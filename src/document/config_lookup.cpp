#include "config_lookup.h"

#include "text_file.h"
#include "text_primitives.h"

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
    return FindDataTogether(folder, files, {{Flag1, Flag2, listed}}, log, source).front();
}

FindDataResults::FindDataResults(const QVector<DataSearch>& searches)
    : results_(searches.size()), valuesGiven_(searches.size())
{
    for (const DataSearch& search : searches)
        listed_.append(search.listed);
}

void FindDataResults::addListed(qsizetype s, const QString& file, qsizetype listings,
                                const std::function<QVector<FoundValue>()>& values)
{
    FindDataResult& result = results_[s];
    for (qsizetype n = 0; n < listings; ++n)
        result.files.append(file);
    // A file is listed once per matching line; one reading serves all its listings, so a file
    // of n matching lines costs one reading, not n readings and n * n values.
    const bool once = listed_[s] == ListedValues::OnePerFile;
    if (once && valuesGiven_[s].contains(file))
        return;
    valuesGiven_[s].insert(file);
    const QVector<FoundValue> found = values();
    for (qsizetype n = 0; n < (once ? 1 : listings); ++n)
        result.values.append(found);
}

void FindDataResults::addUnreadable(const QString& path)
{
    unreadable_.append(path);
}

QVector<FindDataResult> FindDataResults::take(ScanLog& log)
{
    // An unreadable file is logged by the first stage of each search; the second stage uses the
    // reading of the first, so it has nothing to log.
    for (qsizetype s = 0; s < results_.size(); ++s) {
        for (const QString& path : std::as_const(unreadable_))
            log.addFileFailure(path);
    }
    return std::move(results_);
}

QVector<FindDataResult> FindDataTogether(const QString& folder, const QStringList& files,
                                         const QVector<DataSearch>& searches, ScanLog& log,
                                         const LineSource& source, const FileRead& read)
{
    FindDataResults results(searches);
    QStringList keys1;
    QStringList keys2;
    for (const DataSearch& search : searches) {
        keys1.append(trimBlanks(search.Flag1));
        keys2.append(trimBlanks(search.Flag2));
    }
    QVector<qsizetype> listings(searches.size());
    for (const QString& file : files) {
        const auto lines = source(folder + file);
        if (!lines) {
            results.addUnreadable(folder + file);
            continue;
        }
        const QStringList cleaned = cleanedLines(*lines);
        for (qsizetype s = 0; s < searches.size(); ++s) {
            listings[s] = std::count_if(cleaned.cbegin(), cleaned.cend(),
                                        [&](const QString& line) { return line.startsWith(keys1[s]); });
            if (listings[s] == 0)
                continue;
            results.addListed(s, file, listings[s], [&] {
                QVector<FoundValue> values;
                for (const QString& line : cleaned) {
                    if (line.startsWith(keys2[s]))
                        values.append({file, rightChars(line, line.size() - searches[s].Flag2.size() - 3)});
                }
                return values;
            });
        }
        if (read)
            read(file, *lines, listings);
    }
    return results.take(log);
}
