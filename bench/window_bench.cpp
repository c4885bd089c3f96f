// Google Benchmark program for the real main window, offscreen: a scenario opened through the
// same path as Load in the open dialog, and the clicks a user makes in it, each timed until the
// window has handled every event they caused. The baseline, in the same run, is a plain read of
// the scenario file's bytes.
#include "generator.h"

#include "editing/user_message.h"
#include "ui/main_window.h"
#include "ui/message_service.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <string_view>
#include <vector>

namespace {

QTemporaryDir& scratch()
{
    static QTemporaryDir dir;
    return dir;
}

const GeneratedInstallation& installation()
{
    static const GeneratedInstallation made = generateInstallation(scratch().filePath(QStringLiteral("inst")), 2000);
    return made;
}

const QString& scenario(int ships)
{
    static QMap<int, QString> made;
    if (!made.contains(ships))
        made.insert(ships, generateScenario(installation(), ships));
    return made[ships];
}

// Everything the window does after an action: layouts, paints of the offscreen window, timers due.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QApplication::processEvents();
}

// A started editor whose settings name the generated installation, with every question answered
// Yes (a deletion asks first) and the scenario of `ships` ships open.
class OpenWindow
{
public:
    explicit OpenWindow(int ships) : file_(scenario(ships))
    {
        const QString start = scratch().filePath(QStringLiteral("start"));
        QDir().mkpath(start);
        {
            // Closed before the window reads it: an unflushed file reads empty, and the window
            // then opened the folder search and waited for it.
            QFile settings(start + QStringLiteral("/vex.cfg"));
            if (settings.open(QIODevice::WriteOnly | QIODevice::Truncate))
                settings.write(installation().simFolder.toUtf8() + "\r\n");
        }
        MessageService::instance().setResponder([](const UserMessage&) { return MessageAnswer::Yes; });
        // A dialog the run did not expect is closed at once rather than waited for.
        MessageService::instance().setModalResponder([](QDialog&) { return int(QDialog::Rejected); });
        window_ = std::make_unique<Vex>(start);
        window_->resize(1040, 760);
        window_->show();
        window_->start();
        open();
    }

    void open()
    {
        window_->loadScenario(file_.absolutePath() + u'/', file_.fileName(), QString());
        settle();
    }

    template <typename T> T* control(const char* name) const
    {
        return window_->findChild<T*>(QString::fromLatin1(name));
    }
    void click(const char* name) const
    {
        control<QAbstractButton>(name)->click();
        settle();
    }
    void trigger(const char* menu) const
    {
        window_->menuItem(QString::fromLatin1(menu))->trigger();
        settle();
    }
    void showShip(int index) const
    {
        auto* names = control<QComboBox>("ShipName");
        names->setCurrentIndex(index);
        emit names->activated(index);
        settle();
    }
    void showTab(int index) const
    {
        control<QTabWidget>("SSTab1")->setCurrentIndex(index);
        settle();
    }

private:
    QFileInfo file_;
    std::unique_ptr<Vex> window_;
};

// One window per size, made at its first benchmark; emptied before the application ends.
QMap<int, std::shared_ptr<OpenWindow>>& windows()
{
    static QMap<int, std::shared_ptr<OpenWindow>> made;
    return made;
}

OpenWindow& window(int ships)
{
    if (!windows().contains(ships))
        windows().insert(ships, std::make_shared<OpenWindow>(ships));
    return *windows()[ships];
}

int ships(const benchmark::State& state)
{
    return static_cast<int>(state.range(0));
}

void ScenarioBytes(benchmark::State& state)
{
    const QString& path = scenario(ships(state));
    for (auto _ : state) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            benchmark::DoNotOptimize(file.readAll());
    }
}

void WindowOpen(benchmark::State& state)
{
    OpenWindow& shown = window(ships(state));
    for (auto _ : state)
        shown.open();
}

void WindowShowAnotherShip(benchmark::State& state)
{
    OpenWindow& shown = window(ships(state));
    shown.showTab(2);
    int k = 0;
    for (auto _ : state)
        shown.showShip(++k % 2 == 0 ? 0 : ships(state) / 2);
}

void WindowValidateShip(benchmark::State& state)
{
    OpenWindow& shown = window(ships(state));
    shown.showTab(2);
    shown.showShip(ships(state) / 2);
    for (auto _ : state)
        shown.click("Command4");
}

void WindowAddAndDeleteShip(benchmark::State& state)
{
    OpenWindow& shown = window(ships(state));
    shown.showTab(2);
    for (auto _ : state) {
        shown.click("Command5");
        shown.click("Command6");
    }
}

void WindowSwitchTabs(benchmark::State& state)
{
    OpenWindow& shown = window(ships(state));
    int tab = 0;
    for (auto _ : state)
        shown.showTab(++tab % 3);
}

// Undo of an added ship; the addition that makes the step is left out of the time.
void WindowUndo(benchmark::State& state)
{
    OpenWindow& shown = window(ships(state));
    shown.showTab(2);
    for (auto _ : state) {
        state.PauseTiming();
        shown.click("Command5");
        state.ResumeTiming();
        shown.trigger("MenuUndo");
    }
}

// The whole window as a user starts it, for timing and weighing as one process: started on the
// simulator folder `sim`, the scenario at `path` opened through Load (none when empty), every
// event handled, then ended.
int openAndQuit(const QString& sim, const QString& path)
{
    const QString start = scratch().filePath(QStringLiteral("start"));
    QDir().mkpath(start);
    {
        QFile settings(start + QStringLiteral("/vex.cfg"));
        if (!settings.open(QIODevice::WriteOnly | QIODevice::Truncate) || settings.write(sim.toUtf8() + "\r\n") < 0)
            return 2;
    }
    MessageService::instance().setResponder([](const UserMessage&) { return MessageAnswer::Yes; });
    MessageService::instance().setModalResponder([](QDialog&) { return int(QDialog::Rejected); });
    Vex window(start);
    window.resize(1040, 760);
    window.show();
    window.start();
    settle();
    if (!path.isEmpty()) {
        const QFileInfo file(path);
        window.loadScenario(file.absolutePath() + u'/', file.fileName(), QString());
        settle();
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Recent files and window sizes go to a configuration folder of this run only.
    qputenv("XDG_CONFIG_HOME", scratch().filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_STATE_HOME", scratch().filePath(QStringLiteral("state")).toLocal8Bit());
    QApplication app(argc, argv);
    // --open SIM [FILE.scn] starts the window on SIM, opens the file, waits until the window is
    // idle and ends: the process to time and weigh as a whole (without FILE, the empty start).
    if ((argc == 3 || argc == 4) && std::string_view(argv[1]) == "--open")
        return openAndQuit(QString::fromLocal8Bit(argv[2]), argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString());
    // --sizes=small runs the smallest size only (the CI smoke run).
    bool small = false;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--sizes=small")
            small = true;
        else
            args.push_back(argv[i]);
    }
    const std::vector<int> sizes = small ? std::vector<int>{500} : std::vector<int>{2000, 8000, 32000};
    for (const int k : sizes) {
        for (const auto& [name, fn] : std::initializer_list<std::pair<const char*, void (*)(benchmark::State&)>>{
                 {"ScenarioBytes", ScenarioBytes},
                 {"WindowOpen", WindowOpen},
                 {"WindowShowAnotherShip", WindowShowAnotherShip},
                 {"WindowValidateShip", WindowValidateShip},
                 {"WindowAddAndDeleteShip", WindowAddAndDeleteShip},
                 {"WindowSwitchTabs", WindowSwitchTabs},
                 {"WindowUndo", WindowUndo}})
            benchmark::RegisterBenchmark(name, fn)->Arg(k)->Unit(benchmark::kMillisecond)->UseRealTime();
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    windows().clear();
    return 0;
}
