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
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        const int node = nodeOfItem(item);
        if (node >= 0)
            makeChildren(node);
    });
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
        if (item && item->isExpanded())
            paths.append(itemPath(item));
    return paths;
}

void PlaceTreeView::setPlaceTree(const PlaceTree& tree)
{
    if (sameNodes(tree.nodes, shown_))
        return;
    wasOpen_ = openPaths();
    clear();
    shown_ = tree.nodes;
    const qsizetype count = shown_.size();
    items_.fill(nullptr, count);
    childrenMade_.fill(false, count);
    firstChild_.fill(-1, count);
    nextSibling_.fill(-1, count);
    // Children are linked in node order: walking backwards, each node goes in front.
    QVector<int> roots;
    for (qsizetype i = count - 1; i >= 0; --i) {
        const int parent = shown_[i].parent;
        if (parent >= 0 && parent < i) {
            nextSibling_[i] = firstChild_[parent];
            firstChild_[parent] = static_cast<int>(i);
        } else {
            roots.prepend(static_cast<int>(i));
        }
    }
    for (const int root : std::as_const(roots))
        makeItem(root, nullptr);
    for (const int root : std::as_const(roots)) {
        if (opensOnMaking(root))
            items_[root]->setExpanded(true);
    }
}

QTreeWidgetItem* PlaceTreeView::makeItem(int node, QTreeWidgetItem* parentItem)
{
    auto* item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(this);
    const PlaceNode& shown = shown_[node];
    item->setText(0, shown.text);
    item->setData(0, kNodeRole, node);
    if (shown.image >= PlanetImage && shown.image <= OccupantImage)
        item->setIcon(0, icons_[shown.image - PlanetImage]);
    if (firstChild_[node] >= 0)
        item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    items_[node] = item;
    return item;
}

bool PlaceTreeView::opensOnMaking(int node) const
{
    return shown_[node].expanded || wasOpen_.contains(itemPath(items_[node]));
}

void PlaceTreeView::makeChildren(int node)
{
    if (childrenMade_[node])
        return;
    childrenMade_[node] = true;
    QTreeWidgetItem* parentItem = items_[node];
    QVector<int> opened;
    for (int child = firstChild_[node]; child >= 0; child = nextSibling_[child]) {
        makeItem(child, parentItem);
        if (opensOnMaking(child))
            opened.append(child);
    }
    for (const int child : std::as_const(opened)) {
        makeChildren(child);
        items_[child]->setExpanded(true);
    }
}

QTreeWidgetItem* PlaceTreeView::itemOfNode(int index)
{
    if (index < 0 || index >= items_.size())
        return nullptr;
    if (!items_[index]) {
        const int parent = shown_[index].parent;
        if (itemOfNode(parent))
            makeChildren(parent);
    }
    return items_[index];
}

int PlaceTreeView::nodeOfItem(const QTreeWidgetItem* item)
{
    const QVariant node = item ? item->data(0, kNodeRole) : QVariant();
    return node.isValid() ? node.toInt() : -1;
}
