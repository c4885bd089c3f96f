#pragma once

#include <QString>

// The small text routines with which every file of the simulator is read. Their names and
// behaviour are fixed by the file format: a ";" starts a comment, statements are written
// 'Key = value', and values are cut out by position.

// Removes a comment and the trailing control characters, in place; returns the result.
// A text with ";" is cut before it and trimmed of blanks; a text without ";" keeps its leading
// blanks (the scenario reader tells block lines from indented statements by them).
QString ClearComments(QString& mot);

// The decimal digits of a text, in order, as a whole number in plain decimal: 'Dock 12' gives
// '12', 'a0b7' gives '7', 'pad' gives '0'.
QString GetNumberValue(const QString& mot);

// Whether a typed text is a plain decimal number: an optional leading '-', digits and at most
// one '.'; no exponent, no '+', no grouping.
bool IsANumber(const QString& mot);

// The leading decimal number of a text (leading blanks skipped, optional sign, digits, optional
// point and fraction, optional exponent), 0 when there is none. The point is the separator
// whatever the locale. Values beyond the range of double are clamped to its largest magnitude.
double numericValue(QStringView text);

// Blanks (spaces only, not tabs) removed from both ends, from the start or from the end.
QString trimBlanks(QStringView text);
// The same; a text without blanks at its ends is given back as it is, without a copy.
QString trimBlanks(const QString& text);
// The same without a copy: a view of `text` without its leading and trailing blanks.
QStringView blankTrimmedView(QStringView text);
QString trimLeadingBlanks(QStringView text);
QString trimTrailingBlanks(QStringView text);

// Character cuts that never fail: n is clamped to the text's length, and a negative count
// gives the empty text. Callers that must treat a negative count as malformed test it first.
QString leftChars(const QString& text, qsizetype n);
QString rightChars(const QString& text, qsizetype n);
QString midChars(const QString& text, qsizetype from);
