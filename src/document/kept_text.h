#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

// What a scenario file holds beside the values the editor edits, kept so that a file read and
// saved without edits loses none of it: comment lines, end-of-line comments and the sections the
// editor does not edit (camera, HUD, MFD, any other BEGIN_x .. END_x).

// The comments that belong to one line the writer writes: the comment lines standing before it
// and its end-of-line comment. The line is named by its anchor: a statement's keyword ("FUEL",
// "System"), a section's opening or closing keyword ("BEGIN_SHIPS", "END_STATIONS"), "END" for
// the end of a block, "" for a block line, or kEndOfFile for comments after the last section.
struct KeptComment
{
    QString anchor;
    QStringList before; // comment lines, verbatim
    QString trailing;   // the end of the line from the blanks before its ";" on ('  ; east pad')

    bool operator==(const KeptComment&) const = default;
};
using KeptComments = QVector<KeptComment>;

inline const QString kEndOfFile = QStringLiteral("<end of file>");

// A section the editor does not edit, with the comment lines before it, verbatim.
struct KeptSection
{
    QString opening;   // its opening line, trimmed and without comment ('BEGIN_MFD Left')
    QString after;     // the section of the editor it followed: "BEGIN_DESC", "BEGIN_FOCUS", ...
    QStringList lines; // comment lines before it, its opening line, its lines and its closing line
    bool operator==(const KeptSection&) const = default;
};
using KeptSections = QVector<KeptSection>;

// Whether a line holds nothing but a comment ('  ; east pad').
bool isCommentLine(QStringView raw);

// The end-of-line comment of a statement line with the blanks before it ('  ; east pad'), empty
// when the line has none.
QString trailingComment(QStringView raw);

// `line` with the end-of-line comment `trailing` after it. The blanks at the end of the line (a
// statement whose value is empty) are left out, for the comment brings its own: read back, every
// blank before the semicolon is the comment's, and a blank written twice would grow at each save.
// A comment without a blank of its own gets one, so that it does not run into the line.
QString withTrailingComment(const QString& line, const QString& trailing);

// Adds comment lines and an end-of-line comment to the anchor's entry (made when missing): a
// statement that stands twice keeps the comments of both.
void keepComments(KeptComments& comments, const QString& anchor, const QStringList& before,
                  const QString& trailing);

// Writes lines with the comments kept for them and remembers which anchors had a line, so that
// the comments of a statement that is not written (a FUEL line of a ship without status) are
// still written, as comment lines.
class CommentedOutput
{
public:
    CommentedOutput(QStringList& out, const KeptComments& comments) : lines(out), comments_(comments) {}

    // The comment lines kept for the anchor, then the line with its end-of-line comment.
    void add(QStringView anchor, const QString& line);
    // Adds to `target` the comments of every anchor that had no line so far, except `coming`
    // (the line still to be written), in the order they were read: the comment lines, and an
    // end-of-line comment as a comment line of its own.
    void addUnwritten(QStringList& target, QStringView coming = {}) const;

    QStringList& lines;

private:
    const KeptComments& comments_;
    QStringList written_;
};

// Whether two opening lines name the same section ('BEGIN_MFD  left' and 'BEGIN_MFD Left').
bool sameSection(QStringView opening, QStringView other);
