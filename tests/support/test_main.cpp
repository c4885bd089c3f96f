// Test entry point: every suite runs inside a Qt application object on the offscreen platform,
// so that widgets, timers and file watchers behave as in the editor without a display.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QtGlobal>
#ifdef CORVANE_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Window tests save what they show here, for a person to look at after a run.
    if (qEnvironmentVariableIsEmpty("CORVANE_SCREENSHOT_DIR"))
        qputenv("CORVANE_SCREENSHOT_DIR", CORVANE_DEFAULT_SCREENSHOT_DIR);
    // An editor that finds no vex.cfg in its start folder keeps its settings in the user's
    // configuration folder: in a test, never the real one.
    const QTemporaryDir configHome;
    if (!configHome.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
