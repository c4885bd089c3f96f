#pragma once

#include "safe_write.h"

#include <QString>
#include <QStringList>

// Descriptions kept at the top of a file between a first line "BEGIN_DESC" and the next line
// "END_DESC" (each compared trimmed, any letter case): folder descriptions ("description.txt")
// and the description of a scenario file.

inline const QString kFolderDescriptionFile = QStringLiteral("description.txt");

struct DescriptionBlock
{
    QString text;           // the lines strictly between the markers, each followed by CR LF
    qsizetype nextLine = 0; // first line after the block (0 when there is no block)
    bool closed = false;    // whether END_DESC was found; without it the block runs to the end
};

// The description block at the top of `lines`.
DescriptionBlock descriptionBlock(const QList<QStringView>& lines);
DescriptionBlock descriptionBlock(const QStringList& lines);

// The lines strictly between the markers, unchanged, each followed by CR LF. Empty when the
// file is missing or unreadable or its first line is not "BEGIN_DESC"; a file without
// "END_DESC" gives the lines up to its end.
QString readDescriptionBlock(const QString& path);

// Previews read no more than this from the start of a file; a longer description is cut.
inline constexpr qint64 kPreviewBytes = 64 * 1024;

struct DescriptionPreview
{
    QString text;     // as readDescriptionBlock gives it, from the file's first kPreviewBytes
    bool cut = false; // the file is longer than that, so the description may go on
};

// The description of a file for a preview: bounded, so that a huge or endless description
// never holds the window.
DescriptionPreview readDescriptionPreview(const QString& path);

// Writes "BEGIN_DESC", the text (its own line breaks kept, each line ending CR LF) and
// "END_DESC" as `folder` + "description.txt", safely. An empty text writes one empty line
// between the markers.
WriteResult writeFolderDescription(const QString& folder, const QString& text);

// The lines writeFolderDescription writes for `text`.
QStringList folderDescriptionLines(const QString& text);
