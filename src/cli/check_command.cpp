// corvane-scn check --sim SIMFOLDER FILE.scn...: every station and ship shown as the editor
// shows it after opening the file, and validated with the editor's own checks.
#include "catalogue/catalogue.h"
#include "catalogue/simulator_settings.h"
#include "commands.h"
#include "document/file_paths.h"
#include "document/scenario_reader.h"
#include "editing/scenario_session.h"
#include "editing/ship_editing.h"
#include "editing/station_editing.h"

#include <QFileInfo>
#include <QTextStream>

#include <optional>

namespace {

// The workspace as the editor holds it after start-up with `simFolder` as the simulator folder.
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

// Opens one scenario in a fresh copy of the started workspace and prints its failed checks;
// returns whether any check failed.
bool checkScenario(const Workspace& started, const QString& given, const QFileInfo& file, QTextStream& out,
                   QTextStream& err)
{
    Workspace ws = started;
    ws.bodyFigures.keep = true;
    ws.folders.ScnDir = withTrailingSeparator(file.absolutePath());
    ws.scnfile = file.fileName();
    if (openScenario(ws))
        err << given << ": " << kScanErrorsWarning << ' ' << ws.doc.scanLog.LogMessage << '\n';

    bool failed = false;
    const auto report = [&](const char* kind, const QString& name, const QStringList& failures) {
        for (const QString& failure : failures)
            out << given << ": " << kind << ' ' << name << ": " << failure << '\n';
        failed = failed || !failures.isEmpty();
    };
    for (int i = 0; i < ws.doc.stationNames.size(); ++i) {
        selectStation(ws, i);
        report("station", ws.doc.stationNames[i], stationValidationFailures(ws));
    }
    for (int i = 0; i < ws.doc.shipNames.size(); ++i) {
        selectShip(ws, i);
        report("ship", ws.doc.shipNames[i], shipValidationFailures(ws));
    }
    return failed;
}

int check(const QStringList& args)
{
    QString simFolder;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--sim" && i + 1 < args.size())
            simFolder = args[++i];
        else if (args[i].startsWith(u"--"))
            return usageError(QStringLiteral("check: unknown option ") + args[i]);
        else
            files.append(args[i]);
    }
    if (simFolder.isEmpty() || files.isEmpty())
        return usageError(QStringLiteral("usage: corvane-scn check --sim SIMFOLDER FILE.scn..."));

    const auto started = startedWorkspace(simFolder);
    if (!started)
        return usageError(QStringLiteral("check: cannot read ") + kSimulatorConfigName +
                          QStringLiteral(" in ") + simFolder);
    QVector<QFileInfo> scenarios;
    for (const QString& file : files) {
        const QFileInfo info(resolvePath(file));
        if (!info.isFile() || !info.isReadable())
            return usageError(QStringLiteral("check: cannot read ") + file);
        scenarios.append(info);
    }

    QTextStream out(stdout);
    QTextStream err(stderr);
    bool failed = false;
    for (qsizetype i = 0; i < files.size(); ++i)
        failed = checkScenario(*started, files[i], scenarios[i], out, err) || failed;
    return failed ? 1 : 0;
}

const CommandRegistration registration(QStringLiteral("check"), check);

} // namespace
