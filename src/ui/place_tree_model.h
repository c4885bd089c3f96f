#pragma once

#include "catalogue/place_tree.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <QVector>

// A read-only item model over the nodes of a PlaceTree: one column, each node's text and the
// icon of its kind, nothing else. An index's internal id is its node index. The children of
// each node are found through arrays built once per tree, so a node costs a few integers here
// and nothing in the view until its row is shown.
class PlaceTreeModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    explicit PlaceTreeModel(QObject* parent = nullptr);

    // Replaces the nodes shown (a reset of the model). A node whose parent index is not below
    // its own is shown at top level.
    void setNodes(const QVector<PlaceNode>& nodes);
    const QVector<PlaceNode>& nodes() const { return nodes_; }

    // The index of node `node`, invalid when there is no such node.
    QModelIndex indexOfNode(int node) const;
    // The node an index shows, -1 for an invalid index.
    static int nodeOfIndex(const QModelIndex& index);
    // The parent node the model shows `node` under, -1 at top level.
    int shownParent(int node) const;
    int childCount(int node) const;
    int childAt(int node, int row) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // Slot 0 stands for the top level, slot n + 1 for node n.
    int slotOf(const QModelIndex& parent) const;

    QVector<PlaceNode> nodes_;
    QVector<int> rowOf_;      // the row of each node among its parent's children
    QVector<int> childBegin_; // per slot, where its children start in children_ (one more at the end)
    QVector<int> children_;   // the children of every slot in turn, each in node order
    QVector<QIcon> icons_;    // by image, from PlanetImage
};
