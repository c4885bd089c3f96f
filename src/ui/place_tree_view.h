#pragma once

#include "catalogue/place_tree.h"

#include <QIcon>
#include <QTreeWidget>
#include <QVector>

// A tree widget that shows a PlaceTree (the dock or the landing tree) with one icon per node
// kind, and reports double clicks by node index. A single click does nothing.
class PlaceTreeView : public QTreeWidget
{
    Q_OBJECT
public:
    explicit PlaceTreeView(QWidget* parent = nullptr);

    // Shows `tree`. Nothing is rebuilt when the nodes are those already shown, so the branches
    // the user opened stay open across refreshes; after a rebuild the nodes marked expanded are
    // open, and so is every branch that was open before under the same path of texts.
    void setPlaceTree(const PlaceTree& tree);

    // The widget item of node `index`, null when there is none.
    QTreeWidgetItem* itemOfNode(int index) const;
    // The node index an item shows, -1 for none.
    static int nodeOfItem(const QTreeWidgetItem* item);

signals:
    void nodeDoubleClicked(int node);

private:
    QStringList openPaths() const;

    QVector<PlaceNode> shown_;
    QVector<QTreeWidgetItem*> items_;
    QVector<QIcon> icons_;
};
