#include "external_programs.h"

#include "document/file_paths.h"
#include "help_viewer.h"

#include <QProcess>
#include <QStandardPaths>

QStringList calculatorCandidates()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("Calc.exe")};
#else
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),         QStringLiteral("galculator"),
            QStringLiteral("mate-calc"),        QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
#endif
}

QString findProgram(const QStringList& candidates)
{
    for (const QString& candidate : candidates) {
        const QString found = QStandardPaths::findExecutable(candidate);
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

bool startDetachedProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

void startCalculator(UserDialogs& dialogs, const ProgramStarter& starter)
{
    const QStringList candidates = calculatorCandidates();
    const QString program = findProgram(candidates);
    if (program.isEmpty()) {
        dialogs.inform({QStringLiteral("Calculator"),
                        QStringLiteral("No calculator was found on this computer (looked for: %1).")
                            .arg(candidates.join(QStringLiteral(", "))),
                        MessageButtons::Ok, MessageIcon::Exclamation});
        return;
    }
    if (!starter(program, {})) {
        dialogs.inform({QStringLiteral("Calculator"),
                        QStringLiteral("The calculator %1 could not be started.").arg(program),
                        MessageButtons::Ok, MessageIcon::Exclamation});
    }
}

void showHelpFile(const QString& helpDir, QWidget* parent)
{
    showHelp(joinPath(helpDir, kHelpFileName), parent);
}
