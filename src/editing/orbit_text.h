#pragma once

#include "form_orbits.h"

#include <QLocale>
#include <QString>

// How the editors show derived orbit values.

// An altitude in kilometres with one decimal and the locale's group separators: 408000 m gives
// "408.0 km" (in an English locale), -2500 m "-2.5 km".
QString altitudeText(double metres, const QLocale& locale = QLocale());
// A duration rounded to whole seconds as hours, minutes and seconds: 5544.76 gives
// "1 h 32 min 25 s"; the hours grow past 24 (a lunar month is "655 h 43 min 12 s").
QString durationText(double seconds);

// The derived values beside an editor form's orbit. Without body data each value reads
// "No data"; without an orbit (a value that is not a number) each reads "-"; an escape orbit
// has "None (escape)" for its apoapsis and period. The note says what is wrong or worth
// knowing, one sentence per line; `warning` marks an orbit that crosses the atmosphere or a
// ship inside its body.
struct DerivedOrbitTexts
{
    QString periapsisAltitude;
    QString apoapsisAltitude;
    QString period;
    QString note;
    bool warning = false;
};
DerivedOrbitTexts derivedOrbitTexts(const FormOrbit& orbit, const QLocale& locale = QLocale());

// The six elements on two lines (the orbit panel has room for two) with their units, angles in
// degrees to 3 decimals, a to the metre, with the locale's separators; in the C locale
// "a 6778000 m   e 0.0006   i 51.640°" and "Ω 247.500°   ϖ 130.200°   L 85.000°".
QString elementsText(const OrbitalElements& elements, const QLocale& locale = QLocale());
