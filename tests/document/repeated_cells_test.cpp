#include "document/repeated_cells.h"
#include "qt_print.h"
#include "scenario_files.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Two ships of one class, status and body read from a file hold one copy of each of those
// texts; their own values stay their own, and every cell keeps the text it was read with.
TEST(RepeatedCells, RowsReadWithTheSameTextsShareThem)
{
    ScenarioFiles files;
    const QString path = files.write(u"two.scn"_s, scenarioLines({u"Alpha:Ring"_s, u"  REF Earth"_s, u"END"_s,
                                                                  u"Beta:Ring"_s, u"  REF Earth"_s, u"END"_s},
                                                                 {u"Tern:Skipper"_s, u"  STATUS Orbiting Earth"_s,
                                                                  u"  RPOS 7000000 0 0"_s, u"  FUEL 0.5"_s, u"END"_s,
                                                                  u"Kite:Skipper"_s, u"  STATUS Orbiting Earth"_s,
                                                                  u"  RPOS 7100000 0 0"_s, u"  FUEL 0.5"_s, u"END"_s}));
    Scenario doc = readScenario(path);
    ASSERT_GE(doc.ships.rowCount(), 2);
    const ShipRow& tern = doc.ships[0];
    const ShipRow& kite = doc.ships[1];
    EXPECT_EQ(tern.Status, u"Orbiting"_s);
    EXPECT_EQ(tern.Status.constData(), kite.Status.constData());
    EXPECT_EQ(tern.Planet.constData(), kite.Planet.constData());
    EXPECT_EQ(tern.ClassName.constData(), kite.ClassName.constData());
    EXPECT_EQ(tern.Fuel.constData(), kite.Fuel.constData());
    EXPECT_EQ(tern.RposX, u"7000000"_s);
    EXPECT_EQ(kite.RposX, u"7100000"_s);
    ASSERT_GE(doc.stations.rowCount(), 2);
    EXPECT_EQ(doc.stations[0].RefPlanet.constData(), doc.stations[1].RefPlanet.constData());

    // A shared cell changed in one row leaves the other as it was.
    doc.ships[0].Status = u"Landed"_s;
    EXPECT_EQ(doc.ships[1].Status, u"Orbiting"_s);
}

} // namespace
