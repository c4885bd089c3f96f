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

const QString kMassKey = QStringLiteral("Mass");
const QString kAtmosphereKey = QStringLiteral("AtmAltLimit");
const QString kRotationKey = QStringLiteral("SidRotPeriod");
const QString kSizeKey = QStringLiteral("Size");

// The value text of a body file statement, or nothing when the file lacks the key or cannot be
// read (which is logged).
std::optional<QString> bodyValue(const QString& file, const QString& key, ScanLog& log)
{
    const auto lines = readTextLines(file);
    if (!lines) {
        log.addFileFailure(file);
        return std::nullopt;
    }
    return bodyStatementValue(*lines, key);
}

} // namespace

std::optional<QString> bodyStatementValue(const QStringList& lines, const QString& key)
{
    const auto field = lastKeyedItem(lines, key);
    if (!field)
        return std::nullopt;
    return midChars(*field, key.size() + 2);
}

QStringList ExtractPlanet(const QString& FileName, ScanLog& log)
{
    const auto lines = readTextLines(FileName);
    if (!lines) {
        log.addFileFailure(FileName);
        return {};
    }
    return systemBodies(*lines);
}

QStringList systemBodies(const QStringList& lines)
{
    QStringList bodies;
    // 'Planet3 = Earth' makes Earth the current planet; a following 'Earth1 = Moon' is its moon.
    // Before any planet line only a line beginning with "Nitchevo" would be taken as a moon.
    QString planet = QStringLiteral("Nitchevo");
    for (QString line : lines) {
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
    const auto lines = readTextLines(file);
    if (!lines) {
        // The window looks up four values, and each failed look-up is one entry of the log.
        for (int value = 0; value < 4; ++value)
            log.addFileFailure(file);
        return bodyDisplayOf({}, locale);
    }
    return bodyDisplayOf(*lines, locale);
}

BodyDisplay bodyDisplayOf(const QStringList& lines, const QLocale& locale)
{
    BodyDisplay display;
    if (const auto mass = bodyStatementValue(lines, kMassKey))
        display.mass = *mass + QStringLiteral(" kg");
    if (const auto limit = bodyStatementValue(lines, kAtmosphereKey))
        display.atmosphereLimit = groupedWholeNumber(numericValue(*limit), locale) + QStringLiteral(" m");
    else
        display.atmosphereLimit = QStringLiteral("0 m");
    if (const auto period = bodyStatementValue(lines, kRotationKey))
        display.rotationPeriod = rotationPeriodText(numericValue(*period));
    if (const auto size = bodyStatementValue(lines, kSizeKey))
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
    return bodyNumber(cfgDir, planet, kSizeKey, log).value_or(0.0);
}

double bodyAtmosphereLimit(const QString& cfgDir, const QString& planet, ScanLog& log)
{
    return bodyNumber(cfgDir, planet, kAtmosphereKey, log).value_or(0.0);
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
