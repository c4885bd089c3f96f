// The trees are built through indexes of their nodes; these tests compare them, node for node,
// with a plain scan of every node as the trees are defined, on scenarios made at random from a
// small set of names so that names collide, repeat, differ in case and blanks, and stations
// and ships name other nodes of the tree.
#include "catalogue/place_tree.h"
#include "document/text_primitives.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace {

// The definitions, scanned node by node.
void plainStationTree(PlaceTree& tree, const QStringList& bodies, const Scenario& doc,
                      const QVector<StationClassRow>& classes)
{
    tree.clear();
    int planet = -1;
    for (const QString& entry : bodies) {
        if (trimBlanks(entry).size() == entry.size())
            planet = tree.add(-1, entry, PlanetImage);
        else
            tree.add(planet, entry, MoonImage);
    }
    for (qsizetype i = 0; i < std::min(doc.stationNames.size(), doc.stations.rowCount()); ++i) {
        const StationRow& station = doc.stations[i];
        const qsizetype existing = tree.size();
        for (qsizetype j = 0; j < existing; ++j) {
            if (trimBlanks(tree.nodes[j].text) != trimBlanks(station.RefPlanet))
                continue;
            const int node = tree.add(static_cast<int>(j), station.Name, StationImage);
            for (int dock = 1; dock <= StationDockNumberDisplay(classes, station.ClassName); ++dock)
                tree.add(node, QStringLiteral("Dock  ") + QString::number(dock), DockImage);
        }
    }
}

void plainDockMarks(PlaceTree& tree, const Scenario& doc)
{
    tree.removeImage(OccupantImage);
    for (qsizetype k = 0; k < std::min(doc.shipNames.size(), doc.ships.rowCount()); ++k) {
        const ShipRow& ship = doc.ships[k];
        if (trimBlanks(ship.Status).compare(u"Docked", Qt::CaseInsensitive) != 0)
            continue;
        const qsizetype existing = tree.size();
        for (qsizetype j = 0; j < existing; ++j) {
            const PlaceNode& node = tree.nodes[j];
            if (node.text.startsWith(u"Dock") && node.parent >= 0 &&
                trimBlanks(GetNumberValue(node.text)) == trimBlanks(ship.DockPort) &&
                trimBlanks(tree.nodes[node.parent].text).toUpper() == trimBlanks(ship.DockStation).toUpper())
                tree.add(static_cast<int>(j), ship.Name, OccupantImage);
        }
    }
    for (qsizetype i = 0; i < tree.size(); ++i) {
        if (tree.nodes[i].image != OccupantImage)
            continue;
        int ancestor = tree.nodes[i].parent;
        for (int level = 0; level < 3 && ancestor >= 0; ++level) {
            tree.nodes[ancestor].expanded = true;
            ancestor = tree.nodes[ancestor].parent;
        }
        tree.nodes[tree.root(static_cast<int>(i))].expanded = true;
    }
}

void expectSameTree(const PlaceTree& fast, const PlaceTree& plain)
{
    ASSERT_EQ(fast.size(), plain.size());
    for (qsizetype i = 0; i < fast.size(); ++i) {
        EXPECT_EQ(fast.nodes[i].text, plain.nodes[i].text) << i;
        EXPECT_EQ(fast.nodes[i].image, plain.nodes[i].image) << i;
        EXPECT_EQ(fast.nodes[i].parent, plain.nodes[i].parent) << i;
        EXPECT_EQ(fast.nodes[i].expanded, plain.nodes[i].expanded) << i;
    }
}

QString pick(QRandomGenerator& random, const QStringList& from)
{
    return from[random.bounded(static_cast<int>(from.size()))];
}

// Names that collide on purpose: bodies that are also station names, stations named like docks
// ("Dock 1"), ships named like docks, blanks and letter case that only trimming and upper-casing
// make equal.
const QStringList kBodies{QStringLiteral("Earth"), QStringLiteral("  Moon"), QStringLiteral("Mars"),
                          QStringLiteral("  Phobos"), QStringLiteral("  Moon")};
const QStringList kPlaces{QStringLiteral("Earth"), QStringLiteral(" Moon "),  QStringLiteral("Gate"),
                          QStringLiteral("gate "), QStringLiteral("Dock  1"), QStringLiteral("Ring")};
const QStringList kClasses{QStringLiteral("Ring"), QStringLiteral(" ring"), QStringLiteral("Hub"),
                           QStringLiteral("None")};
const QStringList kNumbers{QStringLiteral("1"), QStringLiteral(" 2"), QStringLiteral("01"),
                           QStringLiteral("3")};

Scenario randomScenario(QRandomGenerator& random)
{
    Scenario doc;
    const int stations = random.bounded(12);
    doc.stations.StationTableRedim(stations);
    for (int i = 0; i < stations; ++i) {
        StationRow& row = doc.stations[i];
        row.Name = pick(random, kPlaces);
        row.ClassName = pick(random, kClasses);
        row.RefPlanet = pick(random, kPlaces);
        doc.stationNames.append(row.Name);
    }
    const int ships = random.bounded(30);
    doc.ships.ShipTableRedim(ships);
    for (int k = 0; k < ships; ++k) {
        ShipRow& row = doc.ships[k];
        row.Name = random.bounded(4) == 0 ? QStringLiteral("Dock  2") : QStringLiteral("Ship%1").arg(k);
        row.Status =
            pick(random, {QStringLiteral("Docked"), QStringLiteral(" docked"), QStringLiteral("Landed")});
        row.DockStation = pick(random, kPlaces);
        row.DockPort = pick(random, kNumbers);
        doc.shipNames.append(row.Name);
    }
    return doc;
}

TEST(PlaceTreeIndex, StationTreeAndDockMarksMatchAScanOfEveryNode)
{
    const QVector<StationClassRow> classes{{QStringLiteral("Ring"), 3},
                                           {QStringLiteral("HUB"), 2},
                                           {QStringLiteral("ring"), 2},
                                           {QStringLiteral("None"), -1}};
    QRandomGenerator random(20261209);
    // The same trees are rebuilt every round, as the editor rebuilds its own after each read.
    PlaceTree fast;
    PlaceTree plain;
    for (int round = 0; round < 400; ++round) {
        const Scenario doc = randomScenario(random);
        StationTreeUpdate(fast, kBodies, doc, classes);
        plainStationTree(plain, kBodies, doc, classes);
        expectSameTree(fast, plain);
        // Marked again after each edit of a ship, as the editor does: the first marks are
        // removed first, and what the marking keeps of the tree must follow the edit; a copy
        // of the tree (a copied workspace) marks on its own.
        Scenario edited = doc;
        for (int pass = 0; pass < 4; ++pass) {
            if (pass > 0 && edited.ships.rowCount() > 0) {
                ShipRow& ship = edited.ships[random.bounded(static_cast<int>(edited.ships.rowCount()))];
                ship.Status = pick(random, {QStringLiteral("Docked"), QStringLiteral("Landed")});
                ship.DockStation = pick(random, kPlaces);
                ship.DockPort = pick(random, kNumbers);
            }
            // A station edit rebuilds the tree, whether it changed what the tree shows or not;
            // nodes the user opened in between are closed again.
            if (pass == 3 && edited.stations.rowCount() > 0) {
                if (random.bounded(2) == 0)
                    edited.stations[random.bounded(static_cast<int>(edited.stations.rowCount()))].RefPlanet =
                        pick(random, kPlaces);
                for (PlaceNode& node : fast.nodes)
                    node.expanded = random.bounded(2) == 0;
                StationTreeUpdate(fast, kBodies, edited, classes);
                plainStationTree(plain, kBodies, edited, classes);
                expectSameTree(fast, plain);
            }
            PlaceTree copy = fast;
            StationDockTreeUpdate(fast, edited);
            plainDockMarks(plain, edited);
            expectSameTree(fast, plain);
            StationDockTreeUpdate(copy, edited);
            expectSameTree(copy, plain);
        }
        if (HasFailure())
            FAIL() << "round " << round;
    }
}

TEST(PlaceTreeIndex, BaseTreeHangsEachBaseUnderEveryBodyOfItsNameInAnyCase)
{
    const QStringList bodies{QStringLiteral("Earth"), QStringLiteral("  Moon"), QStringLiteral("EARTH"),
                             QStringLiteral("Mars")};
    PlaceTree tree;
    BaseTreeUpdate(tree, bodies,
                   {QStringLiteral("Canaveral: 2:earth"), QStringLiteral("Tranquility: 1: Moon ")});
    QStringList shown;
    for (const PlaceNode& node : tree.nodes)
        shown.append(QString::number(node.parent) + u' ' + node.text);
    EXPECT_EQ(shown, (QStringList{"-1 Earth", "0   Moon", "-1 EARTH", "-1 Mars", "0 Canaveral",
                                  "4 Landing pad  1", "4 Landing pad  2", "2 Canaveral", "7 Landing pad  1",
                                  "7 Landing pad  2", "1 Tranquility", "10 Landing pad  1"}));
}

} // namespace
