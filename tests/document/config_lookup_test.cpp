#include "document/config_lookup.h"
#include "qt_print.h"
#include "scenario_files.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(GetData, ReturnsTheLastMatchingItemWithoutRegardToCase)
{
    ScenarioFiles files;
    const QString path =
        files.write(u"Earth.cfg"_s, {u"; Earth"_s, u"Mass = 5.97e24 ; kg"_s, u"  Date MJD 51544.5"_s,
                                     u"Size = 1, Size = 2"_s, u"date mjd 1"_s});
    ScanLog log;
    struct Case
    {
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"Mass", "Mass = 5.97e24"},                     // comment removed
        {"DATE", "date mjd 1"},                         // last match, any letter case
        {"Size", "Size = 2"},                           // a comma ends an item
        {"Radius", "No Data"},      {"", "date mjd 1"}, // the empty key matches every item
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetData(path, QString::fromLatin1(c.key), log), QString::fromLatin1(c.expected)) << c.key;
    EXPECT_FALSE(log.LogError);
}

TEST(GetData, LogsAFileItCannotRead)
{
    ScenarioFiles files;
    ScanLog log;
    const QString path = files.path(u"missing.cfg"_s);
    EXPECT_EQ(GetData(path, u"Mass"_s, log), kNoData);
    EXPECT_TRUE(log.LogError);
    EXPECT_EQ(log.LogMessage, u"Can not open the file "_s + path + u". "_s);
}

TEST(FindData, PairsEachValueWithItsFileAndCutsByPosition)
{
    ScenarioFiles files;
    files.write(u"Sol.cfg"_s, {u"Star1 = Sun"_s, u"Name = Sol"_s});
    files.write(u"Twice.cfg"_s, {u"Star1 = A"_s, u"Name=Tight"_s, u"name = lower"_s});
    files.write(u"Ship.cfg"_s, {u"ClassName = Falcon"_s});
    const QString folder = files.path(u"Sol.cfg"_s).chopped(7);
    ScanLog log;
    const FindDataResult result = FindData(
        folder, {u"Sol.cfg"_s, u"Ship.cfg"_s, u"Twice.cfg"_s, u"Gone.cfg"_s}, u"Star1"_s, u"Name"_s, log);
    EXPECT_EQ(result.files, (QStringList{u"Sol.cfg"_s, u"Twice.cfg"_s}));
    ASSERT_EQ(result.values.size(), 2);
    EXPECT_EQ(result.values[0].file, u"Sol.cfg"_s);
    EXPECT_EQ(result.values[0].value, u"Sol"_s);
    EXPECT_EQ(result.values[1].file, u"Twice.cfg"_s);
    EXPECT_EQ(result.values[1].value, u"ght"_s); // "Name=Tight" cut by position
    EXPECT_EQ(log.LogMessage, u"Can not open the file "_s + folder + u"Gone.cfg. "_s);
}

} // namespace
