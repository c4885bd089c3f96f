#pragma once

#include <QLocale>
#include <QString>

// How the editors show derived orbit values.

// An altitude in kilometres with one decimal and the locale's group separators: 408000 m gives
// "408.0 km" (in an English locale), -2500 m "-2.5 km".
QString altitudeText(double metres, const QLocale& locale = QLocale());
// A duration rounded to whole seconds as hours, minutes and seconds: 5544.76 gives
// "1 h 32 min 25 s"; the hours grow past 24 (a lunar month is "655 h 43 min 12 s").
QString durationText(double seconds);
