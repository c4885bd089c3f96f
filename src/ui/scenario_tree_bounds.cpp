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
