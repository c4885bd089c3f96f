#pragma once

#include <QHash>
#include <QString>

struct ScanLog;

// The figures of a body that the validations read from its file: the mean radius and the
// atmosphere limit. The editor reads them anew at every validation, so a body file changed while
// it runs counts at once; a workspace that validates a whole scenario in one go (the
// command-line check) sets `keep`, and each body file is then read once for every station and
// ship that names the body. Only the first read of a body logs its failures.
struct BodyFigures
{
    bool keep = false;
    QHash<QString, double> radius;
    QHash<QString, double> atmosphereLimit;
};

// bodyRadius / bodyAtmosphereLimit of `planet` (already trimmed) in `cfgDir`, through the figures
// `kept` holds when it keeps them (none for the live field hints).
double keptBodyRadius(BodyFigures* kept, const QString& cfgDir, const QString& planet, ScanLog& log);
double keptAtmosphereLimit(BodyFigures* kept, const QString& cfgDir, const QString& planet, ScanLog& log);
