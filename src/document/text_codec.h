#pragma once

#include <QByteArray>
#include <QString>

// The simulator's files are 8-bit text in the Windows-1252 code page. Every byte value maps to
// one character and back, so names, descriptions and extra lines survive a read and a write
// unchanged, including the five byte values that the code page leaves undefined.
QString decodeWindows1252(const QByteArray& bytes);
QByteArray encodeWindows1252(const QString& text);
