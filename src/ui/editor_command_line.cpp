#include "editor_command_line.h"

#include "catalogue/simulator_settings.h"
#include "catalogue/start_folders.h"
#include "document/file_paths.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

const QString kPrintPaths = QStringLiteral("print-paths");

void describeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Corvane Scenario Editor: edits the scenario files of the Corvane space-flight simulator.\n"
        "Settings: the vex.cfg of the folder the editor is started in when there is one, else\n"
        "the one in the user's configuration folder."));
    // Our own --help: QCommandLineParser's also offers --help-all, which parse() cannot answer.
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help.")});
    parser.addVersionOption();
    parser.addOption(
        {kPrintPaths, QStringLiteral("Print where the settings file and the help file are found, "
                                     "then exit (status 1 when the help file is not found).")});
    parser.addPositionalArgument(QStringLiteral("FILE.scn"), QStringLiteral("A scenario to open at start."),
                                 QStringLiteral("[FILE.scn]"));
}

QString nativePath(const QString& folder, const QString& name)
{
    return QDir::toNativeSeparators(resolvePath(joinPath(folder, name)));
}

int printPaths()
{
    FolderValues folders;
    setStartFolders(folders, QDir::currentPath());
    QTextStream out(stdout);
    out << "settings file: " << nativePath(folders.SettingsDir, kSettingsFileName) << '\n';
    const QString help = nativePath(folders.HelpDir, kHelpFileName);
    if (!QFileInfo(help).isFile()) {
        const QStringList looked =
            helpFolderCandidates(QCoreApplication::applicationDirPath(), QDir::currentPath());
        out << "help file: not found (looked in "
            << QDir::toNativeSeparators(looked.join(QStringLiteral(", "))) << ")\n";
        return 1;
    }
    out << "help file: " << help << '\n';
    return 0;
}

} // namespace

EditorCommandLine readEditorCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    EditorCommandLine line;
    if (!parser.parse(arguments)) {
        line.request = EditorRequest::UsageError;
        line.error = parser.errorText();
        line.unknownOption = !parser.unknownOptionNames().isEmpty();
    } else if (parser.isSet(QStringLiteral("help"))) {
        line.request = EditorRequest::Help;
    } else if (parser.isSet(QStringLiteral("version"))) {
        line.request = EditorRequest::Version;
    } else if (parser.isSet(kPrintPaths)) {
        line.request = EditorRequest::PrintPaths;
    } else if (parser.positionalArguments().size() > 1) {
        line.request = EditorRequest::UsageError;
        line.error = QStringLiteral("Only one scenario file can be opened.");
    } else if (!parser.positionalArguments().isEmpty()) {
        line.file = parser.positionalArguments().first();
    }
    return line;
}

bool answersWithoutWindow(const EditorCommandLine& line)
{
    switch (line.request) {
    case EditorRequest::Help:
    case EditorRequest::Version:
    case EditorRequest::PrintPaths:
        return true;
    case EditorRequest::UsageError:
        return !line.unknownOption;
    case EditorRequest::Edit:
        break;
    }
    return false;
}

int answerRequest(const EditorCommandLine& line)
{
    switch (line.request) {
    case EditorRequest::Help: {
        QCommandLineParser parser;
        describeOptions(parser);
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    case EditorRequest::Version:
        QTextStream(stdout) << QCoreApplication::applicationName() << ' '
                            << QCoreApplication::applicationVersion() << '\n';
        return 0;
    case EditorRequest::PrintPaths:
        return printPaths();
    case EditorRequest::UsageError:
        QTextStream(stderr) << QCoreApplication::applicationName() << ": " << line.error << '\n'
                            << "Try '" << QCoreApplication::applicationName() << " --help'.\n";
        return 2;
    case EditorRequest::Edit:
        break;
    }
    return 0;
}
