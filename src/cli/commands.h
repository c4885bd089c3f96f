#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <map>

// Sub-commands of corvane-scn. Each receives the arguments after its own name and returns the
// process exit code: 0 success, 1 failed checks, 2 usage error or unreadable file. Each command
// file registers its command at start with a static CommandRegistration.
using Command = std::function<int(const QStringList& args)>;

std::map<QString, Command>& commandTable();

struct CommandRegistration
{
    CommandRegistration(const QString& name, Command command);
};

// Prints a one-line message on stderr and returns 2.
int usageError(const QString& message);

// Prints one finding about `file` as "FILE:LINE: text", or "FILE: text" when `line` is 0 (a
// finding about the whole file): one a line, as editors and scripts read compiler messages.
void printFinding(QTextStream& out, const QString& file, qsizetype line, const QString& text);
