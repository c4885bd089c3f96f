#include "scenario_kept_reader.h"

#include "config_lookup.h"
#include "date_text.h"
#include "dates.h"
#include "number_text.h"
#include "scenario_line.h"
#include "text_primitives.h"

#include <array>
#include <utility>

namespace {

// The sections whose lines the editor reads and writes itself.
struct EditedSection
{
    QStringView begin;
    QStringView end;
    QStringList keys; // statements of an environment or focus section
};

const std::array<EditedSection, 4>& editedSections()
{
    static const std::array<EditedSection, 4> sections{
        {{u"BEGIN_ENVIRONMENT", u"END_ENVIRONMENT", {QStringLiteral("System"), QStringLiteral("Date")}},
         {u"BEGIN_FOCUS", u"END_FOCUS", {QStringLiteral("Ship")}},
         {u"BEGIN_STATIONS", u"END_STATIONS", {}},
         {u"BEGIN_SHIPS", u"END_SHIPS", {}}}};
    return sections;
}

const EditedSection* editedSectionOpenedBy(const ScenarioLine& line)
{
    if (line.raw.startsWith(u' '))
        return nullptr;
    for (const EditedSection& section : editedSections()) {
        if (line.is(section.begin))
            return &section;
    }
    return nullptr;
}

// A not indented 'BEGIN_x' line of a section the editor does not edit.
bool opensKeptSection(const ScenarioLine& line)
{
    return !line.raw.startsWith(u' ') && line.startsWith(u"BEGIN_") && !line.is(u"BEGIN_DESC") &&
           !editedSectionOpenedBy(line);
}

// The end-of-line comment of an environment or focus statement, or empty when it cannot be kept.
// These lines are cut into fields at commas outside quotes before comments are cleared, so a
// comment is part of the statement list: in '  Date MJD 51544.5 ; start, Date MJD 60000' the
// field after the comma is a Date of its own. A comment is kept only when it holds no double
// quote (a quote decides which commas cut: 'Date "JD 2460311.5; noon", System Mars') and none
// of its fields would be read as a statement of the section: written back after another value,
// or on a line of its own, it would change the value read.
QString statementComment(const QString& raw, const QStringList& keys)
{
    const QString comment = trailingComment(raw);
    if (comment.contains(u'"'))
        return {};
    for (const QString& key : keys) {
        if (lastKeyedItem({comment}, key))
            return {};
    }
    return comment;
}

// The opening and closing lines of the environment and focus sections. The reader finds these
// sections at an indented line too, so such a line kept among the lines of another section
// would open the section again where it is written back.
bool isEnvironmentOrFocusKeyword(const ScenarioLine& line)
{
    for (const QStringView keyword :
         {u"BEGIN_ENVIRONMENT", u"END_ENVIRONMENT", u"BEGIN_FOCUS", u"END_FOCUS"}) {
        if (line.is(keyword))
            return true;
    }
    return false;
}

class KeptTextReader
{
public:
    KeptTextReader(const QString& path, Scenario& doc) : path_(path), doc_(doc) {}

    void read(const QList<QStringView>& lines, qsizetype bodyStart)
    {
        const qsizetype stationsAt = blockSectionStart(lines, bodyStart, editedSections()[2]);
        const qsizetype shipsAt = blockSectionStart(lines, bodyStart, editedSections()[3]);
        for (qsizetype i = bodyStart; i < lines.size(); ++i) {
            const ScenarioLine line(lines[i]);
            if (i == stationsAt || i == shipsAt) {
                // The station or ship section the reader reads, indented or not: whatever was
                // open ends here.
                openBlockSection(line, i == stationsAt ? editedSections()[2] : editedSections()[3]);
                continue;
            }
            if (!inKept_ && !inEdited_)
                atTopLevel(line);
            else if (inKept_)
                inKeptSection(line);
            else
                inEditedSection(line, i);
        }
        if (inKept_)
            keepOpenSection();
        if (inEdited_)
            keepComments(doc_.comments, inEdited_->end.toString(), pending_, {});
        else
            keepComments(doc_.comments, kEndOfFile, pending_, {});
        checkStartDate();
    }

private:
    // The opening line the station or ship step reads from: the first unindented one, or the
    // first indented one when all are indented; -1 when there is none.
    static qsizetype blockSectionStart(const QList<QStringView>& lines, qsizetype bodyStart,
                                       const EditedSection& section)
    {
        qsizetype indented = -1;
        for (qsizetype i = bodyStart; i < lines.size(); ++i) {
            const ScenarioLine line(lines[i]);
            if (!line.is(section.begin))
                continue;
            if (!line.raw.startsWith(u' '))
                return i;
            if (indented < 0)
                indented = i;
        }
        return indented;
    }

    void openBlockSection(const ScenarioLine& line, const EditedSection& section)
    {
        if (inKept_) {
            keepOpenSection();
            inKept_ = false;
        }
        if (inEdited_)
            keepComments(doc_.comments, inEdited_->end.toString(), std::exchange(pending_, {}), {});
        keepComments(doc_.comments, section.begin.toString(), std::exchange(pending_, {}),
                     trailingComment(line.raw));
        inEdited_ = &section;
        after_ = section.begin.toString();
    }

    void atTopLevel(const ScenarioLine& line)
    {
        if (isCommentLine(line.raw)) {
            pending_ << line.raw.toString();
        } else if (const EditedSection* section = editedSectionOpenedBy(line)) {
            keepComments(doc_.comments, section->begin.toString(), pending_, trailingComment(line.raw));
            pending_.clear();
            inEdited_ = section;
            after_ = section->begin.toString();
        } else if (opensKeptSection(line)) {
            kept_ = {line.trimmed, after_, pending_ << line.raw.toString()};
            pending_.clear();
            closing_ = closingKeyword(line.trimmed);
            inKept_ = true;
        }
    }

    void inKeptSection(const ScenarioLine& line)
    {
        // A section left open ends where the next section begins. It never holds a station or
        // ship section line, even indented: written back where the file has no such section of
        // its own, the reader would read blocks from there. Nor does it keep an indented
        // environment or focus line: written back after the ships, it would open that section
        // again there.
        if (editedSectionOpenedBy(line) || opensKeptSection(line) || line.is(u"BEGIN_DESC") ||
            line.is(u"BEGIN_STATIONS") || line.is(u"BEGIN_SHIPS")) {
            keepOpenSection();
            inKept_ = false;
            atTopLevel(line);
            return;
        }
        if (line.is(closing_)) {
            kept_.lines << line.raw.toString();
            doc_.sections.append(kept_);
            inKept_ = false;
        } else if (!isEnvironmentOrFocusKeyword(line)) {
            kept_.lines << line.raw.toString();
        }
    }

    // A section without its closing line, less the empty lines at its end: the writer puts an
    // empty line after every section. The comment lines at its end go with the next section, as
    // comment lines before a section do: written back, an empty line comes between them and the
    // section they ended, and read again they would be read as that next section's.
    void keepOpenSection()
    {
        QStringList comments;
        while (!kept_.lines.isEmpty() &&
               (blankTrimmedView(kept_.lines.back()).isEmpty() || isCommentLine(kept_.lines.back()))) {
            if (isCommentLine(kept_.lines.back()))
                comments.prepend(kept_.lines.back());
            kept_.lines.removeLast();
        }
        pending_ = comments + pending_;
        doc_.sections.append(kept_);
    }

    void inEditedSection(const ScenarioLine& line, qsizetype at)
    {
        const EditedSection& section = *inEdited_;
        const bool blocks = section.keys.isEmpty();
        if (line.is(section.end)) {
            keepComments(doc_.comments, section.end.toString(), blocks ? QStringList() : pending_,
                         trailingComment(line.raw));
            pending_.clear();
            inEdited_ = nullptr;
            return;
        }
        if (line.opensSection()) {
            // Left open: its comments stay before its closing line, which the writer writes.
            keepComments(doc_.comments, section.end.toString(), pending_, {});
            pending_.clear();
            inEdited_ = nullptr;
            atTopLevel(line);
            return;
        }
        if (blocks) {
            // The station and ship steps keep the comments of the blocks.
            if (line.startsWith(u"EL_MJD") && section.begin == u"BEGIN_STATIONS") {
                const QString number = midChars(line.trimmed, 7);
                checkDate(at, line.trimmed, isNumberText(number), numericValue(number),
                          QStringLiteral("the epoch is read as MJD 0"));
            }
            return;
        }
        for (const QString& key : section.keys) {
            if (lastKeyedItem({line.raw.toString()}, key)) {
                keepComments(doc_.comments, key, pending_, statementComment(line.raw.toString(), section.keys));
                pending_.clear();
                if (key == u"Date")
                    dateLine_ = {at, line.trimmed};
                return;
            }
        }
        // An indented station or ship section line is not kept either: written back into this
        // section of a file whose own station or ship section the writer leaves out (it has no
        // rows), the reader would read the blocks from there.
        if (line.is(u"BEGIN_STATIONS") || line.is(u"BEGIN_SHIPS") || isEnvironmentOrFocusKeyword(line))
            return;
        // Comment lines and statements the editor does not read stay before the next line.
        if (!line.trimmed.isEmpty() || isCommentLine(line.raw))
            pending_ << line.raw.toString();
    }

    // The start date as the reader took it (a Date statement too short to hold a number is the
    // reader's own entry). Only a date found in the environment section has its line, and only
    // such a date is logged; a Date statement elsewhere is a finding without line.
    void checkStartDate()
    {
        if (doc_.startDateText.size() < 4)
            return;
        const auto mjd = startMjdOfText(doc_.startDateText);
        if (!mjd)
            return;
        const bool known = dateLine_.first >= 0;
        const QString text = known ? dateLine_.second : QStringLiteral("Date ") + doc_.startDateText;
        checkDate(dateLine_.first, text, isNumberText(dateNumberText(doc_.startDateText)), *mjd,
                  QStringLiteral("the start date is read as MJD 0"), known);
    }

    // A date value that holds no number is logged and is a finding at its line (`at` from 0,
    // -1 for none); one before 1900 is a finding only.
    void checkDate(qsizetype at, const QString& text, bool isNumber, double mjd, const QString& outcome,
                   bool logged = true)
    {
        QVector<ReadFinding>& findings = doc_.readReport.findings;
        if (!isNumber) {
            const QString outcomeText =
                QStringLiteral(" holds no number; %1, and Save writes the value back as it stands")
                    .arg(outcome);
            if (logged)
                doc_.scanLog.addLineEntry(
                    QStringLiteral("holds no number"), path_,
                    QStringLiteral("Line %1 of %2: '%3'%4. ").arg(at + 1).arg(path_, text, outcomeText));
            findings.append({ReadFinding::Kind::Date, at + 1, quotedText(text) + outcomeText});
        } else if (mjd < mjdOf(QDate(1900, 1, 1), 0, 0)) {
            const QDate date = splitDayNumber(mjd - kMjdOffset).date;
            findings.append({ReadFinding::Kind::Date, at + 1,
                             QStringLiteral("%1 is a date before 1900%2")
                                 .arg(quotedText(text), date.isValid() ? QStringLiteral(" (") +
                                                                             date.toString(Qt::ISODate) + u')'
                                                                       : QString())});
        }
    }

    const QString& path_;
    Scenario& doc_;
    QStringList pending_;
    QString after_ = QStringLiteral("BEGIN_DESC");
    const EditedSection* inEdited_ = nullptr;
    bool inKept_ = false;
    KeptSection kept_;
    QString closing_;
    std::pair<qsizetype, QString> dateLine_{-1, {}};
};

} // namespace

QString closingKeyword(QStringView opening)
{
    QStringView name = opening.mid(6);
    const qsizetype blank = name.indexOf(u' ');
    if (blank >= 0)
        name = name.left(blank);
    return QStringLiteral("END_") + name.toString();
}

void readKeptText(const QString& path, const QList<QStringView>& lines, qsizetype bodyStart, Scenario& doc)
{
    doc.comments.clear();
    doc.sections.clear();
    KeptTextReader(path, doc).read(lines, bodyStart);
}
