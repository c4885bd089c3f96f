#pragma once

#include "kept_text.h"

#include <QDate>
#include <QString>
#include <QVector>

// The station and ship tables: one row per station or ship, each cell holding the text as it
// was read or typed (numbers are converted only to test, show, compute or write). The table
// procedures below are the only way rows are created and blanked. A freshly created cell holds
// empty text (false for the flag); blanking sets the blank values of the file format.

struct StationRow
{
    QString Name;
    QString ClassName;
    QString RefPlanet;
    QString RotationFrequency;
    QString AngleX;
    QString AngleY;
    QString AngleZ;
    bool UseClassRotation = false;
    QString SemiMajorAxis;
    QString Excentricity;
    QString Inclination;
    QString AscendingNodeLongitude;
    QString PeriapsisLongitude;
    QString MeanLongitude;
    QDate EpochDate; // null while the cell holds nothing
    QString EpochHour;
    QString EpochMinute;
    QString ExtraLines;      // lines of the block the editor does not read, verbatim, joined by CR LF
    QString EpochText;       // the EL_MJD value as read, written again while the epoch still equals it
    QString RotationKeyword; // the rotation frequency keyword as read ('ZROT_FREQ'), empty for new rows
    KeptComments Comments;   // comments of the block's lines

    bool operator==(const StationRow&) const = default;
};

struct ShipRow
{
    QString Name;
    QString ClassName;
    QString Status; // the status word as read or stored; shipStatusOf() gives its kind
    QString Planet;
    QString Base;
    QString DockStation;
    QString Heading;
    QString DockPort;
    QString Pad;
    QString RposX;
    QString RposY;
    QString RposZ;
    QString RvelX;
    QString RvelY;
    QString RvelZ;
    QString ArotX;
    QString ArotY;
    QString ArotZ;
    QString Vrot;
    QString ExtraLines; // verbatim lines joined by CR LF
    QString Fuel;
    QString MainEngine;
    QString HoverEngine;
    KeptComments Comments; // comments of the block's lines

    bool operator==(const ShipRow&) const = default;
};

class StationTable
{
public:
    // Rows 0..iIndex, all fresh.
    void StationTableRedim(qsizetype iIndex);
    // Rows 0..t, keeping rows 0..min(old upper bound, t).
    void StationTableRedimPreserve(qsizetype t);
    // Row iIndex set to the blank values (UseClassRotation true).
    void StationTableBlanking(qsizetype iIndex);

    qsizetype rowCount() const { return rows.size(); }
    StationRow& operator[](qsizetype i) { return rows[i]; }
    const StationRow& operator[](qsizetype i) const { return rows[i]; }

    QVector<StationRow> rows;
};

class ShipTable
{
public:
    void ShipTableRedim(qsizetype t);
    void ShipTableRedimPreserve(qsizetype t);
    // Row iIndex set to the blank values; Name, ExtraLines and Comments keep what they hold.
    void ShipTableBlanking(qsizetype iIndex);

    qsizetype rowCount() const { return rows.size(); }
    ShipRow& operator[](qsizetype i) { return rows[i]; }
    const ShipRow& operator[](qsizetype i) const { return rows[i]; }

    QVector<ShipRow> rows;
};
