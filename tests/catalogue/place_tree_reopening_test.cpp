#include "catalogue/place_tree_reopening.h"

#include <gtest/gtest.h>

namespace {

// Earth with the stations Hub (docks 1 and 2) and Gate (dock 1); Mars with a second Hub.
PlaceTree stations()
{
    PlaceTree tree;
    const int earth = tree.add(-1, QStringLiteral("Earth"), PlanetImage);
    const int hub = tree.add(earth, QStringLiteral("Hub"), StationImage);
    tree.add(hub, QStringLiteral("Dock  1"), DockImage);
    tree.add(hub, QStringLiteral("Dock  2"), DockImage);
    const int gate = tree.add(earth, QStringLiteral("Gate"), StationImage);
    tree.add(gate, QStringLiteral("Dock  1"), DockImage);
    const int mars = tree.add(-1, QStringLiteral("Mars"), PlanetImage);
    tree.add(mars, QStringLiteral("Hub"), StationImage);
    return tree;
}

TEST(PlaceTreeReopening, MarkedNodesAndTheOpenPathsOfTheTreeBeforeOpen)
{
    const PlaceTree before = stations();
    // Nothing was open: only the marks count.
    PlaceTree after = stations();
    after.nodes[4].expanded = true;
    EXPECT_EQ(nodesOpenAfterRebuild(before.nodes, {}, after.nodes), QVector<int>({4}));

    // Earth/Hub was open. A station added in front moves it, and it is found by its texts.
    PlaceTree moved;
    const int earth = moved.add(-1, QStringLiteral("Earth"), PlanetImage);
    moved.add(earth, QStringLiteral("Apex"), StationImage);
    const int hub = moved.add(earth, QStringLiteral("Hub"), StationImage);
    moved.add(hub, QStringLiteral("Dock  1"), DockImage);
    const int mars = moved.add(-1, QStringLiteral("Mars"), PlanetImage);
    moved.add(mars, QStringLiteral("Hub"), StationImage);
    EXPECT_EQ(nodesOpenAfterRebuild(before.nodes, {0, 1}, moved.nodes), QVector<int>({0, 2}))
        << "Mars/Hub has the same text but another path";

    // An open node under a closed parent keeps its state for when the parent opens.
    EXPECT_EQ(nodesOpenAfterRebuild(before.nodes, {1}, moved.nodes), QVector<int>({2}));
    // Two nodes with one path: either being open opens both.
    PlaceTree twice = stations();
    twice.nodes[4].text = QStringLiteral("Hub");
    EXPECT_EQ(nodesOpenAfterRebuild(twice.nodes, {4}, twice.nodes), QVector<int>({1, 4}));
}

TEST(PlaceTreeReopening, ChangedTextsBadIndicesAndBrokenParentsOpenNothingWrong)
{
    const PlaceTree before = stations();
    PlaceTree renamed = stations();
    renamed.nodes[0].text = QStringLiteral("Terra");
    EXPECT_TRUE(nodesOpenAfterRebuild(before.nodes, {0, 1, 4}, renamed.nodes).isEmpty())
        << "every path went through the renamed planet";
    EXPECT_TRUE(nodesOpenAfterRebuild(before.nodes, {-1, 8, 1000}, before.nodes).isEmpty());
    EXPECT_TRUE(nodesOpenAfterRebuild({}, {0}, {}).isEmpty());

    // A parent that does not come before its child: the node counts as top level, on both sides.
    PlaceTree broken = stations();
    broken.nodes[1].parent = 5;
    EXPECT_EQ(shownParent(broken.nodes, 1), -1);
    EXPECT_EQ(shownParent(broken.nodes, 2), 1);
    EXPECT_EQ(shownParent(broken.nodes, 0), -1);
    EXPECT_EQ(nodesOpenAfterRebuild(broken.nodes, {1, 2}, broken.nodes), QVector<int>({1, 2}));
    EXPECT_TRUE(nodesOpenAfterRebuild(broken.nodes, {1}, before.nodes).isEmpty())
        << "top-level Hub is not Earth/Hub";
}

} // namespace
