#include "config_byte_search.h"

#include "byte_lines.h"
#include "file_paths.h"
#include "regular_file.h"
#include "text_codec.h"
#include "text_primitives.h"

#include <array>
#include <vector>

namespace {

// A key as the bytes of a line hold it, trimmed of blanks as the line search trims it. A key
// with a character for which Windows-1252 has no byte begins no decoded line.
struct ByteKey
{
    QByteArray bytes;
    bool possible = true;

    bool begins(QByteArrayView cleaned) const { return possible && cleaned.startsWith(bytes); }
};

ByteKey byteKey(const QString& key)
{
    const QString trimmed = trimBlanks(key);
    ByteKey result{encodeWindows1252(trimmed)};
    result.possible = decodeWindows1252(result.bytes) == trimmed;
    return result;
}

// The first bytes that a line's first non-blank byte must be for the line to begin with one of
// the keys: a line begins with a key only after its leading blanks, which the cleaning trims.
class FirstBytes
{
public:
    void add(const ByteKey& key)
    {
        if (!key.possible)
            return;
        if (key.bytes.isEmpty())
            any_ = true;
        else
            first_[static_cast<unsigned char>(key.bytes.front())] = true;
    }

    bool mayBegin(QByteArrayView line) const
    {
        if (any_)
            return true;
        qsizetype i = 0;
        while (i < line.size() && line[i] == ' ')
            ++i;
        return i < line.size() && first_[static_cast<unsigned char>(line[i])];
    }

private:
    std::array<bool, 256> first_{};
    bool any_ = false; // an empty key begins every line
};

} // namespace

bool readFileBytes(const QString& path, QByteArray& bytes)
{
    const auto resolved = resolveListedPath(path);
    return resolved && readRegularFileInto(*resolved, bytes);
}

QVector<FindDataResult> FindDataInBytes(const QString& folder, const QStringList& files,
                                        const QVector<DataSearch>& searches, ScanLog& log,
                                        const ByteSource& source, const ByteFileRead& read)
{
    FindDataResults results(searches);
    std::vector<ByteKey> keys1;
    std::vector<ByteKey> keys2;
    FirstBytes firstBytes;
    for (const DataSearch& search : searches) {
        keys1.push_back(byteKey(search.Flag1));
        keys2.push_back(byteKey(search.Flag2));
        firstBytes.add(keys1.back());
        firstBytes.add(keys2.back());
    }
    QByteArray bytes;
    QVector<qsizetype> listings(searches.size());
    // The cleaned lines of the file that begin with each search's second key, as views into
    // `bytes`; decoded only for a search that lists the file.
    std::vector<std::vector<QByteArrayView>> valueLines(searches.size());
    for (const QString& file : files) {
        if (!source(folder + file, bytes)) {
            results.addUnreadable(folder + file);
            continue;
        }
        listings.fill(0);
        for (auto& lines : valueLines)
            lines.clear();
        forEachByteLine(bytes, [&](QByteArrayView line) {
            if (!firstBytes.mayBegin(line))
                return;
            const QByteArrayView cleaned = cleanedByteLine(line);
            for (std::size_t s = 0; s < keys1.size(); ++s) {
                if (keys1[s].begins(cleaned))
                    ++listings[qsizetype(s)];
                if (keys2[s].begins(cleaned))
                    valueLines[s].push_back(cleaned);
            }
        });
        for (qsizetype s = 0; s < searches.size(); ++s) {
            if (listings[s] == 0)
                continue;
            results.addListed(s, file, listings[s], [&] {
                // The value is the cleaned line less the key and three characters, cut by the
                // untrimmed key's length; one byte is one character.
                QVector<FoundValue> values;
                for (const QByteArrayView line : valueLines[std::size_t(s)]) {
                    const qsizetype n = line.size() - searches[s].Flag2.size() - 3;
                    values.append({file, n <= 0 ? QString() : decodeWindows1252(line.last(n))});
                }
                return values;
            });
        }
        if (read)
            read(file, bytes, listings);
    }
    return results.take(log);
}
