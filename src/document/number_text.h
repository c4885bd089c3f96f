#pragma once

#include <QString>

// Numbers written into files and shown to the user: plain decimal with a point whatever the
// locale, at most 15 significant digits, no trailing zeros, no point without a fraction, a zero
// before the point below 1 (0.5), and the exponent form (1.5E+15, 6.12323399573677E-15) from
// 1E15 up and below 1E-4.

// The converted number as the scenario writer puts it behind a keyword: one leading blank when
// the number is not negative (" 1"), "-" when it is ("-2").
QString convertedNumber(double value);

// The same text without the leading blank ("1", "-2", "51544.5").
QString numberText(double value);

// The number in plain decimal, never in the exponent form, with at most 15 significant digits:
// 1E-07 gives "0.0000001" and 1.5E+15 "1500000000000000". The forms show numbers so, since the
// editor's own number test accepts no exponent.
QString plainNumberText(double value);

// Whether a text is a decimal number as the files hold numbers: optional sign, digits with an
// optional point and fraction, optional exponent; blanks around it do not matter. Such a text
// is written back as it was read ('0.123', '1e-5') while its value is not changed.
bool isNumberText(QStringView text);
