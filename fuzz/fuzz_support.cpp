#include "fuzz_support.h"

#include "document/byte_lines.h"
#include "document/text_codec.h"
#include "document/text_file.h"

#include <cstdio>
#include <cstdlib>

QByteArray inputBytes(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QStringList inputLines(const uint8_t* data, size_t size)
{
    return splitLines(decodeWindows1252(inputBytes(data, size)));
}

QVector<PackedFile> packedFiles(const QStringList& lines, const QString& firstName)
{
    QVector<PackedFile> files{{firstName, {}}};
    for (const QString& line : lines) {
        if (line.startsWith(u"=== "))
            files.append({line.mid(4), {}});
        else
            files.back().lines.append(line);
    }
    return files;
}

QVector<PackedBytes> packedByteFiles(const uint8_t* data, size_t size, const QString& firstName)
{
    const QByteArray input = inputBytes(data, size);
    QVector<PackedBytes> files{{firstName, {}}};
    // Where the current file's bytes begin; -1 while they begin with the line after a name line.
    qsizetype from = 0;
    forEachByteLine(input, [&](QByteArrayView line) {
        const qsizetype at = line.data() - input.constData();
        if (from < 0)
            from = at;
        if (!line.startsWith("=== "))
            return;
        files.back().bytes = input.mid(from, at - from);
        files.append({decodeWindows1252(line.sliced(4)), {}});
        from = -1;
    });
    if (from >= 0)
        files.back().bytes = input.mid(from);
    return files;
}

ByteSource packedByteSource(const QVector<PackedBytes>& files)
{
    return [&files](const QString& path, QByteArray& bytes) {
        if (!path.startsWith(kFuzzFolder))
            return false;
        const QStringView name = QStringView(path).mid(kFuzzFolder.size());
        for (const PackedBytes& file : files) {
            if (name.compare(file.name, Qt::CaseInsensitive) == 0) {
                bytes = file.bytes;
                return true;
            }
        }
        return false;
    };
}

LineSource packedSource(const QVector<PackedFile>& files)
{
    return [&files](const QString& path) -> std::optional<QStringList> {
        if (!path.startsWith(kFuzzFolder))
            return std::nullopt;
        const QStringView name = QStringView(path).mid(kFuzzFolder.size());
        for (const PackedFile& file : files) {
            if (name.compare(file.name, Qt::CaseInsensitive) == 0)
                return file.lines;
        }
        return std::nullopt;
    };
}

namespace {

// The text with control characters shown as \xNN, so that a report shows every byte.
QByteArray visible(const QString& text)
{
    QByteArray out;
    for (const QChar c : text) {
        if (c.unicode() < 32 || c.unicode() == 127)
            out += QByteArray("\\x") + QByteArray::number(c.unicode(), 16).rightJustified(2, '0');
        else
            out += QString(c).toUtf8();
    }
    return out;
}

} // namespace

void propertyBroken(const char* property, const QString& expected, const QString& actual)
{
    std::fprintf(stderr, "\n*** %s\n--- expected:\n%s\n--- actual:\n%s\n", property,
                 visible(expected).constData(), visible(actual).constData());
    std::abort();
}
