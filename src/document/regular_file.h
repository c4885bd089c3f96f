#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The editor reads regular files only: a FIFO would block the window in open() until some
// other program writes to it, and a device such as /dev/zero never ends. A link is followed to
// what it names, and that must be a regular file too.

// Whether `path` names a regular file, following links (a link to /dev/zero is none).
bool isRegularFile(const QString& path);

// Files larger than this are not read: no file of the simulator comes near it, and reading one
// whole would take the memory of the machine.
inline constexpr qint64 kMaxReadBytes = qint64(256) << 20;

// The whole content of the regular file at `path` (taken as given); std::nullopt when it is no
// regular file, cannot be opened or read, or is larger than kMaxReadBytes.
std::optional<QByteArray> readRegularFile(const QString& path);

// The same reading into `bytes`, which keeps its capacity from one call to the next, so that a
// scan of many files reads them all into one buffer. `bytes` holds the file's content when the
// answer is true; when it is false its content is unspecified.
bool readRegularFileInto(const QString& path, QByteArray& bytes);

struct FilePrefix
{
    QByteArray bytes;
    bool cut = false; // the file goes on beyond `bytes`
};

// At most `limit` bytes from the start of the regular file at `path`, for previews.
std::optional<FilePrefix> readRegularFilePrefix(const QString& path, qint64 limit);
