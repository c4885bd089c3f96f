// corvane-scn: the editor's reader, writer, catalogue and checks for scenario authors, without
// a window.
#include "build_info.h"
#include "commands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

const QString kUsage = QStringLiteral("usage: corvane-scn dump FILE.scn | rewrite IN.scn OUT.scn | "
                                      "catalogue --sim SIMFOLDER [--system NAME] | "
                                      "check --sim SIMFOLDER FILE.scn... | orbits --sim SIMFOLDER FILE.scn | "
                                      "lint --sim SIMFOLDER [PATH...] [--json]");

} // namespace

std::map<QString, Command>& commandTable()
{
    static std::map<QString, Command> table;
    return table;
}

CommandRegistration::CommandRegistration(const QString& name, Command command)
{
    commandTable()[name] = std::move(command);
}

int usageError(const QString& message)
{
    QTextStream(stderr) << "corvane-scn: " << message << '\n';
    return 2;
}

void printFinding(QTextStream& out, const QString& file, qsizetype line, const QString& text)
{
    out << file << u':';
    if (line > 0)
        out << line << u':';
    out << u' ' << text << u'\n';
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvane-scn"));
    QCoreApplication::setApplicationVersion(kProgramVersion);

    // Options before the command are the tool's own; everything from the command on is the
    // command's (check --sim ..., catalogue --system ...).
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reads, rewrites, lists and checks Corvane scenario files as the editor does.\n\n"
        "Commands:\n"
        "  dump FILE.scn                              the scenario as the editor reads it, JSON\n"
        "  rewrite IN.scn OUT.scn                     read and write with no edit\n"
        "  catalogue --sim SIMFOLDER [--system NAME]  what the editor offers, JSON\n"
        "  check --sim SIMFOLDER FILE.scn...          the editor's checks, one line per failure\n"
        "  orbits --sim SIMFOLDER FILE.scn            the derived orbit of every station and orbiting "
        "ship, JSON\n"
        "  lint --sim SIMFOLDER [PATH...] [--json]    every .scn under the paths (default: the scenario\n"
        "                                             folder) checked whole, one line per finding\n\n"
        "Exit status: 0 success, 1 a check failed or lint found something, 2 usage error or unreadable "
        "file."));
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("dump, rewrite, catalogue, check, orbits or lint."),
                                 QStringLiteral("COMMAND [ARGUMENTS...]"));
    if (!parser.parse(app.arguments()))
        return usageError(parser.errorText() + QStringLiteral("; ") + kUsage);
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        QTextStream(stdout) << "corvane-scn " << kProgramVersion << '\n';
        return 0;
    }

    QStringList args = parser.positionalArguments();
    const auto& commands = commandTable();
    const auto command = args.isEmpty() ? commands.end() : commands.find(args.first());
    if (command == commands.end())
        return usageError(kUsage);
    args.removeFirst();
    return command->second(args);
}
