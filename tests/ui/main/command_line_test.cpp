// The editor's command line: the requests it reads, the programs' --help and --version, where
// the installed editor says it finds its files, and a scenario named at start.
#include "editor_fixture.h"

#include "catalogue/simulator_settings.h"
#include "catalogue/start_folders.h"
#include "document/scenario_reader.h"
#include "ui/editor_command_line.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabWidget>

namespace {

struct ProgramRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun runProgram(const QString& program, const QStringList& arguments, const QString& folder = QString())
{
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, arguments);
    ProgramRun run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished(5000);
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

TEST(EditorCommandLine, ReadsOneOptionalFileAndTheAnsweringOptions)
{
    using enum EditorRequest;
    const struct
    {
        QStringList arguments;
        EditorRequest request;
        QString file;
        bool withoutWindow;
    } cases[] = {
        {{"editor"}, Edit, "", false},
        {{"editor", "Scenarios/First Launch.scn"}, Edit, "Scenarios/First Launch.scn", false},
        {{"editor", "--", "-odd.scn"}, Edit, "-odd.scn", false},
        {{"editor", "a.scn", "b.scn"}, UsageError, "", true},
        // Maybe one of QApplication's own options: only QApplication can tell.
        {{"editor", "-platform", "offscreen"}, UsageError, "", false},
        {{"editor", "-h"}, Help, "", true},
        {{"editor", "--help-all"}, UsageError, "", false},
        {{"editor", "a.scn", "--version"}, Version, "", true},
        {{"editor", "--print-paths"}, PrintPaths, "", true},
    };
    for (const auto& c : cases) {
        const EditorCommandLine line = readEditorCommandLine(c.arguments);
        const std::string call = c.arguments.join(' ').toStdString();
        EXPECT_EQ(line.request, c.request) << call;
        EXPECT_EQ(line.file, c.file) << call;
        EXPECT_EQ(line.error.isEmpty(), c.request != UsageError) << call;
        EXPECT_EQ(answersWithoutWindow(line), c.withoutWindow) << call;
    }
}

TEST(ProgramOptions, HelpAndVersionExitZeroAndABareToolShowsItsUsage)
{
    const QString version = QStringLiteral(CORVANE_VERSION);
    ProgramRun run = runProgram(CORVANE_EDITOR_BINARY, {"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "corvane-scenario-editor " + version + "\n");
    run = runProgram(CORVANE_EDITOR_BINARY, {"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* part : {"[FILE.scn]", "--print-paths", "--version", "configuration folder"})
        EXPECT_TRUE(run.out.contains(part)) << part << " in " << run.out.toStdString();
    run = runProgram(CORVANE_EDITOR_BINARY, {"a.scn", "b.scn"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("--help")) << run.err.toStdString();

    run = runProgram(CORVANE_SCN_BINARY, {"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "corvane-scn " + version + "\n");
    run = runProgram(CORVANE_SCN_BINARY, {"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* command : {"dump FILE.scn", "rewrite IN.scn OUT.scn", "catalogue --sim", "check --sim"})
        EXPECT_TRUE(run.out.contains(command)) << command;
    for (const QStringList& bad : {QStringList(), QStringList{"--bogus", "dump"}, QStringList{"undo"}}) {
        run = runProgram(CORVANE_SCN_BINARY, bad);
        EXPECT_EQ(run.exitCode, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith("corvane-scn: ")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("usage: corvane-scn dump FILE.scn")) << run.err.toStdString();
    }
    run = runProgram(CORVANE_SCN_BINARY, {"check", "--help"});
    EXPECT_EQ(run.exitCode, 2) << "options after the command are the command's";
}

TEST(ProgramOptions, PrintPathsNamesTheSettingsAndHelpFilesAndWritesNothing)
{
    QTemporaryDir start;
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    ProgramRun run = runProgram(CORVANE_EDITOR_BINARY, {"--print-paths"}, start.path());
    EXPECT_EQ(run.exitCode, 1) << "no help file beside a program in its build folder";
    EXPECT_TRUE(run.out.startsWith("settings file: " + configHome + "/corvane-scenario-editor/vex.cfg\n"))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("help file: not found")) << run.out.toStdString();

    const QString help = start.filePath(kHelpFileName);
    ASSERT_TRUE(QFile::copy(QStringLiteral(CORVANE_SOURCE_DIR "/help/") + kHelpFileName, help));
    QFile settings(start.filePath("vex.cfg"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.close();
    run = runProgram(CORVANE_EDITOR_BINARY, {"--print-paths"}, start.path());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "settings file: " + start.filePath("vex.cfg") + "\nhelp file: " + help + "\n");
    EXPECT_EQ(QDir(start.path()).entryList(QDir::Files), (QStringList{kHelpFileName, "vex.cfg"}));
    EXPECT_EQ(settings.size(), 0);
}

QString shownFile(Vex& window)
{
    return child<QLabel>(&window, "scnfile")->isVisible() ? child<QLabel>(&window, "scnfile")->text()
                                                          : QString();
}

TEST_F(EditorTest, AFileNamedAtStartIsOpenedAsLoadOpensIt)
{
    Vex& window = startEditor("../Corvane/Scenarios/Tutorials/First Launch.scn");
    EXPECT_EQ(shownFile(window), "First Launch.scn");
    EXPECT_EQ(window.workspace().scnfile, "First Launch.scn");
    EXPECT_EQ(window.workspace().folders.ScnDir, scenarioRoot() + "/Tutorials/")
        << "a relative name is taken from the start folder";
    EXPECT_TRUE(child<QTabWidget>(&window, "SSTab1")->isVisible());
    EXPECT_TRUE(child<QPlainTextEdit>(&window, "Description")->toPlainText().startsWith("Your first launch"));
    EXPECT_TRUE(window.menuItem("Menu13")->isEnabled());
    EXPECT_TRUE(messages.shownMessages().isEmpty());
}

TEST_F(EditorTest, AFileNamedAtStartThatCannotBeReadGivesTheReadersWarning)
{
    answer({MessageAnswer::Ok});
    Vex& window = startEditor(simDir + "/Scenarios/Missing.scn");
    ASSERT_EQ(messages.shownMessages().size(), 1);
    EXPECT_EQ(messages.shownMessages().first().text, kScanErrorsWarning);
    EXPECT_EQ(window.workspace().scnfile, "Missing.scn");
}

TEST_F(EditorTest, AFileNamedAtStartWaitsForALocatedSimulator)
{
    writeSettings(tmp.filePath("Nowhere"));
    onDialog([](QDialog&) { return int(QDialog::Rejected); });
    answer({MessageAnswer::Ok});
    Vex& window = startEditor(simDir + "/Scenarios/Earth Orbit Rendezvous.scn");
    EXPECT_EQ(messageTexts(), QStringList{kFolderNotLocatedWarning});
    EXPECT_EQ(shownFile(window), QString());
    EXPECT_TRUE(window.workspace().scnfile.isEmpty());
}

} // namespace
