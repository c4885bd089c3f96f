#pragma once

#include <QString>

// The values the ship editor's controls hold, as typed: nothing here reaches the ship table
// until validation accepts it (the status frames keep what they last showed).
enum class ShipStatusOption { None, Landed, Docked, Orbiting };

struct ShipForm
{
    QString name;      // text of ShipName
    QString shipClass; // ShipClass caption
    ShipStatusOption status = ShipStatusOption::None; // selected option; its frame is shown

    QString landedPlanet;
    QString landedBase;
    QString landedPad;
    QString landedHeading;

    QString dockedPlanet;
    QString dockedStation;
    QString dockedPort;

    QString orbitingPlanet;
    QString rposX, rposY, rposZ;
    QString rvelX, rvelY, rvelZ;
    QString arotX, arotY, arotZ;
    QString angularVelocity;

    int fuelSlider = 0;   // 0..100
    int mainSlider = 0;   // -100..100
    int hoverSlider = 0;  // 0..100
    QString fuelLabel;    // ShipFuel: "75 %", or "0" after a Landed or Docked click
    QString mainLabel;    // MainEngineStatus
    QString hoverLabel;   // HoverEngineStatus
    bool engineLabelsEnabled = true;

    int spacecraftIndex = -1;  // selection of the Spacecraft list ("Possible Ship Class")
    int orbitingRefIndex = -1; // selection of the OrbitingRef list ("Possible planet")
};
