#include "dates.h"

#include <algorithm>
#include <cmath>

QDate dayZero()
{
    return QDate(1899, 12, 30);
}

qint64 dayNumber(const QDate& date)
{
    return dayZero().daysTo(date);
}

QDate dateOfDayNumber(qint64 day)
{
    return dayZero().addDays(day);
}

double mjdOf(const QDate& date, double hour, double minute)
{
    return static_cast<double>(dayNumber(date)) + kMjdOffset + hour / 24.0 + minute / 24.0 / 60.0;
}

DayTime splitDayNumber(double dayCount)
{
    if (!std::isfinite(dayCount))
        dayCount = 0.0;
    // Keep the date inside the range QDate can hold.
    dayCount = std::clamp(dayCount, -1.0e9, 1.0e9);
    double day = std::floor(dayCount);
    const double fraction = dayCount - day;
    const double minutes = fraction * 1440.0;
    double wholeMinutes = std::floor(minutes);
    // A date is written as an MJD of 15 significant digits, which is exact to a millisecond only
    // while the MJD is below 1E8; the last digit's worth (0.09 s at MJD 1E8, 0.9 s at 1E9) is
    // the tolerance beyond that.
    const double mjd = std::abs(dayCount + kMjdOffset);
    const double lastDigit = mjd >= 1.0 ? std::pow(10.0, std::floor(std::log10(mjd)) - 14.0) : 0.0;
    const double toleranceMinutes = std::max(1.0 / 60000.0, lastDigit * 1440.0);
    if (wholeMinutes + 1.0 - minutes < toleranceMinutes)
        wholeMinutes += 1.0;
    if (wholeMinutes >= 1440.0) {
        wholeMinutes -= 1440.0;
        day += 1.0;
    }
    DayTime result;
    result.date = dateOfDayNumber(static_cast<qint64>(day));
    result.hour = static_cast<int>(wholeMinutes) / 60;
    result.minute = static_cast<int>(wholeMinutes) % 60;
    return result;
}
