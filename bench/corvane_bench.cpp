// Google Benchmark program: each piece of work of the editor core beside a baseline measured in
// the same run (reading the same files raw), on generated installations and scenarios.
#include "generator.h"

#include "catalogue/catalogue.h"
#include "catalogue/simulator_settings.h"
#include "document/scenario_reader.h"
#include "document/text_file.h"
#include "editing/scenario_session.h"
#include "editing/ship_editing.h"
#include "editing/station_editing.h"

#include <QCoreApplication>
#include <QDir>
#include <QMap>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

class YesDialogs : public UserDialogs
{
public:
    MessageAnswer ask(const UserMessage&) override { return MessageAnswer::Yes; }
};

QTemporaryDir& scratch()
{
    static QTemporaryDir dir;
    return dir;
}

const GeneratedInstallation& installation(int files)
{
    static QMap<int, GeneratedInstallation> made;
    if (!made.contains(files))
        made.insert(files,
                    generateInstallation(scratch().filePath(QStringLiteral("inst%1").arg(files)), files));
    return made[files];
}

// The installation the scenarios use: 2,000 configuration files.
const GeneratedInstallation& scenarioInstallation()
{
    return installation(2000);
}

const QString& scenario(int ships)
{
    static QMap<int, QString> made;
    if (!made.contains(ships))
        made.insert(ships, generateScenario(scenarioInstallation(), ships));
    return made[ships];
}

// The workspace as the editor holds it after start-up, as the check command builds it.
Workspace startedWorkspace()
{
    Workspace ws;
    ws.folders.VexDir = scenarioInstallation().simFolder;
    const auto config = readSimulatorConfig(ws.folders.VexDir);
    ws.folders.ConfigDir = config->ConfigDir;
    ws.folders.ScenarioDir = config->ScenarioDir;
    formConfigurationFolders(ws.folders);
    ScanLog log;
    ws.catalogue = buildCatalogue(ws.folders.CfgDir, log);
    ws.planetarySystems = ws.catalogue.planetarySystems;
    ws.stationForm.stationClassIndex = ws.catalogue.stationClasses.isEmpty() ? -1 : 0;
    return ws;
}

Workspace openedWorkspace(int ships)
{
    Workspace ws = startedWorkspace();
    const QFileInfo file(scenario(ships));
    ws.folders.ScnDir = file.absolutePath() + u'/';
    ws.scnfile = file.fileName();
    openScenario(ws);
    return ws;
}

void CatalogueRawRead(benchmark::State& state)
{
    const QString cfgDir =
        installation(static_cast<int>(state.range(0))).simFolder + QStringLiteral("Config/");
    for (auto _ : state) {
        for (const QString& file : configurationFiles(cfgDir))
            benchmark::DoNotOptimize(readTextLines(cfgDir + file));
    }
}

void BuildCatalogue(benchmark::State& state)
{
    const QString cfgDir =
        installation(static_cast<int>(state.range(0))).simFolder + QStringLiteral("Config/");
    for (auto _ : state) {
        ScanLog log;
        benchmark::DoNotOptimize(buildCatalogue(cfgDir, log));
    }
}

void ScenarioRawRead(benchmark::State& state)
{
    const QString& path = scenario(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(readTextLines(path));
}

void ReadScenario(benchmark::State& state)
{
    const QString& path = scenario(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Scenario doc;
        ScenarioReaderHost host;
        TabSettings(path, doc, host);
        benchmark::DoNotOptimize(doc);
    }
}

void OpenInEditor(benchmark::State& state)
{
    const Workspace started = startedWorkspace();
    const QFileInfo file(scenario(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        Workspace ws = started;
        ws.folders.ScnDir = file.absolutePath() + u'/';
        ws.scnfile = file.fileName();
        openScenario(ws);
        benchmark::DoNotOptimize(ws);
    }
}

void ValidateShip(benchmark::State& state)
{
    Workspace ws = openedWorkspace(static_cast<int>(state.range(0)));
    YesDialogs dialogs;
    selectShip(ws, static_cast<int>(ws.doc.shipNames.size() / 2));
    for (auto _ : state)
        benchmark::DoNotOptimize(validateShip(ws, dialogs));
}

void ValidateStation(benchmark::State& state)
{
    Workspace ws = openedWorkspace(static_cast<int>(state.range(0)));
    YesDialogs dialogs;
    selectStation(ws, static_cast<int>(ws.doc.stationNames.size() / 2));
    for (auto _ : state)
        benchmark::DoNotOptimize(validateStation(ws, dialogs));
}

void AddShip(benchmark::State& state)
{
    const Workspace opened = openedWorkspace(static_cast<int>(state.range(0)));
    YesDialogs dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        Workspace ws = opened;
        state.ResumeTiming();
        addShip(ws);
        validateShip(ws, dialogs);
        state.PauseTiming();
        ws = Workspace();
        state.ResumeTiming();
    }
}

void DeleteShip(benchmark::State& state)
{
    const Workspace opened = openedWorkspace(static_cast<int>(state.range(0)));
    YesDialogs dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        Workspace ws = opened;
        selectShip(ws, static_cast<int>(ws.doc.shipNames.size() / 2));
        state.ResumeTiming();
        deleteShip(ws, dialogs);
        state.PauseTiming();
        ws = Workspace();
        state.ResumeTiming();
    }
}

// A station's name changed: the dock tree is built anew and its docked ships follow the name.
void RenameStation(benchmark::State& state)
{
    const Workspace opened = openedWorkspace(static_cast<int>(state.range(0)));
    YesDialogs dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        Workspace ws = opened;
        selectStation(ws, static_cast<int>(ws.doc.stationNames.size() / 2));
        ws.stationForm.name = QStringLiteral("Renamed");
        state.ResumeTiming();
        benchmark::DoNotOptimize(validateStation(ws, dialogs));
        state.PauseTiming();
        ws = Workspace();
        state.ResumeTiming();
    }
}

// A new station, filled in as the middle one is, then validated.
void AddStation(benchmark::State& state)
{
    const Workspace opened = openedWorkspace(static_cast<int>(state.range(0)));
    YesDialogs dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        Workspace ws = opened;
        selectStation(ws, static_cast<int>(ws.doc.stationNames.size() / 2));
        StationForm form = ws.stationForm;
        form.name = QStringLiteral("Added");
        state.ResumeTiming();
        addStation(ws);
        ws.stationForm = form;
        benchmark::DoNotOptimize(validateStation(ws, dialogs));
        state.PauseTiming();
        ws = Workspace();
        state.ResumeTiming();
    }
}

// Deleting a station no ship is docked at (one added before the timing).
void DeleteStation(benchmark::State& state)
{
    Workspace opened = openedWorkspace(static_cast<int>(state.range(0)));
    YesDialogs dialogs;
    selectStation(opened, static_cast<int>(opened.doc.stationNames.size() / 2));
    StationForm form = opened.stationForm;
    form.name = QStringLiteral("Spare");
    addStation(opened);
    opened.stationForm = form;
    validateStation(opened, dialogs);
    for (auto _ : state) {
        state.PauseTiming();
        Workspace ws = opened;
        state.ResumeTiming();
        deleteStation(ws, dialogs);
        state.PauseTiming();
        ws = Workspace();
        state.ResumeTiming();
    }
}

// What the check command does with one file: open it, then show and validate every station and
// every ship, reading each body file once.
void Check(benchmark::State& state)
{
    const Workspace started = startedWorkspace();
    const QFileInfo file(scenario(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        Workspace ws = started;
        ws.bodyFigures.keep = true;
        ws.folders.ScnDir = file.absolutePath() + u'/';
        ws.scnfile = file.fileName();
        openScenario(ws);
        qsizetype failures = 0;
        for (int i = 0; i < ws.doc.stationNames.size(); ++i) {
            selectStation(ws, i);
            failures += stationValidationFailures(ws).size();
        }
        for (int i = 0; i < ws.doc.shipNames.size(); ++i) {
            selectShip(ws, i);
            failures += shipValidationFailures(ws).size();
        }
        benchmark::DoNotOptimize(failures);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // --sizes=small runs the smallest size of each piece of work only (the CI smoke run);
    // --generate FOLDER SHIPS writes an installation and one scenario for whole-command timing
    // and prints the scenario's path.
    if (argc == 4 && std::string_view(argv[1]) == "--generate") {
        const GeneratedInstallation made = generateInstallation(QString::fromLocal8Bit(argv[2]), 2000);
        std::printf("%s\n", qPrintable(generateScenario(made, std::atoi(argv[3]))));
        return 0;
    }
    bool small = false;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--sizes=small")
            small = true;
        else
            args.push_back(argv[i]);
    }
    const std::vector<int> files = small ? std::vector<int>{500} : std::vector<int>{5000, 20000};
    const std::vector<int> ships = small ? std::vector<int>{500} : std::vector<int>{500, 2000, 8000, 32000};
    for (const int n : files) {
        benchmark::RegisterBenchmark("CatalogueRawRead", CatalogueRawRead)
            ->Arg(n)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("Catalogue", BuildCatalogue)->Arg(n)->Unit(benchmark::kMillisecond);
    }
    for (const int k : ships) {
        for (const auto& [name, fn] :
             std::initializer_list<std::pair<const char*, void (*)(benchmark::State&)>>{
                 {"ScenarioRawRead", ScenarioRawRead},
                 {"ReadScenario", ReadScenario},
                 {"OpenInEditor", OpenInEditor},
                 {"ValidateShip", ValidateShip},
                 {"ValidateStation", ValidateStation},
                 {"AddShip", AddShip},
                 {"DeleteShip", DeleteShip},
                 {"RenameStation", RenameStation},
                 {"AddStation", AddStation},
                 {"DeleteStation", DeleteStation},
                 {"Check", Check}})
            benchmark::RegisterBenchmark(name, fn)->Arg(k)->Unit(benchmark::kMillisecond);
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
