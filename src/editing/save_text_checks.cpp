#include "save_text_checks.h"

#include "document/file_text_checks.h"
#include "document/scenario_writer.h"

namespace {

// 'Ω Δ Ж' for 'ΩΔЖ': the characters apart, so that each can be seen.
QString spaced(const QString& characters)
{
    QStringList named;
    for (const QChar c : characters)
        named << QString(c);
    return named.join(u' ');
}

} // namespace

bool checkTextBeforeSaving(const Scenario& doc, UserDialogs& dialogs)
{
    if (const QString refusal = descriptionRefusal(doc.description); !refusal.isEmpty()) {
        dialogs.inform(
            {QStringLiteral("Forbidden action"), refusal, MessageButtons::Ok, MessageIcon::Exclamation});
        return false;
    }
    const QString characters = unwritableCharacters(scenarioFileLines(doc).join(u'\n'));
    if (characters.isEmpty())
        return true;
    return dialogs.confirm(
        {QStringLiteral("Warning"),
         QStringLiteral("The scenario file cannot hold these characters: ") + spaced(characters) +
             QStringLiteral(". Each would be written as \"?\". Do you wish to save anyway?"),
         MessageButtons::YesNo, MessageIcon::Question});
}

QString unwritableCharactersHint(const QString& text)
{
    const QString characters = unwritableCharacters(text);
    if (characters.isEmpty())
        return {};
    return QStringLiteral("The scenario file cannot hold these characters: ") + spaced(characters) +
           QStringLiteral(". Save asks before writing each as \"?\".");
}

QString descriptionHint(const QString& description)
{
    QStringList hints;
    for (const QString& hint : {descriptionRefusal(description), unwritableCharactersHint(description)}) {
        if (!hint.isEmpty())
            hints << hint;
    }
    return hints.join(u'\n');
}
