#pragma once

#include "workspace.h"

#include <QString>
#include <QVector>

#include <optional>

// The editor's validation run over a whole scenario, without a window: what `corvane-scn check`
// prints and what `corvane-scn lint` reports as its validation findings.

// The workspace as the editor holds it after start-up with `simFolder` as the simulator folder;
// std::nullopt when the folder holds no readable simulator configuration.
std::optional<Workspace> startedWorkspace(const QString& simFolder);

struct ValidationFailure
{
    bool ship = false;  // a ship's failure; a station's otherwise
    qsizetype row = 0;  // entry of the station or ship list
    qsizetype line = 0; // 1-based line of its block line in the file read; 0 when not known
    QString message;
};

// Every station and ship of the open scenario shown as the editor shows it and validated with
// the editor's own checks, stations first, each in list order; each failure has the line of
// its block as the last read found it.
QVector<ValidationFailure> validationFailures(Workspace& ws);
