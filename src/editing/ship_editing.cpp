#include "ship_editing.h"

#include "catalogue/planetary_system.h"
#include "document/number_text.h"
#include "document/ship_status.h"
#include "document/text_primitives.h"
#include "form_numbers.h"
#include "pending_edits.h"
#include "recorded_edit.h"
#include "ship_name_rule.h"

#include <algorithm>
#include <cmath>

namespace {

const QString kLanded = QStringLiteral("Landed");
const QString kDocked = QStringLiteral("Docked");
const QString kOrbiting = QStringLiteral("Orbiting");

// The ship name of a focus candidate: "Aurora:Falcon" gives "Aurora"; a candidate without a
// class (a block line without ":") is the name itself.
QString candidateName(const QString& candidate)
{
    const qsizetype colon = candidate.indexOf(u':');
    return colon < 0 ? candidate : candidate.left(colon);
}

// Whether `candidate` reads "NAME:CLASS" of `ship`, without making that text.
bool isCandidateOf(const QString& candidate, const ShipRow& ship)
{
    const qsizetype colon = ship.Name.size();
    return candidate.size() == colon + 1 + ship.ClassName.size() && candidate.startsWith(ship.Name) &&
           candidate[colon] == u':' && QStringView(candidate).sliced(colon + 1) == ship.ClassName;
}

void markOccupiedPlaces(Workspace& ws)
{
    StationDockTreeUpdate(ws.dockTree, ws.doc);
    BasePadTreeUpdate(ws.landingTree, ws.doc);
}

// The fuel as stored and both engines at rest: each slider set, and its label rewritten as the
// slider's change handler does.
void showLevels(Workspace& ws, const ShipRow& row)
{
    shipSliderChanged(ws, ShipSlider::Fuel, sliderPosition(numericValue(row.Fuel), 0, 100));
    shipSliderChanged(ws, ShipSlider::MainEngine, 0);
    shipSliderChanged(ws, ShipSlider::HoverEngine, 0);
}

void showOrbitingValues(Workspace& ws, const ShipRow& row)
{
    ShipForm& form = ws.shipForm;
    form.orbitingPlanet = row.Planet;
    form.angularVelocity = shownNumber(row.Vrot);
    form.rposX = shownNumber(row.RposX);
    form.rposY = shownNumber(row.RposY);
    form.rposZ = shownNumber(row.RposZ);
    form.arotX = shownNumber(row.ArotX);
    form.arotY = shownNumber(row.ArotY);
    form.arotZ = shownNumber(row.ArotZ);
    form.rvelX = shownNumber(row.RvelX);
    form.rvelY = shownNumber(row.RvelY);
    form.rvelZ = shownNumber(row.RvelZ);
    shipSliderChanged(ws, ShipSlider::MainEngine, sliderPosition(numericValue(row.MainEngine), -100, 100));
    shipSliderChanged(ws, ShipSlider::HoverEngine, sliderPosition(numericValue(row.HoverEngine), 0, 100));
}

void storeShipForm(const ShipForm& form, ShipRow& row)
{
    row.Name = form.name;
    row.ClassName = form.shipClass;
    switch (form.status) {
    case ShipStatusOption::Landed:
        row.Status = kLanded;
        row.Planet = form.landedPlanet;
        break;
    case ShipStatusOption::Docked:
        row.Status = kDocked;
        row.Planet = form.dockedPlanet;
        break;
    case ShipStatusOption::Orbiting:
        row.Status = kOrbiting;
        row.Planet = form.orbitingPlanet;
        break;
    case ShipStatusOption::None:
        break;
    }
    // The frames of the other statuses store what they last showed.
    row.Base = form.landedBase;
    row.DockStation = form.dockedStation;
    row.Heading = form.landedHeading;
    row.DockPort = form.dockedPort;
    row.Pad = form.landedPad;
    row.RposX = form.rposX;
    row.RposY = form.rposY;
    row.RposZ = form.rposZ;
    row.RvelX = form.rvelX;
    row.RvelY = form.rvelY;
    row.RvelZ = form.rvelZ;
    row.ArotX = form.arotX;
    row.ArotY = form.arotY;
    row.ArotZ = form.arotZ;
    row.Vrot = form.angularVelocity;
    // A level whose slider still shows the cell's position keeps the cell as it is ('0.123'
    // shows as 12 %; storing the slider would write 0.12 though nobody moved it).
    const auto storeLevel = [](QString& cell, const QString& label) {
        const QString shown = levelFromLabel(label);
        if (!isNumberText(cell) ||
            sliderPosition(numericValue(cell), -100, 100) != sliderPosition(numericValue(shown), -100, 100))
            cell = shown;
    };
    storeLevel(row.Fuel, form.fuelLabel);
    storeLevel(row.MainEngine, form.mainLabel);
    storeLevel(row.HoverEngine, form.hoverLabel);
}

using ShipFailures = QVector<FieldFailure<ShipForm>>;

ShipFailures orbitingFailures(const ShipForm& form, const QString& cfgDir, ScanLog& log, BodyFigures* kept)
{
    ShipFailures failures;
    const auto number = [&failures, &form](QString ShipForm::*field, const char* message) {
        if (!IsANumber(form.*field))
            failures.append({QString::fromLatin1(message), {field}});
    };
    const auto angle = [&failures, &form](QString ShipForm::*field, const char* message) {
        if (!isCorrectAngle(form.*field))
            failures.append({QString::fromLatin1(message), {field}});
    };
    number(&ShipForm::angularVelocity, "The angular velocity value is not correct.");
    number(&ShipForm::rposX, "The position relative to the reference on axis X is not correct.");
    number(&ShipForm::rposY, "The position relative to the reference on axis Y is not correct.");
    number(&ShipForm::rposZ, "The position relative to the reference on axis Z is not correct.");
    number(&ShipForm::rvelX, "The velocity relative to reference on axis X is not correct.");
    number(&ShipForm::rvelY, "The velocity relative to reference on axis Y is not correct.");
    number(&ShipForm::rvelZ, "The velocity relative to reference on axis Z is not correct.");
    angle(&ShipForm::arotX, "The object frame rotation angle orientation on axis X is not correct.");
    angle(&ShipForm::arotY, "The object frame rotation angle orientation on axis Y is not correct.");
    angle(&ShipForm::arotZ, "The object frame rotation angle orientation on axis Z is not correct.");

    // The radius alone, without the atmosphere: a ship exactly on the surface is inside.
    const double size = keptBodyRadius(kept, cfgDir, trimBlanks(form.orbitingPlanet), log);
    const double distance =
        std::hypot(numericValue(form.rposX), numericValue(form.rposY), numericValue(form.rposZ));
    if (distance <= size)
        failures.append({QStringLiteral("The ship is located inside the planet; adjust the position "
                                        "parameters relative to reference."),
                         {&ShipForm::rposX, &ShipForm::rposY, &ShipForm::rposZ}});
    return failures;
}

ShipFailures landedFailures(const ShipForm& form)
{
    ShipFailures failures;
    if (form.landedBase.isEmpty())
        failures.append({QStringLiteral("You must assign the ship to a base pad."), {}});
    if (form.shipClass.isEmpty())
        failures.append({QStringLiteral("You must assign a class to the ship."), {}});
    if (form.landedHeading.isEmpty() || !IsANumber(form.landedHeading))
        failures.append(
            {QStringLiteral("You must must enter a correct heading."), {&ShipForm::landedHeading}});
    return failures;
}

ShipFailures dockedFailures(const ShipForm& form)
{
    ShipFailures failures;
    if (form.dockedStation.isEmpty())
        failures.append({QStringLiteral("You must assign the ship to a station dock."), {}});
    if (form.shipClass.isEmpty())
        failures.append({QStringLiteral("You must assign a class to the ship."), {}});
    return failures;
}

} // namespace

void ShipTabReset(Workspace& ws)
{
    ShipForm& form = ws.shipForm;
    form.shipClass.clear();
    form.status = ShipStatusOption::None;
    form.fuelLabel.clear();
    form.mainLabel.clear();
    form.hoverLabel.clear();
    form.landedPlanet.clear();
    form.landedBase.clear();
    form.landedPad.clear();
    form.landedHeading.clear();
    form.dockedPlanet.clear();
    form.dockedStation.clear();
    form.dockedPort.clear();
    form.orbitingPlanet.clear();
    form.angularVelocity.clear();
    for (QString* box : {&form.rposX, &form.rposY, &form.rposZ, &form.rvelX, &form.rvelY, &form.rvelZ,
                         &form.arotX, &form.arotY, &form.arotZ})
        box->clear();
}

void ShipParameterDisplay(Workspace& ws)
{
    const int i = ws.doc.shipIndex;
    if (i < 0 || i >= ws.doc.shipNames.size() || i >= ws.doc.ships.rowCount())
        return;
    const ShipRow& row = ws.doc.ships[i];
    ShipForm& form = ws.shipForm;
    form.name = ws.doc.shipNames[i];
    form.shipClass = row.ClassName;
    showLevels(ws, row);

    // A landed or docked ship keeps the fuel it was stored with: showing it changes no cell.
    switch (shipStatusOf(row.Status)) {
    case ShipStatus::Docked:
        shipStatusClicked(ws, ShipStatusOption::Docked);
        form.dockedStation = row.DockStation;
        form.dockedPort = row.DockPort;
        form.dockedPlanet = row.Planet;
        break;
    case ShipStatus::Landed:
        shipStatusClicked(ws, ShipStatusOption::Landed);
        form.landedPlanet = row.Planet;
        form.landedBase = row.Base;
        form.landedPad = row.Pad;
        form.landedHeading = shownCellText(row.Heading);
        break;
    case ShipStatus::Orbiting:
        shipStatusClicked(ws, ShipStatusOption::Orbiting);
        showOrbitingValues(ws, row);
        break;
    case ShipStatus::Unknown:
        form.status = ShipStatusOption::None;
        break;
    }
}

void selectShip(Workspace& ws, int index)
{
    ws.doc.shipIndex = index;
    ShipTabReset(ws);
    ShipParameterDisplay(ws);
    ws.shipShown = ws.shipForm;
}

void shipStatusClicked(Workspace& ws, ShipStatusOption option)
{
    ShipForm& form = ws.shipForm;
    form.status = option;
    if (option == ShipStatusOption::Orbiting) {
        form.engineLabelsEnabled = true;
    } else if (option != ShipStatusOption::None) {
        form.engineLabelsEnabled = false;
        form.mainLabel = QStringLiteral("0");
        form.hoverLabel = QStringLiteral("0");
    }
}

void shipSliderChanged(Workspace& ws, ShipSlider slider, int position)
{
    ShipForm& form = ws.shipForm;
    switch (slider) {
    case ShipSlider::Fuel:
        form.fuelSlider = position;
        form.fuelLabel = sliderLabel(position);
        break;
    case ShipSlider::MainEngine:
        form.mainSlider = position;
        form.mainLabel = sliderLabel(position);
        break;
    case ShipSlider::HoverEngine:
        form.hoverSlider = position;
        form.hoverLabel = sliderLabel(position);
        break;
    }
}

QString sliderLabel(int position)
{
    return QString::number(position) + QStringLiteral(" %");
}

void changeShipClass(Workspace& ws)
{
    const int i = ws.shipForm.spacecraftIndex;
    if (i >= 0 && i < ws.catalogue.vesselClasses.size())
        ws.shipForm.shipClass = ws.catalogue.vesselClasses[i].name;
}

void changeShipPlanet(Workspace& ws)
{
    const int i = ws.shipForm.orbitingRefIndex;
    if (i >= 0 && i < ws.bodies.size())
        ws.shipForm.orbitingPlanet = ws.bodies[i];
}

void dockChosen(Workspace& ws, const PlaceLabels& labels)
{
    ws.shipForm.dockedPort = labels.number;
    ws.shipForm.dockedStation = labels.place;
    ws.shipForm.dockedPlanet = labels.planet;
}

void padChosen(Workspace& ws, const PlaceLabels& labels)
{
    ws.shipForm.landedPad = labels.number;
    ws.shipForm.landedBase = labels.place;
    ws.shipForm.landedPlanet = labels.planet;
}

QVector<FieldFailure<ShipForm>> shipFieldFailures(const ShipForm& form, const QString& cfgDir, ScanLog& log,
                                                  BodyFigures* kept)
{
    ShipFailures failures;
    if (const QString nameFailure = shipNameFailure(form.name); !nameFailure.isEmpty())
        failures.append({nameFailure, {&ShipForm::name}});
    switch (form.status) {
    case ShipStatusOption::Orbiting:
        return failures + orbitingFailures(form, cfgDir, log, kept);
    case ShipStatusOption::Landed:
        return failures + landedFailures(form);
    case ShipStatusOption::Docked:
        return failures + dockedFailures(form);
    case ShipStatusOption::None:
        break;
    }
    return failures;
}

QStringList shipValidationFailures(Workspace& ws)
{
    return failureMessages(shipFieldFailures(ws.shipForm, ws.folders.CfgDir, ws.doc.scanLog, &ws.bodyFigures));
}

bool validateShip(Workspace& ws, UserDialogs& dialogs)
{
    const QStringList failures = shipValidationFailures(ws);
    if (!failures.isEmpty()) {
        dialogs.inform({kShipValidationTitle, failures.join(u'\r') + u'\r'});
        return false;
    }

    const EditRecording recording(ws);
    const QString name = ws.shipForm.name;
    Scenario& doc = ws.doc;
    // With an empty list the typed name becomes entry 0 and row 0 its focus candidate, so the
    // form must be stored in row 0.
    const int r = doc.shipNames.isEmpty() ? 0 : doc.shipIndex;
    if (r >= doc.ships.rowCount())
        doc.ships.ShipTableRedimPreserve(r);
    storeShipForm(ws.shipForm, doc.ships[r]);

    rebuildShipList(ws);
    selectShip(ws, r);
    checkFocusShip(ws, dialogs);
    markOccupiedPlaces(ws);
    recording.finish(ws, QStringLiteral("validate ship ") + name, EditTarget::Ship);
    return true;
}

void rebuildShipList(Workspace& ws)
{
    Scenario& doc = ws.doc;
    const qsizetype n = doc.shipNames.size();
    const QString typed = ws.shipForm.name;
    doc.possibleShipFocusIndex = -1;
    const auto candidate = [&doc](qsizetype k) { return doc.ships[k].Name + u':' + doc.ships[k].ClassName; };
    if (n > 0) {
        // After an edit of one ship nearly every focus candidate stays as it was: one is made
        // anew only when it differs, so a click makes no text for each of thousands of ships.
        const QStringList candidates = doc.possibleShipFocus;
        doc.shipNames.clear();
        doc.possibleShipFocus.clear();
        doc.possibleShipFocus.reserve(n);
        doc.shipNames.reserve(n);
        for (qsizetype k = 0; k < n && k < doc.ships.rowCount(); ++k) {
            const ShipRow& ship = doc.ships[k];
            const bool kept = k < candidates.size() && isCandidateOf(candidates[k], ship);
            doc.possibleShipFocus.append(kept ? candidates[k] : candidate(k));
            doc.shipNames.append(ship.Name);
        }
    } else {
        doc.shipNames.clear();
        doc.possibleShipFocus.clear();
        doc.shipNames.append(typed);
        if (doc.ships.rowCount() > 0)
            doc.possibleShipFocus.append(candidate(0));
    }
}

bool moveFocusToListedShip(Workspace& ws)
{
    Scenario& doc = ws.doc;
    if (doc.possibleShipFocus.isEmpty())
        return false;
    const bool matched = std::any_of(doc.possibleShipFocus.cbegin(), doc.possibleShipFocus.cend(),
                                     [&doc](const QString& c) { return candidateName(c) == doc.shipFocus; });
    doc.possibleShipFocusIndex = 0;
    if (matched)
        return false;
    doc.shipFocus = candidateName(doc.possibleShipFocus.first());
    return true;
}

void checkFocusShip(Workspace& ws, UserDialogs& dialogs)
{
    if (moveFocusToListedShip(ws))
        dialogs.inform(kFocusMovedWarning);
}

void addShip(Workspace& ws)
{
    const EditRecording recording(ws);
    Scenario& doc = ws.doc;
    const qsizetype n = doc.shipNames.size();
    doc.ships.ShipTableRedimPreserve(n + 1);
    // A row kept from before (the copy of the last ship a deletion leaves behind) must not come
    // back as the new ship with that ship's extra lines.
    doc.ships[n] = ShipRow();
    doc.shipNames.append(QStringLiteral("New Ship"));
    selectShip(ws, static_cast<int>(n));
    recording.finish(ws, QStringLiteral("add ship"), EditTarget::Ship);
}

ShipDeletion deleteShip(Workspace& ws)
{
    const EditRecording recording(ws);
    ShipDeletion deletion;
    Scenario& doc = ws.doc;
    const qsizetype n = doc.shipNames.size();
    const QString name = doc.shipIndex >= 0 && doc.shipIndex < n ? doc.shipNames[doc.shipIndex] : QString();
    if (n == 0) {
        ShipTabReset(ws);
    } else if (n == 1) {
        deletion.lastShipKept = true;
    } else {
        const qsizetype r = std::clamp<qsizetype>(doc.shipIndex, 0, n - 1);
        for (qsizetype j = r; j <= n - 2 && j + 1 < doc.ships.rowCount(); ++j) {
            doc.ships[j] = doc.ships[j + 1];
            if (numericValue(doc.ships[j].Fuel) == 0.0)
                doc.ships[j].Fuel = QStringLiteral("0");
        }
        doc.ships.ShipTableRedimPreserve(n - 1);
        doc.shipNames.removeAt(r);
        selectShip(ws, static_cast<int>(r > 0 ? r - 1 : r));
    }

    if (doc.shipNames.isEmpty()) {
        deletion.allShipsGone = true;
        doc.possibleShipFocus.clear();
        doc.possibleShipFocusIndex = -1;
        doc.shipFocus.clear();
    } else {
        rebuildShipList(ws);
        selectShip(ws, doc.shipIndex);
        deletion.focusMoved = moveFocusToListedShip(ws);
    }
    markOccupiedPlaces(ws);
    rememberShownShipForm(ws);
    recording.finish(ws, QStringLiteral("delete ship ") + name, EditTarget::Ship);
    return deletion;
}

QVector<UserMessage> shipDeletionNotices(const ShipDeletion& deletion)
{
    QVector<UserMessage> notices;
    if (deletion.lastShipKept)
        notices.append(kLastShipKeptNotice);
    if (deletion.allShipsGone)
        notices.append(kAllShipsDeletedWarning);
    if (deletion.focusMoved)
        notices.append(kFocusMovedWarning);
    return notices;
}
