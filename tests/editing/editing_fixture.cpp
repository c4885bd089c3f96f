#include "editing_fixture.h"

#include "catalogue/planetary_system.h"
#include "catalogue/simulator_settings.h"

MessageAnswer ScriptedDialogs::ask(const UserMessage& message)
{
    shown.append(message);
    if (!answers.isEmpty())
        return answers.takeFirst();
    if (message.buttons == MessageButtons::ValidateDiscardCancel)
        return MessageAnswer::Discard;
    return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

std::string ScriptedDialogs::said(qsizetype i) const
{
    return i < shown.size() ? message(shown[i].title, shown[i].text, shown[i].buttons, shown[i].icon)
                            : "nothing";
}

std::string message(const QString& title, const QString& text, MessageButtons buttons, MessageIcon icon)
{
    return QStringLiteral("%1|%2|%3|%4").arg(title, text).arg(int(buttons)).arg(int(icon)).toStdString();
}

Workspace startedOn(const QString& simFolder)
{
    Workspace ws;
    ws.folders.VexDir = simFolder;
    const auto config = readSimulatorConfig(ws.folders.VexDir);
    ws.folders.ConfigDir = config ? config->ConfigDir : QString();
    ws.folders.ScenarioDir = config ? config->ScenarioDir : QString();
    formConfigurationFolders(ws.folders);
    ws.catalogue = buildCatalogue(ws.folders.CfgDir, ws.doc.scanLog);
    ws.planetarySystems = ws.catalogue.planetarySystems;
    return ws;
}

Workspace testWorkspace()
{
    Workspace ws = startedOn(QStringLiteral(CORVANE_TEST_DATA_DIR "/editing/sim/"));
    ws.bodies = ExtractPlanet(ws.folders.CfgDir + QStringLiteral("Tiny.cfg"), ws.doc.scanLog);
    return ws;
}

void appendStation(Workspace& ws, const StationRow& row)
{
    ws.doc.stations.StationTableRedimPreserve(ws.doc.stationNames.size() + 1);
    ws.doc.stations[ws.doc.stationNames.size()] = row;
    ws.doc.stationNames.append(row.Name);
}

void appendShip(Workspace& ws, const ShipRow& row)
{
    ws.doc.ships.ShipTableRedimPreserve(ws.doc.shipNames.size() + 1);
    ws.doc.ships[ws.doc.shipNames.size()] = row;
    ws.doc.shipNames.append(row.Name);
    ws.doc.possibleShipFocus.append(row.Name + u':' + row.ClassName);
}

// Cells in column order.
StationRow station(const QString& name)
{
    return {name, "Ring", "Terra",           "0.01", "0", "10", "20", false, "7000000", "0.01", "5", "10",
            "20", "30",   QDate(2000, 1, 1), "12",   "30", QString(), QString(), QString(), {}};
}

ShipRow orbiting(const QString& name)
{
    return {name, "Falcon", "Orbiting", "Terra", "",  "",  "",  "", "",  "7000000", "0", "0",
            "0",  "7500",   "0",        "0",     "0", "0", "0", "", "1", "0",       "0", {}};
}

ShipRow landed(const QString& name)
{
    return {name, "Falcon", "Landed", "Terra", "Port Alpha", "", "90", "", "2",   "", "", "",
            "",   "",       "",       "",      "",           "", "",   "", "0.5", "", "", {}};
}

ShipRow docked(const QString& name, const QString& station)
{
    return {name, "Hauler", "Docked", "Terra", "", station, "", "1", "",     "", "", "",
            "",   "",       "",       "",      "", "",      "", "",  "0.25", "", "", {}};
}
