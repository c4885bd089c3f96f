#include "editing/find_entries.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Two stations and five ships, the last one added and never validated (no class in its row).
Scenario harbour()
{
    Scenario doc;
    const std::pair<QString, QString> stations[] = {{u"Gateway"_s, u"Ringstation"_s},
                                                    {u"Selene"_s, u"Outpost"_s}};
    const std::pair<QString, QString> ships[] = {{u"Nightjar"_s, u"Skipper"_s},
                                                 {u"Ærø Clipper"_s, u"Hauler"_s},
                                                 {u"Pathfinder"_s, u"Falcon"_s},
                                                 {u"Moonhopper"_s, u"Skipper"_s},
                                                 {u"New Ship"_s, QString()}};
    for (const auto& [name, className] : stations) {
        StationRow row;
        row.Name = name;
        row.ClassName = className;
        doc.stationNames.append(name);
        doc.stations.rows.append(row);
    }
    for (const auto& [name, className] : ships) {
        ShipRow row;
        row.Name = className.isEmpty() ? QString() : name;
        row.ClassName = className;
        doc.shipNames.append(name);
        doc.ships.rows.append(row);
    }
    return doc;
}

QString found(const QVector<FoundEntry>& entries)
{
    QStringList texts;
    for (const FoundEntry& entry : entries)
        texts.append(QStringLiteral("%1 %2 %3:%4")
                         .arg(entryKindName(entry.kind))
                         .arg(entry.row)
                         .arg(entry.name, entry.className));
    return texts.join(u" | ");
}

TEST(FindEntries, NameOrClassAnywhereWithoutRegardToCaseStationsFirst)
{
    struct Case
    {
        const char* name;
        QString text;
        QString expected;
    };
    const Case cases[] = {
        {"empty-finds-all", QString(),
         u"Station 0 Gateway:Ringstation | Station 1 Selene:Outpost | Ship 0 Nightjar:Skipper | "
         "Ship 1 Ærø Clipper:Hauler | Ship 2 Pathfinder:Falcon | Ship 3 Moonhopper:Skipper | Ship 4 New Ship:"_s},
        {"start-of-name", u"gate"_s, u"Station 0 Gateway:Ringstation"_s},
        {"middle-of-name", u"hopp"_s, u"Ship 3 Moonhopper:Skipper"_s},
        {"class-upper-case", u"SKIP"_s, u"Ship 0 Nightjar:Skipper | Ship 3 Moonhopper:Skipper"_s},
        {"accented-letters-fold", u"ærø"_s, u"Ship 1 Ærø Clipper:Hauler"_s},
        {"both-kinds", u"out"_s, u"Station 1 Selene:Outpost"_s},
        {"name-or-class", u"er"_s,
         u"Ship 0 Nightjar:Skipper | Ship 1 Ærø Clipper:Hauler | Ship 2 Pathfinder:Falcon | "
         "Ship 3 Moonhopper:Skipper"_s},
        {"blanks-around-cut", u"  clip "_s, u"Ship 1 Ærø Clipper:Hauler"_s},
        {"blank-inside-kept", u"ø c"_s, u"Ship 1 Ærø Clipper:Hauler"_s},
        {"only-blanks-finds-all", u"   "_s, found(findEntries(harbour(), QString()))},
        {"unvalidated-by-entry", u"new"_s, u"Ship 4 New Ship:"_s},
        {"nothing", u"zz"_s, QString()},
    };
    const Scenario doc = harbour();
    for (const Case& c : cases)
        EXPECT_EQ(found(findEntries(doc, c.text)), c.expected) << c.name;
}

// The lists name the rows in use; a list entry without its row (a document built by hand) is
// still found, with no class, and nothing is read past the table.
TEST(FindEntries, AnEntryWithoutItsRowIsFoundWithoutClass)
{
    Scenario doc = harbour();
    doc.shipNames.append(u"Drifter"_s);
    EXPECT_EQ(found(findEntries(doc, u"drift"_s)), u"Ship 5 Drifter:"_s);
    doc.stations.rows.clear();
    EXPECT_EQ(found(findEntries(doc, u"gate"_s)), u"Station 0 Gateway:"_s);
    EXPECT_EQ(found(findEntries(doc, u"ring"_s)), QString());
}

} // namespace
