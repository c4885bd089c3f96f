#include "scenario_file_watch.h"

#include "document/regular_file.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace {

// A digest of the file's bytes; std::nullopt when it is gone, cannot be read or is no regular
// file (a FIFO put in its place must not hold the window).
std::optional<QByteArray> contentDigest(const QString& path)
{
    const auto bytes = readRegularFile(path);
    if (!bytes)
        return std::nullopt;
    return QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256);
}

} // namespace

ScenarioFileWatch::ScenarioFileWatch(QObject* parent) : QObject(parent)
{
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &ScenarioFileWatch::fileEvent);
    // The folder is watched too: a file that was removed and is put back (as a checkout of a
    // version control system does) can be watched again only once it is there.
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &ScenarioFileWatch::fileEvent);
}

void ScenarioFileWatch::watch(const QString& path)
{
    const QStringList watched = watcher_.files() + watcher_.directories();
    if (!watched.isEmpty())
        watcher_.removePaths(watched);
    path_ = path;
    known_ = notified_ = contentDigest(path);
    watcher_.addPath(path);
    watcher_.addPath(QFileInfo(path).absolutePath());
}

bool ScenarioFileWatch::changedSinceRead() const
{
    const auto now = contentDigest(path_);
    return now && now != known_;
}

void ScenarioFileWatch::fileEvent()
{
    // A file replaced by renaming (as safe writers do, ours included) drops out of the watch.
    if (!watcher_.files().contains(path_) && QFileInfo::exists(path_))
        watcher_.addPath(path_);
    const auto now = contentDigest(path_);
    if (now == notified_)
        return;
    notified_ = now;
    if (now == known_)
        return;
    emit changedOutside(!now.has_value());
}
