#include "recorded_edit.h"

#include "catalogue/place_tree.h"
#include "pending_edits.h"
#include "ship_editing.h"
#include "station_editing.h"

#include <algorithm>

namespace {

void restoreSystem(Workspace& ws, const SystemState& system)
{
    ws.planetarySystemIndex = system.planetarySystemIndex;
    ws.appliedSystemIndex = system.appliedSystemIndex;
    ws.bodies = system.bodies;
    ws.baseTable = system.baseTable;
    const int firstBody = ws.bodies.isEmpty() ? -1 : 0;
    ws.stationForm.stationRefIndex = firstBody;
    ws.shipForm.orbitingRefIndex = firstBody;
    BaseTreeUpdate(ws.landingTree, ws.bodies, ws.baseTable);
}

int shownRow(const ListChange<QString>& names, const auto& rows, qsizetype count)
{
    const qsizetype at = names.isEmpty() ? rows.firstAt() : names.firstAt();
    return static_cast<int>(std::clamp<qsizetype>(at, 0, std::max<qsizetype>(count - 1, 0)));
}

// The trees, marks and shown rows after the document moved along the history. Only the forms of
// the tables the step changed are shown anew; the other form keeps what the user typed there.
void showMovedDocument(Workspace& ws, const EditStep& step)
{
    const ScenarioChange& change = step.change;
    Scenario& doc = ws.doc;
    if (step.systemChanged || change.touchesStations())
        StationTreeUpdate(ws.dockTree, ws.bodies, doc, ws.catalogue.stationClassTable);
    if (step.systemChanged || change.touchesStations() || change.touchesShips()) {
        StationDockTreeUpdate(ws.dockTree, doc);
        BasePadTreeUpdate(ws.landingTree, doc);
    }
    if (step.systemChanged || change.touchesStations()) {
        if (doc.stationNames.isEmpty()) {
            StationTabReset(ws);
            rememberShownStationForm(ws);
        } else {
            selectStation(ws, shownRow(change.stationNames, change.stations, doc.stationNames.size()));
        }
    }
    if (step.systemChanged || change.touchesShips()) {
        doc.possibleShipFocusIndex = doc.possibleShipFocus.isEmpty() ? -1 : 0;
        if (doc.shipNames.isEmpty()) {
            ShipTabReset(ws);
            ws.shipForm.name.clear();
            rememberShownShipForm(ws);
        } else {
            selectShip(ws, shownRow(change.shipNames, change.ships, doc.shipNames.size()));
        }
    }
}

} // namespace

SystemState systemState(const Workspace& ws)
{
    return {ws.planetarySystemIndex, ws.appliedSystemIndex, ws.bodies, ws.baseTable};
}

void EditRecording::finish(Workspace& ws, const QString& text, EditTarget target, const QString& mergeKey) const
{
    EditStep step;
    step.text = text;
    step.target = target;
    step.mergeKey = mergeKey;
    step.change = scenarioChange(before_, ws.doc);
    const SystemState after = systemState(ws);
    step.systemChanged = !(after == system_);
    if (step.systemChanged) {
        step.systemBefore = system_;
        step.systemAfter = after;
    }
    ws.history.record(std::move(step));
}

namespace {

std::optional<EditTarget> moveAlongHistory(Workspace& ws, bool forward)
{
    const EditStep* step = forward ? ws.history.redo() : ws.history.undo();
    if (!step)
        return std::nullopt;
    if (forward)
        applyChange(ws.doc, step->change);
    else
        revertChange(ws.doc, step->change);
    if (step->systemChanged)
        restoreSystem(ws, forward ? step->systemAfter : step->systemBefore);
    showMovedDocument(ws, *step);
    return step->target;
}

} // namespace

std::optional<EditTarget> undoEdit(Workspace& ws)
{
    return moveAlongHistory(ws, false);
}

std::optional<EditTarget> redoEdit(Workspace& ws)
{
    return moveAlongHistory(ws, true);
}
