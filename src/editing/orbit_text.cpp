#include "orbit_text.h"

#include <QStringList>

#include <cmath>

QString altitudeText(double metres, const QLocale& locale)
{
    return locale.toString(metres / 1000.0, 'f', 1) + QStringLiteral(" km");
}

QString durationText(double seconds)
{
    const double whole = std::round(seconds);
    const double hours = std::floor(whole / 3600.0);
    const double minutes = std::floor((whole - hours * 3600.0) / 60.0);
    const double rest = whole - hours * 3600.0 - minutes * 60.0;
    return QStringLiteral("%1 h %2 min %3 s")
        .arg(hours, 0, 'f', 0)
        .arg(minutes, 0, 'f', 0)
        .arg(rest, 0, 'f', 0);
}

DerivedOrbitTexts derivedOrbitTexts(const FormOrbit& shown, const QLocale& locale)
{
    DerivedOrbitTexts texts;
    QStringList notes;
    if (shown.insideBody)
        notes << QStringLiteral("The position is inside the body.");
    if (!shown.orbit) {
        const QString none = shown.body ? QStringLiteral("-") : QStringLiteral("No data");
        texts.periapsisAltitude = texts.apoapsisAltitude = texts.period = none;
        notes << shown.problem;
        texts.note = notes.join(u'\n');
        texts.warning = shown.insideBody;
        return texts;
    }
    const Orbit& orbit = *shown.orbit;
    texts.periapsisAltitude = altitudeText(orbit.periapsisAltitude, locale);
    const QString escape = QStringLiteral("None (escape)");
    texts.apoapsisAltitude = orbit.apoapsisAltitude ? altitudeText(*orbit.apoapsisAltitude, locale) : escape;
    texts.period = orbit.period ? durationText(*orbit.period) : escape;
    if (orbit.crossesAtmosphere)
        notes << (shown.body && orbit.periapsisAltitude >= 0.0
                      ? QStringLiteral("The periapsis is below the top of the atmosphere.")
                      : QStringLiteral("The periapsis is below the surface."));
    if (orbit.escapes)
        notes << QStringLiteral("Escape orbit: the speed is enough to leave the body.");
    texts.note = notes.join(u'\n');
    texts.warning = shown.insideBody || orbit.crossesAtmosphere;
    return texts;
}

QString elementsText(const OrbitalElements& elements, const QLocale& locale)
{
    constexpr double degrees = 180.0 / 3.14159265358979323846;
    const auto angle = [&](const QString& symbol, double radians) {
        return symbol + u' ' + locale.toString(radians * degrees, 'f', 3) + QStringLiteral("°");
    };
    const QString gap = QStringLiteral("   ");
    return QStringLiteral("a ") + locale.toString(elements.semiMajorAxis, 'f', 0) + QStringLiteral(" m") +
           gap + QStringLiteral("e ") + locale.toString(elements.eccentricity, 'g', 6) + gap +
           angle(QStringLiteral("i"), elements.inclination) + u'\n' +
           angle(QStringLiteral("Ω"), elements.ascendingNodeLongitude) + gap +
           angle(QStringLiteral("ϖ"), elements.periapsisLongitude) + gap +
           angle(QStringLiteral("L"), elements.meanLongitude);
}
