#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// Date values as the scenario file holds them. The writer writes a date again as it was read
// ('Date MJD 60312.0419444444', seconds and all) while the editor still shows what that text
// converts to; only a changed date is written anew from date, hour and minute.

// The value of the Date statement as the reader cuts it: 'MJD 51544.5' of 'Date MJD 51544.5'
// (the statement less its first five characters, blanks kept); std::nullopt when the statement
// is missing or too short to hold a number.
std::optional<QString> dateTextOfStatement(const std::optional<QString>& statement);

// The MJD of a Date value (the statement less 'Date '): 'MJD 51544.5', 'JD 2451545.0' or
// 'JE 2000.0'; std::nullopt when it is too short to hold a number. A number that cannot be read
// counts as 0.
std::optional<double> startMjdOfText(QStringView dateText);

// The number of a Date value ('51544.5' of 'MJD 51544.5').
QStringView dateNumberText(QStringView dateText);

// Whether the MJD, cut into date, hour and minute as the reader cuts it, gives these.
bool mjdShows(double mjd, const QDate& date, double hour, double minute);
