#pragma once

#include "catalogue/place_tree.h"

#include <QIcon>
#include <QTreeWidget>
#include <QVector>

// A tree widget that shows a PlaceTree (the dock or the landing tree) with one icon per node
// kind, and reports double clicks by node index. A single click does nothing. The items of a
// node's children are made when the node is opened (by the user, by its expanded mark or as
// an open branch kept across refreshes), so a base of 200,000 pads costs nothing until then.
class PlaceTreeView : public QTreeWidget
{
    Q_OBJECT
public:
    explicit PlaceTreeView(QWidget* parent = nullptr);

    // Shows `tree`. Nothing is rebuilt when the nodes are those already shown, so the branches
    // the user opened stay open across refreshes; after a rebuild the nodes marked expanded are
    // open, and so is every branch that was open before under the same path of texts.
    void setPlaceTree(const PlaceTree& tree);

    // The widget item of node `index` (made with those of its ancestors' children when not made
    // yet), null when there is no such node.
    QTreeWidgetItem* itemOfNode(int index);
    // The node index an item shows, -1 for none.
    static int nodeOfItem(const QTreeWidgetItem* item);

signals:
    void nodeDoubleClicked(int node);

private:
    QStringList openPaths() const;
    QTreeWidgetItem* makeItem(int node, QTreeWidgetItem* parentItem);
    // Makes the items of the node's children once, and opens those that are to be open.
    void makeChildren(int node);
    bool opensOnMaking(int node) const;

    QVector<PlaceNode> shown_;
    QVector<QTreeWidgetItem*> items_; // null for a node whose item is not made yet
    QVector<int> firstChild_;         // -1 for none
    QVector<int> nextSibling_;        // -1 for none
    QVector<bool> childrenMade_;
    QStringList wasOpen_; // the open paths before the last rebuild
    QVector<QIcon> icons_;
};
