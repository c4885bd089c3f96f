#include "place_tree_reopening.h"

#include <QHash>
#include <QPair>

namespace {

// The paths of the open nodes as a tree of texts: an entry per node on such a path, found from
// its parent's entry (-1 at the top level) and its text. Matching a rebuilt tree against it
// costs one look-up per node under a matched entry, and no path is ever written out.
class OpenPaths
{
public:
    OpenPaths(const QVector<PlaceNode>& nodes, const QVector<int>& open)
    {
        QVector<int> entryOf(nodes.size(), kNone);
        for (const int node : open) {
            if (node >= 0 && node < nodes.size())
                open_[entryFor(nodes, node, entryOf)] = true;
        }
    }

    static constexpr int kNone = -2;

    // The entry of a node with `text` under the entry `parent`, kNone when no open path has it.
    int find(int parent, const QString& text) const { return entries_.value({parent, text}, kNone); }
    bool isOpen(int entry) const { return entry >= 0 && open_[entry]; }
    bool hasChildren(int entry) const { return entry == -1 || (entry >= 0 && parents_[entry]); }

private:
    int entryFor(const QVector<PlaceNode>& nodes, int node, QVector<int>& entryOf)
    {
        if (entryOf[node] != kNone)
            return entryOf[node];
        const int parentNode = shownParent(nodes, node);
        const int parent = parentNode < 0 ? -1 : entryFor(nodes, parentNode, entryOf);
        if (parent >= 0)
            parents_[parent] = true;
        const QPair<int, QString> key{parent, nodes[node].text};
        auto found = entries_.constFind(key);
        if (found == entries_.cend()) {
            found = entries_.insert(key, static_cast<int>(open_.size()));
            open_.append(false);
            parents_.append(false);
        }
        return entryOf[node] = *found;
    }

    QHash<QPair<int, QString>, int> entries_;
    QVector<bool> open_;
    QVector<bool> parents_; // whether an entry has entries under it
};

} // namespace

int shownParent(const QVector<PlaceNode>& nodes, int node)
{
    const int parent = nodes[node].parent;
    return parent >= 0 && parent < node ? parent : -1;
}

QVector<int> nodesOpenAfterRebuild(const QVector<PlaceNode>& before, const QVector<int>& openBefore,
                                   const QVector<PlaceNode>& after)
{
    const OpenPaths paths(before, openBefore);
    // Parents come before their children, so each node's parent entry is known when it is met.
    QVector<int> entryOf(after.size(), OpenPaths::kNone);
    QVector<int> open;
    for (int node = 0; node < after.size(); ++node) {
        const int parent = shownParent(after, node);
        const int parentEntry = parent < 0 ? -1 : entryOf[parent];
        if (paths.hasChildren(parentEntry))
            entryOf[node] = paths.find(parentEntry, after[node].text);
        if (after[node].expanded || paths.isOpen(entryOf[node]))
            open.append(node);
    }
    return open;
}
