#include "build_info.h"
#include "ui/editor_command_line.h"
#include "ui/main_window.h"
#include "ui/termination_signal.h"
#include "ui/window_geometry.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

namespace {

QStringList rawArguments(int argc, char** argv)
{
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments.append(QString::fromLocal8Bit(argv[k]));
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    // The program name names the configuration folder (~/.config/corvane-scenario-editor); the
    // desktop file name ties the windows to the menu entry and its icon.
    QCoreApplication::setApplicationName(QStringLiteral("corvane-scenario-editor"));
    QCoreApplication::setApplicationVersion(kProgramVersion);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvane.ScenarioEditor"));

    // --help, --version, --print-paths and most usage errors are answered without opening the
    // window system, so that they work without a display. Anything else goes through
    // QApplication, which first takes its own options (-platform, -style...) off the command line.
    if (answersWithoutWindow(readEditorCommandLine(rawArguments(argc, argv)))) {
        QCoreApplication app(argc, argv);
        return answerRequest(readEditorCommandLine(app.arguments()));
    }
    QApplication app(argc, argv);
    const EditorCommandLine line = readEditorCommandLine(app.arguments());
    if (line.request != EditorRequest::Edit)
        return answerRequest(line);
    Vex window(QDir::currentPath());
    // Ended by the session or a terminal, the editor keeps the unsaved changes in its recovery
    // copy and remembers where its window was.
    endOnTerminationSignal(&window, [&window] {
        window.keepRecoveryCopy();
        saveWindowGeometry(&window, window.objectName());
    });
    window.show();
    // Started from the event loop: the window paints its start picture while the catalogue is
    // built, and a termination signal that arrives meanwhile still ends the editor.
    QTimer::singleShot(0, &window, [&window, file = line.file] { window.start(file); });
    return app.exec();
}
