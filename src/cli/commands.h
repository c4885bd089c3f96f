#pragma once

#include <QString>
#include <QStringList>

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
