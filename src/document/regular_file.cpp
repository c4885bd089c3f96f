#include "regular_file.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 kGrowthChunk = 64 * 1024;

// Opens `path` for reading when it is a regular file. On Unix the file is opened without
// blocking and tested on the open descriptor, so a FIFO put in its place after a test cannot
// block the open.
bool openRegular(QFile& file, const QString& path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    if (!QFileInfo(path).isFile())
        return false;
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly);
#endif
}

std::optional<QByteArray> readAtMost(const QString& path, qint64 limit)
{
    QFile file;
    if (!openRegular(file, path))
        return std::nullopt;
    // The buffer is as large as the file, not as the limit: QFile::read(limit) would allocate
    // the whole limit (256 MiB) for every file before reading a few lines into it. What the file
    // gained since it was opened is read after it, up to the limit.
    QByteArray bytes = file.read(std::min(file.size(), limit));
    while (file.error() == QFileDevice::NoError && bytes.size() < limit) {
        const QByteArray more = file.read(std::min<qint64>(limit - bytes.size(), kGrowthChunk));
        if (more.isEmpty())
            break;
        bytes += more;
    }
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace

bool isRegularFile(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
#else
    return QFileInfo(path).isFile();
#endif
}

std::optional<QByteArray> readRegularFile(const QString& path)
{
    auto bytes = readAtMost(path, kMaxReadBytes + 1);
    if (bytes && bytes->size() > kMaxReadBytes)
        return std::nullopt;
    return bytes;
}

std::optional<FilePrefix> readRegularFilePrefix(const QString& path, qint64 limit)
{
    auto bytes = readAtMost(path, limit + 1);
    if (!bytes)
        return std::nullopt;
    FilePrefix prefix;
    prefix.cut = bytes->size() > limit;
    if (prefix.cut)
        bytes->truncate(limit);
    prefix.bytes = std::move(*bytes);
    return prefix;
}
