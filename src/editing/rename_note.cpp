#include "rename_note.h"

QString renameNote(const QString& storedName, const QString& typedName)
{
    if (typedName == storedName)
        return {};
    if (storedName.isEmpty())
        return QStringLiteral("Validation names it ") + typedName;
    if (typedName.isEmpty())
        return QStringLiteral("Validation renames ") + storedName + QStringLiteral(" to an empty name");
    return QStringLiteral("Validation renames ") + storedName + QStringLiteral(" to ") + typedName;
}
