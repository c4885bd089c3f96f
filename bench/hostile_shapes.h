#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Well-formed files of hostile sizes, each grown by `scale` (1, 2, 4, ...), and the corvane-scn
// command line that reads each: time and memory should grow with the scale, not faster.
struct HostileShape
{
    QString name;
    QStringList command; // arguments of corvane-scn
};

// Writes every shape into `folder` at `scale`:
// - ends: a scenario of 500,000 x scale END lines in its ship section, no ship named (dump);
// - bodies: a system listing 100,000 x scale bodies that have no file, in an installation of
//   300 configuration files (catalogue);
// - files: a system of 10,000 such bodies in an installation of 100 x scale files (catalogue);
// - pads: a base of 50,000 x scale landing pads and a 400-ship scenario in its system (check);
// - name: a scenario with one ship whose name is 12.5 MB x scale (dump).
QVector<HostileShape> generateHostileShapes(const QString& folder, int scale);
