#include "catalogue.h"

#include "document/byte_lines.h"
#include "document/config_lookup.h"
#include "document/file_paths.h"
#include "document/regular_file.h"
#include "document/text_file.h"
#include "document/text_primitives.h"

#include <QDir>
#include <QHash>

#include <algorithm>

namespace {

QVector<NamedFile> namedFiles(const FindDataResult& found)
{
    // Each value keeps the file it was read from: a file with two Name lines gives two entries
    // of that file instead of shifting every later name onto the wrong file.
    QVector<NamedFile> result;
    result.reserve(found.values.size());
    for (const FoundValue& value : found.values)
        result.append({value.value, value.file});
    return result;
}

QString withoutExtension(const QString& file)
{
    return leftChars(file, file.size() - 4);
}

// Systems, vessel classes and station classes are found in one reading of every file; the
// dock list of a station class file is counted in the same reading.
// A vessel class file is listed once per ClassName line, so a file with the lines
// 'ClassName = Shuttle' and 'ClassName = Shuttle B' would give both names twice: each file
// gives the names of one reading.
enum { Systems, Vessels, Stations };

const QVector<DataSearch>& catalogueSearches()
{
    static const QVector<DataSearch> searches{
        {QStringLiteral("Star1"), QStringLiteral("Name")},
        {QStringLiteral("ClassName"), QStringLiteral("ClassName"), ListedValues::OnePerFile},
        {QStringLiteral("BEGIN_DOCKLIST"), QStringLiteral("Meshname")}};
    return searches;
}

Catalogue catalogueFrom(const QVector<FindDataResult>& found, const QHash<QString, int>& docks)
{
    Catalogue catalogue;
    catalogue.planetarySystems = namedFiles(found[Systems]);
    catalogue.vesselClasses = namedFiles(found[Vessels]);
    for (const QString& file : found[Stations].files) {
        catalogue.stationClasses.append(withoutExtension(file));
        catalogue.stationClassTable.append({withoutExtension(file), docks.value(file)});
    }
    return catalogue;
}

// The dock list keywords stand alone on their line, blanks aside, in any letter case. The
// line search compares the upper-case form of the decoded line; no character of Windows-1252
// outside ASCII has an upper-case form made of the keywords' letters ("ß" gives "SS", which
// neither holds), so comparing the ASCII letters without regard to case is the same test.
bool isDockKeyword(QByteArrayView line, QByteArrayView keyword)
{
    return blankTrimmedBytes(line).compare(keyword, Qt::CaseInsensitive) == 0;
}

} // namespace

QStringList configurationFiles(const QString& folder)
{
    QStringList files =
        QDir(resolvePath(folder)).entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Unsorted);
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return files;
}

Catalogue buildCatalogue(const QString& cfgDir, ScanLog& log)
{
    // The names come from the listing of the folder as it is on disk, so each file is read in
    // that folder as listed: looking each name up again cost one call to the system per file.
    const QString folder = withTrailingSeparator(resolvePath(cfgDir));
    return catalogueOfBytes(cfgDir, configurationFiles(cfgDir), log,
                            [&](const QString& path, QByteArray& bytes) {
                                return readRegularFileInto(folder + path.mid(cfgDir.size()), bytes);
                            });
}

Catalogue catalogueOfBytes(const QString& cfgDir, const QStringList& files, ScanLog& log,
                           const ByteSource& source)
{
    const FolderListingScope listings;
    QHash<QString, int> docks;
    const QVector<FindDataResult> found = FindDataInBytes(
        cfgDir, files, catalogueSearches(), log, source,
        [&docks](const QString& file, QByteArrayView bytes, const QVector<qsizetype>& listings) {
            if (listings[Stations] > 0)
                docks.insert(file, dockListCountOfBytes(bytes));
        });
    return catalogueFrom(found, docks);
}

Catalogue catalogueOf(const QString& cfgDir, const QStringList& files, ScanLog& log, const LineSource& source)
{
    const FolderListingScope listings;
    QHash<QString, int> docks;
    const QVector<FindDataResult> found = FindDataTogether(
        cfgDir, files, catalogueSearches(), log, source,
        [&docks](const QString& file, const QStringList& lines, const QVector<qsizetype>& listings) {
            if (listings[Stations] > 0)
                docks.insert(file, dockListCount(lines));
        });
    return catalogueFrom(found, docks);
}

int dockListCount(const QStringList& lines)
{
    // Every line after BEGIN_DOCKLIST counts, the END_DOCKLIST line included, hence the final
    // minus one. A second list adds its lines and its end line as well.
    int count = 0;
    int inList = 0;
    for (const QString& line : lines) {
        count += inList;
        const QString key = trimBlanks(line).toUpper();
        if (key == u"BEGIN_DOCKLIST")
            inList = 1;
        if (key == u"END_DOCKLIST")
            inList = 0;
    }
    return count - 1;
}

int dockListCountOfBytes(QByteArrayView bytes)
{
    int count = 0;
    int inList = 0;
    forEachByteLine(bytes, [&](QByteArrayView line) {
        count += inList;
        if (isDockKeyword(line, "BEGIN_DOCKLIST"))
            inList = 1;
        if (isDockKeyword(line, "END_DOCKLIST"))
            inList = 0;
    });
    return count - 1;
}

int StationDockNumberDisplay(const QVector<StationClassRow>& table, const QString& sn)
{
    const QString wanted = trimBlanks(sn).toUpper();
    int docks = 0;
    for (const StationClassRow& row : table) {
        if (trimBlanks(row.Name).toUpper() == wanted)
            docks = row.DockCount;
    }
    return docks;
}
