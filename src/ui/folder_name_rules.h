#pragma once

#include <QString>

// A name typed for a new scenario sub-folder must name one folder directly inside the selected
// folder, on every system the scenario tree may be copied to (the simulator's own is Windows).

// Why the name cannot be used, as the sentence the user reads; empty when it can.
QString folderNameProblem(const QString& name);
