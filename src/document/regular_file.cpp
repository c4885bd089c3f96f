#include "regular_file.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 kGrowthChunk = 64 * 1024;

#ifdef Q_OS_UNIX
// Opens `path` read-only when it is a regular file, -1 otherwise; `size` gets its size. The file
// is opened without blocking and tested on the open descriptor, so a FIFO put in its place
// after a test cannot block the open.
int openRegularDescriptor(const QString& path, qint64& size)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat status
    {
    };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return -1;
    }
    size = status.st_size;
    return fd;
}
#endif

// Opens `path` for reading when it is a regular file.
bool openRegular(QFile& file, const QString& path)
{
#ifdef Q_OS_UNIX
    qint64 size = 0;
    const int fd = openRegularDescriptor(path, size);
    if (fd < 0)
        return false;
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

// Reads to the end with `readSome(at, most)` (bytes read, 0 at the end, -1 on failure) into
// `bytes`, which starts one byte larger than the size the file had when opened, so that a file
// of that size is read whole by one call. A file beyond kMaxReadBytes is refused.
template <typename ReadSome> bool readToEnd(QByteArray& bytes, qint64 size, ReadSome readSome)
{
    bytes.resize(std::min(size, kMaxReadBytes) + 1);
    qint64 got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > kMaxReadBytes)
                return false;
            bytes.resize(std::min(2 * got, kMaxReadBytes + 1));
        }
        const qint64 asked = bytes.size() - got;
        const qint64 n = readSome(bytes.data() + got, asked);
        if (n < 0)
            return false;
        got += n;
        // A read that stops short exactly at the size the file had when opened has met the
        // end: one more read would only say so, and costs a call to the system per file.
        if (n == 0 || (n < asked && got == size))
            break;
    }
    bytes.resize(got);
    return true;
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
    struct stat status
    {
    };
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

bool readRegularFileInto(const QString& path, QByteArray& bytes)
{
#ifdef Q_OS_UNIX
    qint64 size = 0;
    const int fd = openRegularDescriptor(path, size);
    if (fd < 0)
        return false;
    const bool read = readToEnd(bytes, size, [fd](char* at, qint64 most) -> qint64 {
        for (;;) {
            const ssize_t n = ::read(fd, at, static_cast<size_t>(most));
            if (n >= 0 || errno != EINTR)
                return n;
        }
    });
    ::close(fd);
    return read;
#else
    QFile file;
    if (!openRegular(file, path))
        return false;
    return readToEnd(bytes, file.size(), [&file](char* at, qint64 most) { return file.read(at, most); });
#endif
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
