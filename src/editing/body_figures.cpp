#include "body_figures.h"

#include "catalogue/planetary_system.h"
#include "document/scan_log.h"

namespace {

double figure(BodyFigures* kept, QHash<QString, double> BodyFigures::*figures, const QString& cfgDir,
              const QString& planet, ScanLog& log, double (*read)(const QString&, const QString&, ScanLog&))
{
    if (!kept || !kept->keep)
        return read(cfgDir, planet, log);
    QHash<QString, double>& known = kept->*figures;
    const auto found = known.constFind(planet);
    if (found != known.constEnd())
        return *found;
    const double value = read(cfgDir, planet, log);
    known.insert(planet, value);
    return value;
}

} // namespace

double keptBodyRadius(BodyFigures* kept, const QString& cfgDir, const QString& planet, ScanLog& log)
{
    return figure(kept, &BodyFigures::radius, cfgDir, planet, log, bodyRadius);
}

double keptAtmosphereLimit(BodyFigures* kept, const QString& cfgDir, const QString& planet, ScanLog& log)
{
    return figure(kept, &BodyFigures::atmosphereLimit, cfgDir, planet, log, bodyAtmosphereLimit);
}
