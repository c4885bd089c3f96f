#include "byte_lines.h"

QByteArrayView blankTrimmedBytes(QByteArrayView line)
{
    while (!line.isEmpty() && line.front() == ' ')
        line = line.sliced(1);
    while (!line.isEmpty() && line.back() == ' ')
        line.chop(1);
    return line;
}

QByteArrayView cleanedByteLine(QByteArrayView line)
{
    // The order matters as in ClearComments: 'A \x01 ' keeps its control character, since only
    // trailing ones go and a blank stands behind it; 'A \x01 ;' loses it, since the comment's
    // cut is trimmed first.
    const qsizetype semicolon = line.indexOf(';');
    if (semicolon >= 0)
        line = blankTrimmedBytes(line.first(semicolon));
    while (!line.isEmpty() && static_cast<unsigned char>(line.back()) < 32)
        line.chop(1);
    return blankTrimmedBytes(line);
}
