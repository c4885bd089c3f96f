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

// The rows in use: entry i of the name list names row i.
template <typename Table, typename ToJson>
QJsonArray rowsJson(const Table& table, const QStringList& names, ToJson toJson)
{
    QJsonArray rows;
    for (qsizetype i = 0; i < std::min(names.size(), table.rowCount()); ++i)
        rows.append(toJson(table[i]));
    return rows;
}

QJsonObject scenarioJson(const Scenario& doc)
{
    const QJsonObject start{{QStringLiteral("date"), isoDate(doc.startDate)},
                            {QStringLiteral("hour"), doc.startHour},
                            {QStringLiteral("minute"), doc.startMinute}};
    return {{QStringLiteral("description"), doc.description},
            {QStringLiteral("system"), doc.planetarySystem},
            {QStringLiteral("start"), start},
            {QStringLiteral("focus"), doc.shipFocus},
            {QStringLiteral("focusCandidates"), QJsonArray::fromStringList(doc.possibleShipFocus)},
            {QStringLiteral("stations"), rowsJson(doc.stations, doc.stationNames, stationJson)},
            {QStringLiteral("ships"), rowsJson(doc.ships, doc.shipNames, shipJson)},
            {QStringLiteral("scanLog"), doc.scanLog.LogMessage}};
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
    // The lines are read once; the reader takes them over, and the JSON text goes out as bytes,
    // without a second copy of it in UTF-16.
    readScenarioLines(args[0], std::move(lines), doc, host);
    QByteArray json;
    {
        const QJsonDocument tree(scenarioJson(doc));
        doc = Scenario();
        json = tree.toJson(QJsonDocument::Indented);
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(json) != json.size() || !out.flush())
        return usageError(QStringLiteral("can not write the dump"));
    return 0;
}

const CommandRegistration registration(QStringLiteral("dump"), dump);

} // namespace
