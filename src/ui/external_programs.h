#pragma once

#include "catalogue/start_folders.h"
#include "editing/user_message.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The programs the Tools and ? menus start beside the editor: a desktop calculator and the help.

// The calculators looked for, in order: the Windows one where it exists, else common desktop
// calculators.
QStringList calculatorCandidates();

// The full path of the first candidate found on the search path; empty when none is.
QString findProgram(const QStringList& candidates);

// Starts a program detached from the editor; whether it started.
using ProgramStarter = std::function<bool(const QString& program, const QStringList& arguments)>;
bool startDetachedProgram(const QString& program, const QStringList& arguments);

// Starts the first calculator found; when none is found or it fails to start, the user is told
// and the editor goes on.
void startCalculator(UserDialogs& dialogs, const ProgramStarter& starter = startDetachedProgram);

// Shows HelpDir + the help file in the editor's own viewer. The help file is HTML, which the
// old Windows help viewer cannot read, so no external viewer is started on any platform.
void showHelpFile(const QString& helpDir, QWidget* parent);
