#include "catalogue/place_tree.h"
#include "config_folder.h"

namespace {

// The tree as indented lines "image text", "*" marking an expanded node.
QStringList outline(const PlaceTree& tree, int parent = -1, int depth = 0)
{
    QStringList lines;
    for (int i = 0; i < tree.size(); ++i) {
        const PlaceNode& n = tree.nodes[i];
        if (n.parent != parent)
            continue;
        lines.append(QString(depth * 2, u' ') + QString::number(n.image) + (n.expanded ? "* " : " ") +
                     n.text);
        lines += outline(tree, i, depth + 1);
    }
    return lines;
}

int find(const PlaceTree& tree, const QString& text)
{
    for (int i = 0; i < tree.size(); ++i) {
        if (tree.nodes[i].text == text)
            return i;
    }
    return -1;
}

// Stations "name:class:reference" and ships "name:status:place:number", as validated rows.
Scenario scenario(const QStringList& stations, const QStringList& ships)
{
    Scenario doc;
    doc.stations.StationTableRedim(stations.size());
    doc.ships.ShipTableRedim(ships.size());
    for (const QString& station : stations) {
        const QStringList f = station.split(u':');
        StationRow& row = doc.stations[doc.stationNames.size()];
        row.Name = f[0];
        row.ClassName = f[1];
        row.RefPlanet = f[2];
        doc.stationNames.append(f[0]);
    }
    for (const QString& ship : ships) {
        const QStringList f = ship.split(u':');
        ShipRow& row = doc.ships[doc.shipNames.size()];
        row.Name = f[0];
        row.Status = f[1];
        row.DockStation = row.Base = f[2];
        row.DockPort = row.Pad = f[3];
        doc.shipNames.append(f[0]);
    }
    return doc;
}

const QStringList kBodies{"Earth", "   Moon", "Mars"};
const QVector<StationClassRow> kClasses{{"Outpost", 2}, {"Spindle", 12}};

TEST(PlaceTree, TreesHangPlacesAndNumberedDocksOrPadsUnderTheirBodies)
{
    PlaceTree docks;
    StationTreeUpdate(docks, kBodies,
                      scenario({"Gateway:outpost:Earth", "Selene:Outpost: Moon ", "Far:Outpost:Pluto",
                                "Bare:Unknown:Mars", "Lower:Outpost:mars"},
                               {}),
                      kClasses);
    EXPECT_EQ(outline(docks),
              (QStringList{"1 Earth", "  2    Moon", "    3 Selene", "      6 Dock  1", "      6 Dock  2",
                           "  3 Gateway", "    6 Dock  1", "    6 Dock  2", "1 Mars", "  3 Bare"}));
    PlaceTree pads;
    BaseTreeUpdate(pads, {"   Stray", "Earth", "   Moon"},
                   {" Cape Canaveral: 2:EARTH", "Tranquility: 0:Moon"});
    EXPECT_EQ(outline(pads),
              (QStringList{"2    Stray", "1 Earth", "  2    Moon", "    4 Tranquility", "  4  Cape Canaveral",
                           "    5 Landing pad  1", "    5 Landing pad  2"}));
}

TEST(PlaceTree, OccupantsHangUnderTheirPlaceWithTheirAncestorsExpanded)
{
    const Scenario doc =
        scenario({"Ares Hub:Spindle:Mars", "Selene:Outpost:Moon"},
                 {"Hauler:docked: ares hub :12", "Skipper:Docked:Selene:2", "Late:Orbiting:Selene:1"});
    PlaceTree tree;
    StationTreeUpdate(tree, kBodies, doc, kClasses);
    StationDockTreeUpdate(tree, doc);
    StationDockTreeUpdate(tree, doc); // marking again replaces the occupants
    const QStringList lines = outline(tree);
    EXPECT_EQ(lines.mid(0, 5), (QStringList{"1* Earth", "  2*    Moon", "    3* Selene", "      6 Dock  1",
                                            "      6* Dock  2"}));
    EXPECT_EQ(lines[5], QStringLiteral("        7 Skipper"));
    EXPECT_EQ(lines.mid(6, 2), (QStringList{"1* Mars", "  3* Ares Hub"}));
    EXPECT_EQ(lines.mid(lines.size() - 3),
              (QStringList{"    6 Dock  11", "    6* Dock  12", "      7 Hauler"}));
    EXPECT_EQ(find(tree, "Late"), -1);

    PlaceTree pads;
    BaseTreeUpdate(pads, kBodies, {" Cape Canaveral: 2:Earth"});
    BasePadTreeUpdate(pads, scenario({}, {"Falcon:LANDED:cape canaveral: 2"}));
    EXPECT_EQ(outline(pads).mid(2, 4), (QStringList{"  4*  Cape Canaveral", "    5 Landing pad  1",
                                                    "    5* Landing pad  2", "      7 Falcon"}));

    tree.add(find(tree, "Hauler"), "Nested", OccupantImage);
    tree.removeImage(OccupantImage);
    EXPECT_EQ(find(tree, "Nested") + find(tree, "Skipper"), -2);
}

TEST(PlaceTree, DoubleClickOnAFreeDockOrPadGivesItsLabels)
{
    const Scenario doc = scenario({"Selene:Spindle:Moon"}, {"Skipper:Docked:Selene:2"});
    PlaceTree docks;
    StationTreeUpdate(docks, kBodies, doc, kClasses);
    StationDockTreeUpdate(docks, doc);
    const auto dock12 = dockDoubleClick(docks, find(docks, "Dock  12"));
    ASSERT_TRUE(dock12);
    EXPECT_EQ(QStringList({dock12->planet, dock12->place, dock12->number}),
              QStringList({"   Moon", "Selene", "12"}));
    EXPECT_FALSE(dockDoubleClick(docks, find(docks, "Dock  2"))) << "taken";
    EXPECT_FALSE(dockDoubleClick(docks, find(docks, "Selene")));

    PlaceTree pads;
    BaseTreeUpdate(pads, kBodies, {" Cape Canaveral: 3:Earth", "Docker: 0:Mars"});
    const auto pad3 = padDoubleClick(pads, find(pads, "Landing pad  3"));
    ASSERT_TRUE(pad3);
    EXPECT_EQ(QStringList({pad3->planet, pad3->place, pad3->number}),
              QStringList({"Earth", " Cape Canaveral", "3"}));
    EXPECT_FALSE(dockDoubleClick(pads, find(pads, "Docker"))) << "a base whose name begins with Dock";
}

} // namespace
