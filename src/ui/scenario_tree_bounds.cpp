#include "scenario_tree_bounds.h"

#include "document/file_paths.h"
#include "folder_list.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool rootExists(const QString& root)
{
    return !root.isEmpty() && QFileInfo(toSlashes(root)).isDir();
}

// The form confinedFolder answers in: absolute, clean, no trailing separator.
QString cleaned(const QString& folder)
{
    return QDir::cleanPath(QDir(resolvePath(toSlashes(folder))).absolutePath());
}

} // namespace

bool isWithinScenarioTree(const QString& folder, const QString& root)
{
    return rootExists(root) && !folder.isEmpty() && confinedFolder(folder, root) == cleaned(folder);
}

bool isScenarioRoot(const QString& folder, const QString& root)
{
    return rootExists(root) && !folder.isEmpty() && QFileInfo(cleaned(folder)) == QFileInfo(cleaned(root));
}

QString unreadableScenarioProblem(const QString& path, const QString& root)
{
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!info.exists())
        return QStringLiteral("The file %1 does not exist (or is a link to nothing).").arg(shown);
    if (!info.isFile())
        return QStringLiteral("The file %1 is not a regular file (a folder, a FIFO or a device) and can not "
                              "be opened.")
            .arg(shown);
    if (!isWithinTree(path, root))
        return QStringLiteral("The file %1 is a link to %2, outside the scenario folder; it is not opened.")
            .arg(shown, QDir::toNativeSeparators(info.canonicalFilePath()));
    return QString();
}

QString unwritableScenarioProblem(const QString& path, const QString& root)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QString();
    return unreadableScenarioProblem(path, root);
}
