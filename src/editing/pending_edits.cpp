#include "pending_edits.h"

#include <tuple>

namespace {

auto storedFields(const StationForm& f)
{
    return std::tie(f.name, f.refPlanet, f.className, f.rotationFrequency, f.useClassRotation, f.angleX, f.angleY,
                    f.angleZ, f.semiMajorAxis, f.excentricity, f.inclination, f.ascendingNodeLongitude,
                    f.periapsisLongitude, f.meanLongitude, f.epochDate, f.epochHour, f.epochMinute);
}

auto storedFields(const ShipForm& f)
{
    return std::tie(f.name, f.shipClass, f.status, f.landedPlanet, f.landedBase, f.landedPad, f.landedHeading,
                    f.dockedPlanet, f.dockedStation, f.dockedPort, f.orbitingPlanet, f.rposX, f.rposY, f.rposZ,
                    f.rvelX, f.rvelY, f.rvelZ, f.arotX, f.arotY, f.arotZ, f.angularVelocity, f.fuelLabel,
                    f.mainLabel, f.hoverLabel);
}

} // namespace

bool stationFormPending(const Workspace& ws)
{
    return storedFields(ws.stationForm) != storedFields(ws.stationShown);
}

bool shipFormPending(const Workspace& ws)
{
    return storedFields(ws.shipForm) != storedFields(ws.shipShown);
}

void discardStationForm(Workspace& ws)
{
    ws.stationForm = ws.stationShown;
}

void discardShipForm(Workspace& ws)
{
    ws.shipForm = ws.shipShown;
}

void rememberShownStationForm(Workspace& ws)
{
    ws.stationShown = ws.stationForm;
}

void rememberShownShipForm(Workspace& ws)
{
    ws.shipShown = ws.shipForm;
}

void rememberShownForms(Workspace& ws)
{
    rememberShownStationForm(ws);
    rememberShownShipForm(ws);
}

namespace {

UserMessage pendingQuestion(const QString& kind, const QString& name)
{
    const QString named = name.isEmpty() ? kind : kind + QStringLiteral(" ") + name;
    return {QStringLiteral("Corvane Scenario Editor"),
            QStringLiteral("The changes to the ") + named +
                QStringLiteral(" are not validated yet. Validate them before going on?"),
            MessageButtons::ValidateDiscardCancel, MessageIcon::Question};
}

} // namespace

UserMessage pendingStationQuestion(const Workspace& ws)
{
    return pendingQuestion(QStringLiteral("station"), ws.stationShown.name);
}

UserMessage pendingShipQuestion(const Workspace& ws)
{
    return pendingQuestion(QStringLiteral("ship"), ws.shipShown.name);
}
