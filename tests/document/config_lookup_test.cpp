#include "document/config_lookup.h"
#include "qt_print.h"
#include "scenario_files.h"

#include <gtest/gtest.h>

namespace {

TEST(GetData, ReturnsTheLastMatchingItemWithoutRegardToCase)
{
    ScenarioFiles files;
    const QString path = files.write(QStringLiteral("Earth.cfg"),
                                     {QStringLiteral("; Earth"), QStringLiteral("Mass = 5.97e24 ; kg"),
                                      QStringLiteral("  Date MJD 51544.5"),
                                      QStringLiteral("Size = 1, Size = 2"), QStringLiteral("date mjd 1")});
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
    const QString path = files.path(QStringLiteral("missing.cfg"));
    EXPECT_EQ(GetData(path, QStringLiteral("Mass"), log), kNoData);
    EXPECT_TRUE(log.LogError);
    EXPECT_EQ(log.LogMessage, QStringLiteral("Can not open the file ") + path + QStringLiteral(". "));
}

TEST(FindData, PairsEachValueWithItsFileAndCutsByPosition)
{
    ScenarioFiles files;
    files.write(QStringLiteral("Sol.cfg"), {QStringLiteral("Star1 = Sun"), QStringLiteral("Name = Sol")});
    files.write(QStringLiteral("Twice.cfg"),
                {QStringLiteral("Star1 = A"), QStringLiteral("Name=Tight"), QStringLiteral("name = lower")});
    files.write(QStringLiteral("Ship.cfg"), {QStringLiteral("ClassName = Falcon")});
    const QString folder = files.path(QStringLiteral("Sol.cfg")).chopped(7);
    ScanLog log;
    const FindDataResult result = FindData(folder,
                                           {QStringLiteral("Sol.cfg"), QStringLiteral("Ship.cfg"),
                                            QStringLiteral("Twice.cfg"), QStringLiteral("Gone.cfg")},
                                           QStringLiteral("Star1"), QStringLiteral("Name"), log);
    EXPECT_EQ(result.files, (QStringList{QStringLiteral("Sol.cfg"), QStringLiteral("Twice.cfg")}));
    ASSERT_EQ(result.values.size(), 2);
    EXPECT_EQ(result.values[0].file, QStringLiteral("Sol.cfg"));
    EXPECT_EQ(result.values[0].value, QStringLiteral("Sol"));
    EXPECT_EQ(result.values[1].file, QStringLiteral("Twice.cfg"));
    EXPECT_EQ(result.values[1].value, QStringLiteral("ght")); // "Name=Tight" cut by position
    EXPECT_EQ(log.LogMessage,
              QStringLiteral("Can not open the file ") + folder + QStringLiteral("Gone.cfg. "));
}

} // namespace
