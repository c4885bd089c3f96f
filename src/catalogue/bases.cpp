#include "bases.h"

#include "document/file_paths.h"
#include "document/text_file.h"
#include "document/text_primitives.h"
#include "planetary_system.h"

#include <QHash>

#include <limits>
#include <optional>

namespace {

struct BaseFile
{
    QString displayName;
    int padCount = 0;
};

// Pads and display name of one base file; nullopt when the file cannot be read or its Name line
// is too short to hold the " = " that the cut assumes.
std::optional<BaseFile> readBaseFile(const QString& path, const QString& fileName, const LineSource& source)
{
    const auto lines = source(path);
    if (!lines)
        return std::nullopt;
    BaseFile base{fileName, 0};
    for (QString line : *lines) {
        ClearComments(line);
        const QString trimmed = trimBlanks(line);
        if (trimmed.left(4).compare(u"LPAD", Qt::CaseInsensitive) == 0)
            ++base.padCount;
        // 'Name = Cape Canaveral' gives " Cape Canaveral", indented or not: the cut counts the
        // trimmed line, so the blank after "=" stays and the indentation does not shift it.
        if (trimmed.left(4).compare(u"Name", Qt::CaseInsensitive) == 0) {
            if (trimmed.size() < 6)
                return std::nullopt;
            base.displayName = rightChars(trimmed, trimmed.size() - 6);
        }
    }
    return base;
}

// The base files read so far, by path. A base named by several Base lines is read once: a body
// file repeating one line thousands of times would otherwise read its base file as often.
using BaseFiles = QHash<QString, std::optional<BaseFile>>;

// The bases of one body file, appended to `table` until a failure ends this body.
void addBodyBases(const QString& cfgDir, const QString& entry, QStringList& table, ScanLog& log,
                  const LineSource& source, BaseFiles& baseFiles)
{
    const QString bodyPath = bodyFilePath(cfgDir, entry);
    const auto lines = source(bodyPath);
    if (!lines) {
        log.addFileFailure(bodyPath);
        return;
    }
    const QString body = trimBlanks(entry);
    for (QString line : *lines) {
        ClearComments(line);
        if (trimBlanks(line.left(4)).compare(u"Base", Qt::CaseInsensitive) != 0)
            continue;
        // 'Base = Canaveral -80.6 28.5': the base file is the value up to its first blank; a
        // value without any blank is a broken line, and the rest of this body is not trusted.
        const QString value = trimBlanks(QStringView(line).mid(line.indexOf(u'=') + 1));
        const qsizetype blank = value.indexOf(u' ');
        if (blank < 0) {
            log.addFileFailure(bodyPath);
            return;
        }
        const QString fileName = value.left(blank);
        const QString basePath = joinPath(cfgDir, fileName + QStringLiteral(".cfg"));
        auto known = baseFiles.find(basePath);
        if (known == baseFiles.end())
            known = baseFiles.insert(basePath, readBaseFile(basePath, fileName, source));
        const std::optional<BaseFile>& base = *known;
        if (!base) {
            log.addFileFailure(basePath);
            return;
        }
        table.append(base->displayName + QStringLiteral(": ") + QString::number(base->padCount) + u':' +
                     body);
    }
}

} // namespace

QStringList BaseUpDate(const QString& cfgDir, const QStringList& bodies, ScanLog& log, const LineSource& source)
{
    const FolderListingScope listings;
    QStringList table;
    BaseFiles baseFiles;
    for (const QString& entry : bodies)
        addBodyBases(cfgDir, entry, table, log, source, baseFiles);
    return table;
}

BaseEntry splitBaseEntry(const QString& entry)
{
    // The display name may hold ":" itself ('Port: Alpha'): the pad count and the body are what
    // follow its last two.
    BaseEntry result;
    const qsizetype last = entry.lastIndexOf(u':');
    if (last < 0) {
        result.displayName = entry;
        return result;
    }
    const qsizetype beforeLast = last > 0 ? entry.lastIndexOf(u':', last - 1) : -1;
    const qsizetype first = beforeLast < 0 ? last : beforeLast;
    const qsizetype second = beforeLast < 0 ? -1 : last;
    result.displayName = entry.left(first);
    const QString pads = second < 0 ? entry.mid(first + 1) : entry.mid(first + 1, second - first - 1);
    result.padCount =
        static_cast<int>(qBound(0.0, numericValue(pads), double(std::numeric_limits<int>::max())));
    if (second >= 0)
        result.body = entry.mid(second + 1);
    return result;
}
