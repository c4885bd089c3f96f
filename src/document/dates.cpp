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
    if ((wholeMinutes + 1.0 - minutes) * 60000.0 < 1.0)
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
