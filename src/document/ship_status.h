#pragma once

#include <QStringView>

// The ship statuses the editor knows. The ship table keeps the status word as it was read or
// stored ('Landed', 'docked'), since a file may hold a word the editor does not know, which is
// kept and written back as it stands; the kind is read from that word where it matters.
enum class ShipStatus { Unknown, Landed, Docked, Orbiting };

// The kind of a status cell: its word without the blanks around it, in any letter case; Unknown
// for any other word and for an empty cell.
ShipStatus shipStatusOf(QStringView cell);
