#include "catalogue/simulator_settings.h"
#include "catalogue/start_folders.h"
#include "config_folder.h"
#include "document/text_file.h"

namespace {

TEST(StartFolders, TheStartFoldersSettingsFileWinsOverTheConfigurationFolder)
{
    ConfigFolder start;
    EXPECT_EQ(settingsFolder(start.path(), "/config/"), "/config/");
    start.write("VEX.CFG", {"/sim"});
    EXPECT_EQ(settingsFolder(start.path(), "/config/"), start.path()) << "any letter case";
}

TEST(StartFolders, TheHelpFileIsTheInstalledOneThenTheProgramsThenTheStartFolders)
{
    EXPECT_EQ(helpFolderCandidates("/opt/corvane/bin", "/home/u"),
              (QStringList{"/opt/corvane/share/corvane-scenario-editor", "/opt/corvane/bin", "/home/u"}));

    ConfigFolder data, program, start;
    const QStringList folders{data.path(), program.path(), start.path()};
    EXPECT_EQ(folderHolding(folders, kHelpFileName), start.path()) << "none holds it: the last is named";
    start.write(kHelpFileName, {"<html/>"});
    program.write(kHelpFileName.toUpper(), {"<html/>"});
    EXPECT_EQ(folderHolding(folders, kHelpFileName), program.path());
    data.write(kHelpFileName, {"<html/>"});
    EXPECT_EQ(folderHolding(folders, kHelpFileName), data.path());
}

// An installed editor started in a folder without vex.cfg (the home folder, from a menu).
struct InstalledStart : ::testing::Test
{
    QTemporaryDir configHome;
    QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    ConfigFolder start, sim;

    void SetUp() override
    {
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
        sim.write("Config/Sol.cfg", {"Star1 = Sun"});
        sim.write("corvane.cfg", {"ConfigDir = .\\Config\\", "ScenarioDir = .\\Scenarios\\"});
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", savedConfigHome); }

    // One start: the folders, then the location with a folder search that validates `chosen`.
    SimulatorLocation startOnce(FolderValues& folders, const QString& chosen, int& dialogRuns)
    {
        setStartFolders(folders, start.path());
        return locateSimulator(folders, [&] {
            ++dialogRuns;
            writeSettingsFile(folders.SettingsDir, chosen);
        });
    }
    QStringList startFolderEntries() const
    {
        return QDir(start.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
};

TEST_F(InstalledStart, KeepsItsSettingsInTheUsersConfigurationFolderAndNothingInTheStartFolder)
{
    FolderValues folders;
    int dialogRuns = 0;
    EXPECT_TRUE(startOnce(folders, sim.path(), dialogRuns).located);
    EXPECT_EQ(dialogRuns, 1);
    EXPECT_TRUE(folders.SettingsDir.startsWith(configHome.path() + '/')) << folders.SettingsDir.toStdString();
    EXPECT_EQ(readTextLines(folders.SettingsDir + "vex.cfg"), QStringList{sim.path()})
        << "the configuration folder is created for the first settings";
    EXPECT_EQ(startFolderEntries(), QStringList());
    EXPECT_EQ(folders.ProgDir, start.path());

    FolderValues again;
    dialogRuns = 0;
    EXPECT_TRUE(startOnce(again, QString(), dialogRuns).located);
    EXPECT_EQ(dialogRuns, 0) << "the next start reads the kept settings";
    EXPECT_EQ(again.VexDir, sim.path());
    EXPECT_EQ(startFolderEntries(), QStringList());
}

TEST_F(InstalledStart, APortableStartFolderKeepsItsOwnSettingsFile)
{
    start.write("vex.cfg", {sim.path() + " ; portable"});
    FolderValues folders;
    int dialogRuns = 0;
    EXPECT_TRUE(startOnce(folders, QString(), dialogRuns).located);
    EXPECT_EQ(dialogRuns, 0);
    EXPECT_EQ(folders.SettingsDir, start.path());
    EXPECT_EQ(readTextLines(start.path() + "vex.cfg"), QStringList{sim.path()});
    EXPECT_FALSE(QFileInfo::exists(userConfigFolder())) << "the configuration folder is not touched";
}

TEST_F(InstalledStart, AConfigurationFolderThatCannotBeCreatedIsAReportedWriteFailure)
{
    ConfigFolder blocked;
    blocked.write("file", {"x"});
    const WriteResult written =
        writeSettingsFile(blocked.path() + "file/corvane-scenario-editor", sim.path());
    EXPECT_FALSE(written.ok);
    EXPECT_FALSE(written.error.isEmpty());
    EXPECT_TRUE(written.path.endsWith("vex.cfg"));
}

} // namespace
