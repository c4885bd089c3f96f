// Google Benchmark program: each piece of work of the editor core beside a baseline measured in
// the same run (reading the same files raw), on generated installations and scenarios.
#include "generator.h"
#include "hostile_shapes.h"

#include "catalogue/catalogue.h"
#include "document/scenario_reader.h"
#include "document/text_file.h"
#include "editing/recorded_edit.h"
#include "editing/scenario_session.h"
#include "editing/ship_editing.h"
#include "editing/station_editing.h"
#include "editing/workspace_checks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

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
    return *::startedWorkspace(scenarioInstallation().simFolder);
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

// Times `work` on a fresh copy of `opened` each iteration: the copy, `prepare` on it and its
// destruction are left out of the time.
template <typename Prepare, typename Work>
void timedOnCopies(benchmark::State& state, const Workspace& opened, Prepare prepare, Work work)
{
    for (auto _ : state) {
        state.PauseTiming();
        Workspace ws = opened;
        prepare(ws);
        state.ResumeTiming();
        work(ws);
        state.PauseTiming();
        ws = Workspace();
        state.ResumeTiming();
    }
}

// The bytes of one file read into `buffer`, grown when too small; how many bytes were read, -1
// when the file cannot be read.
long readBytes(const char* path, std::vector<char>& buffer)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    long got = 0;
    for (;;) {
        if (static_cast<size_t>(got) == buffer.size())
            buffer.resize(2 * buffer.size());
        const ssize_t n = ::read(fd, buffer.data() + got, buffer.size() - static_cast<size_t>(got));
        if (n <= 0) {
            got = n < 0 ? -1 : got;
            break;
        }
        got += n;
    }
    ::close(fd);
    return got;
}

void middleStation(Workspace& ws)
{
    selectStation(ws, static_cast<int>(ws.doc.stationNames.size() / 2));
}

// The baseline of the start-up catalogue: the bytes of the same files read into one reused
// buffer with the system's open(), read() and close(), nothing decoded, the paths made before
// the timing.
void CatalogueRawRead(benchmark::State& state)
{
    const QString cfgDir =
        installation(static_cast<int>(state.range(0))).simFolder + QStringLiteral("Config/");
    std::vector<QByteArray> paths;
    for (const QString& file : configurationFiles(cfgDir))
        paths.push_back(QFile::encodeName(cfgDir + file));
    std::vector<char> buffer(1 << 20);
    for (auto _ : state) {
        for (const QByteArray& path : paths)
            benchmark::DoNotOptimize(readBytes(path.constData(), buffer));
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
    middleStation(ws);
    for (auto _ : state)
        benchmark::DoNotOptimize(validateStation(ws, dialogs));
}

void AddShip(benchmark::State& state)
{
    YesDialogs dialogs;
    timedOnCopies(
        state, openedWorkspace(static_cast<int>(state.range(0))), [](Workspace&) {},
        [&](Workspace& ws) {
            addShip(ws);
            validateShip(ws, dialogs);
        });
}

void DeleteShip(benchmark::State& state)
{
    timedOnCopies(
        state, openedWorkspace(static_cast<int>(state.range(0))),
        [](Workspace& ws) { selectShip(ws, static_cast<int>(ws.doc.shipNames.size() / 2)); },
        [](Workspace& ws) { deleteShip(ws); });
}

// A station's name changed: the dock tree is built anew and its docked ships follow the name.
void RenameStation(benchmark::State& state)
{
    YesDialogs dialogs;
    timedOnCopies(
        state, openedWorkspace(static_cast<int>(state.range(0))),
        [](Workspace& ws) {
            middleStation(ws);
            ws.stationForm.name = QStringLiteral("Renamed");
        },
        [&](Workspace& ws) { benchmark::DoNotOptimize(validateStation(ws, dialogs)); });
}

// A new station, filled in as the middle one is, then validated.
void AddStation(benchmark::State& state)
{
    YesDialogs dialogs;
    StationForm form;
    timedOnCopies(
        state, openedWorkspace(static_cast<int>(state.range(0))),
        [&form](Workspace& ws) {
            middleStation(ws);
            form = ws.stationForm;
            form.name = QStringLiteral("Added");
        },
        [&](Workspace& ws) {
            addStation(ws);
            ws.stationForm = form;
            benchmark::DoNotOptimize(validateStation(ws, dialogs));
        });
}

// Deleting a station no ship is docked at (one added before the timing).
void DeleteStation(benchmark::State& state)
{
    Workspace opened = openedWorkspace(static_cast<int>(state.range(0)));
    YesDialogs dialogs;
    middleStation(opened);
    StationForm form = opened.stationForm;
    form.name = QStringLiteral("Spare");
    addStation(opened);
    opened.stationForm = form;
    validateStation(opened, dialogs);
    timedOnCopies(state, opened, [](Workspace&) {}, [](Workspace& ws) { deleteStation(ws); });
}

// Undo and redo of the deletion of a ship in the middle: the rows after it come back, and the
// trees are marked again.
void deleteMiddleShip(Workspace& ws)
{
    selectShip(ws, static_cast<int>(ws.doc.shipNames.size() / 2));
    deleteShip(ws);
}

void UndoDeleteShip(benchmark::State& state)
{
    timedOnCopies(state, openedWorkspace(static_cast<int>(state.range(0))), deleteMiddleShip,
                  [](Workspace& ws) { undoEdit(ws); });
}

void RedoDeleteShip(benchmark::State& state)
{
    timedOnCopies(
        state, openedWorkspace(static_cast<int>(state.range(0))),
        [](Workspace& ws) {
            deleteMiddleShip(ws);
            undoEdit(ws);
        },
        [](Workspace& ws) { redoEdit(ws); });
}

// Undo of a station's rename: the dock tree is built anew.
void UndoRenameStation(benchmark::State& state)
{
    YesDialogs dialogs;
    timedOnCopies(
        state, openedWorkspace(static_cast<int>(state.range(0))),
        [&](Workspace& ws) {
            middleStation(ws);
            ws.stationForm.name = QStringLiteral("Renamed");
            validateStation(ws, dialogs);
        },
        [](Workspace& ws) { undoEdit(ws); });
}

// The rename of the first station, whose docked ships lie far apart (rows 0 and 6,000 of 8,000;
// 0 and 24,000 of 32,000), then its undo. The counter is the ship rows the step holds, before and
// after the rename together: the changed rows, not the stretch between them.
void UndoRenameStationDistantShips(benchmark::State& state)
{
    YesDialogs dialogs;
    qsizetype held = 0;
    timedOnCopies(
        state, openedWorkspace(static_cast<int>(state.range(0))),
        [&](Workspace& ws) {
            selectStation(ws, 0);
            ws.stationForm.name = QStringLiteral("Renamed");
            validateStation(ws, dialogs);
            const ListChange<ShipRow>& ships = ws.history.stepToUndo()->change.ships;
            held = ships.before.size() + ships.after.size();
        },
        [](Workspace& ws) { undoEdit(ws); });
    state.counters["shipRowsHeld"] = static_cast<double>(held);
}

// The baseline of every edit that writes a row: the recording keeps the scenario as it was, so
// the first write to a row copies the row vector (each row's texts are shared, not copied).
void CopyShipRowsOnWrite(benchmark::State& state)
{
    const Workspace opened = openedWorkspace(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QVector<ShipRow> rows = opened.doc.ships.rows;
        rows[0].Fuel = QStringLiteral("0.5");
        benchmark::DoNotOptimize(rows);
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
        benchmark::DoNotOptimize(validationFailures(ws));
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // --sizes=small runs the smallest size of each piece of work only (the CI smoke run);
    // --generate FOLDER SHIPS writes an installation and one scenario for whole-command timing
    // and prints the scenario's path; --installation FOLDER FILES writes an installation of
    // about FILES configuration files and prints its simulator folder; --hostile FOLDER SCALE
    // writes the hostile shapes at that scale and prints, for each, its name and the
    // corvane-scn arguments that read it.
    if (argc == 4 && std::string_view(argv[1]) == "--hostile") {
        for (const HostileShape& shape : generateHostileShapes(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3])))
            std::printf("%s\t%s\n", qPrintable(shape.name), qPrintable(shape.command.join(u'\t')));
        return 0;
    }
    if (argc == 4 && std::string_view(argv[1]) == "--installation") {
        std::printf("%s\n",
                    qPrintable(generateInstallation(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3])).simFolder));
        return 0;
    }
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
                 {"UndoDeleteShip", UndoDeleteShip},
                 {"RedoDeleteShip", RedoDeleteShip},
                 {"UndoRenameStation", UndoRenameStation},
                 {"UndoRenameStationDistantShips", UndoRenameStationDistantShips},
                 {"CopyShipRowsOnWrite", CopyShipRowsOnWrite},
                 {"Check", Check}})
            benchmark::RegisterBenchmark(name, fn)->Arg(k)->Unit(benchmark::kMillisecond);
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
