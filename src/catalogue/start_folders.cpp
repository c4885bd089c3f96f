#include "start_folders.h"

#include "build_info.h"
#include "document/file_paths.h"
#include "simulator_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool holds(const QString& folder, const QString& fileName)
{
    return QFileInfo::exists(resolvePath(joinPath(folder, fileName)));
}

} // namespace

QString settingsFolder(const QString& startFolder, const QString& configFolder)
{
    return holds(startFolder, kSettingsFileName) ? startFolder : configFolder;
}

QString userConfigFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QStringList helpFolderCandidates(const QString& programFolder, const QString& startFolder)
{
    return {QDir::cleanPath(joinPath(programFolder, kDataFolderFromPrograms)), programFolder, startFolder};
}

QString folderHolding(const QStringList& folders, const QString& fileName)
{
    for (const QString& folder : folders) {
        if (holds(folder, fileName))
            return folder;
    }
    return folders.isEmpty() ? QString() : folders.last();
}

void setStartFolders(FolderValues& folders, const QString& startFolder)
{
    folders.ProgDir = withTrailingSeparator(startFolder);
    folders.SettingsDir = withTrailingSeparator(settingsFolder(startFolder, userConfigFolder()));
    const QStringList help = helpFolderCandidates(QCoreApplication::applicationDirPath(), startFolder);
    folders.HelpDir = withTrailingSeparator(folderHolding(help, kHelpFileName));
}
