#include "ui/place_icons.h"
#include "ui/place_tree_model.h"
#include "ui/place_tree_view.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QLineEdit>
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

// Terra with the base Port of `pads` landing pads.
PlaceTree padTree(int pads)
{
    PlaceTree tree;
    const int terra = tree.add(-1, QStringLiteral("Terra"), PlanetImage);
    const int port = tree.add(terra, QStringLiteral("Port"), BaseImage);
    for (int pad = 1; pad <= pads; ++pad)
        tree.add(port, QStringLiteral("Landing pad  %1").arg(pad), PadImage);
    return tree;
}

QString text(const QModelIndex& index)
{
    return index.data(Qt::DisplayRole).toString();
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
    const QAbstractItemModel& model = view.placeModel();
    ASSERT_EQ(model.rowCount(), 2);
    const QModelIndex tug = view.indexOfNode(4);
    ASSERT_TRUE(tug.isValid());
    EXPECT_EQ(text(tug), "Tug");
    EXPECT_EQ(tug.parent(), view.indexOfNode(3));
    EXPECT_TRUE(view.isExpanded(view.indexOfNode(3)));
    EXPECT_FALSE(view.isExpanded(view.indexOfNode(5)));
    EXPECT_EQ(PlaceTreeModel::nodeOfIndex(view.indexOfNode(2)), 2);
    EXPECT_EQ(model.index(1, 0), view.indexOfNode(5));
    const QIcon luna = view.indexOfNode(5).data(Qt::DecorationRole).value<QIcon>();
    EXPECT_EQ(luna.pixmap(16, 16).toImage(), placePixmap(PlanetImage).toImage());

    QSignalSpy doubleClicks(&view, &PlaceTreeView::nodeDoubleClicked);
    const QPoint dock = view.visualRect(view.indexOfNode(2)).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, dock);
    EXPECT_EQ(doubleClicks.count(), 0);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, dock);
    ASSERT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(doubleClicks[0][0].toInt(), 2);
    EXPECT_EQ(view.findChild<QLineEdit*>(), nullptr) << "a double click opens no editor";
    EXPECT_EQ(text(view.indexOfNode(2)), "Dock  1");
}

TEST(PlaceTreeView, BranchesTheUserOpenedStayOpenAcrossRefreshes)
{
    PlaceTreeView view;
    PlaceTree tree = sampleTree();
    tree.nodes[0].expanded = false;
    view.setPlaceTree(tree);
    view.setExpanded(view.indexOfNode(0), true);
    view.setExpanded(view.indexOfNode(3), false);

    // The same nodes again, shared or copied: nothing is rebuilt, the user's view stays as it is.
    QSignalSpy resets(&view.placeModel(), &QAbstractItemModel::modelReset);
    view.setPlaceTree(tree);
    PlaceTree copy;
    for (const PlaceNode& node : tree.nodes)
        copy.nodes.append(node);
    view.setPlaceTree(copy);
    EXPECT_EQ(resets.count(), 0);
    EXPECT_FALSE(view.isExpanded(view.indexOfNode(3)));

    // The occupant leaves: rebuilt, Terra still open as the user left it.
    tree.nodes.removeLast();
    tree.nodes.removeAt(4);
    tree.add(-1, QStringLiteral("Luna"), PlanetImage);
    view.setPlaceTree(tree);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(view.placeModel().rowCount(view.indexOfNode(3)), 0);
    EXPECT_TRUE(view.isExpanded(view.indexOfNode(0)));
    EXPECT_FALSE(view.isExpanded(view.indexOfNode(4)));
}

TEST(PlaceTreeView, ShowsTheRowsOfABranchOnlyWhenItIsOpened)
{
    PlaceTree tree = padTree(10000);
    const int terra = 0;
    const int port = 1;
    tree.nodes[terra].expanded = true;
    PlaceTreeView view;
    view.resize(300, 300);
    view.show();
    view.setPlaceTree(tree);
    const QModelIndex base = view.indexOfNode(port);
    ASSERT_TRUE(base.isValid());
    EXPECT_FALSE(view.isExpanded(base));
    EXPECT_TRUE(view.placeModel().hasChildren(base));
    EXPECT_TRUE(view.visualRect(view.indexOfNode(port + 1)).isEmpty()) << "no pad row before the base opens";
    view.expand(base);
    ASSERT_EQ(view.placeModel().rowCount(base), 10000);
    const QModelIndex last = view.placeModel().index(9999, 0, base);
    EXPECT_EQ(text(last), "Landing pad  10000");
    EXPECT_EQ(PlaceTreeModel::nodeOfIndex(view.placeModel().index(0, 0, base)), port + 1);
    view.scrollTo(last);
    EXPECT_FALSE(view.visualRect(last).isEmpty());

    // A refresh keeps the base open; a pad in a closed branch is still found, and not shown.
    tree.add(-1, QStringLiteral("Luna"), PlanetImage);
    view.setPlaceTree(tree);
    EXPECT_TRUE(view.isExpanded(view.indexOfNode(port)));
    tree.nodes[terra].expanded = false;
    PlaceTreeView closed;
    closed.setPlaceTree(tree);
    EXPECT_FALSE(closed.isExpanded(closed.indexOfNode(terra)));
    const QModelIndex pad = closed.indexOfNode(port + 10000);
    ASSERT_TRUE(pad.isValid());
    EXPECT_EQ(text(pad), "Landing pad  10000");
    EXPECT_EQ(pad.parent(), closed.indexOfNode(port));
    EXPECT_FALSE(closed.indexOfNode(static_cast<int>(tree.size())).isValid());
    EXPECT_FALSE(closed.indexOfNode(-1).isValid());
}

TEST(PlaceTreeView, MarkingAnOccupiedPadAmongThousandsOpensItsBranchAndShowsTheShip)
{
    PlaceTree tree = padTree(50000);
    PlaceTreeView view;
    view.resize(300, 300);
    view.show();
    view.setPlaceTree(tree);
    EXPECT_FALSE(view.isExpanded(view.indexOfNode(1)));

    Scenario doc;
    doc.ships.ShipTableRedim(1);
    doc.ships[0].Name = QStringLiteral("Skipper");
    doc.ships[0].Status = QStringLiteral("Landed");
    doc.ships[0].Base = QStringLiteral("Port");
    doc.ships[0].Pad = QStringLiteral("41234");
    doc.shipNames.append(QStringLiteral("Skipper"));
    BasePadTreeUpdate(tree, doc);
    view.setPlaceTree(tree);
    const int skipper = static_cast<int>(tree.size()) - 1;
    const QModelIndex ship = view.indexOfNode(skipper);
    ASSERT_TRUE(ship.isValid());
    EXPECT_EQ(text(ship), "Skipper");
    EXPECT_EQ(text(ship.parent()), "Landing pad  41234");
    for (QModelIndex open = ship.parent(); open.isValid(); open = open.parent())
        EXPECT_TRUE(view.isExpanded(open)) << text(open).toStdString();
    view.scrollTo(ship);
    EXPECT_FALSE(view.visualRect(ship).isEmpty());
}

// Qt's model tester checks every index, parent and row count the model gives, over a tree,
// its rebuilds, and node lists that break the parent-first order.
TEST(PlaceTreeModel, PassesQtsModelTesterThroughRebuilds)
{
    QStringList complaints;
    static QStringList* sink = nullptr;
    sink = &complaints;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type != QtDebugMsg)
                sink->append(message);
        });
    {
        PlaceTreeModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
        model.setNodes(sampleTree().nodes);
        model.setNodes(padTree(300).nodes);
        QVector<PlaceNode> broken = sampleTree().nodes;
        broken[1].parent = 4;  // a parent after its child
        broken[2].parent = 99; // no such parent
        model.setNodes(broken);
        EXPECT_EQ(model.rowCount(), 4);
        EXPECT_EQ(model.rowCount(model.indexOfNode(0)), 0);
        EXPECT_EQ(model.rowCount(model.indexOfNode(3)), 1);
        model.setNodes({});
        EXPECT_EQ(model.rowCount(), 0);
        EXPECT_FALSE(model.index(0, 0).isValid());
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(complaints.isEmpty()) << complaints.join('\n').toStdString();
}

} // namespace
