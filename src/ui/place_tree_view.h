#pragma once

#include "catalogue/place_tree.h"

#include <QTreeView>

class PlaceTreeModel;

// A tree view that shows a PlaceTree (the dock or the landing tree) with one icon per node
// kind, and reports double clicks by node index. A single click does nothing. The view reads
// the nodes through a PlaceTreeModel, so a node costs nothing here until its row is shown: a
// base of 200,000 pads is cheap until it is opened.
class PlaceTreeView : public QTreeView
{
    Q_OBJECT
public:
    explicit PlaceTreeView(QWidget* parent = nullptr);

    // Shows `tree`. Nothing is rebuilt when the nodes are those already shown, so the branches
    // the user opened stay open across refreshes; after a rebuild the nodes marked expanded are
    // open, and so is every branch that was open before under the same path of texts.
    void setPlaceTree(const PlaceTree& tree);

    const PlaceTreeModel& placeModel() const { return *model_; }
    // The index of node `node`, invalid when there is no such node.
    QModelIndex indexOfNode(int node) const;

signals:
    void nodeDoubleClicked(int node);

private:
    QVector<int> openBranches() const;

    PlaceTreeModel* model_ = nullptr;
};
