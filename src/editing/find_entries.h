#pragma once

#include "document/scenario.h"

#include <QString>
#include <QVector>

// Finding stations and ships of the open scenario by part of their name or class.

enum class EntryKind { Station, Ship };

struct FoundEntry
{
    EntryKind kind = EntryKind::Station;
    int row = 0;       // row in its table, which is also its place in its name list
    QString name;      // the entry of its name list
    QString className; // the class stored in its row; empty for a row never validated

    bool operator==(const FoundEntry&) const = default;
};

// Every station, then every ship, whose list entry or stored class holds `text` anywhere,
// without regard to letter case, in list order. Blanks around `text` do not count; an empty
// text finds every entry.
QVector<FoundEntry> findEntries(const Scenario& doc, const QString& text);

// "Station" or "Ship".
QString entryKindName(EntryKind kind);
