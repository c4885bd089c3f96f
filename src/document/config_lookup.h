#pragma once

#include "scan_log.h"
#include "text_file.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <optional>

// Where the configuration readers take the lines of a file from: the file on disk by default
// (readTextLines), or lines already in memory (the fuzz targets hand in their input this way).
// std::nullopt stands for a file that cannot be opened or read.
using LineSource = std::function<std::optional<QStringList>(const QString& path)>;

// Keyed look-up of one statement in a configuration or scenario file: the whole last item
// whose first characters equal the key without regard to case ('Mass = 5.97e24' for "Mass"),
// or "No Data". A file that cannot be read is logged and answers what was found so far.
QString GetData(const QString& FileName, const QString& Flag, ScanLog& log);

// GetData's look-up over lines already read: the last matching item, std::nullopt when none.
std::optional<QString> lastKeyedItem(const QStringList& lines, const QString& Flag);

// The text GetData answers when nothing matched.
inline const QString kNoData = QStringLiteral("No Data");

// One value found by FindData, kept with the file it came from.
struct FoundValue
{
    QString file;
    QString value;
};

struct FindDataResult
{
    // Files with a line beginning with the first key, once per such line (Buffer).
    QStringList files;
    // Values of the lines beginning with the second key, in the order of `files` (NBuffer),
    // each paired with its own file.
    QVector<FoundValue> values;
};

// What the second stage of FindData gives for a file that the first stage listed n times.
enum class ListedValues {
    PerListing, // the file's values n times, as n readings of it give them
    OnePerFile, // the file's values once
};

// Two-stage search over the files of a folder: `files` are names inside `folder` (which ends
// with a separator), in the order to search. Keys are compared with regard to case, after the
// comment is removed and the line trimmed; the value is the trimmed line less the key and three
// characters, so 'Name = Sol' gives 'Sol' and 'Name=Sol' gives 'l'. Each file is read once for
// both stages, whatever the number of its listings; a file that cannot be read is logged once.
FindDataResult FindData(const QString& folder, const QStringList& files, const QString& Flag1,
                        const QString& Flag2, ScanLog& log, const LineSource& source = readTextLines,
                        ListedValues listed = ListedValues::PerListing);

// One search of several made together by FindDataTogether.
struct DataSearch
{
    QString Flag1;
    QString Flag2;
    ListedValues listed = ListedValues::PerListing;
};

// The results of searches made together, built file by file. Both readings of the files (as
// lines, or as bytes) hand what they find here, so that the listing rules are written once.
class FindDataResults
{
public:
    explicit FindDataResults(const QVector<DataSearch>& searches);

    // Search `s` lists `file` `listings` times (at least once). `values` gives the values of the
    // file's lines that begin with the second key; it is called only when they are used.
    void addListed(qsizetype s, const QString& file, qsizetype listings,
                   const std::function<QVector<FoundValue>()>& values);
    // A file that cannot be read, by its full path.
    void addUnreadable(const QString& path);
    // The results, with the scan log entries of the unreadable files as the searches made one
    // after another give them.
    QVector<FindDataResult> take(ScanLog& log);

private:
    QVector<ListedValues> listed_;
    QVector<FindDataResult> results_;
    QVector<QSet<QString>> valuesGiven_;
    QStringList unreadable_;
};

// Each file is read once for all the searches: `read` is given its lines and how many times
// each search lists it. The results are those of FindData for each search in turn, and the
// scan log gets the entries those calls one after another give, in the same order.
using FileRead =
    std::function<void(const QString& file, const QStringList& lines, const QVector<qsizetype>& listings)>;
QVector<FindDataResult> FindDataTogether(const QString& folder, const QStringList& files,
                                         const QVector<DataSearch>& searches, ScanLog& log,
                                         const LineSource& source, const FileRead& read = {});
