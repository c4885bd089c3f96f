#pragma once

#include "scenario_lint.h"
#include "workspace.h"

#include <QVector>

// Orbiting ships of the scenario open in `ws` that validation accepts (they are above the
// ground now) but whose path runs into the ground: the periapsis lies below the surface of the
// reference body. One warning each, at the line of the ship's block.
QVector<LintFinding> periapsisFindings(const Workspace& ws);
