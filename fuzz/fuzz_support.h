#pragma once

#include "document/config_byte_search.h"
#include "document/config_lookup.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: the input as the readers see a file, several files packed into
// one input, and the report of a broken property.

// The input bytes without a copy (the buffer outlives one call of the target).
QByteArray inputBytes(const uint8_t* data, size_t size);

// The input as the lines of a file read from disk (Windows-1252, any line end).
QStringList inputLines(const uint8_t* data, size_t size);

// One file of a packed input.
struct PackedFile
{
    QString name;
    QStringList lines;
};

// Several files in one input: a line "=== NAME" starts the file NAME, and the lines before the
// first such line form a file with the name `firstName`. Targets that read a folder take their
// files from here, so the fuzzer can change every file and the names that link them.
QVector<PackedFile> packedFiles(const QStringList& lines, const QString& firstName);

// One file of a packed input as its bytes.
struct PackedBytes
{
    QString name;
    QByteArray bytes;
};

// The same packing over the input's bytes: each file is the bytes between its "=== NAME" line
// (and that line's end) and the next such line, so the line reader makes of a file's bytes the
// lines packedFiles gives for it.
QVector<PackedBytes> packedByteFiles(const uint8_t* data, size_t size, const QString& firstName);

// The configuration folder the packed files stand in.
inline const QString kFuzzFolder = QStringLiteral("/fuzz/cfg/");

// Reads packed files as the files of kFuzzFolder, names compared without regard to letter case
// as on disk; any other path cannot be read.
LineSource packedSource(const QVector<PackedFile>& files);

// The same for packed bytes.
ByteSource packedByteSource(const QVector<PackedBytes>& files);

// Reports a property the readers broke and aborts, so that libFuzzer saves the input.
[[noreturn]] void propertyBroken(const char* property, const QString& expected, const QString& actual);
