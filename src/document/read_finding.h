#pragma once

#include <QString>
#include <QVector>

// Something the reader met in a scenario file that its author should hear about, with the line
// it stands on. The scan log tells a person the same things in a bounded text; these are for
// the checks that list every finding of a file (corvane-scn lint and check).
struct ReadFinding
{
    enum class Kind {
        Unread,     // the file, its description or a block section could not be read whole
        Malformed,  // a statement without a needed blank, ":" or value, or a section line in a block
        NotANumber, // a value that is not a number and reads as the number it begins with (often 0)
        Level,      // a fuel or engine level outside the range of its slider
        Date,       // a start date or epoch that is missing, not a number or before 1900
        ExtraLine,  // a line kept as an extra line of a block that is no statement
    };

    Kind kind = Kind::Unread;
    qsizetype line = 0; // 1-based line of the file; 0 where no line is known
    QString text;

    bool operator==(const ReadFinding&) const = default;
};

// What a read of a scenario file found, for the checks that run right after it: edits leave it
// as the read left it.
struct ReadReport
{
    QVector<ReadFinding> findings;
    // The line of the block line of each station and ship the reader named, in list order.
    QVector<qsizetype> stationLines;
    QVector<qsizetype> shipLines;
};

// A line or value as a finding quotes it: in single quotes, and cut after 200 characters
// ('LOG xxx...') so that a finding about a line of megabytes stays readable.
QString quotedText(QStringView text);

// The name a finding's kind has in the checks' output: "scan", "malformed", "not-a-number",
// "level", "date", "extra-line".
QString readFindingKindName(ReadFinding::Kind kind);
