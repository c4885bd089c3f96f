#include "simulator_settings.h"

#include "document/file_paths.h"
#include "document/regular_file.h"
#include "document/text_codec.h"
#include "document/text_file.h"
#include "document/text_primitives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool isFolder(const QString& path)
{
    return !path.isEmpty() && QFileInfo(resolvePath(path)).isDir();
}

} // namespace

std::optional<QString> readSettingsFile(const QString& folder)
{
    const auto bytes = readRegularFile(resolvePath(joinPath(folder, kSettingsFileName)));
    return bytes ? settingsFolder(splitLines(decodeUtf8OrWindows1252(*bytes))) : std::nullopt;
}

std::optional<QString> settingsFolder(const QStringList& lines)
{
    if (lines.isEmpty())
        return std::nullopt;
    QString first = lines.first();
    ClearComments(first);
    if (first.isEmpty())
        return std::nullopt;
    return first;
}

std::optional<QString> storedSimulatorFolder(const QString& folder)
{
    const auto stored = readSettingsFile(folder);
    if (!stored)
        return std::nullopt;
    // A folder written relative to the settings file's folder by hand ("..\Corvane").
    return QDir::isRelativePath(toSlashes(*stored)) ? QDir::cleanPath(joinPath(folder, *stored)) : *stored;
}

WriteResult writeSettingsFile(const QString& folder, const QString& vexDir)
{
    const QString path = joinPath(folder, kSettingsFileName);
    // The user's configuration folder does not exist before the first settings are kept there.
    if (!QDir().mkpath(resolvePath(folder)))
        return {false, path,
                QStringLiteral("The folder %1 could not be created.").arg(QDir::toNativeSeparators(folder))};
    return writeFileSafely(path, encodeWindows1252OrUtf8(vexDir + QStringLiteral("\r\n")));
}

QString simulatorConfigCandidate(const QString& folder)
{
    return joinPath(folder, kSimulatorConfigName);
}

bool isSimulatorFolder(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    const QString path = resolvePath(simulatorConfigCandidate(folder));
    const QFileInfo info(path);
    if (!info.isFile() || info.fileName().compare(kSimulatorConfigName, Qt::CaseInsensitive) != 0)
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

bool CorvaneFolderLocation(FolderValues& folders, const FolderSearchDialog& dialog)
{
    if (const auto stored = storedSimulatorFolder(folders.SettingsDir)) {
        folders.VexDir = *stored;
        if (isSimulatorFolder(folders.VexDir))
            return true;
    }
    if (dialog)
        dialog();
    const auto stored = storedSimulatorFolder(folders.SettingsDir);
    if (!stored)
        return false;
    folders.VexDir = *stored;
    return true;
}

std::optional<SimulatorConfig> readSimulatorConfig(const QString& vexDir)
{
    if (vexDir.isEmpty())
        return std::nullopt;
    const auto fields = readTextFields(simulatorConfigCandidate(vexDir));
    return fields ? simulatorConfigOf(*fields) : std::nullopt;
}

std::optional<SimulatorConfig> simulatorConfigOf(const QStringList& fields)
{
    // 'ConfigDir = .\Config\' loses the key, " = " and the point: "\Config\" is appended to the
    // simulator folder. A field too short for that cut is a broken file, not an empty value.
    SimulatorConfig config;
    for (QString field : fields) {
        ClearComments(field);
        if (field.startsWith(u"ConfigDir")) {
            if (field.size() < 13)
                return std::nullopt;
            config.ConfigDir = field.mid(13);
        }
        if (field.startsWith(u"ScenarioDir")) {
            if (field.size() < 15)
                return std::nullopt;
            config.ScenarioDir = field.mid(15);
        }
    }
    return config;
}

void formConfigurationFolders(FolderValues& folders)
{
    folders.CfgDir = withTrailingSeparator(joinPath(folders.VexDir, folders.ConfigDir));
    folders.ScnDir = folders.scenarioRoot();
}

SimulatorLocation locateSimulator(FolderValues& folders, const FolderSearchDialog& dialog)
{
    SimulatorLocation result;
    CorvaneFolderLocation(folders, dialog);
    const auto config = readSimulatorConfig(folders.VexDir);
    if (!config)
        return result;
    folders.ConfigDir = config->ConfigDir;
    folders.ScenarioDir = config->ScenarioDir;
    formConfigurationFolders(folders);
    result.settingsWrite = writeSettingsFile(folders.SettingsDir, folders.VexDir);
    result.located = isFolder(folders.CfgDir);
    return result;
}
