#pragma once

#include "config_lookup.h"
#include "scan_log.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// Where the byte search takes a file's content from: fills `bytes`, a buffer reused from one
// file to the next, and answers true, or answers false for a file that cannot be opened or read.
using ByteSource = std::function<bool(const QString& path, QByteArray& bytes)>;

// The file on disk, found as readTextLines finds it, read as readRegularFile reads it (regular
// files only, at most kMaxReadBytes).
bool readFileBytes(const QString& path, QByteArray& bytes);

// Given the bytes of each file read and how many times each search lists it.
using ByteFileRead =
    std::function<void(const QString& file, QByteArrayView bytes, const QVector<qsizetype>& listings)>;

// FindDataTogether over the files' bytes instead of their decoded lines: the same results and
// the same scan log as FindDataTogether gives over the lines readTextLines makes of those
// bytes. Only the lines that may begin with a key are cleaned, and only the values a search
// uses are decoded, so a scan costs little more than reading the files.
QVector<FindDataResult> FindDataInBytes(const QString& folder, const QStringList& files,
                                        const QVector<DataSearch>& searches, ScanLog& log,
                                        const ByteSource& source = readFileBytes,
                                        const ByteFileRead& read = {});
