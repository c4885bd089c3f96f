#include "planetary_system.h"

#include "document/config_lookup.h"
#include "document/file_paths.h"
#include "document/text_file.h"
#include "document/text_primitives.h"

#include <cmath>

namespace {

const QString kMoonIndent = QStringLiteral("   ");

// The value of a system file line: the text after its first "=", trimmed. A line without "="
// is its own value.
QString lineValue(const QString& line)
{
    return trimBlanks(QStringView(line).mid(line.indexOf(u'=') + 1));
}

// The value text of a body file statement: GetData's field less the key, the blank and "=",
// or nothing when the file lacks the key.
std::optional<QString> bodyValue(const QString& file, const QString& key, ScanLog& log)
{
    const QString field = GetData(file, key, log);
    if (field == kNoData)
        return std::nullopt;
    return midChars(field, key.size() + 2);
}

} // namespace

QStringList ExtractPlanet(const QString& FileName, ScanLog& log)
{
    QStringList bodies;
    const auto lines = readTextLines(FileName);
    if (!lines) {
        log.addFileFailure(FileName);
        return bodies;
    }
    // 'Planet3 = Earth' makes Earth the current planet; a following 'Earth1 = Moon' is its moon.
    // Before any planet line only a line beginning with "Nitchevo" would be taken as a moon.
    QString planet = QStringLiteral("Nitchevo");
    for (QString line : *lines) {
        ClearComments(line);
        if (line.startsWith(u"Planet")) {
            planet = lineValue(line);
            bodies.append(planet);
        }
        // A planet line without a value must not make every later line a moon.
        if (!planet.isEmpty() && line.startsWith(planet))
            bodies.append(kMoonIndent + lineValue(line));
    }
    return bodies;
}

int defaultBodyIndex(const QStringList& bodies)
{
    return bodies.size() >= 3 ? 2 : static_cast<int>(bodies.size()) - 1;
}

QString bodyFilePath(const QString& cfgDir, const QString& entry)
{
    return joinPath(cfgDir, trimBlanks(entry) + QStringLiteral(".cfg"));
}

QString groupedWholeNumber(double value, const QLocale& locale)
{
    // The C locale omits group separators by default; "##,##0" always groups.
    QLocale grouping = locale;
    grouping.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    double whole = std::round(value);
    if (whole == 0.0)
        whole = 0.0; // no "-0" for a small negative value
    return grouping.toString(whole, 'f', 0);
}

QString rotationPeriodText(double seconds)
{
    const double period = std::fabs(seconds);
    const double hours = std::floor(period / 3600.0);
    const double rest = period - 3600.0 * hours;
    const double minutes = std::floor(rest / 60.0);
    const double secs = std::floor(rest - 60.0 * minutes);
    auto plain = [](double v) { return QString::number(v, 'f', 0); };
    return plain(hours) + u'h' + plain(minutes) + QStringLiteral("min") + plain(secs) + QStringLiteral("sec");
}

BodyDisplay bodyDisplay(const QString& cfgDir, const QString& entry, ScanLog& log, const QLocale& locale)
{
    const QString file = bodyFilePath(cfgDir, entry);
    BodyDisplay display;
    if (const auto mass = bodyValue(file, QStringLiteral("Mass"), log))
        display.mass = *mass + QStringLiteral(" kg");
    if (const auto limit = bodyValue(file, QStringLiteral("AtmAltLimit"), log))
        display.atmosphereLimit = groupedWholeNumber(numericValue(*limit), locale) + QStringLiteral(" m");
    else
        display.atmosphereLimit = QStringLiteral("0 m");
    if (const auto period = bodyValue(file, QStringLiteral("SidRotPeriod"), log))
        display.rotationPeriod = rotationPeriodText(numericValue(*period));
    if (const auto size = bodyValue(file, QStringLiteral("Size"), log))
        display.meanRadius = groupedWholeNumber(numericValue(*size), locale) + QStringLiteral(" m");
    return display;
}

std::optional<double> bodyNumber(const QString& cfgDir, const QString& planet, const QString& key,
                                 ScanLog& log)
{
    const auto value = bodyValue(bodyFilePath(cfgDir, planet), key, log);
    if (!value)
        return std::nullopt;
    return numericValue(*value);
}

double bodyRadius(const QString& cfgDir, const QString& planet, ScanLog& log)
{
    return bodyNumber(cfgDir, planet, QStringLiteral("Size"), log).value_or(0.0);
}

double bodyAtmosphereLimit(const QString& cfgDir, const QString& planet, ScanLog& log)
{
    return bodyNumber(cfgDir, planet, QStringLiteral("AtmAltLimit"), log).value_or(0.0);
}

void PlanetarySystemUpdate(Scenario& doc)
{
    doc.stations.StationTableRedim(0);
    doc.ships.ShipTableRedim(0);
    doc.stationNames.clear();
    doc.shipNames.clear();
    doc.shipFocus.clear();
    doc.description.clear();
    doc.possibleShipFocus.clear();
    doc.possibleShipFocusIndex = -1;
    doc.stationIndex = 0;
    doc.shipIndex = 0;
}
