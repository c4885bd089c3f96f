#include "ui/main_window.h"
#include "ui/termination_signal.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane Scenario Editor"));
    Vex window(QDir::currentPath());
    closeOnTerminationSignal(&window);
    window.show();
    // Started from the event loop: the window paints its start picture while the catalogue is
    // built, and a termination signal that arrives meanwhile still ends the loop.
    QTimer::singleShot(0, &window, &Vex::start);
    return app.exec();
}
