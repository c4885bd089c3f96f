// corvane-scn rewrite IN.scn OUT.scn: the file the editor's Save writes right after opening IN.
#include "commands.h"

#include "document/scenario_reader.h"
#include "document/scenario_writer.h"
#include "document/text_file.h"

#include <QTextStream>

namespace {

int rewrite(const QStringList& args)
{
    if (args.size() != 2)
        return usageError(QStringLiteral("usage: corvane-scn rewrite IN.scn OUT.scn"));
    auto lines = readTextLines(args[0]);
    if (!lines)
        return usageError(QStringLiteral("can not read ") + args[0]);
    Scenario doc;
    ScenarioReaderHost host;
    readScenarioLines(args[0], std::move(lines), doc, host);
    if (doc.scanLog.LogError)
        QTextStream(stderr) << "corvane-scn: " << args[0] << ": " << doc.scanLog.text() << '\n';
    // The editor refuses to save a scenario without ships; so does the tool.
    if (!hasWrittenShip(doc)) {
        QTextStream(stderr) << "corvane-scn: " << args[0]
                            << ": You must have at least one ship in the scenario !\n";
        return 1;
    }
    const WriteResult written = ScenarioFileSaving(args[1], doc);
    if (!written.ok)
        return usageError(QStringLiteral("can not write ") + written.path + QStringLiteral(": ") +
                          written.error);
    return 0;
}

const CommandRegistration registration(QStringLiteral("rewrite"), rewrite);

} // namespace
