#include "form_numbers.h"

#include "document/number_text.h"
#include "document/text_primitives.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

bool isCorrectAngle(const QString& text)
{
    return IsANumber(text) && std::abs(numericValue(text)) < 360.0;
}

QString shownNumber(const QString& cell)
{
    return plainNumberText(numericValue(cell));
}

QString shownCellText(const QString& cell)
{
    static const QRegularExpression exponentNumber(
        QStringLiteral("^-?(\\d+\\.?\\d*|\\.\\d+)[eE][+-]?\\d+$"));
    return exponentNumber.match(trimBlanks(cell)).hasMatch() ? shownNumber(cell) : cell;
}

int sliderPosition(double fraction, int minimum, int maximum)
{
    // The default floating-point rounding mode rounds halves to even, as the sliders expect.
    const double rounded = std::nearbyint(fraction * 100.0);
    if (std::isnan(rounded))
        return std::clamp(0, minimum, maximum);
    return static_cast<int>(std::clamp(rounded, static_cast<double>(minimum), static_cast<double>(maximum)));
}

QString levelFromLabel(const QString& label)
{
    // The label ends with its "%" sign; dropping the last character of the bare "0" leaves
    // nothing, which reads as 0.
    const QString trimmed = trimBlanks(label);
    const double percentage = numericValue(QStringView(trimmed).chopped(trimmed.isEmpty() ? 0 : 1));
    return numberText(percentage / 100.0);
}
