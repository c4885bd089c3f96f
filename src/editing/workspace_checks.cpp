#include "workspace_checks.h"

#include "catalogue/simulator_settings.h"
#include "document/file_paths.h"
#include "ship_editing.h"
#include "station_editing.h"

std::optional<Workspace> startedWorkspace(const QString& simFolder)
{
    Workspace ws;
    ws.folders.VexDir = withTrailingSeparator(simFolder);
    const auto config = readSimulatorConfig(ws.folders.VexDir);
    if (!config)
        return std::nullopt;
    ws.folders.ConfigDir = config->ConfigDir;
    ws.folders.ScenarioDir = config->ScenarioDir;
    formConfigurationFolders(ws.folders);
    ScanLog log;
    ws.catalogue = buildCatalogue(ws.folders.CfgDir, log);
    ws.planetarySystems = ws.catalogue.planetarySystems;
    ws.stationForm.stationClassIndex = ws.catalogue.stationClasses.isEmpty() ? -1 : 0;
    return ws;
}

QVector<ValidationFailure> validationFailures(Workspace& ws)
{
    QVector<ValidationFailure> failures;
    const ReadReport& read = ws.doc.readReport;
    for (int i = 0; i < ws.doc.stationNames.size(); ++i) {
        selectStation(ws, i);
        for (const QString& message : stationValidationFailures(ws))
            failures.append({false, i, read.stationLines.value(i), message});
    }
    for (int i = 0; i < ws.doc.shipNames.size(); ++i) {
        selectShip(ws, i);
        for (const QString& message : shipValidationFailures(ws))
            failures.append({true, i, read.shipLines.value(i), message});
    }
    return failures;
}
