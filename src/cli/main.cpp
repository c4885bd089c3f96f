// corvane-scn: the editor's reader, writer, catalogue and checks for scenario authors, without
// a window.
#include "commands.h"

#include <QCoreApplication>
#include <QTextStream>

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

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();

    const auto& commands = commandTable();
    const auto command = args.isEmpty() ? commands.end() : commands.find(args.first());
    if (command == commands.end())
        return usageError(
            QStringLiteral("usage: corvane-scn dump FILE.scn | rewrite IN.scn OUT.scn | "
                           "catalogue --sim SIMFOLDER [--system NAME] | "
                           "check --sim SIMFOLDER FILE.scn... | orbits --sim SIMFOLDER FILE.scn"));
    args.removeFirst();
    return command->second(args);
}
