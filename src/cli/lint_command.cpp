// corvane-scn lint --sim SIMFOLDER [PATH...] [--json]: every scenario of the given trees read,
// validated and rewritten as the editor would, one finding per line (or a JSON array).
#include "catalogue/simulator_settings.h"
#include "commands.h"
#include "document/file_paths.h"
#include "editing/scenario_lint.h"
#include "editing/workspace_checks.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

namespace {

// The ".scn" files of a tree (any letter case) or the file itself, sorted; links to folders are not followed,
// so a link loop ends the walk.
QStringList scenarioFiles(const QFileInfo& path)
{
    if (path.isFile())
        return {path.filePath()};
    QStringList files;
    QDirIterator it(path.filePath(), {QStringLiteral("*.scn")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    std::sort(files.begin(), files.end());
    return files;
}

QJsonObject findingObject(const QString& file, const LintFinding& f)
{
    return {{QStringLiteral("file"), file},
            {QStringLiteral("line"), f.line > 0 ? QJsonValue(f.line) : QJsonValue()},
            {QStringLiteral("kind"), f.kind},
            {QStringLiteral("subject"), f.subject},
            {QStringLiteral("message"), f.message}};
}

QString findingLine(const QString& file, const LintFinding& f)
{
    QString text = file + u':';
    if (f.line > 0)
        text += QString::number(f.line) + u':';
    text += u' ' + f.kind + QStringLiteral(": ");
    if (!f.subject.isEmpty())
        text += f.subject + QStringLiteral(": ");
    return text + f.message;
}

int lint(const QStringList& args)
{
    QString simFolder;
    QStringList paths;
    bool json = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--sim" && i + 1 < args.size())
            simFolder = args[++i];
        else if (args[i] == u"--json")
            json = true;
        else if (args[i].startsWith(u"--"))
            return usageError(QStringLiteral("lint: unknown option ") + args[i]);
        else
            paths.append(args[i]);
    }
    if (simFolder.isEmpty())
        return usageError(QStringLiteral("usage: corvane-scn lint --sim SIMFOLDER [PATH...] [--json]"));
    const auto started = startedWorkspace(simFolder);
    if (!started)
        return usageError(QStringLiteral("lint: cannot read ") + kSimulatorConfigName +
                          QStringLiteral(" in ") + simFolder);
    if (paths.isEmpty())
        paths.append(started->folders.ScnDir);

    QStringList files;
    for (const QString& path : paths) {
        const QFileInfo info(resolvePath(path));
        if (!info.exists())
            return usageError(QStringLiteral("lint: no such file or folder ") + path);
        files += scenarioFiles(info);
    }

    QTextStream out(stdout);
    QJsonArray array;
    bool found = false;
    for (const QString& file : files) {
        Workspace ws = *started;
        const QFileInfo info(file);
        ws.folders.ScnDir = withTrailingSeparator(info.absolutePath());
        ws.scnfile = info.fileName();
        for (const LintFinding& f : lintScenario(ws)) {
            found = true;
            if (json)
                array.append(findingObject(file, f));
            else
                out << findingLine(file, f) << '\n';
        }
    }
    if (json)
        out << QJsonDocument(array).toJson(QJsonDocument::Indented);
    return found ? 1 : 0;
}

const CommandRegistration registration(QStringLiteral("lint"), lint);

} // namespace
