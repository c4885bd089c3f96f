#include "catalogue/catalogue.h"
#include "config_folder.h"

namespace {

QStringList entries(const QVector<NamedFile>& list)
{
    QStringList result;
    for (const NamedFile& entry : list)
        result.append(entry.name + u'|' + entry.file);
    return result;
}

TEST(Catalogue, NamesStayPairedWithTheFileTheyCameFrom)
{
    ConfigFolder cfg;
    cfg.write("zeta.cfg", {"Star1 = Z", "Name = Zeta"});
    cfg.write("Alpha.cfg", {"Name = Alpha", "Star1 = A"});
    cfg.write("Compact.cfg", {"Star1 = C", "Name=Sol"});
    cfg.write("Double.cfg", {"Star1 = D", "Name = First", "Name = Second"});
    cfg.write("Twice.cfg", {"Star1 = T1", "Star1 = T2", "Name = Twice"});
    cfg.write("Lower.cfg", {"star1 = L", "; Star1 = X", "Name = Lower"});
    cfg.write("Ship.CFG", {"ClassName = Falcon", "BEGIN_DOCKLIST", "d", "END_DOCKLIST"});
    cfg.write("Shuttle.cfg", {"  ClassName = Shuttle ; light", "ClassName = Shuttle B"});
    cfg.write("Sub/Hidden.cfg", {"ClassName = Hidden"});
    cfg.write("notes.txt", {"ClassName = Notes"});

    ScanLog log;
    const Catalogue catalogue = buildCatalogue(cfg.path(), log);
    EXPECT_EQ(entries(catalogue.planetarySystems),
              (QStringList{"Alpha|Alpha.cfg", "l|Compact.cfg", "First|Double.cfg", "Second|Double.cfg",
                           "Twice|Twice.cfg", "Twice|Twice.cfg", "Zeta|zeta.cfg"}));
    EXPECT_EQ(entries(catalogue.vesselClasses),
              (QStringList{"Falcon|Ship.CFG", "Shuttle|Shuttle.cfg", "Shuttle B|Shuttle.cfg"}));
    EXPECT_EQ(catalogue.stationClasses, QStringList{"Ship"});
    EXPECT_EQ(catalogue.stationClassTable[0].DockCount, 1);
    EXPECT_FALSE(log.LogError);
}

TEST(Catalogue, DockCountFollowsTheLineCounter)
{
    const std::pair<QStringList, int> cases[] = {
        {{"Meshname = R", "BEGIN_DOCKLIST", "a", "b", "c", "", "END_DOCKLIST", "x"}, 4},
        {{"BEGIN_DOCKLIST", "a", "b", "END_DOCKLIST", " begin_docklist ", "c", "end_docklist"}, 4},
        {{"BEGIN_DOCKLIST", "a", "; comment", "c"}, 2},
    };
    for (const auto& [lines, docks] : cases) {
        ConfigFolder cfg;
        cfg.write("Class.cfg", lines);
        ScanLog log;
        const auto table = buildCatalogue(cfg.path(), log).stationClassTable;
        ASSERT_EQ(table.size(), 1);
        EXPECT_EQ(table[0].Name + " " + QString::number(table[0].DockCount),
                  "Class " + QString::number(docks));
    }

    const QVector<StationClassRow> table{{"Outpost", 2}, {"Ring", 4}, {"RING", 6}};
    EXPECT_EQ(StationDockNumberDisplay(table, " ring "), 6);
    EXPECT_EQ(StationDockNumberDisplay(table, "Unknown"), 0);
}

} // namespace
