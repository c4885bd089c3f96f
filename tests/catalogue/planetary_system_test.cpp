#include "catalogue/planetary_system.h"
#include "config_folder.h"

namespace {

TEST(PlanetarySystem, ExtractPlanetReadsPlanetAndMoonLines)
{
    const std::pair<QStringList, QStringList> cases[] = {
        {{"Name = S", "Star1 = S", "Planet1 = Alpha", "Planet2 = Beta", "Beta1 = Gamma", "Planet3 = Delta"},
         {"Alpha", "Beta", "   Gamma", "Delta"}},
        {{"Alpha1 = Lost", "Nitchevo1 = Kept", "Planet1 = Alpha", "alpha1 = lower"}, {"   Kept", "Alpha"}},
        {{"Planet4 = Delta ; comment", "  Planet5 = Hidden", "  Planet6 = Shown ; c", "planet7 = x"},
         {"Delta", "Shown"}},
        {{"Planet1 =", "Name = Sys", "Planet2 = Beta"}, {"", "Beta"}}, // no value: no moon prefix
    };
    for (const auto& [lines, bodies] : cases) {
        ConfigFolder cfg;
        cfg.write("Sys.cfg", lines);
        ScanLog log;
        EXPECT_EQ(ExtractPlanet(cfg.path() + "sys.cfg", log), bodies);
        EXPECT_FALSE(log.LogError);
    }
    ScanLog log;
    EXPECT_TRUE(ExtractPlanet("/nonexistent/Sys.cfg", log).isEmpty());
    EXPECT_EQ(log.LogMessage, QStringLiteral("Can not open the file /nonexistent/Sys.cfg. "));
    EXPECT_EQ(defaultBodyIndex({}), -1);
    EXPECT_EQ(defaultBodyIndex({"A", "B"}), 1);
    EXPECT_EQ(defaultBodyIndex({"A", "B", "   C", "D"}), 2);
}

TEST(PlanetarySystem, NumbersAreShownAsTheInformationWindowWritesThem)
{
    EXPECT_EQ(rotationPeriodText(86164.1), QStringLiteral("23h56min4sec"));
    EXPECT_EQ(rotationPeriodText(-20997152.6), QStringLiteral("5832h32min32sec"));
    EXPECT_EQ(rotationPeriodText(3599.9), QStringLiteral("0h59min59sec"));
    EXPECT_EQ(groupedWholeNumber(6371000.5, QLocale::c()), QStringLiteral("6,371,001"));
    EXPECT_EQ(groupedWholeNumber(1737400.4, QLocale(QLocale::German)), QStringLiteral("1.737.400"));
    EXPECT_EQ(groupedWholeNumber(-0.2, QLocale::c()), QStringLiteral("0"));
}

TEST(PlanetarySystem, BodyDataShowsWhatTheFileHoldsAndNothingMisleading)
{
    ConfigFolder cfg;
    cfg.write("Earth.cfg",
              {"mass = 5.97e24", "SIZE = 6.3710004e6", "SidRotPeriod = 86164.1", "AtmAltLimit = 200000 ; m"});
    cfg.write("Moon.cfg", {"Size = 1.7374e6"});
    ScanLog log;
    const BodyDisplay earth = bodyDisplay(cfg.path(), "earth", log, QLocale::c());
    EXPECT_EQ(QStringList({earth.mass, earth.meanRadius, earth.rotationPeriod, earth.atmosphereLimit}),
              QStringList({" 5.97e24 kg", "6,371,000 m", "23h56min4sec", "200,000 m"}));
    const BodyDisplay moon = bodyDisplay(cfg.path(), "   Moon", log, QLocale::c());
    EXPECT_EQ(QStringList({moon.mass, moon.meanRadius, moon.rotationPeriod, moon.atmosphereLimit}),
              QStringList({"", "1,737,400 m", "", "0 m"}));
    EXPECT_DOUBLE_EQ(bodyRadius(cfg.path(), "   Moon", log), 1.7374e6);
    EXPECT_DOUBLE_EQ(bodyAtmosphereLimit(cfg.path(), "EARTH", log), 200000);
    EXPECT_DOUBLE_EQ(bodyAtmosphereLimit(cfg.path(), "Moon", log), 0);
    EXPECT_FALSE(log.LogError);

    const BodyDisplay missing = bodyDisplay(cfg.path(), "Vulcan", log, QLocale::c());
    EXPECT_EQ(missing.mass + missing.meanRadius + missing.rotationPeriod + missing.atmosphereLimit, "0 m");
    EXPECT_TRUE(log.LogMessage.startsWith("Can not open the file " + cfg.path() + "Vulcan.cfg. "));
}

} // namespace
