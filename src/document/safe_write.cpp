#include "safe_write.h"

#include "file_paths.h"
#include "text_codec.h"

#include <QSaveFile>

#include <algorithm>
#include <cerrno>

namespace {

// Bytes that may still reach a file before the simulated disk is full; negative when no test
// simulates one.
qint64 gFreeBytes = -1;

constexpr qint64 kChunk = 1 << 16;

// One chunk through QSaveFile. QSaveFile::write() only fills Qt's buffer for a small chunk, so
// the flush that follows is what meets a full disk; both are checked.
bool writeChunk(QSaveFile& file, const char* data, qint64 size, QString& error)
{
    if (gFreeBytes >= 0) {
        const qint64 fits = std::min(size, gFreeBytes);
        gFreeBytes -= fits;
        if (fits < size) {
            file.write(data, fits);
            error = QStringLiteral("No space left on device");
            return false;
        }
    }
    if (file.write(data, size) != size || !file.flush()) {
        // Qt often keeps no text of its own for a failed write; the system's reason is the one
        // the user needs ("No space left on device").
        const int code = errno;
        error = file.errorString();
        if ((error.isEmpty() || error == u"Unknown error") && code != 0)
            error = qt_error_string(code);
        return false;
    }
    return true;
}

} // namespace

SimulatedFullDisk::SimulatedFullDisk(qint64 freeBytes)
{
    gFreeBytes = freeBytes;
}

SimulatedFullDisk::~SimulatedFullDisk()
{
    gFreeBytes = -1;
}

WriteResult writeFileSafely(const QString& path, const QByteArray& bytes)
{
    WriteResult result;
    result.path = writeTargetPath(path);
    QSaveFile file(result.path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
        return result;
    }
    for (qint64 at = 0; at < bytes.size(); at += kChunk) {
        if (!writeChunk(file, bytes.constData() + at, std::min(kChunk, bytes.size() - at), result.error)) {
            file.cancelWriting();
            return result;
        }
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

QByteArray crlfText(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeWindows1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

WriteResult writeTextFileSafely(const QString& path, const QStringList& lines)
{
    return writeFileSafely(path, crlfText(lines));
}
