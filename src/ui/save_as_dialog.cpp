#include "save_as_dialog.h"

#include "description_text.h"
#include "document/file_paths.h"
#include "document/folder_description.h"
#include "document/scenario_writer.h"
#include "document/text_primitives.h"
#include "editing/save_text_checks.h"
#include "file_list.h"
#include "folder_list.h"
#include "scenario_tree_bounds.h"
#include "write_failure.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

QString normalisedScenarioName(const QString& typed)
{
    const QString name = trimBlanks(typed);
    if (name.right(4).compare(QStringLiteral(".scn"), Qt::CaseInsensitive) == 0)
        return name;
    return name + QStringLiteral(".scn");
}

SaveAs::SaveAs(Workspace& ws, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), ws_(ws), dialogs_(dialogs), root_(ws.folders.scenarioRoot())
{
    setObjectName(QStringLiteral("SaveAs"));
    setWindowTitle(QStringLiteral("Save the scenario file as ..."));

    folders_ = new FolderList;
    folders_->setObjectName(QStringLiteral("Dir1"));
    folders_->setToolTip(QStringLiteral("Scenario Folder display"));
    folderDescription_ = new QPlainTextEdit;
    folderDescription_->setObjectName(QStringLiteral("Text1"));
    folderDescription_->setToolTip(QStringLiteral("Selected scenario folder description"));
    folderDescription_->setReadOnly(true);
    folderDescription_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    files_ = new FileList;
    files_->setObjectName(QStringLiteral("ScenarioFileList"));
    files_->setToolTip(QStringLiteral("List of the scenario files already exusting"));
    name_ = new QLineEdit(QStringLiteral("NewScenario"));
    name_->setObjectName(QStringLiteral("FileToSave"));
    name_->setToolTip(QStringLiteral("Name of the scenario file to save"));
    auto* folderCaption = new QLabel(QStringLiteral("Scenario folder description"));
    folderCaption->setObjectName(QStringLiteral("Label1"));
    auto* nameCaption = new QLabel(QStringLiteral("Scenarion name"));
    nameCaption->setObjectName(QStringLiteral("Label2"));
    nameCaption->setBuddy(name_);
    auto* saveButton = new QPushButton(QStringLiteral("Save as"));
    saveButton->setObjectName(QStringLiteral("Command1"));
    saveButton->setToolTip(QStringLiteral("Save the file"));
    saveButton->setAutoDefault(false);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"));
    cancelButton->setObjectName(QStringLiteral("Command2"));
    cancelButton->setToolTip(QStringLiteral("Cancel the saving and close the windows"));
    cancelButton->setAutoDefault(false);

    // The lists take the height; the folder description shows a few lines and the name row
    // sits right under it, so no empty area is left under the name box.
    folderDescription_->setMaximumHeight(folderDescription_->fontMetrics().lineSpacing() * 5 +
                                         2 * folderDescription_->frameWidth() + 8);
    auto* lists = new QHBoxLayout;
    lists->addWidget(folders_, 1);
    lists->addWidget(files_, 1);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameCaption);
    nameRow->addWidget(name_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(folderCaption);
    layout->addWidget(folderDescription_);
    layout->addLayout(nameRow);
    layout->addLayout(buttons);
    resize(640, 440);

    connect(folders_, &FolderList::pathChanged, this, &SaveAs::folderChanged);
    connect(files_, &FileList::clicked, name_, &QLineEdit::setText);
    connect(saveButton, &QPushButton::clicked, this, [this] { save(MessageButtons::YesNo); });
    connect(name_, &QLineEdit::returnPressed, this, [this] { save(MessageButtons::OkCancel); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    files_->setPattern(QStringLiteral("*.scn"));
    files_->setFolder(ws.folders.ScnDir);
    {
        const QSignalBlocker blocker(folders_);
        folders_->setPath(ws.folders.ScnDir);
    }
    folderChanged();
    // The name is what the user types first: it has the focus, selected to be typed over.
    name_->setFocus();
    name_->selectAll();
}

void SaveAs::folderChanged()
{
    const QString shown = confinedFolder(folders_->path(), root_);
    if (shown != folders_->path()) {
        const QSignalBlocker blocker(folders_);
        folders_->setPath(shown);
    }
    files_->setFolder(folders_->path());
    folderDescription_->setPlainText(previewForDisplay(
        readDescriptionPreview(withTrailingSeparator(folders_->path()) + kFolderDescriptionFile)));
}

void SaveAs::save(MessageButtons overwriteQuestion)
{
    const QString name = normalisedScenarioName(name_->text());
    // A name is one file of the shown folder: the folder is chosen in the folder list.
    // ':' would name a drive on Windows ("C:x.scn").
    if (name == QStringLiteral(".scn") || name.contains(QLatin1Char('/')) ||
        name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char(':'))) {
        dialogs_.inform(
            {QStringLiteral("Save the scenario file as ..."),
             QStringLiteral("Type the name of the scenario file, without a folder: the file is saved "
                            "in the folder shown in the folder list."),
             MessageButtons::Ok, MessageIcon::Exclamation});
        return;
    }
    const QString folder = withTrailingSeparator(folders_->path());
    if (const QString problem = unwritableScenarioProblem(resolvePath(folder + name), root_);
        !problem.isEmpty()) {
        dialogs_.inform({QStringLiteral("Save the scenario file as ..."), problem, MessageButtons::Ok,
                         MessageIcon::Exclamation});
        return;
    }
    if (!checkTextBeforeSaving(ws_.doc, dialogs_))
        return;
    const QFileInfo existing(resolvePath(folder + name));
    if (existing.isFile() && existing.fileName().compare(name, Qt::CaseInsensitive) == 0) {
        const bool overwrite = dialogs_.confirm({QStringLiteral("This file already exists."),
                                                 QStringLiteral("Do you want to overwrite it ?"),
                                                 overwriteQuestion, MessageIcon::Question});
        if (!overwrite)
            return;
    }
    const WriteResult written = ScenarioFileSaving(folder + name, ws_.doc);
    if (!written.ok) {
        dialogs_.inform(writeFailureMessage(written));
        return;
    }
    ws_.scnfile = QFileInfo(written.path).fileName();
    ws_.folders.ScnDir = folder;
    accept();
}
