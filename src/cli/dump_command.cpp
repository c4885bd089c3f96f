// corvane-scn dump FILE.scn: the scenario as the editor reads it, as JSON.
#include "commands.h"

#include "document/scenario_reader.h"
#include "document/text_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

// "yyyy-MM-dd", or empty for a cell that holds no date.
QString isoDate(const QDate& date)
{
    return date.isValid() ? date.toString(u"yyyy-MM-dd") : QString();
}

QJsonObject stationJson(const StationRow& row)
{
    return {{QStringLiteral("Name"), row.Name},
            {QStringLiteral("ClassName"), row.ClassName},
            {QStringLiteral("RefPlanet"), row.RefPlanet},
            {QStringLiteral("RotationFrequency"), row.RotationFrequency},
            {QStringLiteral("AngleX"), row.AngleX},
            {QStringLiteral("AngleY"), row.AngleY},
            {QStringLiteral("AngleZ"), row.AngleZ},
            {QStringLiteral("UseClassRotation"), row.UseClassRotation},
            {QStringLiteral("SemiMajorAxis"), row.SemiMajorAxis},
            {QStringLiteral("Excentricity"), row.Excentricity},
            {QStringLiteral("Inclination"), row.Inclination},
            {QStringLiteral("AscendingNodeLongitude"), row.AscendingNodeLongitude},
            {QStringLiteral("PeriapsisLongitude"), row.PeriapsisLongitude},
            {QStringLiteral("MeanLongitude"), row.MeanLongitude},
            {QStringLiteral("EpochDate"), isoDate(row.EpochDate)},
            {QStringLiteral("EpochHour"), row.EpochHour},
            {QStringLiteral("EpochMinute"), row.EpochMinute},
            {QStringLiteral("ExtraLines"), row.ExtraLines}};
}

QJsonObject shipJson(const ShipRow& row)
{
    return {{QStringLiteral("Name"), row.Name},
            {QStringLiteral("ClassName"), row.ClassName},
            {QStringLiteral("Status"), row.Status},
            {QStringLiteral("Planet"), row.Planet},
            {QStringLiteral("Base"), row.Base},
            {QStringLiteral("DockStation"), row.DockStation},
            {QStringLiteral("Heading"), row.Heading},
            {QStringLiteral("DockPort"), row.DockPort},
            {QStringLiteral("Pad"), row.Pad},
            {QStringLiteral("RposX"), row.RposX},
            {QStringLiteral("RposY"), row.RposY},
            {QStringLiteral("RposZ"), row.RposZ},
            {QStringLiteral("RvelX"), row.RvelX},
            {QStringLiteral("RvelY"), row.RvelY},
            {QStringLiteral("RvelZ"), row.RvelZ},
            {QStringLiteral("ArotX"), row.ArotX},
            {QStringLiteral("ArotY"), row.ArotY},
            {QStringLiteral("ArotZ"), row.ArotZ},
            {QStringLiteral("Vrot"), row.Vrot},
            {QStringLiteral("ExtraLines"), row.ExtraLines},
            {QStringLiteral("Fuel"), row.Fuel},
            {QStringLiteral("MainEngine"), row.MainEngine},
            {QStringLiteral("HoverEngine"), row.HoverEngine}};
}

// Where the rows of a non-empty table go in the document's text: an array holding this one
// string stands in for them. The line that holds it follows the table's key line, which only the
// top-level object writes at this indentation, so no value of the scenario can look like it.
const QString kRowsMarker = QStringLiteral("rows");

QByteArray markerLines(const char* key)
{
    return QByteArray("\n    \"") + key + "\": [\n        \"" + kRowsMarker.toLatin1() + "\"\n";
}

// The text of one row as Qt's indented writer puts it inside an array of the top-level object:
// written as the only element of an array of its own, one level of indentation added.
QByteArray rowText(const QJsonObject& row)
{
    const QByteArray alone = QJsonDocument(QJsonArray{row}).toJson(QJsonDocument::Indented);
    // Between "[\n" and "]\n": the element's lines, each indented by four more blanks.
    const QByteArrayView element = QByteArrayView(alone).sliced(2, alone.size() - 4);
    QByteArray text;
    text.reserve(element.size() + element.size() / 8);
    qsizetype start = 0;
    while (start < element.size()) {
        const qsizetype end = element.indexOf('\n', start);
        text += "    ";
        text += element.sliced(start, end + 1 - start);
        start = end + 1;
    }
    return text;
}

// The rows in use (entry i of the name list names row i), written one after the other so that
// only one row is ever held as JSON.
template <typename Table, typename ToJson>
bool writeRows(QIODevice& out, const Table& table, const QStringList& names, ToJson toJson)
{
    const qsizetype rows = std::min(names.size(), table.rowCount());
    for (qsizetype i = 0; i < rows; ++i) {
        QByteArray text = rowText(toJson(table[i]));
        if (i + 1 < rows)
            text.insert(text.size() - 1, ',');
        if (out.write(text) != text.size())
            return false;
    }
    return true;
}

template <typename Table>
QJsonArray rowsStandIn(const Table& table, const QStringList& names)
{
    return std::min(names.size(), table.rowCount()) > 0 ? QJsonArray{kRowsMarker} : QJsonArray{};
}

// The document with the tables' rows stood in for; written as Qt's indented writer writes the
// whole document, with keys in its order.
QByteArray frameText(const Scenario& doc)
{
    const QJsonObject start{{QStringLiteral("date"), isoDate(doc.startDate)},
                            {QStringLiteral("hour"), doc.startHour},
                            {QStringLiteral("minute"), doc.startMinute}};
    const QJsonObject frame{{QStringLiteral("description"), doc.description},
                            {QStringLiteral("system"), doc.planetarySystem},
                            {QStringLiteral("start"), start},
                            {QStringLiteral("focus"), doc.shipFocus},
                            {QStringLiteral("focusCandidates"), QJsonArray::fromStringList(doc.possibleShipFocus)},
                            {QStringLiteral("stations"), rowsStandIn(doc.stations, doc.stationNames)},
                            {QStringLiteral("ships"), rowsStandIn(doc.ships, doc.shipNames)},
                            {QStringLiteral("scanLog"), doc.scanLog.LogMessage}};
    return QJsonDocument(frame).toJson(QJsonDocument::Indented);
}

bool writeDump(QFile& out, const Scenario& doc)
{
    const QByteArray frame = frameText(doc);
    struct Table
    {
        qsizetype at;
        QByteArray marker;
        bool ships;
    };
    QVector<Table> tables;
    for (const bool ships : {false, true}) {
        const QByteArray marker = markerLines(ships ? "ships" : "stations");
        const qsizetype at = frame.indexOf(marker);
        if (at >= 0)
            tables.append({at, marker, ships});
    }
    std::sort(tables.begin(), tables.end(), [](const Table& a, const Table& b) { return a.at < b.at; });
    qsizetype written = 0;
    for (const Table& table : tables) {
        // Everything up to the stand-in's line, then the rows in its place.
        const qsizetype rowsAt = table.at + table.marker.size() - (kRowsMarker.size() + 11);
        const QByteArrayView head = QByteArrayView(frame).sliced(written, rowsAt - written);
        if (out.write(head.data(), head.size()) != head.size())
            return false;
        const bool ok = table.ships ? writeRows(out, doc.ships, doc.shipNames, shipJson)
                                    : writeRows(out, doc.stations, doc.stationNames, stationJson);
        if (!ok)
            return false;
        written = table.at + table.marker.size();
    }
    const QByteArrayView tail = QByteArrayView(frame).sliced(written);
    return out.write(tail.data(), tail.size()) == tail.size() && out.flush();
}

int dump(const QStringList& args)
{
    if (args.size() != 1)
        return usageError(QStringLiteral("usage: corvane-scn dump FILE.scn"));
    auto lines = readTextLines(args[0]);
    if (!lines)
        return usageError(QStringLiteral("can not read ") + args[0]);
    Scenario doc;
    ScenarioReaderHost host;
    // The lines are read once and the reader takes them over; the JSON text goes out row by row
    // as bytes, so neither the whole JSON tree nor a UTF-16 copy of its text is ever held.
    readScenarioLines(args[0], std::move(lines), doc, host);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || !writeDump(out, doc))
        return usageError(QStringLiteral("can not write the dump"));
    return 0;
}

const CommandRegistration registration(QStringLiteral("dump"), dump);

} // namespace
