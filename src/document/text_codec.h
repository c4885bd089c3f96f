#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The simulator's files are 8-bit text in the Windows-1252 code page. Every byte value maps to
// one character and back, so names, descriptions and extra lines survive a read and a write
// unchanged, including the five byte values that the code page leaves undefined.
QString decodeWindows1252(QByteArrayView bytes);
QByteArray encodeWindows1252(const QString& text);

// The settings file holds a folder the user picked, which may hold any character: it is written
// in Windows-1252 when every character fits, else in UTF-8, and read as UTF-8 when its bytes are
// valid UTF-8, else as Windows-1252.
QByteArray encodeWindows1252OrUtf8(const QString& text);
QString decodeUtf8OrWindows1252(const QByteArray& bytes);
