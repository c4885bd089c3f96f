#include "orbit_text.h"

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
    return QStringLiteral("%1 h %2 min %3 s").arg(hours, 0, 'f', 0).arg(minutes, 0, 'f', 0).arg(rest, 0, 'f', 0);
}
