#include "editor_fixture.h"

#include "ui/error_log.h"
#include "ui/folder_list.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

namespace {

// Pictures of the window and its dialogs for a person to look at; written only when
// CORVANE_SCREENSHOT_DIR names a folder.
class Screenshots : public EditorTest
{
protected:
    void save(QWidget* widget, const QString& name)
    {
        const QString folder = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        EXPECT_TRUE(widget->grab().save(folder + "/main-" + name + ".png")) << name.toStdString();
    }

    // A dialog as it first shows, photographed from the modal seam.
    std::function<int(QDialog&)> photograph(const QString& name, std::function<void(QDialog&)> prepare = {})
    {
        return [this, name, prepare](QDialog& dialog) {
            dialog.show();
            if (prepare)
                prepare(dialog);
            save(&dialog, name);
            return int(QDialog::Rejected);
        };
    }
};

TEST_F(Screenshots, MainWindowEveryTabAndDialog)
{
    Vex& window = startEditor();
    save(&window, "start");

    openScenario("", "Earth Orbit Rendezvous.scn");
    auto* tabs = child<QTabWidget>(&window, "SSTab1");
    auto* ships = child<QComboBox>(&window, "ShipName");
    // Each tab, and the ship tab once per ship (one of each status), at the default size and at
    // the smallest the window is made for.
    for (const QString& size : {QString(), QStringLiteral("-small")}) {
        if (!size.isEmpty())
            window.resize(800, 600);
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            for (int row = 0; row < (tab == 2 ? ships->count() : 1); ++row) {
                ships->setCurrentIndex(row);
                emit ships->activated(row);
                QApplication::processEvents();
                const QString ship = tab == 2 ? QStringLiteral("-ship%1").arg(row + 1) : QString();
                const QString name = QStringLiteral("tab%1%2%3").arg(tab + 1).arg(ship, size);
                save(&window, name);
                // A page taller than the window, also as it shows scrolled to its end.
                QScrollBar* down = qobject_cast<QScrollArea*>(tabs->currentWidget())->verticalScrollBar();
                if (down->maximum() > 0) {
                    down->setValue(down->maximum());
                    save(&window, name + QStringLiteral("-end"));
                    down->setValue(0);
                }
            }
        }
    }

    onDialog(photograph("open-dialog", [this](QDialog& dialog) {
        child<FolderList>(&dialog, "Dir1")->setPath(scenarioRoot() + "/Tutorials");
    }));
    window.menuItem("Menu12")->trigger();
    onDialog(photograph("save-as-dialog"));
    window.menuItem("Menu14")->trigger();
    onDialog(photograph("error-log"));
    window.menuItem("Menu35")->trigger();
    onDialog(photograph("folder-search",
                        [this](QDialog& dialog) { child<FolderList>(&dialog, "Dir1")->setPath(simDir); }));
    window.menuItem("Menu32")->trigger();
}

// The orbit views of both editors: a low orbit, an eccentric one, one that dips into the
// atmosphere, and for stations the two extremes of scale, for ships an escape.
TEST_F(Screenshots, OrbitViewsOfBothEditors)
{
    Vex& window = startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    auto* tabs = child<QTabWidget>(&window, "SSTab1");
    const auto typeInto = [&](const QStringList& names, const QStringList& texts) {
        for (qsizetype i = 0; i < names.size(); ++i) {
            auto* box = child<QLineEdit>(&window, names[i].toLatin1().constData());
            box->selectAll();
            QTest::keyClicks(box, texts[i]);
        }
    };

    tabs->setCurrentIndex(1);
    const QStringList elements{"StationSemiMajorAxis", "StationExcentricity", "StationPeriapsisLongitude",
                               "StationMeanLongitude"};
    const std::pair<const char*, QStringList> stations[] = {{"low", {"6771000", "0.0005", "40", "100"}},
                                                            {"eccentric", {"26600000", "0.74", "270", "10"}},
                                                            {"crossing", {"6700000", "0.03", "135", "300"}},
                                                            {"hugging", {"6434710", "0", "0", "45"}},
                                                            {"wide", {"637100000", "0.2", "30", "200"}}};
    for (const auto& [name, texts] : stations) {
        typeInto(elements, texts);
        save(&window, QStringLiteral("orbit-station-%1").arg(QLatin1StringView(name)));
    }
    const QSize size = window.size();
    window.resize(800, 600);
    save(&window, "orbit-station-small");
    window.resize(size);

    tabs->setCurrentIndex(2);
    const QStringList state{"ShipOrbitingRposX", "ShipOrbitingRposY", "ShipOrbitingRposZ",
                            "ShipOrbitingRvelX", "ShipOrbitingRvelY", "ShipOrbitingRvelZ"};
    const std::pair<const char*, QStringList> ships[] = {
        {"low", {"6771000", "0", "0", "0", "6645", "3836"}},
        {"eccentric", {"6916000", "0", "0", "0", "4483.6", "8954.6"}},
        {"crossing", {"6700000", "0", "0", "0", "7650", "0"}},
        {"escape", {"7000000", "0", "0", "0", "11500", "0"}}};
    for (const auto& [name, texts] : ships) {
        typeInto(state, texts);
        save(&window, QStringLiteral("orbit-ship-%1").arg(QLatin1StringView(name)));
    }
}

// The open lists of the start time and of the possible ships, with the box they drop from.
TEST_F(Screenshots, OpenDropDownLists)
{
    Vex& window = startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    window.show();
    for (const char* name : {"Minute", "PossibleShipFocus"}) {
        auto* box = child<QComboBox>(&window, name);
        box->showPopup();
        QApplication::processEvents();
        save(box->view()->window(), QStringLiteral("list-") + name);
        box->hidePopup();
    }
}

// The ship names filtered as they are typed, with the rename note beside the box, and the
// find window.
TEST_F(Screenshots, FilteredNamesAndTheFindWindow)
{
    Vex& window = startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    window.show();
    child<QTabWidget>(&window, "SSTab1")->setCurrentIndex(2);
    QLineEdit* name = child<QComboBox>(&window, "ShipName")->lineEdit();
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "pper");
    QApplication::processEvents();
    QWidget* filtered = name->completer()->popup();
    ASSERT_TRUE(filtered->isVisible());
    // The open list is a window of its own: painted over the main window where it opened.
    QPixmap typed = window.grab();
    QPainter(&typed).drawPixmap(window.mapFromGlobal(filtered->mapToGlobal(QPoint(0, 0))), filtered->grab());
    QLabel picture;
    picture.setPixmap(typed);
    picture.resize(typed.size());
    save(&picture, "ship-name-filtered");
    QTest::keyClick(filtered, Qt::Key_Escape);

    // A long rename in the small window: the note wraps beside the box.
    window.resize(800, 600);
    name->selectAll();
    QTest::keyClicks(name, "Nightjar of the Outer Belt Survey");
    QTest::keyClick(name->completer()->popup(), Qt::Key_Escape);
    QApplication::processEvents();
    save(&window, "ship-rename-small");

    window.menuItem("MenuFind")->trigger();
    auto* find = window.findChild<QDialog*>("FindWindow");
    ASSERT_NE(find, nullptr);
    QTest::keyClicks(child<QLineEdit>(find, "FindText"), "e");
    QApplication::processEvents();
    save(find, "find-window");
}

} // namespace
