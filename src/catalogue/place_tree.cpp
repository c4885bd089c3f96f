#include "place_tree.h"

#include "bases.h"
#include "document/ship_status.h"
#include "document/text_primitives.h"

#include <QHash>
#include <QSet>
#include <QPair>

#include <algorithm>

// The docks (pads) of a tree by their place: the trimmed upper-case text of their parent and
// their trimmed number. Each list keeps node order. It covers the `count` nodes that are no
// occupants, which marking keeps first in the tree.
struct PlaceTree::OccupancySites
{
    QString prefix; // "Dock" / "Landing pad"
    qsizetype count = 0;
    QHash<QPair<QString, QString>, QVector<int>> places;
};

// Everything the dock tree is built from: equal inputs build an equal tree.
struct PlaceTree::StationTreeInputs
{
    QStringList bodies;
    QVector<StationClassRow> classes;
    QStringList stations; // name, class and reference body of each station in turn

    bool operator==(const StationTreeInputs&) const = default;
};

void PlaceTree::clear()
{
    nodes.clear();
    sites_.reset();
    builtFrom_.reset();
}

int PlaceTree::add(int parent, const QString& text, int image)
{
    sites_.reset();
    builtFrom_.reset();
    nodes.append({text, image, parent, false});
    return static_cast<int>(nodes.size() - 1);
}

void PlaceTree::removeImage(int image)
{
    sites_.reset();
    builtFrom_.reset();
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
    ShipStatus status; // Docked / Landed
    QString prefix; // "Dock" / "Landing pad"
    QString ShipRow::*number;
    QString ShipRow::*place;
};

using PlaceKey = QPair<QString, QString>;

PlaceKey placeKey(const QString& parentText, const QString& text)
{
    return {trimBlanks(parentText).toUpper(), trimBlanks(GetNumberValue(text))};
}

} // namespace

// What marking keeps in a tree between markings: the occupants are removed from the end, where
// marking put them, so that the look-up of the other nodes stays valid.
class OccupantMarking
{
public:
    static void removeOccupants(PlaceTree& tree)
    {
        qsizetype kept = tree.nodes.size();
        while (kept > 0 && tree.nodes[kept - 1].image == OccupantImage)
            --kept;
        const auto begin = tree.nodes.cbegin();
        // No occupant before the last other node: none of the kept nodes can hang under one.
        if (std::none_of(begin, begin + kept, [](const PlaceNode& node) { return node.image == OccupantImage; }))
            tree.nodes.resize(kept);
        else
            tree.removeImage(OccupantImage);
    }

    // Every node that starts with `prefix` and has a parent, built when the tree changed since.
    static const QHash<PlaceKey, QVector<int>>& sites(PlaceTree& tree, const QString& prefix)
    {
        const auto& kept = tree.sites_;
        if (kept && kept->prefix == prefix && kept->count == tree.size())
            return kept->places;
        auto made = std::make_shared<PlaceTree::OccupancySites>();
        made->prefix = prefix;
        made->count = tree.size();
        // The docks (pads) of one station (base) follow each other: its key is made once.
        int lastParent = -1;
        QString lastParentKey;
        for (qsizetype j = 0; j < tree.size(); ++j) {
            const PlaceNode& place = tree.nodes[j];
            if (!place.text.startsWith(prefix) || place.parent < 0)
                continue;
            if (place.parent != lastParent) {
                lastParent = place.parent;
                lastParentKey = trimBlanks(tree.nodes[place.parent].text).toUpper();
            }
            made->places[{lastParentKey, trimBlanks(GetNumberValue(place.text))}].append(static_cast<int>(j));
        }
        tree.sites_ = made;
        return made->places;
    }

    // Adds an occupant without dropping the look-up: occupants are no part of it.
    static int addOccupant(PlaceTree& tree, int parent, const QString& name)
    {
        tree.nodes.append({name, OccupantImage, parent, false});
        return static_cast<int>(tree.nodes.size() - 1);
    }
};

// An edit of a station that keeps its name, class and reference body, or of a ship, leaves the
// dock tree as it was built: it is then taken back to that state (no occupants, nothing
// expanded) instead of being built anew, and the look-up of its docks is kept.
class StationTreeReuse
{
public:
    static std::shared_ptr<const PlaceTree::StationTreeInputs>
    inputs(const QStringList& bodies, const Scenario& doc, const QVector<StationClassRow>& stationClasses)
    {
        auto made = std::make_shared<PlaceTree::StationTreeInputs>();
        made->bodies = bodies;
        made->classes = stationClasses;
        const qsizetype stations = std::min(doc.stationNames.size(), doc.stations.rowCount());
        made->stations.reserve(3 * stations);
        for (qsizetype i = 0; i < stations; ++i) {
            const StationRow& station = doc.stations[i];
            made->stations << station.Name << station.ClassName << station.RefPlanet;
        }
        return made;
    }

    // Whether the tree was built from `inputs`; it is then back as built.
    static bool restore(PlaceTree& tree, const PlaceTree::StationTreeInputs& inputs)
    {
        if (!tree.builtFrom_ || !(*tree.builtFrom_ == inputs))
            return false;
        OccupantMarking::removeOccupants(tree);
        if (!tree.builtFrom_)
            return false;
        for (PlaceNode& node : tree.nodes)
            node.expanded = false;
        return true;
    }

    static void keep(PlaceTree& tree, std::shared_ptr<const PlaceTree::StationTreeInputs> inputs)
    {
        tree.builtFrom_ = std::move(inputs);
    }
};

namespace {

// Where ships may be hung: the kept sites of the tree, and the occupants added in this marking
// whose names read like a dock (pad) beside them. An occupant comes after every other node, so
// a look-up visits the nodes in the order a scan of the tree would.
class OccupancyIndex
{
public:
    OccupancyIndex(PlaceTree& tree, const QString& prefix)
        : tree_(tree), prefix_(prefix), sites_(OccupantMarking::sites(tree, prefix))
    {
    }

    void addOccupant(int node)
    {
        const PlaceNode& place = tree_.nodes[node];
        if (place.text.startsWith(prefix_))
            occupants_[placeKey(tree_.nodes[place.parent].text, place.text)].append(node);
    }

    QVector<int> find(const PlaceKey& key) const
    {
        const QVector<int> sites = sites_.value(key);
        const auto occupants = occupants_.constFind(key);
        return occupants == occupants_.cend() ? sites : sites + *occupants;
    }

private:
    const PlaceTree& tree_;
    QString prefix_;
    const QHash<PlaceKey, QVector<int>>& sites_;
    QHash<PlaceKey, QVector<int>> occupants_;
};

void markOccupants(PlaceTree& tree, const Scenario& doc, const OccupancyRule& rule)
{
    OccupantMarking::removeOccupants(tree);
    const qsizetype firstOccupant = tree.size();
    OccupancyIndex index(tree, rule.prefix);
    const qsizetype ships = std::min(doc.shipNames.size(), doc.ships.rowCount());
    // Room for an occupant per ship of the status, made once: grown one node at a time, the
    // nodes of thousands of docked ships were copied at each growth and held twice meanwhile.
    qsizetype expected = 0;
    for (qsizetype k = 0; k < ships; ++k)
        expected += shipStatusOf(doc.ships[k].Status) == rule.status;
    tree.nodes.reserve(tree.size() + expected);
    for (qsizetype k = 0; k < ships; ++k) {
        const ShipRow& ship = doc.ships[k];
        if (shipStatusOf(ship.Status) != rule.status)
            continue;
        // The copy holds only the nodes that existed when this ship's turn began: a ship is
        // never hung under an occupant added for itself.
        const QVector<int> places =
            index.find({trimBlanks(ship.*rule.place).toUpper(), trimBlanks(ship.*rule.number)});
        for (const int place : places)
            index.addOccupant(OccupantMarking::addOccupant(tree, place, ship.Name));
    }
    // Parent, grandparent, great-grandparent and root: the occupant is visible whatever the
    // depth of its dock or pad.
    for (qsizetype i = firstOccupant; i < tree.size(); ++i) {
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
    // When `looked` is given, only its keys are ever looked up: the other nodes are not indexed.
    TextIndex(PlaceTree& tree, QString (*key)(const QString&), const QSet<QString>* looked = nullptr)
        : tree_(tree), key_(key), looked_(looked)
    {
        for (qsizetype j = 0; j < tree.size(); ++j) {
            if (isLooked(tree.nodes[j].text))
                nodes_[key_(tree.nodes[j].text)].append(static_cast<int>(j));
        }
    }

    QVector<int> find(const QString& key) const { return nodes_.value(key); }

    bool isLooked(const QString& text) const { return !looked_ || looked_->contains(key_(text)); }

    int add(int parent, const QString& text, int image) { return add(parent, text, image, isLooked(text)); }

    // The same for a text whose `isLooked` is known already.
    int add(int parent, const QString& text, int image, bool looked)
    {
        const int node = tree_.add(parent, text, image);
        if (looked)
            nodes_[key_(text)].append(node);
        return node;
    }

private:
    PlaceTree& tree_;
    QString (*key_)(const QString&);
    const QSet<QString>* looked_;
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
    auto inputs = StationTreeReuse::inputs(bodies, doc, stationClasses);
    if (StationTreeReuse::restore(tree, *inputs))
        return;
    tree.clear();
    addBodies(tree, bodies);
    // Every node counts as a reference, docks and stations added before included; the copy a
    // look-up returns holds only the nodes that existed when this station's turn began.
    const qsizetype stations = std::min(doc.stationNames.size(), doc.stations.rowCount());
    QSet<QString> references;
    for (qsizetype i = 0; i < stations; ++i)
        references.insert(trimBlanks(doc.stations[i].RefPlanet));
    TextIndex index(tree, trimmedText, &references);
    const QHash<QString, int> docksOfClass = dockCounts(stationClasses);
    QHash<QString, int> docksOfName; // by the class name as the station row writes it
    QStringList dockTexts;           // "Dock  1", "Dock  2", …, made once for all stations
    QVector<bool> dockLooked;        // whether a station names that dock as its reference
    for (qsizetype i = 0; i < stations; ++i) {
        const StationRow& station = doc.stations[i];
        auto known = docksOfName.constFind(station.ClassName);
        if (known == docksOfName.cend())
            known = docksOfName.insert(station.ClassName,
                                       docksOfClass.value(trimBlanks(station.ClassName).toUpper(), 0));
        const int docks = *known;
        while (dockTexts.size() < docks) {
            dockTexts.append(numberedPlace(QStringLiteral("Dock"), static_cast<int>(dockTexts.size() + 1)));
            dockLooked.append(index.isLooked(dockTexts.back()));
        }
        for (const int reference : index.find(trimBlanks(station.RefPlanet))) {
            const int node = index.add(reference, station.Name, StationImage);
            for (int dock = 0; dock < docks; ++dock)
                index.add(node, dockTexts[dock], DockImage, dockLooked[dock]);
        }
    }
    StationTreeReuse::keep(tree, std::move(inputs));
}

void BaseTreeUpdate(PlaceTree& tree, const QStringList& bodies, const QStringList& baseTable)
{
    tree.clear();
    addBodies(tree, bodies);
    // Only the bodies the bases name are ever looked up: a base of 200,000 pads then adds
    // nodes, not 200,000 entries of the index. The pad texts are made once for all bases.
    QVector<BaseEntry> bases;
    bases.reserve(baseTable.size());
    QSet<QString> references;
    for (const QString& entry : baseTable) {
        bases.append(splitBaseEntry(entry));
        references.insert(trimBlanks(bases.back().body).toUpper());
    }
    TextIndex index(tree, trimmedUpperText, &references);
    QStringList padTexts;
    QVector<bool> padLooked;
    for (const BaseEntry& base : std::as_const(bases)) {
        while (padTexts.size() < base.padCount) {
            padTexts.append(
                numberedPlace(QStringLiteral("Landing pad"), static_cast<int>(padTexts.size() + 1)));
            padLooked.append(index.isLooked(padTexts.back()));
        }
        for (const int body : index.find(trimBlanks(base.body).toUpper())) {
            const int node = index.add(body, base.displayName, BaseImage);
            for (int pad = 0; pad < base.padCount; ++pad)
                index.add(node, padTexts[pad], PadImage, padLooked[pad]);
        }
    }
}

void StationDockTreeUpdate(PlaceTree& tree, const Scenario& doc)
{
    markOccupants(tree, doc,
                  {ShipStatus::Docked, QStringLiteral("Dock"), &ShipRow::DockPort, &ShipRow::DockStation});
}

void BasePadTreeUpdate(PlaceTree& tree, const Scenario& doc)
{
    markOccupants(tree, doc,
                  {ShipStatus::Landed, QStringLiteral("Landing pad"), &ShipRow::Pad, &ShipRow::Base});
}

std::optional<PlaceLabels> dockDoubleClick(const PlaceTree& tree, int node)
{
    return freePlaceLabels(tree, node, DockImage, QStringLiteral("Dock"));
}

std::optional<PlaceLabels> padDoubleClick(const PlaceTree& tree, int node)
{
    return freePlaceLabels(tree, node, PadImage, QStringLiteral("Landing pad"));
}
