#include "find_entries.h"

#include "document/text_primitives.h"

namespace {

template <typename Table>
void findIn(QVector<FoundEntry>& found, EntryKind kind, const QStringList& names, const Table& table,
            const QString& text)
{
    for (int row = 0; row < names.size(); ++row) {
        // A list longer than its table (never the case after a read) still lists its entries.
        const QString className = row < table.rowCount() ? table[row].ClassName : QString();
        if (names[row].contains(text, Qt::CaseInsensitive) || className.contains(text, Qt::CaseInsensitive))
            found.append({kind, row, names[row], className});
    }
}

} // namespace

QVector<FoundEntry> findEntries(const Scenario& doc, const QString& text)
{
    const QString wanted = trimBlanks(text);
    QVector<FoundEntry> found;
    findIn(found, EntryKind::Station, doc.stationNames, doc.stations, wanted);
    findIn(found, EntryKind::Ship, doc.shipNames, doc.ships, wanted);
    return found;
}

QString entryKindName(EntryKind kind)
{
    return kind == EntryKind::Station ? QStringLiteral("Station") : QStringLiteral("Ship");
}
