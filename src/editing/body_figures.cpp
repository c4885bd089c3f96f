#include "body_figures.h"

#include "catalogue/planetary_system.h"
#include "workspace.h"

namespace {

double figure(Workspace& ws, QHash<QString, double>& kept, const QString& planet,
              double (*read)(const QString&, const QString&, ScanLog&))
{
    if (!ws.bodyFigures.keep)
        return read(ws.folders.CfgDir, planet, ws.doc.scanLog);
    const auto found = kept.constFind(planet);
    if (found != kept.constEnd())
        return *found;
    const double value = read(ws.folders.CfgDir, planet, ws.doc.scanLog);
    kept.insert(planet, value);
    return value;
}

} // namespace

double validationBodyRadius(Workspace& ws, const QString& planet)
{
    return figure(ws, ws.bodyFigures.radius, planet, bodyRadius);
}

double validationAtmosphereLimit(Workspace& ws, const QString& planet)
{
    return figure(ws, ws.bodyFigures.atmosphereLimit, planet, bodyAtmosphereLimit);
}
