#include "file_text_checks.h"

#include "scenario_line.h"
#include "text_codec.h"
#include "text_file.h"
#include "text_primitives.h"

QString descriptionRefusal(const QString& description)
{
    for (const QString& line : splitLines(description)) {
        const ScenarioLine read(line);
        const bool ends = trimBlanks(line).compare(u"END_DESC", Qt::CaseInsensitive) == 0;
        // The editor's reader skips the description, but an unindented section line is what a
        // reader of the format that does not know the description takes as that section.
        const bool opens = read.opensSection();
        if (ends || opens) {
            return QStringLiteral("The description holds the line \"") + trimBlanks(line) +
                   (ends ? QStringLiteral("\", which would end the description when the file is read back.")
                         : QStringLiteral("\", which would open a section when the file is read back.")) +
                   QStringLiteral(" Change or indent that line, then save again.");
        }
    }
    return {};
}

QString unwritableCharacters(const QString& text)
{
    QString found;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'?' && encodeWindows1252(QString(c)) == "?" && !found.contains(c))
            found += c;
    }
    return found;
}
