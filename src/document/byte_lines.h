#pragma once

#include <QByteArrayView>

#include <cstring>

// The lines of a file's bytes, without decoding them: the same lines splitLines gives for the
// decoded text (Windows-1252 maps CR, LF, ";" and the blank from one byte each and from no
// other), ended at CR LF, at a lone CR or at a lone LF; a last line without a line end is still
// a line, and a line end at the very end adds no empty line.
//
// Calls `line(QByteArrayView)` for each line in order. The line ends are found with memchr,
// so a scan costs little more than reading the bytes.
template <typename LineFn> void forEachByteLine(QByteArrayView bytes, LineFn&& line)
{
    const char* start = bytes.data();
    const char* const end = start + bytes.size();
    // The first `c` in [from, to), or `to` when there is none.
    const auto find = [](const char* from, const char* to, char c) {
        const void* at = std::memchr(from, c, static_cast<size_t>(to - from));
        return at ? static_cast<const char*>(at) : to;
    };
    while (start < end) {
        const char* const lf = find(start, end, '\n');
        // Each CR before the segment's last byte is a lone CR and ends a line of its own.
        const char* cr = find(start, lf, '\r');
        while (cr != lf && cr + 1 != lf) {
            line(QByteArrayView(start, cr - start));
            start = cr + 1;
            cr = find(start, lf, '\r');
        }
        // What is left is a line (empty or not) ended by the LF, by a CR LF, by a CR that is
        // the last byte, or by the end of the bytes, which then holds at least one byte of it.
        line(QByteArrayView(start, cr - start));
        start = lf == end ? end : lf + 1;
    }
}

// The bytes of a line as trimBlanks(ClearComments(line)) leaves the decoded line: the text
// before the first ";" trimmed of blanks when there is one, then without its trailing control
// characters (bytes below 32), then trimmed of blanks. Blanks are spaces only.
QByteArrayView cleanedByteLine(QByteArrayView line);

// The same line trimmed of blanks at both ends, nothing else removed.
QByteArrayView blankTrimmedBytes(QByteArrayView line);
