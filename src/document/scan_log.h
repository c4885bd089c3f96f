#pragma once

#include <QString>

// The scan error log: every file that could not be opened or read while a scenario was read or
// the configuration consulted. Entries run together without separator, in the order in which
// they happened; the error log window shows them as one text.
struct ScanLog
{
    QString LogMessage;
    bool LogError = false;

    void reset();
    // Appends "Can not open the file " + path + ". ".
    void addFileFailure(const QString& path);
    // Appends "Can not open the file " + text exactly as given (the scenario reader's own
    // entries end without the point).
    void addRawFailure(const QString& text);
    // Appends a complete entry of the reader's own (a value it had to replace, a block it had to
    // close), which is no failure to open a file.
    void addEntry(const QString& text);
};
