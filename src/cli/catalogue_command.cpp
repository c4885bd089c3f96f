// corvane-scn catalogue --sim SIMFOLDER [--system NAME]: what the editor would offer for that
// installation, as JSON, so that an author can check it without starting the editor.
#include "commands.h"

#include "catalogue/bases.h"
#include "catalogue/catalogue.h"
#include "catalogue/planetary_system.h"
#include "catalogue/simulator_settings.h"
#include "document/file_paths.h"
#include "document/json_text.h"
#include "document/scan_log.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <iterator>
#include <optional>
#include <utility>

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

void writeOut(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

// One body of the answer's array as QJsonDocument's indented text writes an object two levels
// in, its keys in the sorted order in which QJsonObject keeps them.
void appendBody(QByteArray& out, const QString& entry, const BodyDisplay& display)
{
    const std::pair<const char*, const QString*> fields[] = {{"atmosphereLimit", &display.atmosphereLimit},
                                                             {"entry", &entry},
                                                             {"mass", &display.mass},
                                                             {"meanRadius", &display.meanRadius},
                                                             {"rotationPeriod", &display.rotationPeriod}};
    out += "        {\n";
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        out += "            \"";
        out += fields[i].first;
        out += "\": ";
        appendJsonString(out, *fields[i].second);
        out += i + 1 < std::size(fields) ? ",\n" : "\n";
    }
    out += "        }";
}

// Writes `result` with the bodies as QJsonDocument's indented text, the bodies written field by
// field a thousand at a time: a system of 400,000 bodies would otherwise be held as 400,000
// JSON objects and then as one text of some 70 MB.
void writeAnswer(QJsonObject result, const QStringList& bodies, const QVector<BodyDisplay>& displays)
{
    constexpr qsizetype kChunk = 1000;
    // A string no other value can hold where a key "bodies" stands: quotes inside values are
    // escaped, and so is the control character.
    result.insert(QStringLiteral("bodies"), QString(QChar(0x01)) + QStringLiteral("bodies"));
    const QByteArray text = QJsonDocument(result).toJson(QJsonDocument::Indented);
    const QByteArray key = "\n    \"bodies\": ";
    const QByteArray value = "\"\\u0001bodies\"";
    const qsizetype at = text.indexOf(key + value) + key.size();
    writeOut(text.left(at) + "[\n");
    for (qsizetype from = 0; from < bodies.size(); from += kChunk) {
        QByteArray chunk;
        for (qsizetype i = from; i < std::min(bodies.size(), from + kChunk); ++i) {
            appendBody(chunk, bodies[i], displays[i]);
            chunk += i + 1 < bodies.size() ? ",\n" : "\n";
        }
        writeOut(chunk);
    }
    writeOut("    ]" + text.mid(at + value.size()));
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

    // One listing of each folder serves every look-up of the scan below.
    const FolderListingScope listings;
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
    QVector<BodyDisplay> displays;
    displays.reserve(bodies.size());
    for (const QString& entry : std::as_const(bodies))
        displays.append(bodyDisplay(folders.CfgDir, entry, log));
    result.insert(QStringLiteral("bases"), QJsonArray::fromStringList(bases));
    result.insert(QStringLiteral("scanLog"), log.text());
    writeAnswer(result, bodies, displays);
    return 0;
}

const CommandRegistration registration(QStringLiteral("catalogue"), catalogueCommand);

} // namespace
