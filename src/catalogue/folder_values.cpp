#include "folder_values.h"

#include "document/file_paths.h"

QString FolderValues::scenarioRoot() const
{
    // Without a simulator folder there is no scenario tree; an empty VexDir must not turn
    // '\Scenarios\' into a folder at the root of the disk.
    if (VexDir.isEmpty())
        return QString();
    return withTrailingSeparator(joinPath(VexDir, ScenarioDir));
}
