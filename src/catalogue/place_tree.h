#pragma once

#include "catalogue.h"
#include "document/scenario.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <optional>

// The two trees in which the user picks a dock or a landing pad, held as data: nodes in
// insertion order, each with its text, its image (node kind) and its parent. A node is always
// added after its parent, so a parent's index is below its children's.
enum PlaceImage {
    PlanetImage = 1,
    MoonImage = 2,
    StationImage = 3,
    BaseImage = 4,
    PadImage = 5,
    DockImage = 6,
    OccupantImage = 7,
};

struct PlaceNode
{
    QString text;
    int image = PlanetImage;
    int parent = -1; // index of the parent node, -1 at top level
    bool expanded = false;
};

class PlaceTree
{
public:
    // The nodes may be read freely and their `expanded` flags set; any other change goes
    // through clear, add and removeImage, which drop the look-up of docks (pads) that marking
    // occupants keeps from one marking to the next.
    void clear();
    // Adds a node at top level (parent -1) or under `parent`; returns its index.
    int add(int parent, const QString& text, int image);
    // Removes every node of one kind together with its descendants, as a tree view removes a
    // node; the other nodes keep their order and move down.
    void removeImage(int image);
    QVector<int> children(int index) const;
    int root(int index) const;
    qsizetype size() const { return nodes.size(); }

    QVector<PlaceNode> nodes;

private:
    friend class OccupantMarking;
    friend class StationTreeReuse;
    struct OccupancySites;
    struct StationTreeInputs;
    // Both are shared between copies of a tree: they are never changed, only replaced.
    std::shared_ptr<const OccupancySites> sites_;
    std::shared_ptr<const StationTreeInputs> builtFrom_; // what the dock tree was built from
};

// Dock tree: bodies, the scenario's stations under their reference bodies, their docks.
void StationTreeUpdate(PlaceTree& tree, const QStringList& bodies, const Scenario& doc,
                       const QVector<StationClassRow>& stationClasses);
// Landing tree: bodies, their bases, the bases' pads.
void BaseTreeUpdate(PlaceTree& tree, const QStringList& bodies, const QStringList& baseTable);
// Hang each docked (landed) ship under its dock (pad) and expand its ancestors.
void StationDockTreeUpdate(PlaceTree& tree, const Scenario& doc);
void BasePadTreeUpdate(PlaceTree& tree, const Scenario& doc);

// What a double click on a free dock or pad sets in the ship editor: nothing unless the node is
// a dock (pad) without an occupant under it.
struct PlaceLabels
{
    QString planet;
    QString place;  // station or base
    QString number; // dock port or pad
};
std::optional<PlaceLabels> dockDoubleClick(const PlaceTree& tree, int node);
std::optional<PlaceLabels> padDoubleClick(const PlaceTree& tree, int node);
