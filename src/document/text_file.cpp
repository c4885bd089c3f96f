#include "text_file.h"

#include "file_paths.h"
#include "regular_file.h"
#include "text_codec.h"

namespace {

// Calls `line(start, length)` for each line of `text`.
template <typename Line> void forEachLine(const QString& text, Line line)
{
    qsizetype start = 0;
    const qsizetype n = text.size();
    const auto* data = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = data[i];
        if (c != u'\r' && c != u'\n')
            continue;
        line(start, i - start);
        if (c == u'\r' && i + 1 < n && data[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        line(start, n - start);
}

} // namespace

QStringList splitLines(const QString& text)
{
    QStringList lines;
    forEachLine(text, [&](qsizetype start, qsizetype length) { lines.append(text.mid(start, length)); });
    return lines;
}

QList<QStringView> lineViews(const QString& text)
{
    // Counted first, so that the list is made at its size instead of growing by half again.
    qsizetype count = 0;
    forEachLine(text, [&](qsizetype, qsizetype) { ++count; });
    QList<QStringView> lines;
    lines.reserve(count);
    forEachLine(text, [&](qsizetype start, qsizetype length) {
        lines.append(QStringView(text).sliced(start, length));
    });
    return lines;
}

QList<QStringView> lineViews(const QStringList& lines)
{
    QList<QStringView> views;
    views.reserve(lines.size());
    for (const QString& line : lines)
        views.append(line);
    return views;
}

std::optional<QStringList> readTextLines(const QString& path)
{
    const auto text = readText(path);
    if (!text)
        return std::nullopt;
    return splitLines(*text);
}

std::optional<QString> readText(const QString& path)
{
    const auto resolved = resolveListedPath(path);
    if (!resolved)
        return std::nullopt;
    const auto bytes = readRegularFile(*resolved);
    if (!bytes)
        return std::nullopt;
    return decodeWindows1252(*bytes);
}

QStringList splitFields(const QString& line)
{
    QStringList fields;
    QString field;
    bool inQuotes = false;
    bool quoted = false;
    bool started = false;
    auto finish = [&] {
        if (!quoted) {
            qsizetype end = field.size();
            while (end > 0 && field[end - 1] == u' ')
                --end;
            field.truncate(end);
        }
        fields.append(field);
        field.clear();
        quoted = inQuotes = started = false;
    };
    for (const QChar c : line) {
        if (!started && c == u' ')
            continue;
        started = true;
        if (c == u'"') {
            inQuotes = !inQuotes;
            quoted = true;
            continue;
        }
        if (c == u',' && !inQuotes) {
            finish();
            continue;
        }
        field.append(c);
    }
    if (started || !field.isEmpty() || fields.isEmpty())
        finish();
    return fields;
}

std::optional<QStringList> readTextFields(const QString& path)
{
    const auto lines = readTextLines(path);
    if (!lines)
        return std::nullopt;
    QStringList fields;
    for (const QString& line : *lines)
        fields.append(splitFields(line));
    return fields;
}
