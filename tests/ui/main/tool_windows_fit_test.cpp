// The editor's other windows at the size they open with: no caption, value or placeholder cut.
#include "clipped_texts.h"
#include "editor_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>

#include <string>

namespace {

void settle()
{
    QCoreApplication::sendPostedEvents();
    QApplication::processEvents();
}

std::string clippedIn(QWidget* window)
{
    window->show();
    settle();
    return clippedTexts(window).join(QStringLiteral("\n")).toStdString();
}

// A modal window, looked at from the seam that runs it.
std::function<int(QDialog&)> lookAt(const char* name)
{
    return [name](QDialog& dialog) {
        EXPECT_EQ(clippedIn(&dialog), "") << name;
        return int(QDialog::Rejected);
    };
}

TEST_F(EditorTest, NoTextIsClippedInTheModelessToolWindows)
{
    Vex& window = startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    settle();
    for (const char* menu : {"Menu34", "SystemMapMenu", "Menu31"})
        window.menuItem(QString::fromLatin1(menu))->trigger();
    for (const char* name : {"CoordinateConverter", "SystemMapWindow", "PlanetarySystemInformation"})
        EXPECT_EQ(clippedIn(child<QWidget>(&window, name)), "") << name;

    // The orbit of the first ship, an orbiting one, on each of its pages, and with a refusal shown.
    child<QTabWidget>(&window, "SSTab1")->setCurrentIndex(2);
    child<QAbstractButton>(&window, "OrbitFromElements")->click();
    auto* orbitWindow = child<QWidget>(&window, "OrbitFromElementsWindow");
    auto* ways = child<QTabWidget>(orbitWindow, "OrbitWays");
    for (int page = 0; page < ways->count(); ++page) {
        ways->setCurrentIndex(page);
        EXPECT_EQ(clippedIn(orbitWindow), "") << "page " << page;
    }
    ways->setCurrentIndex(0);
    child<QLineEdit>(orbitWindow, "OrbitPeriapsisAltitude")->setText(QStringLiteral("-7000000"));
    child<QAbstractButton>(orbitWindow, "OrbitFill")->click();
    EXPECT_EQ(clippedIn(orbitWindow), "") << "with a refusal";
}

TEST_F(EditorTest, NoTextIsClippedInTheModalWindows)
{
    Vex& window = startEditor();
    openScenario("", "Earth Orbit Rendezvous.scn");
    const std::pair<const char*, const char*> windows[] = {
        {"Menu12", "open"},      {"Menu14", "save as"},
        {"Menu11", "delete"},    {"Menu17", "folder management"},
        {"Menu35", "error log"}, {"Menu32", "folder search"},
        {"Menu22", "about"}};
    for (const auto& [menu, name] : windows) {
        onDialog(lookAt(name));
        window.menuItem(QString::fromLatin1(menu))->trigger();
    }
}

} // namespace
