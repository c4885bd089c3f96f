#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// The scan error log: every file that could not be opened or read while a scenario was read or
// the configuration consulted. Entries run together without separator, in the order in which
// they happened; the error log window shows them as one text.
//
// The log stays readable whatever the files: each kind of entry keeps at most
// kEntriesPerFile entries about one file and kEntriesPerKind entries in all; what is left out
// is counted, and text() ends with one entry per such count.
struct ScanLog
{
    static constexpr int kEntriesPerFile = 20;
    static constexpr int kEntriesPerKind = 1000;

    // The entries kept, in order; text() adds the counts of those left out.
    QString LogMessage;
    bool LogError = false;

    void reset();
    // Appends "Can not open the file " + path + ". ".
    void addFileFailure(const QString& path);
    // Appends "Can not open the file " + text exactly as given (the scenario reader's own
    // entries end without the point).
    void addRawFailure(const QString& text);
    // Appends a complete entry of the reader's own (a value it had to replace, a block it had to
    // close), which is no failure to open a file; `file` is the file it is about, if one.
    void addEntry(const QString& text, const QString& file = {});
    // The same for an entry about a line of `file`: `kind` names what went wrong with the
    // line, so that one file's many malformed lines are bounded together.
    void addLineEntry(const QString& kind, const QString& file, const QString& text);

    // The log as shown: the entries kept, then how many were left out.
    QString text() const;

    // The entries kept that say `file` could not be read whole: failures to open or read it and
    // the reader's own entries about it (no date, a section that broke off), not those about
    // single lines.
    QStringList readingFailures(const QString& file) const;

    // The entries kept about anything but `file` (a configuration file that could not be read),
    // then the counts of those left out that are not about `file`.
    QStringList entriesBesides(const QString& file) const;

private:
    struct Omitted
    {
        QString kind;
        QString file; // empty: entries of the kind beyond kEntriesPerKind, whatever their file
        qsizetype count = 0;
    };

    struct Kept
    {
        QString file;
        bool line = false;  // about one line of the file
        qsizetype from = 0; // its text in LogMessage
        qsizetype size = 0;
    };

    // Appends the entry unless its kind or its file of that kind is full.
    void add(const QString& kind, const QString& file, const QString& text, bool line = false);
    void omit(const QString& kind, const QString& file);
    // The entry that counts the entries of `o` left out.
    static QString omittedEntry(const Omitted& o);

    QHash<QString, int> perKind_;
    QHash<QString, QHash<QString, int>> perFile_; // by kind, then by file
    QVector<Omitted> omitted_;                    // in the order of the first omission
    QVector<Kept> kept_;
};
