// corvane-scn dump FILE.scn: the scenario as the editor reads it, as JSON.
#include "commands.h"

#include "document/json_text.h"
#include "document/scenario_reader.h"
#include "document/text_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstring>

namespace {

// "yyyy-MM-dd", or empty for a cell that holds no date.
QString isoDate(const QDate& date)
{
    return date.isValid() ? date.toString(u"yyyy-MM-dd") : QString();
}

QJsonArray commentsJson(const KeptComments& comments)
{
    QJsonArray array;
    for (const KeptComment& kept : comments)
        array.append(QJsonObject{{QStringLiteral("anchor"), kept.anchor},
                                 {QStringLiteral("before"), QJsonArray::fromStringList(kept.before)},
                                 {QStringLiteral("trailing"), kept.trailing}});
    return array;
}

QJsonArray sectionsJson(const KeptSections& sections)
{
    QJsonArray array;
    for (const KeptSection& section : sections)
        array.append(QJsonObject{{QStringLiteral("opening"), section.opening},
                                 {QStringLiteral("after"), section.after},
                                 {QStringLiteral("lines"), QJsonArray::fromStringList(section.lines)}});
    return array;
}

// A row's comments as a literal: the compact JSON array.
QString commentsLiteral(const KeptComments& comments)
{
    return QString::fromUtf8(QJsonDocument(commentsJson(comments)).toJson(QJsonDocument::Compact));
}

// One value of a row: a string, or a literal (true / false, an array) written as it is.
struct Field
{
    const char* key;
    QString value;
    bool literal = false;
};

QVector<Field> stationFields(const StationRow& row)
{
    return {
        {"Name", row.Name},
        {"ClassName", row.ClassName},
        {"RefPlanet", row.RefPlanet},
        {"RotationFrequency", row.RotationFrequency},
        {"AngleX", row.AngleX},
        {"AngleY", row.AngleY},
        {"AngleZ", row.AngleZ},
        {"UseClassRotation", row.UseClassRotation ? QStringLiteral("true") : QStringLiteral("false"), true},
        {"SemiMajorAxis", row.SemiMajorAxis},
        {"Excentricity", row.Excentricity},
        {"Inclination", row.Inclination},
        {"AscendingNodeLongitude", row.AscendingNodeLongitude},
        {"PeriapsisLongitude", row.PeriapsisLongitude},
        {"MeanLongitude", row.MeanLongitude},
        {"EpochDate", isoDate(row.EpochDate)},
        {"EpochHour", row.EpochHour},
        {"EpochMinute", row.EpochMinute},
        {"ExtraLines", row.ExtraLines},
        {"EpochText", row.EpochText},
        {"RotationKeyword", row.RotationKeyword},
        {"Comments", commentsLiteral(row.Comments), true}};
}

QVector<Field> shipFields(const ShipRow& row)
{
    return {{"Name", row.Name},
            {"ClassName", row.ClassName},
            {"Status", row.Status},
            {"Planet", row.Planet},
            {"Base", row.Base},
            {"DockStation", row.DockStation},
            {"Heading", row.Heading},
            {"DockPort", row.DockPort},
            {"Pad", row.Pad},
            {"RposX", row.RposX},
            {"RposY", row.RposY},
            {"RposZ", row.RposZ},
            {"RvelX", row.RvelX},
            {"RvelY", row.RvelY},
            {"RvelZ", row.RvelZ},
            {"ArotX", row.ArotX},
            {"ArotY", row.ArotY},
            {"ArotZ", row.ArotZ},
            {"Vrot", row.Vrot},
            {"ExtraLines", row.ExtraLines},
            {"Fuel", row.Fuel},
            {"MainEngine", row.MainEngine},
            {"HoverEngine", row.HoverEngine},
            {"Comments", commentsLiteral(row.Comments), true}};
}

// Where the rows of a non-empty table go in the document's text: an array holding this one
// string stands in for them. The line that holds it follows the table's key line, which only the
// top-level object writes at this indentation, so no value of the scenario can look like it.
const QString kRowsMarker = QStringLiteral("rows");

QByteArray markerLines(const char* key)
{
    return QByteArray("\n    \"") + key + "\": [\n        \"" + kRowsMarker.toLatin1() + "\"\n";
}

// The text of one row as Qt's indented writer puts it in an array of the top-level object:
// keys in its order (sorted), one per line.
QByteArray rowText(QVector<Field> fields)
{
    std::sort(fields.begin(), fields.end(),
              [](const Field& a, const Field& b) { return std::strcmp(a.key, b.key) < 0; });
    QByteArray text("        {\n");
    for (qsizetype i = 0; i < fields.size(); ++i) {
        text += "            \"";
        text += fields[i].key;
        text += "\": ";
        if (fields[i].literal)
            text += fields[i].value.toUtf8();
        else
            appendJsonString(text, fields[i].value);
        text += i + 1 < fields.size() ? ",\n" : "\n";
    }
    text += "        }\n";
    return text;
}

// The rows in use (entry i of the name list names row i), written one after the other so that
// only one row is ever held as text.
template <typename Table, typename Fields>
bool writeRows(QIODevice& out, const Table& table, const QStringList& names, Fields fieldsOf)
{
    const qsizetype rows = std::min(names.size(), table.rowCount());
    for (qsizetype i = 0; i < rows; ++i) {
        QByteArray text = rowText(fieldsOf(table[i]));
        if (i + 1 < rows)
            text.insert(text.size() - 1, ',');
        if (out.write(text) != text.size())
            return false;
    }
    return true;
}

template <typename Table> QJsonArray rowsStandIn(const Table& table, const QStringList& names)
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
    const QJsonObject frame{
        {QStringLiteral("description"), doc.description},
        {QStringLiteral("system"), doc.planetarySystem},
        {QStringLiteral("start"), start},
        {QStringLiteral("focus"), doc.shipFocus},
        {QStringLiteral("focusCandidates"), QJsonArray::fromStringList(doc.possibleShipFocus)},
        {QStringLiteral("stations"), rowsStandIn(doc.stations, doc.stationNames)},
        {QStringLiteral("ships"), rowsStandIn(doc.ships, doc.shipNames)},
        {QStringLiteral("scanLog"), doc.scanLog.text()},
        {QStringLiteral("startDateText"), doc.startDateText},
        {QStringLiteral("comments"), commentsJson(doc.comments)},
        {QStringLiteral("sections"), sectionsJson(doc.sections)}};
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
        const bool ok = table.ships ? writeRows(out, doc.ships, doc.shipNames, shipFields)
                                    : writeRows(out, doc.stations, doc.stationNames, stationFields);
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
