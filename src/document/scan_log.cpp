#include "scan_log.h"

#include "text_primitives.h"

namespace {

const QString kOpenKind = QStringLiteral("Can not open the file");
const QString kOwnKind = QStringLiteral("reader");

} // namespace

void ScanLog::reset()
{
    *this = ScanLog();
}

void ScanLog::addFileFailure(const QString& path)
{
    add(kOpenKind, path, kOpenKind + u' ' + path + QStringLiteral(". "));
}

void ScanLog::addRawFailure(const QString& text)
{
    add(kOpenKind, text, kOpenKind + u' ' + text);
}

void ScanLog::addEntry(const QString& text, const QString& file)
{
    add(kOwnKind, file.isEmpty() ? text : file, text);
}

void ScanLog::addLineEntry(const QString& kind, const QString& file, const QString& text)
{
    add(kind, file, text, true);
}

void ScanLog::add(const QString& kind, const QString& file, const QString& text, bool line)
{
    LogError = true;
    int& ofKind = perKind_[kind];
    if (ofKind >= kEntriesPerKind) {
        omit(kind, {});
        return;
    }
    // Past the bound of the kind no file is counted any more: a scan of 400,000 missing files
    // keeps no count for each of them.
    int& ofFile = perFile_[kind][file];
    if (ofFile >= kEntriesPerFile) {
        omit(kind, file);
        return;
    }
    ++ofKind;
    ++ofFile;
    if (ofKind == kEntriesPerKind)
        perFile_.remove(kind);
    kept_.append({file, line, LogMessage.size(), text.size()});
    LogMessage += text;
}

void ScanLog::omit(const QString& kind, const QString& file)
{
    for (Omitted& o : omitted_) {
        if (o.kind == kind && o.file == file) {
            ++o.count;
            return;
        }
    }
    omitted_.append({kind, file, 1});
}

QString ScanLog::omittedEntry(const Omitted& o)
{
    if (o.file.isEmpty())
        return QStringLiteral("%1 more entries '%2' were left out. ").arg(o.count).arg(o.kind);
    return QStringLiteral("%1 more entries '%2' about %3 were left out. ").arg(o.count).arg(o.kind, o.file);
}

QString ScanLog::text() const
{
    QString result = LogMessage;
    // A raw failure ('Can not open the file X') ends in no blank of its own: the count after it
    // would run into its file name.
    if (!omitted_.isEmpty() && !result.isEmpty() && !result.back().isSpace())
        result += u' ';
    for (const Omitted& o : omitted_)
        result += omittedEntry(o);
    return result;
}

QStringList ScanLog::readingFailures(const QString& file) const
{
    QStringList failures;
    for (const Kept& entry : kept_) {
        if (!entry.line && entry.file == file)
            failures.append(trimBlanks(LogMessage.mid(entry.from, entry.size)));
    }
    return failures;
}

QStringList ScanLog::entriesBesides(const QString& file) const
{
    QStringList entries;
    for (const Kept& entry : kept_) {
        if (entry.file != file)
            entries.append(trimBlanks(LogMessage.mid(entry.from, entry.size)));
    }
    for (const Omitted& o : omitted_) {
        if (o.file != file)
            entries.append(trimBlanks(omittedEntry(o)));
    }
    return entries;
}
