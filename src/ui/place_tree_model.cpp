#include "place_tree_model.h"

#include "catalogue/place_tree_reopening.h"
#include "place_icons.h"

PlaceTreeModel::PlaceTreeModel(QObject* parent) : QAbstractItemModel(parent)
{
    for (int image = PlanetImage; image <= OccupantImage; ++image)
        icons_.append(placeIcon(image));
    childBegin_ = {0, 0};
}

void PlaceTreeModel::setNodes(const QVector<PlaceNode>& nodes)
{
    beginResetModel();
    nodes_ = nodes;
    const int count = static_cast<int>(nodes_.size());
    // Count the children of each slot, turn the counts into starts, then place each node at
    // the next free place of its parent's range: children keep node order.
    childBegin_.fill(0, count + 2);
    for (int node = 0; node < count; ++node)
        ++childBegin_[shownParent(node) + 2];
    for (int slot = 1; slot < childBegin_.size(); ++slot)
        childBegin_[slot] += childBegin_[slot - 1];
    QVector<int> next(childBegin_.cbegin(), childBegin_.cend() - 1);
    children_.resize(count);
    rowOf_.resize(count);
    for (int node = 0; node < count; ++node) {
        const int slot = shownParent(node) + 1;
        rowOf_[node] = next[slot] - childBegin_[slot];
        children_[next[slot]++] = node;
    }
    endResetModel();
}

int PlaceTreeModel::shownParent(int node) const
{
    return ::shownParent(nodes_, node);
}

int PlaceTreeModel::childCount(int node) const
{
    return childBegin_[node + 2] - childBegin_[node + 1];
}

int PlaceTreeModel::childAt(int node, int row) const
{
    return children_[childBegin_[node + 1] + row];
}

QModelIndex PlaceTreeModel::indexOfNode(int node) const
{
    if (node < 0 || node >= nodes_.size())
        return {};
    return createIndex(rowOf_[node], 0, static_cast<quintptr>(node));
}

int PlaceTreeModel::nodeOfIndex(const QModelIndex& index)
{
    return index.isValid() ? static_cast<int>(index.internalId()) : -1;
}

int PlaceTreeModel::slotOf(const QModelIndex& parent) const
{
    return parent.isValid() ? nodeOfIndex(parent) + 1 : 0;
}

QModelIndex PlaceTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0 || (parent.isValid() && parent.model() != this))
        return {};
    const int slot = slotOf(parent);
    if (row >= childBegin_[slot + 1] - childBegin_[slot])
        return {};
    return createIndex(row, 0, static_cast<quintptr>(children_[childBegin_[slot] + row]));
}

QModelIndex PlaceTreeModel::parent(const QModelIndex& child) const
{
    return child.isValid() ? indexOfNode(shownParent(nodeOfIndex(child))) : QModelIndex();
}

int PlaceTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    const int slot = slotOf(parent);
    return childBegin_[slot + 1] - childBegin_[slot];
}

int PlaceTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

bool PlaceTreeModel::hasChildren(const QModelIndex& parent) const
{
    return rowCount(parent) > 0;
}

QVariant PlaceTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const PlaceNode& node = nodes_[nodeOfIndex(index)];
    if (role == Qt::DisplayRole)
        return node.text;
    if (role == Qt::DecorationRole && node.image >= PlanetImage && node.image <= OccupantImage)
        return icons_[node.image - PlanetImage];
    return {};
}

Qt::ItemFlags PlaceTreeModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
