#include "editor_workspace.h"

#include "catalogue/catalogue.h"
#include "catalogue/simulator_settings.h"
#include "document/file_paths.h"
#include "editing/scenario_session.h"

#include <gtest/gtest.h>

QString sampleFolder()
{
    return QStringLiteral(CORVANE_SAMPLE_DIR);
}

void openWorkspace(Workspace& ws, const QString& simFolder, const QString& scenario)
{
    ws.folders.VexDir = withTrailingSeparator(simFolder);
    const std::optional<SimulatorConfig> config = readSimulatorConfig(ws.folders.VexDir);
    ASSERT_TRUE(config.has_value());
    ws.folders.ConfigDir = config->ConfigDir;
    ws.folders.ScenarioDir = config->ScenarioDir;
    ws.folders.CfgDir = joinPath(ws.folders.VexDir, ws.folders.ConfigDir);
    ws.folders.ScnDir = joinPath(ws.folders.VexDir, ws.folders.ScenarioDir);
    ScanLog log;
    ws.catalogue = buildCatalogue(ws.folders.CfgDir, log);
    ws.planetarySystems = ws.catalogue.planetarySystems;
    // Start-up leaves the station class list on its first entry.
    ws.stationForm.stationClassIndex = ws.catalogue.stationClasses.isEmpty() ? -1 : 0;
    ws.scnfile = scenario;
    openScenario(ws);
}

MessageAnswer ScriptedDialogs::ask(const UserMessage& message)
{
    shown.append(message);
    if (!answers.isEmpty())
        return answers.takeFirst();
    // Leaving a form with edits not validated drops them, as leaving it did before it asked.
    if (message.buttons == MessageButtons::ValidateDiscardCancel)
        return MessageAnswer::Discard;
    return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}
