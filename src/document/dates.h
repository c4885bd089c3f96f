#pragma once

#include <QDate>

// Dates inside the editor are day numbers counted from 1899-12-30 (day 0) with the time of day
// as fraction; scenario files hold Modified Julian Dates: MJD = day number + 15018.

inline constexpr double kMjdOffset = 15018.0;

QDate dayZero();
qint64 dayNumber(const QDate& date);
QDate dateOfDayNumber(qint64 day);

// Start of a day plus hour and minute, as an MJD.
double mjdOf(const QDate& date, double hour, double minute);

struct DayTime
{
    QDate date;
    int hour = 0;
    int minute = 0;
};

// Splits a day number with fraction into date, hour and minute. Seconds are truncated, but a
// value less than one millisecond short of a whole minute counts as that minute (carrying into
// the hour and the day), so a time written as an MJD and read back keeps its minute; for dates
// beyond MJD 1E8 the tolerance grows to the last of the 15 digits an MJD is written with.
DayTime splitDayNumber(double dayCount);
