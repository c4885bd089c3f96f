#include "ui/main_window.h"
#include "ui/termination_signal.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane Scenario Editor"));
    Vex window(QDir::currentPath());
    closeOnTerminationSignal(&window);
    window.show();
    window.start();
    return app.exec();
}
