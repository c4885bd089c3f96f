#include "station_statements.h"

#include "dates.h"
#include "text_primitives.h"

#include <array>

namespace {

// Cuts `count` values off the statement's value as the format reads them: each but the last
// keeps the blank that ends it ('6.7E6 '). std::nullopt when a blank is missing before the last
// value: with too few values none could be put in its right column.
std::optional<QStringList> cutValues(const QString& value, int count)
{
    QStringList values;
    QString rest = value;
    for (int i = 1; i < count; ++i) {
        if (!rest.contains(u' '))
            return std::nullopt;
        values.append(cutValueKeepingBlank(rest));
    }
    if (rest.isEmpty())
        return std::nullopt;
    values.append(rest);
    return values;
}

} // namespace

void readStationBlockLine(const ScenarioLine& line, StationRow& row)
{
    if (const auto parts = splitAtFirst(line.trimmed, u':')) {
        row.Name = parts->first;
        row.ClassName = parts->second;
    } else {
        row.Name = row.ClassName = line.trimmed;
    }
}

namespace {

StatementRead applyStationStatement(const ScenarioLine& line, StationRow& row, double& julianDate)
{
    const QString& t = line.trimmed;
    const qsizetype length = t.size();
    const StatementRead noValue = StatementRead::malformed(QStringLiteral("needs a value"));
    if (line.startsWith(u"REF")) {
        const auto value = lastChars(t, length - 4);
        if (!value)
            return noValue;
        row.RefPlanet = trimBlanks(*value);
    } else if (line.startsWith(u"EL_MJD")) {
        const auto value = lastChars(t, length - 7);
        if (!value)
            return noValue;
        row.EpochText = trimBlanks(*value);
        julianDate = numericValue(*value) - kMjdOffset;
        const DayTime epoch = splitDayNumber(julianDate);
        row.EpochDate = epoch.date;
        row.EpochHour = QString::number(epoch.hour);
        row.EpochMinute = QString::number(epoch.minute);
    } else if (line.startsWith(u"ELEMENTS")) {
        const auto value = lastChars(t, length - 9);
        const auto values = value ? cutValues(*value, 6) : std::nullopt;
        if (!values)
            return StatementRead::malformed(QStringLiteral("needs six values"));
        const std::array<QString*, 6> cells{&row.SemiMajorAxis,          &row.Excentricity,
                                            &row.Inclination,            &row.AscendingNodeLongitude,
                                            &row.PeriapsisLongitude,     &row.MeanLongitude};
        for (int i = 0; i < 6; ++i)
            *cells[i] = values->at(i);
    } else if (line.startsWith(u"ZROT_FREQ")) {
        // The simulator's files say 'ZROT_FREQ 0.01' and the editor has always written
        // 'ZROT_FREQUENCY 0.01': the value is whatever follows the keyword word.
        const auto parts = splitAtFirst(t, u' ');
        if (!parts)
            return noValue;
        row.RotationFrequency = parts->second;
        row.RotationKeyword = parts->first;
        row.UseClassRotation = false;
    } else if (line.startsWith(u"AROT")) {
        const auto value = lastChars(t, length - 5);
        const auto values = value ? cutValues(*value, 3) : std::nullopt;
        if (!values)
            return StatementRead::malformed(QStringLiteral("needs three values"));
        row.AngleX = values->at(0);
        row.AngleY = values->at(1);
        row.AngleZ = values->at(2);
    } else {
        return StatementRead::other();
    }
    return StatementRead::read();
}

} // namespace

StatementRead readStationStatement(const ScenarioLine& line, StationRow& row, double& julianDate)
{
    const StatementRead read = applyStationStatement(line, row, julianDate);
    if (read.kind == StatementRead::Other)
        return read;
    for (const QStringView keyword : {u"REF", u"EL_MJD", u"ELEMENTS", u"ZROT_FREQ", u"AROT"}) {
        if (line.startsWith(keyword))
            return read.of(keyword);
    }
    return read;
}
