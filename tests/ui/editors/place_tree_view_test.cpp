#include "ui/place_icons.h"
#include "ui/place_tree_view.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace {

// Terra with the station Hub and its two docks, the second taken by Tug; Luna alone.
PlaceTree sampleTree()
{
    PlaceTree tree;
    const int terra = tree.add(-1, QStringLiteral("Terra"), PlanetImage);
    const int hub = tree.add(terra, QStringLiteral("Hub"), StationImage);
    tree.add(hub, QStringLiteral("Dock  1"), DockImage);
    const int taken = tree.add(hub, QStringLiteral("Dock  2"), DockImage);
    tree.add(taken, QStringLiteral("Tug"), OccupantImage);
    tree.add(-1, QStringLiteral("Luna"), PlanetImage);
    for (int node : {terra, hub, taken})
        tree.nodes[node].expanded = true;
    return tree;
}

TEST(PlaceIcons, SevenDistinctPicturesOfSixteenPixels)
{
    QVector<QImage> images;
    for (int kind = PlanetImage; kind <= OccupantImage; ++kind) {
        const QPixmap pixmap = placePixmap(kind);
        ASSERT_EQ(pixmap.size(), QSize(16, 16)) << kind;
        const QImage image = pixmap.toImage();
        EXPECT_FALSE(images.contains(image)) << kind;
        images.append(image);
    }
    EXPECT_TRUE(placePixmap(0).isNull());
    EXPECT_TRUE(placeIcon(8).isNull());
}

TEST(PlaceTreeView, ShowsNodesWithIconsAndReportsDoubleClicksOnly)
{
    PlaceTreeView view;
    view.resize(300, 300);
    view.show();
    view.setPlaceTree(sampleTree());
    ASSERT_EQ(view.topLevelItemCount(), 2);
    QTreeWidgetItem* tug = view.itemOfNode(4);
    ASSERT_NE(tug, nullptr);
    EXPECT_EQ(tug->text(0), "Tug");
    EXPECT_EQ(tug->parent(), view.itemOfNode(3));
    EXPECT_TRUE(view.itemOfNode(3)->isExpanded());
    EXPECT_FALSE(view.itemOfNode(5)->isExpanded());
    EXPECT_EQ(PlaceTreeView::nodeOfItem(view.itemOfNode(2)), 2);
    EXPECT_EQ(view.itemOfNode(5)->icon(0).pixmap(16, 16).toImage(), placePixmap(PlanetImage).toImage());

    QSignalSpy doubleClicks(&view, &PlaceTreeView::nodeDoubleClicked);
    const QPoint dock = view.visualItemRect(view.itemOfNode(2)).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, dock);
    EXPECT_EQ(doubleClicks.count(), 0);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, dock);
    ASSERT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(doubleClicks[0][0].toInt(), 2);
}

TEST(PlaceTreeView, BranchesTheUserOpenedStayOpenAcrossRefreshes)
{
    PlaceTreeView view;
    PlaceTree tree = sampleTree();
    tree.nodes[0].expanded = false;
    view.setPlaceTree(tree);
    view.itemOfNode(0)->setExpanded(true);
    view.itemOfNode(3)->setExpanded(false);

    // The same nodes again: nothing is rebuilt, the user's view stays as it is.
    view.setPlaceTree(tree);
    EXPECT_FALSE(view.itemOfNode(3)->isExpanded());

    // The occupant leaves: rebuilt, Terra still open as the user left it.
    tree.nodes.removeLast();
    tree.nodes.removeAt(4);
    tree.add(-1, QStringLiteral("Luna"), PlanetImage);
    view.setPlaceTree(tree);
    EXPECT_EQ(view.itemOfNode(3)->childCount(), 0);
    EXPECT_TRUE(view.itemOfNode(0)->isExpanded());
    EXPECT_FALSE(view.itemOfNode(4)->isExpanded());
}

TEST(PlaceTreeView, MakesTheItemsOfABranchWhenItIsOpened)
{
    PlaceTree tree;
    const int terra = tree.add(-1, QStringLiteral("Terra"), PlanetImage);
    const int port = tree.add(terra, QStringLiteral("Port"), BaseImage);
    for (int pad = 1; pad <= 10000; ++pad)
        tree.add(port, QStringLiteral("Landing pad  %1").arg(pad), PadImage);
    tree.nodes[terra].expanded = true;
    PlaceTreeView view;
    view.setPlaceTree(tree);
    QTreeWidgetItem* base = view.itemOfNode(port);
    ASSERT_NE(base, nullptr);
    EXPECT_EQ(base->childCount(), 0) << "no pad item before the base is opened";
    EXPECT_EQ(base->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    base->setExpanded(true);
    ASSERT_EQ(base->childCount(), 10000);
    EXPECT_EQ(base->child(9999)->text(0), "Landing pad  10000");
    EXPECT_EQ(PlaceTreeView::nodeOfItem(base->child(0)), port + 1);

    // A refresh keeps the base open; a pad asked for in a closed branch is made with its siblings.
    tree.add(-1, QStringLiteral("Luna"), PlanetImage);
    view.setPlaceTree(tree);
    EXPECT_EQ(view.itemOfNode(port)->childCount(), 10000);
    tree.nodes[terra].expanded = false;
    PlaceTreeView closed;
    closed.setPlaceTree(tree);
    EXPECT_EQ(closed.itemOfNode(terra)->childCount(), 0);
    QTreeWidgetItem* last = closed.itemOfNode(port + 10000);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->text(0), "Landing pad  10000");
    EXPECT_EQ(closed.itemOfNode(static_cast<int>(tree.size())), nullptr);
}

} // namespace
