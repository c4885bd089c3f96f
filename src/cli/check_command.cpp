// corvane-scn check --sim SIMFOLDER FILE.scn...: every station and ship shown as the editor
// shows it after opening the file, and validated with the editor's own checks.
#include "catalogue/simulator_settings.h"
#include "commands.h"
#include "document/file_paths.h"
#include "document/scenario_reader.h"
#include "editing/scenario_session.h"
#include "editing/workspace_checks.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

// Opens one scenario in a fresh copy of the started workspace and prints its failed checks and
// the entries of its scan log that say it could not be read whole; returns whether there was any.
bool checkScenario(const Workspace& started, const QString& given, const QFileInfo& file, QTextStream& out,
                   QTextStream& err)
{
    Workspace ws = started;
    ws.bodyFigures.keep = true;
    ws.folders.ScnDir = withTrailingSeparator(file.absolutePath());
    ws.scnfile = file.fileName();
    if (openScenario(ws))
        err << given << ": " << kScanErrorsWarning << ' ' << ws.doc.scanLog.text() << '\n';

    const QStringList unread =
        ws.doc.scanLog.readingFailures(resolvePath(joinPath(ws.folders.ScnDir, ws.scnfile)));
    for (const QString& entry : unread)
        out << given << ": " << entry << '\n';

    const QVector<ValidationFailure> failures = validationFailures(ws);
    for (const ValidationFailure& f : failures) {
        const QStringList& names = f.ship ? ws.doc.shipNames : ws.doc.stationNames;
        out << given << ": " << (f.ship ? "ship " : "station ") << names[f.row] << ": " << f.message << '\n';
    }
    return !failures.isEmpty() || !unread.isEmpty();
}

int check(const QStringList& args)
{
    QString simFolder;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--sim" && i + 1 < args.size())
            simFolder = args[++i];
        else if (args[i].startsWith(u"--"))
            return usageError(QStringLiteral("check: unknown option ") + args[i]);
        else
            files.append(args[i]);
    }
    if (simFolder.isEmpty() || files.isEmpty())
        return usageError(QStringLiteral("usage: corvane-scn check --sim SIMFOLDER FILE.scn..."));

    const auto started = startedWorkspace(simFolder);
    if (!started)
        return usageError(QStringLiteral("check: cannot read ") + kSimulatorConfigName +
                          QStringLiteral(" in ") + simFolder);
    QVector<QFileInfo> scenarios;
    for (const QString& file : files) {
        const QFileInfo info(resolvePath(file));
        if (!info.isFile() || !info.isReadable())
            return usageError(QStringLiteral("check: cannot read ") + file);
        scenarios.append(info);
    }

    QTextStream out(stdout);
    QTextStream err(stderr);
    bool failed = false;
    for (qsizetype i = 0; i < files.size(); ++i)
        failed = checkScenario(*started, files[i], scenarios[i], out, err) || failed;
    return failed ? 1 : 0;
}

const CommandRegistration registration(QStringLiteral("check"), check);

} // namespace
