#pragma once

#include "document/scan_log.h"
#include "document/scenario.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// The bodies of a planetary system and their physical data.
// A body list entry is a planet name, or three blanks and a moon name following its planet;
// trimming an entry gives the stem of the body's file name.

// Reads the planet and moon lines of a planetary system file.
QStringList ExtractPlanet(const QString& FileName, ScanLog& log);

// The body list of the lines of a planetary system file.
QStringList systemBodies(const QStringList& lines);

// The body the information window selects after ExtractPlanet: the third entry, or the last
// when there are fewer than three; -1 for an empty list.
int defaultBodyIndex(const QStringList& bodies);

// Path of the body file of a body list entry.
QString bodyFilePath(const QString& cfgDir, const QString& entry);

// What the information window shows for one body; a value the file lacks shows empty, except
// the atmosphere limit, which shows "0 m".
struct BodyDisplay
{
    QString mass;            // "<value text> kg"
    QString meanRadius;      // "6,371,000 m"
    QString rotationPeriod;  // "23h56min4sec"
    QString atmosphereLimit; // "120,000 m" or "0 m"
};
BodyDisplay bodyDisplay(const QString& cfgDir, const QString& entry, ScanLog& log,
                        const QLocale& locale = QLocale());

// What the window shows for the lines of a body file.
BodyDisplay bodyDisplayOf(const QStringList& lines, const QLocale& locale = QLocale());

// The value text of a body file statement ('Size = 6.371e6' gives " 6.371e6"): GetData's item
// less the key, the blank and "="; std::nullopt when the lines lack the key.
std::optional<QString> bodyStatementValue(const QStringList& lines, const QString& key);

// "##,##0": rounded to a whole number, the locale's group separator between groups of three.
QString groupedWholeNumber(double value, const QLocale& locale = QLocale());
// Hours, minutes and seconds of a period in seconds, its sign ignored: 86164.1 gives "23h56min4sec".
QString rotationPeriodText(double seconds);

// The number of a body file value (Mass, Size, AtmAltLimit...) cut and read as validation reads
// it; none when the file lacks the key or cannot be read.
std::optional<double> bodyNumber(const QString& cfgDir, const QString& planet, const QString& key,
                                 ScanLog& log);

// Radius (Size) and atmosphere limit (AtmAltLimit, 0 without the key) used by validation, read
// from the body file each time; a missing file or key reads as 0.
double bodyRadius(const QString& cfgDir, const QString& planet, ScanLog& log);
double bodyAtmosphereLimit(const QString& cfgDir, const QString& planet, ScanLog& log);

// The document side of choosing a planetary system: empties both tables (one empty row each),
// the name lists, the focus candidates, the focus ship and the description, and sets both
// current rows to 0.
void PlanetarySystemUpdate(Scenario& doc);
