#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileSystemWatcher>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <csignal>

namespace {

QByteArray settingsLine(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The real editor, started offscreen on the sample: its start rewrites vex.cfg without the
// comment (so the start went through the catalogue), and a termination request ends it by that
// signal, after it stored its window's place in its own configuration folder.
TEST(EditorProgram, StartsOnTheSampleAndEndsWhenAskedTo)
{
    QTemporaryDir run;
    ASSERT_TRUE(run.isValid());
    const QString settings = run.filePath("vex.cfg");
    {
        QFile file(settings);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(CORVANE_SAMPLE_DIR) + " ; smoke test\r\n");
    }
    QFileSystemWatcher watcher({run.path()});
    QSignalSpy changed(&watcher, &QFileSystemWatcher::directoryChanged);

    QProcess editor;
    editor.setWorkingDirectory(run.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    const QString configHome = run.filePath("config");
    environment.insert("XDG_CONFIG_HOME", configHome);
    editor.setProcessEnvironment(environment);
    editor.start(QStringLiteral(CORVANE_EDITOR_BINARY), {});
    ASSERT_TRUE(editor.waitForStarted(10000));

    const QByteArray expected = QByteArray(CORVANE_SAMPLE_DIR) + "\r\n";
    const QDeadlineTimer deadline(30000);
    while (settingsLine(settings) != expected && !deadline.hasExpired() &&
           editor.state() == QProcess::Running)
        changed.wait(500);
    EXPECT_EQ(settingsLine(settings), expected);
    EXPECT_EQ(editor.state(), QProcess::Running);

    editor.terminate();
    if (!editor.waitForFinished(15000)) {
        editor.kill();
        editor.waitForFinished(5000);
        FAIL() << "the editor did not end when asked to";
    }
    EXPECT_EQ(editor.exitStatus(), QProcess::CrashExit) << editor.readAllStandardError().toStdString();
    EXPECT_EQ(editor.exitCode(), SIGTERM);
    EXPECT_TRUE(QFile::exists(configHome + "/corvane-scenario-editor/window.conf"));
}

} // namespace
