#include "folder_name_rules.h"

#include <QStringList>

namespace {

const QString kForbiddenCharacters = QStringLiteral("\\/:*?\"<>|");

// Device names that Windows refuses as file or folder names, with or without an extension
// ("CON", "com1.old").
bool isReservedDeviceName(const QString& name)
{
    static const QStringList reserved{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                      QStringLiteral("NUL")};
    const QString stem = name.section(u'.', 0, 0).toUpper();
    if (reserved.contains(stem))
        return true;
    return stem.size() == 4 && (stem.startsWith(u"COM") || stem.startsWith(u"LPT")) && stem[3] >= u'1' &&
           stem[3] <= u'9';
}

} // namespace

QString folderNameProblem(const QString& name)
{
    if (name == u"." || name == u"..")
        return QStringLiteral("\"%1\" is not a folder name: the new folder must be created inside the "
                              "selected folder.")
            .arg(name);
    for (const QChar c : name) {
        if (kForbiddenCharacters.contains(c))
            return QStringLiteral(
                "A folder name must not contain any of the characters \\ / : * ? \" < > |.");
        if (c.unicode() < 32)
            return QStringLiteral("A folder name must not contain control characters.");
    }
    if (name.endsWith(u' ') || name.endsWith(u'.'))
        return QStringLiteral("A folder name must not end with a blank or a point.");
    if (isReservedDeviceName(name))
        return QStringLiteral("\"%1\" is a name reserved by the system for a device.").arg(name);
    return {};
}
