#include "place_tree_view.h"

#include "catalogue/place_tree_reopening.h"
#include "place_tree_model.h"

#include <QHeaderView>

#include <algorithm>

namespace {

bool sameNodes(const QVector<PlaceNode>& a, const QVector<PlaceNode>& b)
{
    // Copies of one node list share their data until either changes.
    if (a.constData() == b.constData())
        return true;
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const PlaceNode& x, const PlaceNode& y) {
        return x.text == y.text && x.image == y.image && x.parent == y.parent && x.expanded == y.expanded;
    });
}

} // namespace

PlaceTreeView::PlaceTreeView(QWidget* parent) : QTreeView(parent), model_(new PlaceTreeModel(this))
{
    setModel(model_);
    header()->hide();
    setIconSize(QSize(16, 16));
    setUniformRowHeights(true);
    connect(this, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        const int node = PlaceTreeModel::nodeOfIndex(index);
        if (node >= 0)
            emit nodeDoubleClicked(node);
    });
}

QVector<int> PlaceTreeView::openBranches() const
{
    QVector<int> open;
    const int count = static_cast<int>(model_->nodes().size());
    for (int node = 0; node < count; ++node) {
        if (model_->childCount(node) > 0 && isExpanded(model_->indexOfNode(node)))
            open.append(node);
    }
    return open;
}

void PlaceTreeView::setPlaceTree(const PlaceTree& tree)
{
    if (sameNodes(tree.nodes, model_->nodes()))
        return;
    const QVector<int> opened = nodesOpenAfterRebuild(model_->nodes(), openBranches(), tree.nodes);
    model_->setNodes(tree.nodes);
    // Right after the reset the view lays its rows out once, later: opening a node now only
    // records it, however many rows are under it.
    for (const int node : opened)
        expand(model_->indexOfNode(node));
}

QModelIndex PlaceTreeView::indexOfNode(int node) const
{
    return model_->indexOfNode(node);
}
