// corvane-scn check --sim SIMFOLDER FILE.scn...: what the reader found in each file, and every
// station and ship shown as the editor shows it after opening the file and validated with the
// editor's own checks; one finding a line, with its line.
#include "catalogue/simulator_settings.h"
#include "commands.h"
#include "document/file_paths.h"
#include "editing/scenario_session.h"
#include "editing/workspace_checks.h"

#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace {

struct CheckLine
{
    qsizetype line = 0; // 0: about the whole file
    QString text;
};

// Opens one scenario in a fresh copy of the started workspace and prints, one a line and sorted
// by line, what the read found, the failed checks and the scan log's entries about other files.
// Returns whether a check failed or the file could not be read whole.
bool checkScenario(const Workspace& started, const QString& given, const QFileInfo& file, QTextStream& out)
{
    Workspace ws = started;
    ws.bodyFigures.keep = true;
    ws.folders.ScnDir = withTrailingSeparator(file.absolutePath());
    ws.scnfile = file.fileName();
    openScenario(ws);
    const QString path = resolvePath(joinPath(ws.folders.ScnDir, ws.scnfile));

    QVector<CheckLine> lines;
    for (const ReadFinding& f : ws.doc.readReport.findings)
        lines.append({f.line, f.text});
    const QVector<ValidationFailure> failures = validationFailures(ws);
    for (const ValidationFailure& f : failures) {
        const QStringList& names = f.ship ? ws.doc.shipNames : ws.doc.stationNames;
        lines.append({f.line, (f.ship ? QStringLiteral("ship ") : QStringLiteral("station ")) + names[f.row] +
                                  QStringLiteral(": ") + f.message});
    }
    // After validation, which reads the body files and logs those it cannot read.
    for (const QString& entry : ws.doc.scanLog.entriesBesides(path))
        lines.append({0, entry});

    std::stable_sort(lines.begin(), lines.end(),
                     [](const CheckLine& a, const CheckLine& b) { return a.line < b.line; });
    for (const CheckLine& line : lines)
        printFinding(out, given, line.line, line.text);
    return !failures.isEmpty() || !ws.doc.scanLog.readingFailures(path).isEmpty();
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
    bool failed = false;
    for (qsizetype i = 0; i < files.size(); ++i)
        failed = checkScenario(*started, files[i], scenarios[i], out) || failed;
    return failed ? 1 : 0;
}

const CommandRegistration registration(QStringLiteral("check"), check);

} // namespace
