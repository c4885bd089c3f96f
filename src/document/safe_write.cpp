#include "safe_write.h"

#include "file_paths.h"
#include "text_codec.h"

#include <QSaveFile>

WriteResult writeFileSafely(const QString& path, const QByteArray& bytes)
{
    WriteResult result;
    result.path = writeTargetPath(path);
    QSaveFile file(result.path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
        return result;
    }
    if (file.write(bytes) != bytes.size()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
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
