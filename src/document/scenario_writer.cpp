#include "scenario_writer.h"

#include "dates.h"
#include "number_text.h"
#include "text_file.h"
#include "text_primitives.h"

#include <algorithm>
#include <initializer_list>

namespace {

// Rows in use (entries of the name list) that hold a name: a row added but never validated has
// none and would be written as a nameless block.
template <typename Table> QList<qsizetype> writtenRows(const Table& table, const QStringList& names)
{
    QList<qsizetype> rows;
    const qsizetype used = std::min(names.size(), table.rowCount());
    for (qsizetype i = 0; i < used; ++i) {
        if (!trimBlanks(table[i].Name).isEmpty())
            rows.append(i);
    }
    return rows;
}

// "  KEYWORD v1 v2 v3" from the trimmed values, or nothing when every value is empty: a line
// such as '  REF ' or '  AROT   ' cannot be read back and ends the reading of its section.
void addStatement(QStringList& out, const QString& keyword, std::initializer_list<QString> values)
{
    QStringList trimmed;
    bool anyValue = false;
    for (const QString& value : values) {
        trimmed.append(trimBlanks(value));
        anyValue = anyValue || !trimmed.back().isEmpty();
    }
    if (anyValue)
        out.append(QStringLiteral("  ") + keyword + u' ' + trimmed.join(u' '));
}

// A level or velocity behind its keyword as a converted number: 'FUEL  1', 'VROT -2'.
QString convertedValue(const QString& keyword, const QString& cell)
{
    return QStringLiteral("  ") + keyword + u' ' + convertedNumber(numericValue(trimBlanks(cell)));
}

// The lines of a block the editor does not read, written back as they were read.
void addExtraLines(QStringList& out, const QString& extraLines)
{
    if (!extraLines.isEmpty())
        out << extraLines.split(QStringLiteral("\r\n"));
}

// An environment or focus value: the reader splits these statements at commas outside double
// quotes, so a value holding a comma is quoted ('Ship "Tug,boat"'), or it would come back cut.
QString statementValue(const QString& value)
{
    const QString trimmed = trimBlanks(value);
    return trimmed.contains(u',') ? u'"' + trimmed + u'"' : trimmed;
}

void addHeader(QStringList& out, const Scenario& doc)
{
    const QString focus = statementValue(doc.shipFocus);
    out << QStringLiteral("BEGIN_DESC");
    // Each description line ends with a line end; a description read from a file already ends
    // with one, which must not become an extra empty line at every save.
    out << splitLines(doc.description);
    out << QStringLiteral("END_DESC") << QString();
    out << QStringLiteral("BEGIN_ENVIRONMENT")
        << QStringLiteral("  System ") + statementValue(doc.planetarySystem)
        << QStringLiteral("  Date MJD ") + numberText(mjdOf(doc.startDate, doc.startHour, doc.startMinute))
        << QStringLiteral("END_ENVIRONMENT") << QString();
    out << QStringLiteral("BEGIN_FOCUS") << QStringLiteral("  Ship ") + focus << QStringLiteral("END_FOCUS")
        << QString();
    out << QStringLiteral("BEGIN_CAMERA") << QStringLiteral("  Target ") + focus
        << QStringLiteral("  MODE Extern") << QStringLiteral("  POS 40 -115.88 -24.15")
        << QStringLiteral("  TRACKMODE TargetRelative") << QStringLiteral("  FOV 20#")
        << QStringLiteral("END_CAMERA") << QString();
    out << QStringLiteral("BEGIN_HUD") << QStringLiteral("  Type Surface") << QStringLiteral("END_HUD")
        << QString();
    out << QStringLiteral("BEGIN_MFD Left") << QStringLiteral("  Type Surface") << QStringLiteral("END_MFD")
        << QString();
    out << QStringLiteral("BEGIN_MFD Right") << QStringLiteral("  Type Launch") << QStringLiteral("END_MFD")
        << QString();
}

void addStation(QStringList& out, const StationRow& row)
{
    out << trimBlanks(row.Name) + u':' + trimBlanks(row.ClassName);
    addStatement(out, QStringLiteral("REF"), {row.RefPlanet});
    // A station read without EL_MJD and never validated has no epoch; day 0 would put it in 1899.
    if (row.EpochDate.isValid()) {
        const double epoch = mjdOf(row.EpochDate, numericValue(row.EpochHour), numericValue(row.EpochMinute));
        out << QStringLiteral("  EL_MJD ") + numberText(epoch);
    }
    addStatement(out, QStringLiteral("ELEMENTS"),
                 {row.SemiMajorAxis, row.Excentricity, row.Inclination, row.AscendingNodeLongitude,
                  row.PeriapsisLongitude, row.MeanLongitude});
    // The angles turn the station's frame whether it spins at its class's frequency or its own.
    addStatement(out, QStringLiteral("AROT"), {row.AngleX, row.AngleY, row.AngleZ});
    if (!row.UseClassRotation)
        addStatement(out, QStringLiteral("ZROT_FREQUENCY"), {row.RotationFrequency});
    addExtraLines(out, row.ExtraLines);
    out << QStringLiteral("END");
}

void addShip(QStringList& out, const ShipRow& row)
{
    out << trimBlanks(row.Name) + u':' + trimBlanks(row.ClassName);
    const QString status = trimBlanks(row.Status);
    const QString statusLine = QStringLiteral("  STATUS ") + status + u' ' + trimBlanks(row.Planet);
    if (status.compare(u"Landed", Qt::CaseInsensitive) == 0) {
        out << statusLine << QStringLiteral("  BASE ") + trimBlanks(row.Base) + u':' + trimBlanks(row.Pad);
        // "Toto" is the blank heading of a ship whose heading was never set.
        const QString heading = trimBlanks(row.Heading);
        if (!heading.isEmpty() && heading != u"Toto")
            out << QStringLiteral("  HEADING ") + heading;
        out << convertedValue(QStringLiteral("FUEL"), row.Fuel);
    } else if (status.compare(u"Orbiting", Qt::CaseInsensitive) == 0) {
        out << statusLine << convertedValue(QStringLiteral("FUEL"), row.Fuel);
        addStatement(out, QStringLiteral("RPOS"), {row.RposX, row.RposY, row.RposZ});
        addStatement(out, QStringLiteral("RVEL"), {row.RvelX, row.RvelY, row.RvelZ});
        addStatement(out, QStringLiteral("AROT"), {row.ArotX, row.ArotY, row.ArotZ});
        out << convertedValue(QStringLiteral("VROT"), row.Vrot);
        for (const auto& [keyword, cell] : {std::pair{QStringLiteral("ENGINE_MAIN"), &row.MainEngine},
                                            std::pair{QStringLiteral("ENGINE_HOVR"), &row.HoverEngine}}) {
            const double level = numericValue(trimBlanks(*cell));
            if (level != 0.0)
                out << QStringLiteral("  ") + keyword + u' ' + numberText(level);
        }
    } else if (status.compare(u"Docked", Qt::CaseInsensitive) == 0) {
        out << statusLine + u':' + trimBlanks(row.DockStation) + u':' + trimBlanks(row.DockPort)
            << convertedValue(QStringLiteral("FUEL"), row.Fuel);
    }
    addExtraLines(out, row.ExtraLines);
    out << QStringLiteral("END");
}

} // namespace

QByteArray scenarioFileText(const Scenario& doc)
{
    QStringList out;
    addHeader(out, doc);
    const auto stations = writtenRows(doc.stations, doc.stationNames);
    if (!stations.isEmpty()) {
        out << QStringLiteral("BEGIN_STATIONS");
        for (const qsizetype i : stations)
            addStation(out, doc.stations[i]);
        out << QStringLiteral("END_STATIONS");
    }
    out << QString();
    const auto ships = writtenRows(doc.ships, doc.shipNames);
    if (!ships.isEmpty()) {
        out << QStringLiteral("BEGIN_SHIPS");
        for (const qsizetype i : ships)
            addShip(out, doc.ships[i]);
        out << QStringLiteral("END_SHIPS");
    }
    return crlfText(out);
}

WriteResult ScenarioFileSaving(const QString& path, const Scenario& doc)
{
    return writeFileSafely(path, scenarioFileText(doc));
}

bool hasWrittenShip(const Scenario& doc)
{
    return !writtenRows(doc.ships, doc.shipNames).isEmpty();
}
