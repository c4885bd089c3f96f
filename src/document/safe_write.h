#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Every file the editor writes is written to a temporary file beside the target and moved over
// it only when complete: the target then holds the whole new content, or stays as it was.
struct WriteResult
{
    bool ok = false;
    QString path;  // the file actually written (an existing name in another letter case is kept)
    QString error; // why it failed, for the user
};

// Every step is checked (open, each write and flush, commit); the temporary file is removed
// when any of them fails.
WriteResult writeFileSafely(const QString& path, const QByteArray& bytes);

// While one exists, every file write of the editor fails once `freeBytes` more bytes have been
// written, as on a full disk. For tests of the failure paths.
class SimulatedFullDisk
{
public:
    explicit SimulatedFullDisk(qint64 freeBytes);
    ~SimulatedFullDisk();
    SimulatedFullDisk(const SimulatedFullDisk&) = delete;
    SimulatedFullDisk& operator=(const SimulatedFullDisk&) = delete;
};

// Lines as Windows-1252 text, each ended by CR LF.
QByteArray crlfText(const QStringList& lines);
WriteResult writeTextFileSafely(const QString& path, const QStringList& lines);
