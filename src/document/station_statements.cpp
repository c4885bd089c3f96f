#include "station_statements.h"

#include "dates.h"
#include "text_primitives.h"

void readStationBlockLine(const ScenarioLine& line, StationRow& row)
{
    if (const auto parts = splitAtFirst(line.trimmed, u':')) {
        row.Name = parts->first;
        row.ClassName = parts->second;
    } else {
        row.Name = row.ClassName = line.trimmed;
    }
}

bool readStationStatement(const ScenarioLine& line, StationRow& row, double& julianDate)
{
    const QString& t = line.trimmed;
    const qsizetype length = t.size();
    if (line.startsWith(u"REF")) {
        const auto value = lastChars(t, length - 4);
        if (!value)
            return false;
        row.RefPlanet = trimBlanks(*value);
    } else if (line.startsWith(u"EL_MJD")) {
        const auto value = lastChars(t, length - 7);
        if (!value)
            return false;
        julianDate = numericValue(*value) - kMjdOffset;
        const DayTime epoch = splitDayNumber(julianDate);
        row.EpochDate = epoch.date;
        row.EpochHour = QString::number(epoch.hour);
        row.EpochMinute = QString::number(epoch.minute);
    } else if (line.startsWith(u"ELEMENTS")) {
        const auto value = lastChars(t, length - 9);
        if (!value)
            return false;
        QString rest = *value;
        row.SemiMajorAxis = cutValueKeepingBlank(rest);
        row.Excentricity = cutValueKeepingBlank(rest);
        row.Inclination = cutValueKeepingBlank(rest);
        row.AscendingNodeLongitude = cutValueKeepingBlank(rest);
        row.PeriapsisLongitude = cutValueKeepingBlank(rest);
        row.MeanLongitude = rest;
    } else if (line.startsWith(u"ZROT_FREQ")) {
        // The simulator's files say 'ZROT_FREQ 0.01' and the editor has always written
        // 'ZROT_FREQUENCY 0.01': the value is whatever follows the keyword word.
        const auto parts = splitAtFirst(t, u' ');
        if (!parts)
            return false;
        row.RotationFrequency = parts->second;
        row.UseClassRotation = false;
    } else if (line.startsWith(u"AROT")) {
        const auto value = lastChars(t, length - 5);
        if (!value)
            return false;
        QString rest = *value;
        row.AngleX = cutValueKeepingBlank(rest);
        row.AngleY = cutValueKeepingBlank(rest);
        row.AngleZ = rest;
    }
    return true;
}
