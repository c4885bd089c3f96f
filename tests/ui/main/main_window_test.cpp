#include "editor_fixture.h"

#include "catalogue/simulator_settings.h"
#include "document/scenario_reader.h"
#include "ui/error_log.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

const UserMessage kSaveQuestion{QStringLiteral("Corvane Scenario Editor"), QString(), MessageButtons::YesNo,
                                MessageIcon::Question};

TEST_F(EditorTest, StartsWithTheMenuTableThePictureAndTheLockedSystemList)
{
    Vex& window = startEditor();
    EXPECT_EQ(window.windowTitle(), "Corvane Scenario Editor");

    struct Item
    {
        const char* name;
        const char* caption;
        bool enabled;
    } items[] = {
        {"Menu12", "&Open", true},
        {"Menu13", "&Save", false},
        {"Menu14", "S&ave as", false},
        {"Menu11", "&Delete a scenario file", true},
        {"Menu17", "Scenario &folder management", true},
        {"Menu16", "&Exit", true},
        {"Menu35", "&Error Log", false},
        {"Menu32", "&Corvane Folder Search", true},
        {"Menu31", "&Planetary system information", false},
        {"Menu34", "&Spherical/cartesian converter", true},
        {"Menu33", "&Windows Calculator", true},
        {"Menu21", "&Help", true},
        {"Menu22", "&About", true},
    };
    for (const Item& item : items) {
        QAction* action = window.findChild<QAction*>(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), item.caption) << item.name;
        EXPECT_EQ(action->isEnabled(), item.enabled) << item.name;
    }
    QStringList menus;
    for (QAction* menu : window.menuBar()->actions())
        menus.append(menu->menu()->objectName() + ' ' + menu->text());
    EXPECT_EQ(menus, (QStringList{"Menu1 &Files", "MenuEdit &Edit", "Menu30 &Tools", "Menu2 &?"}));
    QStringList files;
    for (QAction* action : child<QMenu>(&window, "Menu1")->actions())
        files.append(action->objectName());
    EXPECT_EQ(files,
              (QStringList{"Menu12", "MenuRecent", "Menu13", "Menu14", "Menu11", "Menu17", "Menu15", "Menu16"}));
    EXPECT_TRUE(window.findChild<QAction*>("Menu15")->isSeparator());

    auto* picture = child<QLabel>(&window, "Image5");
    EXPECT_TRUE(picture->isVisible());
    EXPECT_EQ(picture->pixmap().size(), QSize(545, 389));
    EXPECT_FALSE(child<QTabWidget>(&window, "SSTab1")->isVisible());
    EXPECT_FALSE(child<QLabel>(&window, "scnfile")->isVisible());
    EXPECT_TRUE(child<QLabel>(&window, "Label9")->text().isEmpty());

    auto* systems = child<QComboBox>(&window, "PlanetarySystem");
    EXPECT_GE(systems->count(), 2);
    EXPECT_FALSE(systems->isEnabled());
    EXPECT_TRUE(child<QCheckBox>(&window, "Check2")->isChecked());
    auto* hour = child<QComboBox>(&window, "Hour");
    auto* minute = child<QComboBox>(&window, "Minute");
    ASSERT_EQ(hour->count(), 24);
    ASSERT_EQ(minute->count(), 60);
    EXPECT_EQ(hour->itemText(23), "23");
    EXPECT_EQ(minute->itemText(7), "7");
    EXPECT_EQ(hour->currentIndex(), -1);

    EXPECT_EQ(fileBytes(progDir + "/vex.cfg"), simDir.toUtf8() + "\r\n");
    EXPECT_TRUE(messages.shownMessages().isEmpty());
}

TEST_F(EditorTest, SettingsFileIsRewrittenWithoutItsComment)
{
    writeSettings(simDir + " ; old install");
    startEditor();
    EXPECT_EQ(fileBytes(progDir + "/vex.cfg"), simDir.toUtf8() + "\r\n");
    EXPECT_TRUE(vex->menuItem("Menu12")->isEnabled());
}

TEST_F(EditorTest, AFolderThatIsNotTheSimulatorEndsTheStartWithOneWarning)
{
    // corvane.cfg is there (the folder is proved) but its ConfigDir line is too short to cut.
    QFile config(simDir + "/corvane.cfg");
    ASSERT_TRUE(config.open(QIODevice::WriteOnly | QIODevice::Truncate));
    config.write("ConfigDir =\r\nScenarioDir = .\\Scenarios\\\r\n");
    config.close();
    answer({MessageAnswer::Ok});
    startEditor();
    ASSERT_EQ(messages.shownMessages().size(), 1);
    expectMessage(messages.shownMessages().first(),
                  {"Warning", kFolderNotLocatedWarning, MessageButtons::Ok, MessageIcon::Information});
    EXPECT_FALSE(vex->menuItem("Menu12")->isEnabled());
    EXPECT_FALSE(vex->menuItem("Menu11")->isEnabled());
    EXPECT_TRUE(vex->menuItem("Menu32")->isEnabled());
    EXPECT_TRUE(vex->menuItem("Menu17")->isEnabled());
}

struct SampleScenario
{
    const char* folder;
    const char* name;
};

class SampleRoundTrip : public EditorTest, public ::testing::WithParamInterface<SampleScenario>
{
};

TEST_P(SampleRoundTrip, OpenShowsTheFileAndSaveWritesWhatTheToolRewrites)
{
    const SampleScenario sample = GetParam();
    const QString folder = QString::fromUtf8(sample.folder);
    const QString name = QString::fromUtf8(sample.name);
    const QString path = QDir::cleanPath(scenarioRoot() + '/' + folder + '/' + name);
    const QJsonObject dump = QJsonDocument::fromJson(runScenarioTool({"dump", path})).object();
    const QString rewritten = tmp.filePath("rewritten.scn");
    runScenarioTool({"rewrite", path, rewritten});

    startEditor();
    if (!dump.value("scanLog").toString().isEmpty())
        answer({MessageAnswer::Ok});
    openScenario(folder, name);
    Vex& window = *vex;

    EXPECT_EQ(window.workspace().folders.ScnDir, QDir::cleanPath(scenarioRoot() + '/' + folder) + '/');
    EXPECT_EQ(child<QLabel>(&window, "scnfile")->text(), name);
    EXPECT_EQ(child<QLabel>(&window, "Label9")->text(), "Scenario file");
    EXPECT_TRUE(child<QTabWidget>(&window, "SSTab1")->isVisible());
    EXPECT_FALSE(child<QLabel>(&window, "Image5")->isVisible());
    for (const char* item : {"Menu12", "Menu13", "Menu14", "Menu17", "Menu31", "Menu35"})
        EXPECT_TRUE(window.menuItem(item)->isEnabled()) << item;

    QString description = child<QPlainTextEdit>(&window, "Description")->toPlainText();
    EXPECT_EQ(description.replace('\n', "\r\n"), dump.value("description").toString());
    EXPECT_EQ(child<QComboBox>(&window, "PlanetarySystem")->currentText(), dump.value("system").toString());
    EXPECT_EQ(child<QLabel>(&window, "ShipFocus")->text(), dump.value("focus").toString());
    const QJsonObject start = dump.value("start").toObject();
    EXPECT_EQ(child<QCalendarWidget>(&window, "Calendar")->selectedDate(),
              QDate::fromString(start.value("date").toString(), Qt::ISODate));
    EXPECT_EQ(child<QComboBox>(&window, "Hour")->currentText().toInt(), start.value("hour").toInt());
    EXPECT_EQ(child<QComboBox>(&window, "Minute")->currentText().toInt(), start.value("minute").toInt());
    auto* candidates = child<QComboBox>(&window, "PossibleShipFocus");
    QStringList expected;
    for (const QJsonValue& candidate : dump.value("focusCandidates").toArray())
        expected.append(candidate.toString());
    QStringList shown;
    for (int k = 0; k < candidates->count(); ++k)
        shown.append(candidates->itemText(k));
    EXPECT_EQ(shown, expected);

    if (dump.value("ships").toArray().isEmpty()) {
        answer({MessageAnswer::Ok});
        window.menuItem("Menu13")->trigger();
        EXPECT_EQ(messages.shownMessages().last().title, "Forbidden action");
        return;
    }
    // Save writes the whole file anew, whatever is on disk now, once the user agreed to
    // overwrite what another program wrote there.
    QFile changed(path);
    ASSERT_TRUE(changed.open(QIODevice::WriteOnly | QIODevice::Truncate));
    changed.close();
    const qsizetype shownBefore = messages.shownMessages().size();
    answer({MessageAnswer::Yes});
    window.menuItem("Menu13")->trigger();
    EXPECT_EQ(fileBytes(path), fileBytes(rewritten)) << path.toStdString();
    ASSERT_EQ(messages.shownMessages().size(), shownBefore + 1) << "Save asks one question";
    EXPECT_TRUE(
        messages.shownMessages().last().text.contains("was changed by another program since it was read"));
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleRoundTrip,
                         ::testing::Values(SampleScenario{"", "Earth Orbit Rendezvous.scn"},
                                           SampleScenario{"", "(Current state).scn"},
                                           SampleScenario{"Kestrel", "Harbor Run.scn"},
                                           SampleScenario{"Tutorials", "First Launch.scn"},
                                           SampleScenario{"Tutorials/Advanced", "Docking Practice.scn"},
                                           SampleScenario{"Tutorials/Advanced", "Mars Descent.scn"}));

} // namespace
