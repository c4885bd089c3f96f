#pragma once

#include "workspace.h"

#include <QString>
#include <QStringList>
#include <QVector>

// Whole-file checks for scenario authors: everything the editor would say or do to a file when
// it opens, validates and saves it, gathered without a window. Each check is linear in the
// lines and ships of the file (names are looked up in hashes, never by scanning lists).

struct LintFinding
{
    qsizetype line = 0; // 1-based line of the file; 0 where no line is known
    QString kind;       // validation, malformed, level, periapsis, pad-taken, not-lossless, ...
    QString subject;    // "ship Shuttle", "station Gateway" or empty
    QString message;
};

// What the read of `path` into `doc` found: each of the reader's findings with its line and
// kind, and each entry of the scan log about another file (a body file that cannot be read) as
// a "scan" finding without line.
QVector<LintFinding> readFindings(const Scenario& doc, const QString& path);

// Ships sharing a pad or dock, places that do not exist, classes and bodies the catalogue and
// system lack, and a focus ship that is not in the file, for the scenario open in `ws`; each at
// the line of its block as the read found it.
QVector<LintFinding> placeFindings(const Workspace& ws);

// The lines of `fileLines` that a save with no edit would drop: every line outside the
// description and the camera, HUD and MFD sections whose statement has no counterpart in
// `writtenLines`. Number spelling and the date form do not count (statements are compared by
// keyword, block lines whole).
QVector<LintFinding> losslessFindings(const QStringList& fileLines, const QStringList& writtenLines);

// Opens ws.folders.ScnDir + ws.scnfile in `ws` as the editor does and gathers every finding,
// sorted by line.
QVector<LintFinding> lintScenario(Workspace& ws);
