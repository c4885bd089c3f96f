#include "file_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <optional>

QString toSlashes(const QString& path)
{
    QString result = path;
    result.replace(u'\\', u'/');
    return result;
}

QString joinPath(const QString& folder, const QString& part)
{
    QString left = toSlashes(folder);
    QString right = toSlashes(part);
    if (right.startsWith(u"./"))
        right.remove(0, 1);
    if (left.isEmpty())
        return right;
    if (left.endsWith(u'/') && right.startsWith(u'/'))
        right.remove(0, 1);
    else if (!left.endsWith(u'/') && !right.isEmpty() && !right.startsWith(u'/'))
        left.append(u'/');
    return left + right;
}

QString withTrailingSeparator(const QString& folder)
{
    QString result = toSlashes(folder);
    while (result.size() > 1 && result.endsWith(u"//"))
        result.chop(1);
    if (!result.endsWith(u'/'))
        result.append(u'/');
    return result;
}

namespace {

const QDir::Filters kListed = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

// The entry of `entries` (in their listing order) whose name equals `name` without regard to
// letter case, the first one when several do.
std::optional<QString> caseMatch(const QStringList& entries, const QString& name)
{
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return std::nullopt;
}

// Walks down from the deepest existing ancestor of a clean path, matching each missing
// component by name in the listing of its folder.
QString walkComponents(const QString& clean)
{
    QStringList parts = clean.split(u'/');
    QString current;
    qsizetype i = 0;
    if (clean.startsWith(u'/')) {
        current = QStringLiteral("/");
        i = 1;
    } else if (parts.size() > 1 && parts[0].endsWith(u':')) {
        current = parts[0] + u'/';
        i = 1;
    }
    for (; i < parts.size(); ++i) {
        const QString& name = parts[i];
        const QString base = current.isEmpty() ? QStringLiteral(".") : current;
        QString candidate = current + name;
        if (!QFileInfo::exists(candidate)) {
            if (const auto entry = caseMatch(QDir(base).entryList(kListed), name))
                candidate = current + *entry;
        }
        current = candidate;
        if (i + 1 < parts.size())
            current.append(u'/');
    }
    return current;
}

thread_local FolderListingScope::Listings* activeListings = nullptr;

} // namespace

// The folders a scope has resolved and listed: each folder path as asked for, resolved once,
// and each listed folder's entries by exact name and by case-folded name (the first entry in
// listing order for each folded name, as the walk takes it).
class FolderListingScope::Listings
{
public:
    struct Resolved
    {
        QString path;
        bool missing = false; // the listing of the folder holds nothing of the name
    };

    Resolved resolve(const QString& clean)
    {
        const qsizetype slash = clean.lastIndexOf(u'/');
        if (slash <= 0 || slash + 1 == clean.size())
            return {walkComponents(clean)};
        const QString parent = clean.left(slash);
        const QString name = clean.mid(slash + 1);
        auto folder = folders_.constFind(parent);
        if (folder == folders_.cend())
            folder = folders_.insert(parent, QFileInfo::exists(parent) ? parent : walkComponents(parent));
        const QString candidate = *folder + u'/' + name;
        // A folder is listed at its first name that is not there as given: a scan of files
        // that all exist lists nothing (a folder of 20,000 files took longer to list than to
        // read the few files asked for).
        if (!listings_.contains(*folder) && QFileInfo::exists(candidate))
            return {candidate};
        const Listing& listing = listingOf(*folder);
        if (listing.exact.contains(name) && QFileInfo::exists(candidate))
            return {candidate};
        const auto entry = listing.folded.constFind(name.toCaseFolded());
        if (entry != listing.folded.cend() && entry->compare(name, Qt::CaseInsensitive) == 0)
            return {*folder + u'/' + *entry};
        // Where folded forms and the comparison could disagree, the listing itself is asked.
        if (entry != listing.folded.cend() || !listing.foldsInPlace) {
            const auto match = caseMatch(listing.entries, name);
            return {*folder + u'/' + match.value_or(name), !match && listing.listed};
        }
        return {candidate, listing.listed};
    }

private:
    struct Listing
    {
        QStringList entries;
        QSet<QString> exact;
        QHash<QString, QString> folded;
        // No entry's folded form differs in length from it: the comparison then matches a name
        // exactly when the folded forms are equal.
        bool foldsInPlace = true;
        // The folder could be listed, so that a name missing from the listing is missing from
        // the folder (a folder that may be entered but not read lists nothing).
        bool listed = false;
    };

    const Listing& listingOf(const QString& folder)
    {
        auto known = listings_.find(folder);
        if (known != listings_.end())
            return *known;
        Listing listing;
        const QFileInfo info(folder);
        listing.listed = info.isDir() && info.isReadable();
        listing.entries = QDir(folder).entryList(kListed);
        for (const QString& entry : std::as_const(listing.entries)) {
            listing.exact.insert(entry);
            const QString key = entry.toCaseFolded();
            if (!listing.folded.contains(key))
                listing.folded.insert(key, entry);
            if (key.size() != entry.size())
                listing.foldsInPlace = false;
        }
        return *listings_.insert(folder, listing);
    }

    QHash<QString, QString> folders_;
    QHash<QString, Listing> listings_;
};

FolderListingScope::FolderListingScope()
{
    if (!activeListings)
        activeListings = owned_ = new Listings;
}

FolderListingScope::~FolderListingScope()
{
    if (owned_) {
        activeListings = nullptr;
        delete owned_;
    }
}

namespace {

// Whether the open scope answers for `given` (a path with '/' separators) from the listing of
// its folder: a clean path of a file.
bool listingAnswers(const QString& given)
{
    return activeListings && !given.isEmpty() && !given.endsWith(u'/') && QDir::cleanPath(given) == given;
}

} // namespace

std::optional<QString> resolveListedPath(const QString& path)
{
    const QString given = toSlashes(path);
    if (!listingAnswers(given))
        return resolvePath(given);
    FolderListingScope::Listings::Resolved resolved = activeListings->resolve(given);
    if (resolved.missing)
        return std::nullopt;
    return std::move(resolved.path);
}

QString resolvePath(const QString& path)
{
    const QString given = toSlashes(path);
    // A clean path is answered from the listing of its folder: a file missing as given costs
    // no call to the file system, which is most of what a scan of missing files would cost.
    if (listingAnswers(given))
        return activeListings->resolve(given).path;
    if (given.isEmpty() || QFileInfo::exists(given))
        return given;
    const bool trailing = given.endsWith(u'/');
    const QString clean = QDir::cleanPath(given);
    if (QFileInfo::exists(clean))
        return trailing ? withTrailingSeparator(clean) : clean;
    const QString current = activeListings ? activeListings->resolve(clean).path : walkComponents(clean);
    return trailing ? withTrailingSeparator(current) : current;
}

QString writeTargetPath(const QString& path)
{
    return resolvePath(path);
}

QString fileSystemKey(const QString& path)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return absolute.toLower();
#else
    return absolute;
#endif
}
