#include "spherical_conversion.h"

#include "document/number_text.h"
#include "document/text_primitives.h"

#include <cmath>

namespace {

double radians(double degrees)
{
    const double pi = 4.0 * std::atan(1.0);
    return pi * degrees / 180.0;
}

// The caption of one result. A value that reads back as 0 (a negative zero from a zero radius
// times a negative cosine) is shown as the plain "0".
QString resultText(double value)
{
    const QString text = numberText(value);
    return numericValue(text) == 0.0 ? QStringLiteral("0") : text;
}

} // namespace

double wholeDegrees(QStringView text)
{
    const double value = numericValue(text);
    double rounded = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        rounded = 2.0 * std::round(value / 2.0);
    return std::fmod(rounded, 360.0);
}

CartesianText sphericalToCartesian(QStringView radius, QStringView azimuth, QStringView elevation)
{
    const double r = numericValue(radius);
    const double az = radians(wholeDegrees(azimuth));
    const double el = radians(wholeDegrees(elevation));
    return {resultText(r * std::cos(el) * std::cos(az)), resultText(r * std::cos(el) * std::sin(az)),
            resultText(r * std::sin(el))};
}
