// The configuration readers over lines held in memory give what they give over the files, and
// log a file the source cannot give as they log a file that cannot be read.
#include "catalogue/bases.h"
#include "catalogue/catalogue.h"
#include "catalogue/planetary_system.h"
#include "catalogue/simulator_settings.h"
#include "config_folder.h"
#include "document/text_file.h"

#include <QHash>
#include <QRandomGenerator>

namespace {

const QString kCfg = QStringLiteral("/cfg/");

// Files of a configuration folder held in memory; a name without lines cannot be read.
LineSource memoryFolder(const QHash<QString, QStringList>& files)
{
    return [files](const QString& path) -> std::optional<QStringList> {
        const QString name = path.mid(kCfg.size());
        if (!path.startsWith(kCfg) || !files.contains(name))
            return std::nullopt;
        return files[name];
    };
}

} // namespace

TEST(LineSource, CatalogueAndDockListsAreReadThroughTheSource)
{
    const LineSource source = memoryFolder({
        {"Sol.cfg", {"Name = Sol", "Star1 = Sun"}},
        {"Ring.cfg", {"Meshname = Ring", "BEGIN_DOCKLIST", "0 0 0", "0 0 1", "END_DOCKLIST"}},
        {"Falcon.cfg", {"ClassName = Falcon"}},
    });
    ScanLog log;
    const Catalogue catalogue = catalogueOf(kCfg, {"Sol.cfg", "Ring.cfg", "Falcon.cfg", "Gone.cfg"}, log, source);
    ASSERT_EQ(catalogue.planetarySystems.size(), 1);
    EXPECT_EQ(catalogue.planetarySystems[0].name, "Sol");
    ASSERT_EQ(catalogue.vesselClasses.size(), 1);
    EXPECT_EQ(catalogue.vesselClasses[0].file, "Falcon.cfg");
    EXPECT_EQ(catalogue.stationClasses, QStringList{"Ring"});
    ASSERT_EQ(catalogue.stationClassTable.size(), 1);
    EXPECT_EQ(catalogue.stationClassTable[0].DockCount, 2);
    // The unreadable file is logged once per FindData stage that lists it: three first stages.
    EXPECT_EQ(log.LogMessage, QStringLiteral("Can not open the file /cfg/Gone.cfg. ").repeated(3));

    EXPECT_EQ(dockListCount({}), -1);
    EXPECT_EQ(dockListCount({"BEGIN_DOCKLIST", "a", "END_DOCKLIST", " begin_docklist ", "END_DOCKLIST"}), 2);
}

// A vessel class file with a thousand ClassName lines is listed a thousand times by the first
// stage of the search; reading it again for each listing took a thousand readings and a
// million values, and a few thousand lines more exhausted the memory at start-up.
TEST(LineSource, AFileListedManyTimesIsReadOnceAndGivesOneReadingOfNames)
{
    const auto lines = readTextLines(QStringLiteral(CORVANE_TEST_DATA_DIR "/fuzz/catalogue/many_class_names.cfg"));
    ASSERT_TRUE(lines);
    int readings = 0;
    const LineSource counted = [&](const QString& path) -> std::optional<QStringList> {
        ++readings;
        return memoryFolder({{"Many.cfg", *lines}, {"Sol.cfg", {"Star1 = Sun", "Star1 = Sun B", "Name = Sol"}}})(
            path);
    };
    ScanLog log;
    const Catalogue catalogue = catalogueOf(kCfg, {"Many.cfg", "Sol.cfg"}, log, counted);
    ASSERT_EQ(catalogue.vesselClasses.size(), 1000);
    EXPECT_EQ(catalogue.vesselClasses[999].name, "Class999");
    // One reading of each file serves every search and its second stage.
    EXPECT_EQ(readings, 2);
    // A system file listed twice still gives its name twice.
    EXPECT_EQ(catalogue.planetarySystems.size(), 2);

    // Readable once only: both stages use that one reading, so nothing is logged, and each of
    // the two listings gives both values.
    int calls = 0;
    const LineSource readableOnce = [&](const QString&) -> std::optional<QStringList> {
        if (++calls == 1)
            return QStringList{"ClassName = A", "ClassName = B"};
        return std::nullopt;
    };
    ScanLog failures;
    const FindDataResult found = FindData(kCfg, {"Once.cfg"}, "ClassName", "ClassName", failures, readableOnce);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(found.values.size(), 4);
    EXPECT_TRUE(failures.LogMessage.isEmpty());
}

TEST(LineSource, BasesAndBodiesAreReadFromLines)
{
    const LineSource source = memoryFolder({
        {"Earth.cfg", {"Size = 6.371e6", "Base = Cape -80.6 28.5", "Base = Lost 1 2"}},
        {"Cape.cfg", {"Name = Cape Canaveral", "LPAD 1", "LPAD 2"}},
    });
    ScanLog log;
    EXPECT_EQ(BaseUpDate(kCfg, {"Earth"}, log, source), QStringList{" Cape Canaveral: 2:Earth"});
    EXPECT_EQ(log.LogMessage, "Can not open the file /cfg/Lost.cfg. ");

    EXPECT_EQ(systemBodies({"Planet1 = Earth", "Earth1 = Moon ; ours", "Planet2 = Mars"}),
              (QStringList{"Earth", "   Moon", "Mars"}));
    EXPECT_EQ(bodyStatementValue({"Mass = 5.97e24", "Size = 6.371e6 ; mean"}, "Size"), " 6.371e6");
    EXPECT_EQ(bodyStatementValue({"Mass = 5.97e24"}, "Size"), std::nullopt);
    const BodyDisplay earth = bodyDisplayOf({"Size = 6371000", "SidRotPeriod = 86164.1"}, QLocale::c());
    EXPECT_EQ(earth.meanRadius, "6,371,000 m");
    EXPECT_EQ(earth.rotationPeriod, "23h56min4sec");
    EXPECT_EQ(earth.atmosphereLimit, "0 m");
    EXPECT_TRUE(earth.mass.isEmpty());
}

// A body file repeating one Base line made BaseUpDate read the base file once per line, so that
// a large body file and a large base file kept the start-up busy for minutes.
TEST(LineSource, ABaseFileNamedManyTimesIsReadOnce)
{
    const auto earth = readTextLines(QStringLiteral(CORVANE_TEST_DATA_DIR "/fuzz/bases/repeated_base_line.cfg"));
    ASSERT_TRUE(earth);
    QStringList reads;
    const LineSource counted = [&](const QString& path) -> std::optional<QStringList> {
        reads.append(path);
        return memoryFolder({{"Earth.cfg", *earth}, {"Pad.cfg", {"Name = Pad Field", "LPAD 1"}}})(path);
    };
    ScanLog log;
    const QStringList table = BaseUpDate(kCfg, {"Earth", "   Earth"}, log, counted);
    EXPECT_EQ(table.size(), 1000);
    EXPECT_EQ(table.first(), " Pad Field: 1:Earth");
    EXPECT_EQ(reads, (QStringList{"/cfg/Earth.cfg", "/cfg/Pad.cfg", "/cfg/Earth.cfg"}));
    EXPECT_FALSE(log.LogError);
}

TEST(LineSource, BodyFileThatCannotBeReadIsLoggedForEachValueTheWindowShows)
{
    ConfigFolder cfg;
    ScanLog log;
    const BodyDisplay missing = bodyDisplay(cfg.path(), "Vulcan", log, QLocale::c());
    EXPECT_EQ(missing.atmosphereLimit, "0 m");
    EXPECT_EQ(log.LogMessage, ("Can not open the file " + cfg.path() + "Vulcan.cfg. ").repeated(4));
}

TEST(LineSource, SettingsAreReadFromLinesAndTheWrittenFolderReadsBackTheSame)
{
    EXPECT_EQ(settingsFolder({}), std::nullopt);
    EXPECT_EQ(settingsFolder({"; only a comment", "/second"}), std::nullopt);
    const auto folder = settingsFolder({"  /opt/corvane\t ; the simulator"});
    ASSERT_TRUE(folder);
    EXPECT_EQ(*folder, "/opt/corvane");
    EXPECT_EQ(settingsFolder({*folder}), folder);

    const auto config = simulatorConfigOf({"ConfigDir = .\\Config\\", "ScenarioDir = .\\Scenarios\\"});
    ASSERT_TRUE(config);
    EXPECT_EQ(config->ConfigDir, "\\Config\\");
    EXPECT_EQ(config->ScenarioDir, "\\Scenarios\\");
    EXPECT_EQ(simulatorConfigOf({"ConfigDir = "}), std::nullopt);
}

// The catalogue reads each file once for all its searches; it must give what the searches
// made one after another give, scan log included, whatever the files hold.
TEST(LineSource, OneReadingGivesWhatTheSearchesOneAfterAnotherGive)
{
    const QStringList pieces{"Star1 = Sun", "Name = Sol", "Name=X", "ClassName = Falcon", "ClassName = B",
                             "BEGIN_DOCKLIST", "begin_docklist", "END_DOCKLIST", "Meshname = Ring",
                             "  Star1 = Two ; c", "; Name = hidden", "0 0 1", ""};
    QRandomGenerator random(20261209);
    for (int round = 0; round < 300; ++round) {
        QHash<QString, QStringList> folder;
        QStringList files;
        const int count = random.bounded(1, 6);
        for (int f = 0; f < count; ++f) {
            const QString name = QStringLiteral("F%1.cfg").arg(random.bounded(4));
            files.append(name);
            if (random.bounded(5) == 0)
                continue; // cannot be read
            QStringList lines;
            for (int l = random.bounded(8); l > 0; --l)
                lines.append(pieces[random.bounded(static_cast<int>(pieces.size()))]);
            folder.insert(name, lines);
        }
        const LineSource source = memoryFolder(folder);
        ScanLog log;
        const Catalogue catalogue = catalogueOf(kCfg, files, log, source);

        ScanLog expectedLog;
        const auto names = [](const FindDataResult& found) {
            QStringList result;
            for (const FoundValue& value : found.values)
                result << value.file + u'=' + value.value;
            return result;
        };
        const auto shown = [](const QVector<NamedFile>& found) {
            QStringList result;
            for (const NamedFile& named : found)
                result << named.file + u'=' + named.name;
            return result;
        };
        EXPECT_EQ(shown(catalogue.planetarySystems), names(FindData(kCfg, files, "Star1", "Name", expectedLog, source)));
        EXPECT_EQ(shown(catalogue.vesselClasses),
                  names(FindData(kCfg, files, "ClassName", "ClassName", expectedLog, source,
                                 ListedValues::OnePerFile)));
        const FindDataResult stations = FindData(kCfg, files, "BEGIN_DOCKLIST", "Meshname", expectedLog, source);
        ASSERT_EQ(catalogue.stationClassTable.size(), stations.files.size());
        for (qsizetype i = 0; i < stations.files.size(); ++i) {
            EXPECT_EQ(catalogue.stationClassTable[i].Name + ".cfg", stations.files[i]);
            EXPECT_EQ(catalogue.stationClassTable[i].DockCount, dockListCount(*source(kCfg + stations.files[i])));
        }
        EXPECT_EQ(log.LogMessage, expectedLog.LogMessage);
        if (HasFailure())
            FAIL() << "round " << round << ": " << files.join(u' ').toStdString();
    }
}
