#pragma once

#include <QString>

// The editor's command line: corvane-scenario-editor [--print-paths] [FILE.scn], with --help
// and --version. A file manager opens a scenario with the editor by naming it here.

enum class EditorRequest {
    Edit,       // start the window, then open `file` when one is given
    Help,       // print the usage, exit 0
    Version,    // print the name and version, exit 0
    PrintPaths, // print where the settings file and the help file are, exit 0 (1: no help file)
    UsageError, // print `error` and the usage hint on stderr, exit 2
};

struct EditorCommandLine
{
    EditorRequest request = EditorRequest::Edit;
    QString file;
    QString error;
    // The error names an option we do not know, which may be one of QApplication's own
    // (-platform, -style...): only QApplication, which takes those off, can tell.
    bool unknownOption = false;
};

// Reads the arguments (the program name first), as QCommandLineParser does, without exiting.
EditorCommandLine readEditorCommandLine(const QStringList& arguments);

// Whether the command line is answered by printing alone, so that no window system is needed.
bool answersWithoutWindow(const EditorCommandLine& line);

// Prints the answer to a request other than Edit and returns the exit status. Needs the
// application object (the usage names the program as started).
int answerRequest(const EditorCommandLine& line);
