// corvane-scn orbits --sim SIMFOLDER FILE.scn: the orbit of every station and orbiting ship as
// the editors derive it beside their values, as JSON in metres and seconds.
#include "catalogue/simulator_settings.h"
#include "commands.h"
#include "document/file_paths.h"
#include "document/scenario_reader.h"
#include "document/text_primitives.h"
#include "editing/form_elements.h"
#include "editing/form_orbits.h"
#include "editing/ship_editing.h"
#include "editing/station_editing.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <numbers>

namespace {

QJsonValue number(const std::optional<double>& value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

// What every row holds: its name and body, and a problem text when there is no orbit.
QJsonObject rowJson(const QString& name, const QString& body, const FormOrbit& shown)
{
    QJsonObject row{{QStringLiteral("name"), name}, {QStringLiteral("body"), trimBlanks(body)}};
    const std::optional<Orbit>& orbit = shown.orbit;
    row[QStringLiteral("periapsisAltitude")] =
        number(orbit ? std::optional(orbit->periapsisAltitude) : std::nullopt);
    row[QStringLiteral("apoapsisAltitude")] = number(orbit ? orbit->apoapsisAltitude : std::nullopt);
    row[QStringLiteral("period")] = number(orbit ? orbit->period : std::nullopt);
    if (!shown.problem.isEmpty())
        row[QStringLiteral("problem")] = shown.problem;
    return row;
}

QJsonArray vectorJson(const Vector3& v)
{
    return {v[0], v[1], v[2]};
}

QJsonObject elementsJson(const OrbitalElements& el)
{
    constexpr double degrees = 180.0 / std::numbers::pi;
    return {{QStringLiteral("semiMajorAxis"), el.semiMajorAxis},
            {QStringLiteral("eccentricity"), el.eccentricity},
            {QStringLiteral("inclination"), el.inclination * degrees},
            {QStringLiteral("ascendingNodeLongitude"), el.ascendingNodeLongitude * degrees},
            {QStringLiteral("periapsisLongitude"), el.periapsisLongitude * degrees},
            {QStringLiteral("meanLongitude"), el.meanLongitude * degrees}};
}

QJsonValue flag(bool known, bool value)
{
    return known ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

// Every station and orbiting ship shown as the editors show it, then its orbit derived, with
// where each station is and each ship's elements at the start date.
QJsonObject orbitsJson(Workspace& ws)
{
    const double start = startMjd(ws.doc);
    QJsonArray stations;
    for (int i = 0; i < ws.doc.stationNames.size(); ++i) {
        selectStation(ws, i);
        const FormOrbit shown = stationFormOrbit(ws.stationForm, ws.folders.CfgDir);
        QJsonObject row = rowJson(ws.doc.stationNames[i], ws.stationForm.refPlanet, shown);
        row[QStringLiteral("crossesAtmosphere")] =
            flag(shown.orbit.has_value(), shown.orbit && shown.orbit->crossesAtmosphere);
        const FormState atStart = stationFormStateAt(ws.stationForm, ws.folders.CfgDir, start);
        if (atStart.state)
            row[QStringLiteral("stateAtStart")] =
                QJsonObject{{QStringLiteral("position"), vectorJson(atStart.state->position)},
                            {QStringLiteral("velocity"), vectorJson(atStart.state->velocity)}};
        stations.append(row);
    }
    QJsonArray ships;
    for (int i = 0; i < ws.doc.shipNames.size(); ++i) {
        selectShip(ws, i);
        if (ws.shipForm.status != ShipStatusOption::Orbiting)
            continue;
        const FormOrbit shown = shipFormOrbit(ws.shipForm, ws.folders.CfgDir);
        QJsonObject row = rowJson(ws.doc.shipNames[i], ws.shipForm.orbitingPlanet, shown);
        row[QStringLiteral("escapes")] = flag(shown.orbit.has_value(), shown.orbit && shown.orbit->escapes);
        // The centre of the body has no orbit but is plainly inside it.
        row[QStringLiteral("insideBody")] =
            flag(shown.body && (shown.orbit || shown.insideBody), shown.insideBody);
        const FormElements elements = shipFormElements(ws.shipForm, ws.folders.CfgDir);
        if (elements.elements)
            row[QStringLiteral("elements")] = elementsJson(*elements.elements);
        ships.append(row);
    }
    return {{QStringLiteral("stations"), stations}, {QStringLiteral("ships"), ships}};
}

int orbits(const QStringList& args)
{
    const QString usage = QStringLiteral("usage: corvane-scn orbits --sim SIMFOLDER FILE.scn");
    if (args.size() != 3 || args[0] != u"--sim")
        return usageError(usage);

    Workspace ws;
    ws.folders.VexDir = withTrailingSeparator(args[1]);
    const auto config = readSimulatorConfig(ws.folders.VexDir);
    if (!config)
        return usageError(QStringLiteral("orbits: cannot read ") + kSimulatorConfigName +
                          QStringLiteral(" in ") + args[1]);
    ws.folders.ConfigDir = config->ConfigDir;
    ws.folders.ScenarioDir = config->ScenarioDir;
    formConfigurationFolders(ws.folders);

    const QFileInfo file(resolvePath(args[2]));
    if (!file.isFile() || !file.isReadable())
        return usageError(QStringLiteral("orbits: cannot read ") + args[2]);
    ScenarioReaderHost host;
    TabSettings(file.filePath(), ws.doc, host);
    // What the reader found goes to stderr one finding a line, as check prints it: the orbits of
    // a file read only in part are those of the stations and ships it read.
    QTextStream errors(stderr);
    for (const ReadFinding& finding : ws.doc.readReport.findings)
        printFinding(errors, args[2], finding.line, finding.text);

    QTextStream(stdout) << QJsonDocument(orbitsJson(ws)).toJson(QJsonDocument::Indented);
    return 0;
}

const CommandRegistration registration(QStringLiteral("orbits"), orbits);

} // namespace
