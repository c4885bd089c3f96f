#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Every file of the editor is read through these two readers: whole lines, or comma-separated
// fields. Lines end at CR LF, at a lone CR or at a lone LF; a last line without a line end is
// still a line, and a line end at the very end of the file adds no empty line.
QStringList splitLines(const QString& text);

// The same lines as views into `text`, valid while `text` lives unchanged: a large file is held
// once, not once more as a string per line.
QList<QStringView> lineViews(const QString& text);

// Views of the lines of a list, valid while the list lives unchanged.
QList<QStringView> lineViews(const QStringList& lines);

// Reads a text file (Windows-1252) into lines; std::nullopt when it is no regular file (a FIFO,
// a device, a folder), cannot be opened or read, or is too large (see regular_file.h), and when
// an open FolderListingScope's listing shows it missing. The path may use either separator and
// any letter case (see file_paths.h).
std::optional<QStringList> readTextLines(const QString& path);

// The same file decoded whole, not split into lines.
std::optional<QString> readText(const QString& path);

// Fields of one line: a field ends at a comma outside double quotes; blanks before a field are
// skipped, blanks after an unquoted field are dropped and the quotes around a field are removed.
// 'A = 1, 2' gives 'A = 1' and '2'.
QStringList splitFields(const QString& line);

// All fields of a file, line after line; std::nullopt when the file cannot be read.
std::optional<QStringList> readTextFields(const QString& path);
