#include "place_tree_view.h"

#include "place_icons.h"

#include <QHeaderView>

#include <algorithm>

namespace {

constexpr int kNodeRole = Qt::UserRole + 1;

bool sameNodes(const QVector<PlaceNode>& a, const QVector<PlaceNode>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const PlaceNode& x, const PlaceNode& y) {
        return x.text == y.text && x.image == y.image && x.parent == y.parent && x.expanded == y.expanded;
    });
}

// Node texts from the root down, joined by a character no node text holds.
QString itemPath(const QTreeWidgetItem* item)
{
    QStringList texts;
    for (; item; item = item->parent())
        texts.prepend(item->text(0));
    return texts.join(QChar(0x1f));
}

} // namespace

PlaceTreeView::PlaceTreeView(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    header()->hide();
    setIconSize(QSize(16, 16));
    setUniformRowHeights(true);
    for (int image = PlanetImage; image <= OccupantImage; ++image)
        icons_.append(placeIcon(image));
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const int node = nodeOfItem(item);
        if (node >= 0)
            emit nodeDoubleClicked(node);
    });
}

QStringList PlaceTreeView::openPaths() const
{
    QStringList paths;
    for (const QTreeWidgetItem* item : items_)
        if (item->isExpanded())
            paths.append(itemPath(item));
    return paths;
}

void PlaceTreeView::setPlaceTree(const PlaceTree& tree)
{
    if (sameNodes(tree.nodes, shown_))
        return;
    const QStringList wasOpen = openPaths();
    clear();
    items_.clear();
    items_.reserve(tree.nodes.size());
    for (qsizetype i = 0; i < tree.nodes.size(); ++i) {
        const PlaceNode& node = tree.nodes[i];
        QTreeWidgetItem* parentItem = node.parent >= 0 && node.parent < i ? items_[node.parent] : nullptr;
        auto* item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(this);
        item->setText(0, node.text);
        item->setData(0, kNodeRole, int(i));
        if (node.image >= PlanetImage && node.image <= OccupantImage)
            item->setIcon(0, icons_[node.image - PlanetImage]);
        items_.append(item);
    }
    for (qsizetype i = 0; i < items_.size(); ++i)
        if (tree.nodes[i].expanded || wasOpen.contains(itemPath(items_[i])))
            items_[i]->setExpanded(true);
    shown_ = tree.nodes;
}

QTreeWidgetItem* PlaceTreeView::itemOfNode(int index) const
{
    return index >= 0 && index < items_.size() ? items_[index] : nullptr;
}

int PlaceTreeView::nodeOfItem(const QTreeWidgetItem* item)
{
    const QVariant node = item ? item->data(0, kNodeRole) : QVariant();
    return node.isValid() ? node.toInt() : -1;
}
