#include "place_tree.h"

#include "bases.h"
#include "document/text_primitives.h"

#include <algorithm>

void PlaceTree::clear()
{
    nodes.clear();
}

int PlaceTree::add(int parent, const QString& text, int image)
{
    nodes.append({text, image, parent, false});
    return static_cast<int>(nodes.size() - 1);
}

void PlaceTree::removeImage(int image)
{
    // Parents come before their children, so one pass in node order finds every descendant of
    // a removed node, and the new indices of kept parents are known before their children move.
    QVector<int> newIndex(nodes.size(), -1);
    QVector<PlaceNode> kept;
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        const PlaceNode& node = nodes[i];
        const bool orphan = node.parent >= 0 && newIndex[node.parent] < 0;
        if (node.image == image || orphan)
            continue;
        newIndex[i] = static_cast<int>(kept.size());
        kept.append(node);
        if (node.parent >= 0)
            kept.back().parent = newIndex[node.parent];
    }
    nodes = kept;
}

QVector<int> PlaceTree::children(int index) const
{
    QVector<int> result;
    for (qsizetype i = index + 1; i < nodes.size(); ++i) {
        if (nodes[i].parent == index)
            result.append(static_cast<int>(i));
    }
    return result;
}

int PlaceTree::root(int index) const
{
    while (nodes[index].parent >= 0)
        index = nodes[index].parent;
    return index;
}

namespace {

// "Dock  2", "Landing pad  12": the number is written with the blank that stands for its sign.
QString numberedPlace(const QString& word, int number)
{
    return word + QStringLiteral("  ") + QString::number(number);
}

bool isMoonEntry(const QString& entry)
{
    return trimBlanks(entry).size() != entry.size();
}

// Planets at top level, each moon under the planet before it. A moon that comes before every
// planet has no planet to hang under; it becomes a top-level node so that it is not lost.
void addBodies(PlaceTree& tree, const QStringList& bodies)
{
    int planet = -1;
    for (const QString& entry : bodies) {
        if (!isMoonEntry(entry))
            planet = tree.add(-1, entry, PlanetImage);
        else
            tree.add(planet, entry, MoonImage);
    }
}

struct OccupancyRule
{
    QString status; // "Docked" / "Landed"
    QString prefix; // "Dock" / "Landing pad"
    QString ShipRow::*number;
    QString ShipRow::*place;
};

void markOccupants(PlaceTree& tree, const Scenario& doc, const OccupancyRule& rule)
{
    tree.removeImage(OccupantImage);
    const qsizetype ships = std::min(doc.shipNames.size(), doc.ships.rowCount());
    for (qsizetype k = 0; k < ships; ++k) {
        const ShipRow& ship = doc.ships[k];
        if (trimBlanks(ship.Status).compare(rule.status, Qt::CaseInsensitive) != 0)
            continue;
        const QString number = trimBlanks(ship.*rule.number);
        const QString place = trimBlanks(ship.*rule.place).toUpper();
        // Only the nodes that existed when this ship's turn began: a ship is never hung under
        // an occupant added for itself.
        const qsizetype existing = tree.size();
        for (qsizetype j = 0; j < existing; ++j) {
            const PlaceNode& node = tree.nodes[j];
            if (!node.text.startsWith(rule.prefix) || node.parent < 0)
                continue;
            if (trimBlanks(GetNumberValue(node.text)) != number)
                continue;
            if (trimBlanks(tree.nodes[node.parent].text).toUpper() != place)
                continue;
            tree.add(static_cast<int>(j), ship.Name, OccupantImage);
        }
    }
    // Parent, grandparent, great-grandparent and root: the occupant is visible whatever the
    // depth of its dock or pad.
    for (qsizetype i = 0; i < tree.size(); ++i) {
        if (tree.nodes[i].image != OccupantImage)
            continue;
        int ancestor = tree.nodes[i].parent;
        for (int level = 0; level < 3 && ancestor >= 0; ++level) {
            tree.nodes[ancestor].expanded = true;
            ancestor = tree.nodes[ancestor].parent;
        }
        tree.nodes[tree.root(static_cast<int>(i))].expanded = true;
    }
}

std::optional<PlaceLabels> freePlaceLabels(const PlaceTree& tree, int node, int image, const QString& word)
{
    if (node < 0 || node >= tree.size())
        return std::nullopt;
    const PlaceNode& place = tree.nodes[node];
    if (place.image != image || !place.text.startsWith(word) || !tree.children(node).isEmpty())
        return std::nullopt;
    const int parent = place.parent;
    const int grandparent = parent >= 0 ? tree.nodes[parent].parent : -1;
    if (grandparent < 0)
        return std::nullopt;
    return PlaceLabels{tree.nodes[grandparent].text, tree.nodes[parent].text,
                       trimBlanks(midChars(place.text, word.size()))};
}

} // namespace

void StationTreeUpdate(PlaceTree& tree, const QStringList& bodies, const Scenario& doc,
                       const QVector<StationClassRow>& stationClasses)
{
    tree.clear();
    addBodies(tree, bodies);
    const qsizetype stations = std::min(doc.stationNames.size(), doc.stations.rowCount());
    for (qsizetype i = 0; i < stations; ++i) {
        const StationRow& station = doc.stations[i];
        const QString reference = trimBlanks(station.RefPlanet);
        const qsizetype existing = tree.size();
        for (qsizetype j = 0; j < existing; ++j) {
            if (trimBlanks(tree.nodes[j].text) != reference)
                continue;
            const int node = tree.add(static_cast<int>(j), station.Name, StationImage);
            const int docks = StationDockNumberDisplay(stationClasses, station.ClassName);
            for (int dock = 1; dock <= docks; ++dock)
                tree.add(node, numberedPlace(QStringLiteral("Dock"), dock), DockImage);
        }
    }
}

void BaseTreeUpdate(PlaceTree& tree, const QStringList& bodies, const QStringList& baseTable)
{
    tree.clear();
    addBodies(tree, bodies);
    for (const QString& entry : baseTable) {
        const BaseEntry base = splitBaseEntry(entry);
        const QString body = trimBlanks(base.body).toUpper();
        const qsizetype existing = tree.size();
        for (qsizetype j = 0; j < existing; ++j) {
            if (trimBlanks(tree.nodes[j].text).toUpper() != body)
                continue;
            const int node = tree.add(static_cast<int>(j), base.displayName, BaseImage);
            for (int pad = 1; pad <= base.padCount; ++pad)
                tree.add(node, numberedPlace(QStringLiteral("Landing pad"), pad), PadImage);
        }
    }
}

void StationDockTreeUpdate(PlaceTree& tree, const Scenario& doc)
{
    markOccupants(
        tree, doc,
        {QStringLiteral("Docked"), QStringLiteral("Dock"), &ShipRow::DockPort, &ShipRow::DockStation});
}

void BasePadTreeUpdate(PlaceTree& tree, const Scenario& doc)
{
    markOccupants(tree, doc,
                  {QStringLiteral("Landed"), QStringLiteral("Landing pad"), &ShipRow::Pad, &ShipRow::Base});
}

std::optional<PlaceLabels> dockDoubleClick(const PlaceTree& tree, int node)
{
    return freePlaceLabels(tree, node, DockImage, QStringLiteral("Dock"));
}

std::optional<PlaceLabels> padDoubleClick(const PlaceTree& tree, int node)
{
    return freePlaceLabels(tree, node, PadImage, QStringLiteral("Landing pad"));
}
