#include "place_tree.h"

#include "bases.h"
#include "document/text_primitives.h"

#include <QHash>
#include <QPair>

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
    kept.reserve(nodes.size());
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

// Where ships may be hung: every node that starts with the rule's prefix and has a parent, by
// its parent's text (trimmed, upper case) and its number. Each list keeps node order, and a node
// added later comes later, so a look-up visits the nodes in the order a scan of the tree would.
class OccupancyIndex
{
public:
    OccupancyIndex(const PlaceTree& tree, const QString& prefix) : tree_(tree), prefix_(prefix)
    {
        for (qsizetype j = 0; j < tree.size(); ++j)
            add(static_cast<int>(j));
    }

    void add(int node)
    {
        const PlaceNode& place = tree_.nodes[node];
        if (!place.text.startsWith(prefix_) || place.parent < 0)
            return;
        // The docks (pads) of one station (base) follow each other: its text is upper-cased once.
        if (place.parent != lastParent_) {
            lastParent_ = place.parent;
            lastParentKey_ = trimBlanks(tree_.nodes[place.parent].text).toUpper();
        }
        places_[{lastParentKey_, trimBlanks(GetNumberValue(place.text))}].append(node);
    }

    QVector<int> find(const QString& place, const QString& number) const
    {
        return places_.value({place, number});
    }

private:
    const PlaceTree& tree_;
    QString prefix_;
    int lastParent_ = -1;
    QString lastParentKey_;
    QHash<QPair<QString, QString>, QVector<int>> places_;
};

void markOccupants(PlaceTree& tree, const Scenario& doc, const OccupancyRule& rule)
{
    tree.removeImage(OccupantImage);
    OccupancyIndex index(tree, rule.prefix);
    const qsizetype ships = std::min(doc.shipNames.size(), doc.ships.rowCount());
    for (qsizetype k = 0; k < ships; ++k) {
        const ShipRow& ship = doc.ships[k];
        if (trimBlanks(ship.Status).compare(rule.status, Qt::CaseInsensitive) != 0)
            continue;
        // The copy holds only the nodes that existed when this ship's turn began: a ship is
        // never hung under an occupant added for itself.
        const QVector<int> places =
            index.find(trimBlanks(ship.*rule.place).toUpper(), trimBlanks(ship.*rule.number));
        for (const int place : places)
            index.add(tree.add(place, ship.Name, OccupantImage));
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

// The nodes of a tree by their text as a key gives it, kept up to date as nodes are added, so
// that hanging stations (bases) under the nodes of their body costs one look-up each.
class TextIndex
{
public:
    TextIndex(PlaceTree& tree, QString (*key)(const QString&)) : tree_(tree), key_(key)
    {
        for (qsizetype j = 0; j < tree.size(); ++j)
            nodes_[key_(tree.nodes[j].text)].append(static_cast<int>(j));
    }

    QVector<int> find(const QString& key) const { return nodes_.value(key); }

    int add(int parent, const QString& text, int image)
    {
        const int node = tree_.add(parent, text, image);
        nodes_[key_(text)].append(node);
        return node;
    }

private:
    PlaceTree& tree_;
    QString (*key_)(const QString&);
    QHash<QString, QVector<int>> nodes_;
};

QString trimmedText(const QString& text)
{
    return trimBlanks(text);
}

QString trimmedUpperText(const QString& text)
{
    return trimBlanks(text).toUpper();
}

// The dock count of each station class by its trimmed upper-case name; the last row of a name
// counts, as in StationDockNumberDisplay.
QHash<QString, int> dockCounts(const QVector<StationClassRow>& stationClasses)
{
    QHash<QString, int> counts;
    for (const StationClassRow& row : stationClasses)
        counts.insert(trimBlanks(row.Name).toUpper(), row.DockCount);
    return counts;
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
    // Every node counts as a reference, docks and stations added before included; the copy a
    // look-up returns holds only the nodes that existed when this station's turn began.
    TextIndex index(tree, trimmedText);
    const QHash<QString, int> docksOfClass = dockCounts(stationClasses);
    const qsizetype stations = std::min(doc.stationNames.size(), doc.stations.rowCount());
    for (qsizetype i = 0; i < stations; ++i) {
        const StationRow& station = doc.stations[i];
        const int docks = docksOfClass.value(trimBlanks(station.ClassName).toUpper(), 0);
        for (const int reference : index.find(trimBlanks(station.RefPlanet))) {
            const int node = index.add(reference, station.Name, StationImage);
            for (int dock = 1; dock <= docks; ++dock)
                index.add(node, numberedPlace(QStringLiteral("Dock"), dock), DockImage);
        }
    }
}

void BaseTreeUpdate(PlaceTree& tree, const QStringList& bodies, const QStringList& baseTable)
{
    tree.clear();
    addBodies(tree, bodies);
    TextIndex index(tree, trimmedUpperText);
    for (const QString& entry : baseTable) {
        const BaseEntry base = splitBaseEntry(entry);
        for (const int body : index.find(trimBlanks(base.body).toUpper())) {
            const int node = index.add(body, base.displayName, BaseImage);
            for (int pad = 1; pad <= base.padCount; ++pad)
                index.add(node, numberedPlace(QStringLiteral("Landing pad"), pad), PadImage);
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
