#pragma once

#include <QString>

#include <optional>
#include <utility>

// One line of a scenario file as the station and ship steps of the reader look at it.
struct ScenarioLine
{
    // `line` must outlive this: `raw` is a view of it.
    explicit ScenarioLine(QStringView line);

    QStringView raw;    // as read, indentation and comment included
    QString cleaned;    // after ClearComments
    QString trimmed;    // cleaned as valueTrimmed leaves it

    // Keyword tests on the trimmed line, without regard to case.
    bool is(QStringView keyword) const { return trimmed.compare(keyword, Qt::CaseInsensitive) == 0; }
    bool startsWith(QStringView keyword) const { return trimmed.startsWith(keyword, Qt::CaseInsensitive); }

    // A line that opens a station or ship block ('Gateway:Ringstation'): not indented in the
    // file, not empty once the comment is removed, and no closing line. Trailing blanks and a
    // trailing comment do not matter.
    bool isBlockLine() const;

    // The opening line of a section of the file ('BEGIN_SHIPS', 'BEGIN_MFD Left'), not indented.
    bool opensSection() const;

    // A line that opens or closes a section, indented or not ('  BEGIN_SHIPS', 'END_FOCUS').
    bool isSectionKeyword() const;
};

// A value as the reader keeps it: without leading and trailing blanks, and without the control
// characters that a trailing blank hid from ClearComments ('Tugboat:Hauler<TAB> ' gives
// 'Tugboat:Hauler'): a value that ends in a control character would lose it when written and
// read again.
QString valueTrimmed(QStringView text);

// What a statement line was to the station or ship step of the reader.
struct StatementRead
{
    enum Kind {
        Read,      // a recognised statement, stored in the row
        Other,     // no statement of the editor: kept as an extra line of the block
        Malformed, // a recognised keyword whose value lacks a needed blank, ":" or value
    };
    Kind kind = Other;
    QString need;    // for Malformed: what the statement needs ("needs body:station:dock")
    QStringView keyword; // the statement's keyword ("STATUS"), empty for Other
    bool keptAlso = false; // Read, and kept as an extra line too: the writer writes no line for it

    StatementRead of(QStringView statementKeyword) const
    {
        StatementRead tagged = *this;
        tagged.keyword = statementKeyword;
        return tagged;
    }

    static StatementRead read() { return {Read, {}, {}, false}; }
    static StatementRead readAndKept() { return {Read, {}, {}, true}; }
    static StatementRead other() { return {Other, {}, {}, false}; }
    static StatementRead malformed(const QString& need) { return {Malformed, need, {}, false}; }
};

// The last n characters of a text; std::nullopt when n is negative (the statement is too short
// to hold the value its keyword announces, as 'REF' alone).
std::optional<QString> lastChars(const QString& text, qsizetype n);

// The parts before and after the first `separator`; std::nullopt when it does not occur.
std::optional<std::pair<QString, QString>> splitAtFirst(const QString& text, QChar separator);

// The parts before and after the last `separator`; std::nullopt when it does not occur.
std::optional<std::pair<QString, QString>> splitAtLast(const QString& text, QChar separator);

// Cuts the first value off a list of values separated by blanks, as the station statements
// are read: the value keeps the blank that ends it ('6.7E6 '), and `rest` becomes the text
// after that blank with its own blanks trimmed. Without a blank the value is empty and `rest`
// is only trimmed.
QString cutValueKeepingBlank(QString& rest);
