#include "editor_fixture.h"

#include "ui/error_log.h"
#include "ui/folder_list.h"

#include <QDir>
#include <QTabWidget>

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
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        save(&window, QStringLiteral("tab%1").arg(tab + 1));
    }
    window.resize(800, 600);
    tabs->setCurrentIndex(0);
    save(&window, "tab1-small");

    answer({MessageAnswer::No});
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

} // namespace
