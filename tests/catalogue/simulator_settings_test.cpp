#include "catalogue/simulator_settings.h"
#include "config_folder.h"
#include "document/text_file.h"

namespace {

TEST(SimulatorSettings, CorvaneCfgIsReadFieldByFieldWithFixedCuts)
{
    using Dirs = std::optional<QStringList>; // ConfigDir, ScenarioDir; nullopt: the start fails
    const std::pair<QStringList, Dirs> cases[] = {
        {{"; x", "ConfigDir = .\\Config\\ ; local", "ScenarioDir = .\\Scenarios\\, x"},
         QStringList{"\\Config\\", "\\Scenarios\\"}},
        {{"configdir = .\\Config\\", "ConfigDir = .\\A\\", "ConfigDir = .\\B\\", "ScenarioDir = ."},
         QStringList{"\\B\\", ""}},
        {{"ConfigDir = ", "ScenarioDir = .\\S\\"}, std::nullopt},
        {{"ScenarioDir = "}, std::nullopt},
    };
    for (const auto& [lines, expected] : cases) {
        ConfigFolder sim;
        sim.write("CORVANE.CFG", lines);
        const auto config = readSimulatorConfig(sim.path());
        EXPECT_EQ(config ? Dirs(QStringList{config->ConfigDir, config->ScenarioDir}) : std::nullopt, expected)
            << lines.join(" | ").toStdString();
    }
    EXPECT_FALSE(readSimulatorConfig(ConfigFolder().path()));

    FolderValues folders;
    folders.VexDir = "/sim";
    folders.ScenarioDir = "\\Scenarios\\";
    formConfigurationFolders(folders);
    EXPECT_EQ(folders.CfgDir + " " + folders.ScnDir, "/sim/ /sim/Scenarios/")
        << "no ConfigDir: the folder itself";
}

TEST(SimulatorSettings, SettingsFileGivesItsFirstLineWithoutComment)
{
    ConfigFolder prog;
    EXPECT_FALSE(readSettingsFile(prog.path()));
    prog.write("VEX.cfg", {"C:\\Sim ; old install", "second line"});
    EXPECT_EQ(readSettingsFile(prog.path()), QStringLiteral("C:\\Sim"));
    prog.write("VEX.cfg", {""});
    EXPECT_FALSE(readSettingsFile(prog.path()));
}

// A start-up folder and a simulator folder, the way the editor finds them when it starts.
struct StartUp : ::testing::Test
{
    ConfigFolder prog, sim;
    FolderValues folders;
    int dialogRuns = 0;

    void SetUp() override
    {
        sim.write("Config/Sol.cfg", {"Star1 = Sun"});
        sim.write("corvane.cfg", {"ConfigDir = .\\Config\\", "ScenarioDir = .\\Scenarios\\"});
        folders.ProgDir = prog.path();
        folders.SettingsDir = prog.path(); // portable use: vex.cfg in the start folder
    }
    // The folder search stand-in: validating a folder writes the settings file, as the dialog does.
    FolderSearchDialog dialog(const QString& chosen = QString())
    {
        return [this, chosen] {
            ++dialogRuns;
            if (!chosen.isEmpty())
                writeSettingsFile(prog.path(), chosen);
        };
    }
};

TEST_F(StartUp, ValidSettingsNeedNoDialogAndAreRewrittenWithoutComment)
{
    prog.write("vex.cfg", {QDir(prog.path()).relativeFilePath(sim.path()) + " ; my install"});
    const SimulatorLocation location = locateSimulator(folders, dialog());
    EXPECT_TRUE(location.located);
    EXPECT_EQ(dialogRuns, 0);
    EXPECT_EQ(folders.CfgDir, sim.path() + "Config/") << "a relative folder is taken from the start folder";
    EXPECT_EQ(folders.ScnDir, sim.path() + "Scenarios/");
    EXPECT_TRUE(location.settingsWrite && location.settingsWrite->ok);
    EXPECT_EQ(readTextLines(prog.path() + "vex.cfg"), QStringList{folders.VexDir});
}

TEST_F(StartUp, WithoutUsableSettingsTheDialogRunsAndTheSameStartGoesOn)
{
    prog.write("vex.cfg", {prog.path()}); // a folder without corvane.cfg
    EXPECT_TRUE(locateSimulator(folders, dialog(sim.path())).located);
    EXPECT_EQ(dialogRuns, 1);
    EXPECT_EQ(folders.VexDir, sim.path());
}

TEST_F(StartUp, FailuresEndInTheWarning)
{
    SimulatorLocation location = locateSimulator(folders, dialog());
    EXPECT_FALSE(location.located || location.settingsWrite) << "dialog closed, nothing to read or write";
    EXPECT_TRUE(folders.VexDir.isEmpty());

    sim.write("corvane.cfg", {"ConfigDir = .\\Missing\\"});
    prog.write("vex.cfg", {sim.path()});
    location = locateSimulator(folders, dialog());
    EXPECT_FALSE(location.located) << "the configuration folder does not exist";
    EXPECT_TRUE(location.settingsWrite && location.settingsWrite->ok);
}

TEST_F(StartUp, FailedRewriteIsReportedButDoesNotStopTheStart)
{
    folders.VexDir = sim.path(); // kept when the dialog establishes nothing
    QDir(prog.path()).mkdir("vex.cfg");
    const SimulatorLocation location = locateSimulator(folders, dialog());
    EXPECT_TRUE(location.located);
    ASSERT_TRUE(location.settingsWrite);
    EXPECT_FALSE(location.settingsWrite->ok);
    EXPECT_FALSE(location.settingsWrite->error.isEmpty());
}

} // namespace

// A simulator folder whose path holds characters outside Windows-1252 (a Cyrillic user name)
// is kept in UTF-8 and found again at the next start; a path that fits stays Windows-1252, and
// an older Windows-1252 file with high bytes is still read as such.
TEST(SimulatorSettings, AnyPickedFolderIsKeptAndFoundAgain)
{
    ConfigFolder prog, home;
    const QString cyrillic = QStringLiteral("Симулятор Ωmega");
    home.write(cyrillic + "/corvane.cfg", {"ConfigDir = .\\Config\\", "ScenarioDir = .\\Scenarios\\"});
    home.write(cyrillic + "/Config/Sol.cfg", {"Star1 = Sun"});
    const QString simFolder = home.path() + cyrillic;
    ASSERT_TRUE(isSimulatorFolder(simFolder));

    ASSERT_TRUE(writeSettingsFile(prog.path(), simFolder).ok);
    QFile written(prog.path() + "vex.cfg");
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), (simFolder + "\r\n").toUtf8());
    EXPECT_EQ(readSettingsFile(prog.path()), simFolder);

    FolderValues folders;
    folders.ProgDir = folders.SettingsDir = prog.path();
    int dialogRuns = 0;
    const SimulatorLocation location = locateSimulator(folders, [&] { ++dialogRuns; });
    EXPECT_TRUE(location.located);
    EXPECT_EQ(dialogRuns, 0);
    EXPECT_EQ(folders.VexDir, simFolder);

    ASSERT_TRUE(writeSettingsFile(prog.path(), QStringLiteral("C:\\Café")).ok);
    QFile latin(prog.path() + "vex.cfg");
    ASSERT_TRUE(latin.open(QIODevice::ReadOnly));
    EXPECT_EQ(latin.readAll(), QByteArray("C:\\Caf\xE9\r\n"));
    EXPECT_EQ(readSettingsFile(prog.path()), QStringLiteral("C:\\Café"));
}
