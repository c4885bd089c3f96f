#include "file_paths.h"

#include <QDir>
#include <QFileInfo>

QString toSlashes(const QString& path)
{
    QString result = path;
    result.replace(u'\\', u'/');
    return result;
}

QString joinPath(const QString& folder, const QString& part)
{
    QString left = toSlashes(folder);
    QString right = toSlashes(part);
    if (right.startsWith(u"./"))
        right.remove(0, 1);
    if (left.isEmpty())
        return right;
    if (left.endsWith(u'/') && right.startsWith(u'/'))
        right.remove(0, 1);
    else if (!left.endsWith(u'/') && !right.isEmpty() && !right.startsWith(u'/'))
        left.append(u'/');
    return left + right;
}

QString withTrailingSeparator(const QString& folder)
{
    QString result = toSlashes(folder);
    while (result.size() > 1 && result.endsWith(u"//"))
        result.chop(1);
    if (!result.endsWith(u'/'))
        result.append(u'/');
    return result;
}

QString resolvePath(const QString& path)
{
    const QString given = toSlashes(path);
    if (given.isEmpty() || QFileInfo::exists(given))
        return given;
    const bool trailing = given.endsWith(u'/');
    const QString clean = QDir::cleanPath(given);
    if (QFileInfo::exists(clean))
        return trailing ? withTrailingSeparator(clean) : clean;

    // Walk down from the deepest existing ancestor, matching each missing component by name.
    QStringList parts = clean.split(u'/');
    QString current;
    qsizetype i = 0;
    if (clean.startsWith(u'/')) {
        current = QStringLiteral("/");
        i = 1;
    } else if (parts.size() > 1 && parts[0].endsWith(u':')) {
        current = parts[0] + u'/';
        i = 1;
    }
    for (; i < parts.size(); ++i) {
        const QString& name = parts[i];
        const QString base = current.isEmpty() ? QStringLiteral(".") : current;
        QString candidate = current + name;
        if (!QFileInfo::exists(candidate)) {
            const QStringList entries = QDir(base).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            for (const QString& entry : entries) {
                if (entry.compare(name, Qt::CaseInsensitive) == 0) {
                    candidate = current + entry;
                    break;
                }
            }
        }
        current = candidate;
        if (i + 1 < parts.size())
            current.append(u'/');
    }
    return trailing ? withTrailingSeparator(current) : current;
}

QString writeTargetPath(const QString& path)
{
    return resolvePath(path);
}
