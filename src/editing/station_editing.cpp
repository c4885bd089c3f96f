#include "station_editing.h"

#include "catalogue/planetary_system.h"
#include "document/number_text.h"
#include "document/ship_status.h"
#include "document/text_primitives.h"
#include "form_numbers.h"
#include "pending_edits.h"
#include "recorded_edit.h"
#include "ship_editing.h"

#include <algorithm>
#include <cmath>

namespace {

const QString kClassValue = QStringLiteral("Class value");
const QString kStationClass = QStringLiteral("Station class");

// The hour or minute list entry whose number a table cell holds; -1 when the list has none.
int listEntryOf(const QString& cell, int entries)
{
    const double number = std::nearbyint(numericValue(cell));
    return number >= 0 && number < entries ? static_cast<int>(number) : -1;
}

QString listEntryText(int entry)
{
    return entry >= 0 ? QString::number(entry) : QString();
}

// The station trees of the ship page: stations and docks rebuilt, then the docked ships hung
// under their docks again.
void refreshDockTree(Workspace& ws)
{
    StationTreeUpdate(ws.dockTree, ws.bodies, ws.doc, ws.catalogue.stationClassTable);
    StationDockTreeUpdate(ws.dockTree, ws.doc);
}

// The station row as the form holds it.
void storeStationForm(const StationForm& form, StationRow& row)
{
    row.Name = form.name;
    row.ClassName = form.className;
    row.RefPlanet = form.refPlanet;
    row.RotationFrequency = form.rotationFrequency;
    row.AngleX = form.angleX;
    row.AngleY = form.angleY;
    row.AngleZ = form.angleZ;
    row.UseClassRotation = form.useClassRotation;
    row.SemiMajorAxis = form.semiMajorAxis;
    row.Excentricity = form.excentricity;
    row.Inclination = form.inclination;
    row.AscendingNodeLongitude = form.ascendingNodeLongitude;
    row.PeriapsisLongitude = form.periapsisLongitude;
    row.MeanLongitude = form.meanLongitude;
    row.EpochDate = form.epochDate;
    row.EpochHour = listEntryText(form.epochHour);
    row.EpochMinute = listEntryText(form.epochMinute);
}

// A station's name and reference planet before and after its validation.
struct StationMove
{
    QString oldName;
    QString newName;
    QString oldPlanet;
    QString newPlanet;
};

// Ships docked at a station follow its planet change (by status) and its new name (by the dock
// station they name, whatever their status, since that name alone blocks the station's deletion).
void carryStationToShips(Scenario& doc, const StationMove& move)
{
    // A station never validated has no name: the ships without a dock station are not its own.
    if (move.oldName.isEmpty())
        return;
    const qsizetype ships = std::min(doc.shipNames.size(), doc.ships.rowCount());
    for (qsizetype k = 0; k < ships; ++k) {
        ShipRow& ship = doc.ships[k];
        if (ship.DockStation != move.oldName)
            continue;
        if (move.newPlanet != move.oldPlanet && shipStatusOf(ship.Status) == ShipStatus::Docked)
            ship.Planet = move.newPlanet;
        ship.DockStation = move.newName;
    }
}

// The docked frame of a ship form that names the station follows it as the ship rows do.
void carryStationToShipForm(ShipForm& form, const StationMove& move)
{
    if (move.oldName.isEmpty() || form.dockedStation != move.oldName)
        return;
    form.dockedStation = move.newName;
    if (move.newPlanet != move.oldPlanet)
        form.dockedPlanet = move.newPlanet;
}

// The shown ship after a station was stored. Without pending edits it is shown anew from its row,
// so that a planet change of its station becomes visible. With pending edits a new display would
// throw away what the user typed: the form is kept, and only its docked frame follows the
// station, in the form as typed and as shown alike. So the same edits stay pending, and
// validating the ship later does not store the station's old name into its row.
void showShipAfterStationMove(Workspace& ws, const StationMove& move)
{
    if (shipFormPending(ws)) {
        carryStationToShipForm(ws.shipForm, move);
        carryStationToShipForm(ws.shipShown, move);
        return;
    }
    ShipParameterDisplay(ws);
    rememberShownShipForm(ws);
}

} // namespace

void StationTabReset(Workspace& ws)
{
    ws.doc.stationNames.clear();
    StationForm& form = ws.stationForm;
    form.name.clear();
    form.refPlanet.clear();
    form.className.clear();
    form.rotationFrequency.clear();
    form.angleX.clear();
    form.angleY.clear();
    form.angleZ.clear();
    form.semiMajorAxis.clear();
    form.excentricity.clear();
    form.inclination.clear();
    form.ascendingNodeLongitude.clear();
    form.periapsisLongitude.clear();
    form.meanLongitude.clear();
    form.epochDate = QDate();
    form.epochHour = 0;
    form.epochMinute = 0;
}

void StationParameterDisplay(Workspace& ws)
{
    const int i = ws.doc.stationIndex;
    if (i < 0 || i >= ws.doc.stationNames.size() || i >= ws.doc.stations.rowCount())
        return;
    const StationRow& row = ws.doc.stations[i];
    StationForm& form = ws.stationForm;
    form.name = ws.doc.stationNames[i];
    form.refPlanet = row.RefPlanet;
    form.className = row.ClassName;

    // The check box's click handler writes "Station class" or "0"; the display then writes its
    // own text over it, so only this end state is ever seen.
    form.useClassRotation = row.UseClassRotation;
    form.rotationFrequencyEnabled = !row.UseClassRotation;
    form.rotationFrequency = row.UseClassRotation ? kClassValue : shownCellText(row.RotationFrequency);

    form.semiMajorAxis = shownCellText(row.SemiMajorAxis);
    form.excentricity = shownCellText(row.Excentricity);
    form.inclination = shownCellText(row.Inclination);
    form.ascendingNodeLongitude = shownCellText(row.AscendingNodeLongitude);
    form.periapsisLongitude = shownCellText(row.PeriapsisLongitude);
    form.meanLongitude = shownCellText(row.MeanLongitude);
    form.epochDate = row.EpochDate;
    form.epochHour = listEntryOf(row.EpochHour, 24);
    form.epochMinute = listEntryOf(row.EpochMinute, 60);

    form.angleX = shownCellText(row.AngleX);
    form.angleY = shownCellText(row.AngleY);
    form.angleZ = shownCellText(row.AngleZ);
}

void selectStation(Workspace& ws, int index)
{
    ws.doc.stationIndex = index;
    StationParameterDisplay(ws);
    ws.stationShown = ws.stationForm;
}

void stationClassRotationClicked(Workspace& ws, bool ticked)
{
    StationForm& form = ws.stationForm;
    form.useClassRotation = ticked;
    form.rotationFrequencyEnabled = !ticked;
    form.rotationFrequency = ticked ? kStationClass : QStringLiteral("0");
}

void changeStationPlanet(Workspace& ws)
{
    const int i = ws.stationForm.stationRefIndex;
    if (i >= 0 && i < ws.bodies.size())
        ws.stationForm.refPlanet = ws.bodies[i];
}

void changeStationClass(Workspace& ws)
{
    const int i = ws.stationForm.stationClassIndex;
    if (i >= 0 && i < ws.catalogue.stationClasses.size())
        ws.stationForm.className = ws.catalogue.stationClasses[i];
}

QVector<FieldFailure<StationForm>> stationFieldFailures(const StationForm& form, const QString& cfgDir,
                                                        ScanLog& log, BodyFigures* kept)
{
    QVector<FieldFailure<StationForm>> failures;
    const auto fail = [&failures](const QString& message, QVector<QString StationForm::*> fields) {
        failures.append({message, std::move(fields)});
    };

    const QString planet = trimBlanks(form.refPlanet);
    const double limit =
        keptBodyRadius(kept, cfgDir, planet, log) + keptAtmosphereLimit(kept, cfgDir, planet, log);
    const bool axisIsNumber = IsANumber(form.semiMajorAxis);
    const double a = numericValue(form.semiMajorAxis);
    const double e = numericValue(form.excentricity);

    if (!form.useClassRotation && !IsANumber(form.rotationFrequency))
        fail(QStringLiteral("The station rotation frequency is not correct."),
             {&StationForm::rotationFrequency});
    if (!isCorrectAngle(form.angleX))
        fail(QStringLiteral("The station frame rotation angle around X axis is not correct."),
             {&StationForm::angleX});
    if (!isCorrectAngle(form.angleY))
        fail(QStringLiteral("The station frame rotation angle around Y axis is not correct."),
             {&StationForm::angleY});
    if (!isCorrectAngle(form.angleZ))
        fail(QStringLiteral("The station frame rotation angle around Z axis is not correct."),
             {&StationForm::angleZ});
    if (axisIsNumber && a * (1.0 - e) < limit)
        fail(QStringLiteral("The station orbit crosses the planet atmosphere or the planet surface; "
                            "check the excentricity or the semi-major axis."),
             {&StationForm::semiMajorAxis, &StationForm::excentricity});
    if (!axisIsNumber)
        fail(QStringLiteral("The station orbit semi-major axis is not correct."),
             {&StationForm::semiMajorAxis});
    if (axisIsNumber && a < limit)
        fail(QStringLiteral("The station orbit semi-major axis is equal to ") + numberText(a) +
                 QStringLiteral(" m although the mean radius and atmosphere of ") + form.refPlanet +
                 QStringLiteral(" is equal to ") + numberText(limit) + QStringLiteral(" m"),
             {&StationForm::semiMajorAxis});
    if (!IsANumber(form.excentricity) || e >= 1.0 || e < 0.0)
        fail(QStringLiteral("The station excentricity is not correct."), {&StationForm::excentricity});
    if (!IsANumber(form.inclination))
        fail(QStringLiteral("The station orbit inclination is not correct."), {&StationForm::inclination});
    if (!IsANumber(form.ascendingNodeLongitude))
        fail(QStringLiteral("The station orbit ascending node longitude is not correct."),
             {&StationForm::ascendingNodeLongitude});
    if (!IsANumber(form.periapsisLongitude))
        fail(QStringLiteral("The station orbit periapsis longitude is not correct."),
             {&StationForm::periapsisLongitude});
    if (!IsANumber(form.meanLongitude))
        fail(QStringLiteral("The station orbit mean longitude is not correct."),
             {&StationForm::meanLongitude});
    return failures;
}

QStringList stationValidationFailures(Workspace& ws)
{
    return failureMessages(stationFieldFailures(ws.stationForm, ws.folders.CfgDir, ws.doc.scanLog, &ws.bodyFigures));
}

bool validateStation(Workspace& ws, UserDialogs& dialogs)
{
    const QStringList failures = stationValidationFailures(ws);
    if (!failures.isEmpty()) {
        dialogs.inform({kStationValidationTitle, failures.join(u'\r') + u'\r'});
        return false;
    }

    const EditRecording recording(ws);
    Scenario& doc = ws.doc;
    const StationForm& form = ws.stationForm;
    const QString name = form.name;
    // With an empty list the typed name becomes entry 0, so it must name row 0.
    const int r = doc.stationNames.isEmpty() ? 0 : doc.stationIndex;
    if (r >= doc.stations.rowCount())
        doc.stations.StationTableRedimPreserve(r);
    StationRow& row = doc.stations[r];
    const StationMove move{row.Name, form.name, row.RefPlanet, form.refPlanet};

    carryStationToShips(doc, move);
    storeStationForm(form, row);

    const qsizetype n = doc.stationNames.size();
    if (n > 0) {
        doc.stationNames.clear();
        for (qsizetype k = 0; k < n && k < doc.stations.rowCount(); ++k)
            doc.stationNames.append(doc.stations[k].Name);
    } else {
        doc.stationNames = QStringList{form.name};
    }
    selectStation(ws, r);

    refreshDockTree(ws);
    showShipAfterStationMove(ws, move);
    recording.finish(ws, QStringLiteral("validate station ") + name, EditTarget::Station);
    return true;
}

void addStation(Workspace& ws)
{
    const EditRecording recording(ws);
    Scenario& doc = ws.doc;
    const qsizetype n = doc.stationNames.size();
    doc.stations.StationTableRedimPreserve(n + 1);
    // A row kept from before (the spare row behind the last station, or the copy a deletion left)
    // must not show up as the new station.
    doc.stations[n] = StationRow();
    doc.stationNames.append(QStringLiteral("New Station"));
    selectStation(ws, static_cast<int>(n));
    stationClassRotationClicked(ws, true);
    rememberShownStationForm(ws);
    recording.finish(ws, QStringLiteral("add station"), EditTarget::Station);
}

bool canDeleteStation(const Workspace& ws, UserDialogs& dialogs)
{
    const Scenario& doc = ws.doc;
    // The name typed in the box, and the name the station is stored under: typing another name
    // before deleting must not leave ships docked at a station that no longer exists.
    const QString& shown = ws.stationForm.name;
    const bool inUse = ws.doc.stationIndex >= 0 && ws.doc.stationIndex < doc.stationNames.size() &&
                       doc.stationIndex < doc.stations.rowCount();
    const QString stored = inUse ? doc.stations[doc.stationIndex].Name : QString();
    const qsizetype ships = std::min(doc.shipNames.size(), doc.ships.rowCount());
    for (qsizetype k = 0; k < ships; ++k) {
        const QString& dockStation = doc.ships[k].DockStation;
        if (!dockStation.isEmpty() && (dockStation == shown || dockStation == stored)) {
            dialogs.inform({QStringLiteral("Forbidden action"),
                            QStringLiteral("You may not withdraw a station with a docked ship !"),
                            MessageButtons::Ok, MessageIcon::Exclamation});
            return false;
        }
    }
    return true;
}

void deleteStation(Workspace& ws)
{
    const EditRecording recording(ws);
    Scenario& doc = ws.doc;
    const qsizetype n = doc.stationNames.size();
    const QString name = doc.stationIndex >= 0 && doc.stationIndex < n ? doc.stationNames[doc.stationIndex] : QString();
    const auto finish = [&] {
        refreshDockTree(ws);
        rememberShownStationForm(ws);
        recording.finish(ws, QStringLiteral("delete station ") + name, EditTarget::Station);
    };
    if (n <= 1) {
        StationTabReset(ws);
        finish();
        return;
    }
    const qsizetype r = std::clamp<qsizetype>(doc.stationIndex, 0, n - 1);
    for (qsizetype j = r; j <= n - 2 && j + 1 < doc.stations.rowCount(); ++j)
        doc.stations[j] = doc.stations[j + 1];
    doc.stations.StationTableRedimPreserve(n - 1);
    doc.stationNames.removeAt(r);
    selectStation(ws, static_cast<int>(r > 0 ? r - 1 : r));
    finish();
}
