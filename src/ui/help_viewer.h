#pragma once

#include <QString>

class QWidget;

// Shows the editor's help file (an HTML text kept under the name the simulator's tools use,
// "Corvane Scenario Editor v109.hlp") in a browser window of the editor itself, beside the main
// window. A second request brings the open window to the front and reloads it. A file that
// cannot be read is reported in a message box; nothing else changes.
void showHelp(const QString& helpFilePath, QWidget* parent);
