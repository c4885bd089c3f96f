// The editor's settings file vex.cfg and the simulator's main configuration file corvane.cfg:
// no input crashes their readers, the folder that the editor writes back into vex.cfg at every
// start reads as the same folder, and the folders formed from corvane.cfg end with a separator,
// as every later path is formed by appending a file name.
#include "fuzz_support.h"

#include "catalogue/simulator_settings.h"
#include "document/text_codec.h"

namespace {

void checkSettings(const QStringList& lines)
{
    const auto folder = settingsFolder(lines);
    if (!folder)
        return;
    const auto again = settingsFolder(splitLines(decodeWindows1252(crlfText({*folder}))));
    if (again != folder)
        propertyBroken("the folder written into vex.cfg reads back unchanged", *folder, again.value_or("<none>"));
}

void checkSimulatorConfig(const QStringList& lines)
{
    QStringList fields;
    for (const QString& line : lines)
        fields.append(splitFields(line));
    const auto config = simulatorConfigOf(fields);
    if (!config)
        return;
    FolderValues folders;
    folders.VexDir = QStringLiteral("/fuzz/sim");
    folders.ConfigDir = config->ConfigDir;
    folders.ScenarioDir = config->ScenarioDir;
    formConfigurationFolders(folders);
    if (!folders.CfgDir.endsWith(u'/') || !folders.ScnDir.endsWith(u'/'))
        propertyBroken("the configuration folders end with a separator", folders.VexDir,
                       folders.CfgDir + u' ' + folders.ScnDir);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines = inputLines(data, size);
    checkSettings(lines);
    checkSimulatorConfig(lines);
    return 0;
}
