#pragma once

#include <QString>

// How the editor forms turn typed text into numbers and numbers into what the controls show.

// An angle box is correct when it holds a plain decimal number strictly between -360 and 360.
bool isCorrectAngle(const QString& text);

// A table cell as a number box shows it: the cell's leading number in plain decimal ("6.7E6 "
// shows as "6700000", "1E-07" as "0.0000001"), which the editor's own number test accepts.
QString shownNumber(const QString& cell);

// A cell that a box shows as it stands, unless it is a number written with an exponent, which is
// shown in plain decimal: "6.7E6 " shows as "6700000", "Toto" and "12 " as they are.
QString shownCellText(const QString& cell);

// The whole slider position for a fraction: the percentage rounded to the nearest whole number,
// halves to even, kept within the slider's range.
int sliderPosition(double fraction, int minimum, int maximum);

// The fraction a level label stands for, as the table stores it: "75 %" gives "0.75", "-35 %"
// gives "-0.35", the bare "0" shown for a landed or docked ship gives "0". An empty label (no
// ship shown) also gives "0".
QString levelFromLabel(const QString& label);
