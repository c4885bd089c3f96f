// corvane-scn catalogue --sim SIMFOLDER [--system NAME]: what the editor would offer for that
// installation, as JSON, so that an author can check it without starting the editor.
#include "commands.h"

#include "catalogue/bases.h"
#include "catalogue/catalogue.h"
#include "catalogue/planetary_system.h"
#include "catalogue/simulator_settings.h"
#include "document/file_paths.h"
#include "document/scan_log.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <optional>

namespace {

struct CatalogueArguments
{
    QString simulator;
    std::optional<QString> system;
};

std::optional<CatalogueArguments> parseArguments(const QStringList& args, QString& error)
{
    CatalogueArguments parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option != u"--sim" && option != u"--system") {
            error = QStringLiteral("catalogue: unknown argument '%1'").arg(option);
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = QStringLiteral("catalogue: %1 needs a value").arg(option);
            return std::nullopt;
        }
        (option == u"--sim" ? parsed.simulator : parsed.system.emplace()) = args[++i];
    }
    if (parsed.simulator.isEmpty()) {
        error = QStringLiteral("usage: corvane-scn catalogue --sim SIMFOLDER [--system NAME]");
        return std::nullopt;
    }
    return parsed;
}

QJsonArray namedFilesJson(const QVector<NamedFile>& entries)
{
    QJsonArray array;
    for (const NamedFile& entry : entries)
        array.append(QJsonObject{{QStringLiteral("name"), entry.name}, {QStringLiteral("file"), entry.file}});
    return array;
}

QJsonArray stationClassesJson(const Catalogue& catalogue)
{
    QJsonArray array;
    for (const StationClassRow& row : catalogue.stationClassTable)
        array.append(
            QJsonObject{{QStringLiteral("name"), row.Name}, {QStringLiteral("docks"), row.DockCount}});
    return array;
}

// The system the scenario reader would select for the name: the last catalogue entry of that
// name (letter case counts), else the file named after it.
NamedFile chosenSystem(const Catalogue& catalogue, const QString& name)
{
    NamedFile chosen{name, name + QStringLiteral(".cfg")};
    for (const NamedFile& system : catalogue.planetarySystems) {
        if (system.name == name)
            chosen = system;
    }
    return chosen;
}

QJsonArray bodiesJson(const QString& cfgDir, const QStringList& bodies, ScanLog& log)
{
    QJsonArray array;
    for (const QString& entry : bodies) {
        const BodyDisplay display = bodyDisplay(cfgDir, entry, log);
        array.append(QJsonObject{{QStringLiteral("entry"), entry},
                                 {QStringLiteral("mass"), display.mass},
                                 {QStringLiteral("meanRadius"), display.meanRadius},
                                 {QStringLiteral("rotationPeriod"), display.rotationPeriod},
                                 {QStringLiteral("atmosphereLimit"), display.atmosphereLimit}});
    }
    return array;
}

int catalogueCommand(const QStringList& args)
{
    QString error;
    const auto parsed = parseArguments(args, error);
    if (!parsed)
        return usageError(error);

    FolderValues folders;
    folders.VexDir = withTrailingSeparator(QDir(parsed->simulator).absolutePath());
    if (!isSimulatorFolder(folders.VexDir))
        return usageError(QStringLiteral("catalogue: %1 is not a simulator folder (no corvane.cfg)")
                              .arg(parsed->simulator));
    const auto config = readSimulatorConfig(folders.VexDir);
    if (!config)
        return usageError(QStringLiteral("catalogue: cannot read ConfigDir and ScenarioDir from %1")
                              .arg(simulatorConfigCandidate(folders.VexDir)));
    folders.ConfigDir = config->ConfigDir;
    folders.ScenarioDir = config->ScenarioDir;
    formConfigurationFolders(folders);
    if (!QFileInfo(resolvePath(folders.CfgDir)).isDir())
        return usageError(
            QStringLiteral("catalogue: the configuration folder %1 does not exist").arg(folders.CfgDir));

    ScanLog log;
    const Catalogue catalogue = buildCatalogue(folders.CfgDir, log);
    QJsonObject result{{QStringLiteral("planetarySystems"), namedFilesJson(catalogue.planetarySystems)},
                       {QStringLiteral("vesselClasses"), namedFilesJson(catalogue.vesselClasses)},
                       {QStringLiteral("stationClasses"), stationClassesJson(catalogue)}};

    QStringList bodies;
    QStringList bases;
    std::optional<NamedFile> system;
    if (parsed->system)
        system = chosenSystem(catalogue, *parsed->system);
    else if (!catalogue.planetarySystems.isEmpty())
        system = catalogue.planetarySystems.first();
    if (system) {
        bodies = ExtractPlanet(joinPath(folders.CfgDir, system->file), log);
        bases = BaseUpDate(folders.CfgDir, bodies, log);
        result.insert(QStringLiteral("system"), QJsonObject{{QStringLiteral("name"), system->name},
                                                            {QStringLiteral("file"), system->file}});
    }
    result.insert(QStringLiteral("bodies"), bodiesJson(folders.CfgDir, bodies, log));
    result.insert(QStringLiteral("bases"), QJsonArray::fromStringList(bases));
    result.insert(QStringLiteral("scanLog"), log.LogMessage);

    const QByteArray json = QJsonDocument(result).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    return 0;
}

const CommandRegistration registration(QStringLiteral("catalogue"), catalogueCommand);

} // namespace
