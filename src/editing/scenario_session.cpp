#include "scenario_session.h"

#include "catalogue/bases.h"
#include "catalogue/planetary_system.h"
#include "document/file_paths.h"
#include "document/scenario_reader.h"
#include "document/scenario_writer.h"
#include "document/text_primitives.h"
#include "pending_edits.h"
#include "recorded_edit.h"
#include "ship_editing.h"
#include "station_editing.h"

namespace {

// The bodies of the system file at `position` into the body lists, which then have no selection.
void readBodies(Workspace& ws, int position)
{
    ws.bodies =
        ExtractPlanet(joinPath(ws.folders.CfgDir, ws.planetarySystems[position].file), ws.doc.scanLog);
    ws.stationForm.stationRefIndex = -1;
    ws.shipForm.orbitingRefIndex = -1;
}

// BaseUpDate: the base table of the current bodies and the landing tree built on it. The scan
// goes through the planet list, which is left on its last body.
void rebuildBases(Workspace& ws)
{
    ws.baseTable = BaseUpDate(ws.folders.CfgDir, ws.bodies, ws.doc.scanLog);
    BaseTreeUpdate(ws.landingTree, ws.bodies, ws.baseTable);
    ws.stationForm.stationRefIndex = static_cast<int>(ws.bodies.size()) - 1;
}

// Position of the system a scenario names: the last entry of that exact name, or a new entry
// for a system the catalogue lacks, whose file is the name followed by ".cfg".
int systemPosition(Workspace& ws, const QString& name)
{
    for (qsizetype i = ws.planetarySystems.size() - 1; i >= 0; --i) {
        if (ws.planetarySystems[i].name == name)
            return static_cast<int>(i);
    }
    ws.planetarySystems.append({name, name + QStringLiteral(".cfg")});
    return static_cast<int>(ws.planetarySystems.size()) - 1;
}

// The editor around the reader: body lists, bases, trees and both editors are refreshed at the
// points where the reader reaches them.
class EditorReaderHost : public ScenarioReaderHost
{
public:
    explicit EditorReaderHost(Workspace& ws) : ws_(ws) {}

    void planetarySystemNamed(Scenario&, const QString& name) override
    {
        const int position = systemPosition(ws_, name);
        if (!selectPlanetarySystem(ws_, position))
            readBodies(ws_, position);
    }

    void descriptionRead(Scenario&) override { rebuildBases(ws_); }

    void stationTabReset(Scenario&) override { StationTabReset(ws_); }

    void stationsRead(Scenario& doc) override
    {
        if (!doc.stationNames.isEmpty())
            selectStation(ws_, 0);
        StationTreeUpdate(ws_.dockTree, ws_.bodies, doc, ws_.catalogue.stationClassTable);
        BaseTreeUpdate(ws_.landingTree, ws_.bodies, ws_.baseTable);
    }

    void shipsRead(Scenario& doc) override
    {
        // Without ships the form would go on showing a ship of the scenario read before.
        if (doc.shipNames.isEmpty()) {
            ShipTabReset(ws_);
            ws_.shipForm.name.clear();
        } else {
            selectShip(ws_, 0);
        }
        ws_.shipForm.spacecraftIndex = ws_.catalogue.vesselClasses.isEmpty() ? -1 : 0;
        const int firstBody = ws_.bodies.isEmpty() ? -1 : 0;
        ws_.stationForm.stationRefIndex = firstBody;
        ws_.shipForm.orbitingRefIndex = firstBody;
        StationDockTreeUpdate(ws_.dockTree, doc);
        BasePadTreeUpdate(ws_.landingTree, doc);
    }

private:
    Workspace& ws_;
};

} // namespace

bool openScenario(Workspace& ws)
{
    return openScenarioFrom(ws, resolvePath(joinPath(ws.folders.ScnDir, ws.scnfile)));
}

bool openScenarioFrom(Workspace& ws, const QString& path)
{
    EditorReaderHost host(ws);
    TabSettings(path, ws.doc, host);
    rememberShownForms(ws);
    ws.history.clear();
    return ws.doc.scanLog.LogError;
}

bool selectPlanetarySystem(Workspace& ws, int position)
{
    if (position < 0 || position >= ws.planetarySystems.size())
        return false;
    ws.planetarySystemIndex = position;
    const bool apply = position != ws.appliedSystemIndex;
    if (apply) {
        readBodies(ws, position);
        PlanetarySystemUpdate(ws.doc);
        StationTabReset(ws);
        ShipTabReset(ws);
        ws.shipForm.name.clear();
        StationTreeUpdate(ws.dockTree, ws.bodies, ws.doc, ws.catalogue.stationClassTable);
        rebuildBases(ws);
    }
    // The scenario is written with the system the list shows.
    ws.doc.planetarySystem = ws.planetarySystems[position].name;
    ws.appliedSystemIndex = position;
    return apply;
}

bool choosePlanetarySystem(Workspace& ws, int position)
{
    const EditRecording recording(ws);
    const bool applied = selectPlanetarySystem(ws, position);
    if (applied)
        rememberShownForms(ws);
    recording.finish(ws, QStringLiteral("change planetary system"), EditTarget::Environment);
    return applied;
}

void changeFocusShip(Workspace& ws)
{
    const EditRecording recording(ws);
    const Scenario& doc = ws.doc;
    const int i = doc.possibleShipFocusIndex;
    const QString chosen =
        i >= 0 && i < doc.possibleShipFocus.size() ? trimBlanks(doc.possibleShipFocus[i]) : QString();
    const qsizetype colon = chosen.indexOf(u':');
    ws.doc.shipFocus = colon < 0 ? chosen : chosen.left(colon);
    recording.finish(ws, QStringLiteral("change user-controlled ship"), EditTarget::Environment);
}

void setDescription(Workspace& ws, const QString& description)
{
    const EditRecording recording(ws);
    ws.doc.description = description;
    recording.finish(ws, QStringLiteral("typing in the description"), EditTarget::Environment,
                     QStringLiteral("description"));
}

void setStartDate(Workspace& ws, const QDate& date)
{
    const EditRecording recording(ws);
    ws.doc.startDate = date;
    recording.finish(ws, QStringLiteral("change start date"), EditTarget::Environment);
}

void setStartTime(Workspace& ws, int hour, int minute)
{
    const EditRecording recording(ws);
    ws.doc.startHour = hour;
    ws.doc.startMinute = minute;
    recording.finish(ws, QStringLiteral("change start time"), EditTarget::Environment);
}

bool checkShipsBeforeSaving(const Workspace& ws, UserDialogs& dialogs)
{
    // Rows added but never validated have no name and are not written: they are no ships.
    if (hasWrittenShip(ws.doc))
        return true;
    dialogs.inform({QStringLiteral("Forbidden action"),
                    QStringLiteral("You must have at least one ship in the scenario !"), MessageButtons::Ok,
                    MessageIcon::Exclamation});
    return false;
}
