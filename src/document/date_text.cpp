#include "date_text.h"

#include "dates.h"
#include "text_primitives.h"

std::optional<QString> dateTextOfStatement(const std::optional<QString>& statement)
{
    if (!statement)
        return std::nullopt;
    const QString date = trimBlanks(*statement);
    if (date.size() < 9)
        return std::nullopt;
    return date.mid(5);
}

std::optional<double> startMjdOfText(QStringView dateText)
{
    if (dateText.size() < 4)
        return std::nullopt;
    const QString kind = trimBlanks(dateText.left(3));
    const double number = numericValue(dateNumberText(dateText));
    if (kind == u"JD")
        return number - 2400000.5;
    if (kind == u"JE")
        return (number - 2000.0) * 365.25 + 51544.5;
    return number;
}

QStringView dateNumberText(QStringView dateText)
{
    return blankTrimmedView(dateText.mid(3));
}

bool mjdShows(double mjd, const QDate& date, double hour, double minute)
{
    const DayTime shown = splitDayNumber(mjd - kMjdOffset);
    return shown.date == date && shown.hour == hour && shown.minute == minute;
}
