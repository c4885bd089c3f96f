#include "folder_management.h"

#include "app_icon.h"
#include "description_text.h"
#include "document/file_paths.h"
#include "document/file_text_checks.h"
#include "document/folder_description.h"
#include "document/regular_file.h"
#include "folder_list.h"
#include "folder_name_rules.h"
#include "message_service.h"
#include "scenario_tree_bounds.h"
#include "write_failure.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <filesystem>
#include <system_error>

namespace {

const QString kAborted = QStringLiteral("Operation aborted !");

void stop(const QString& title, const QString& text)
{
    MessageService::instance().inform({title, text, MessageButtons::Ok, MessageIcon::Stop});
}

QPushButton* commandButton(const QString& name, const QString& text, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

// Whether the folder already holds an entry of that name in any letter case: the editor finds
// files without regard to case, so "Missions" and "missions" side by side would be one folder
// to it.
bool nameTaken(const QString& folder, const QString& name)
{
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

FolderManagement::FolderManagement(Workspace& ws, QWidget* parent)
    : QDialog(parent), root_(ws.folders.scenarioRoot())
{
    setObjectName(QStringLiteral("FolderManagement"));
    setWindowTitle(QStringLiteral("Scenario folder management"));
    setWindowIcon(applicationIcon());
    setModal(true);

    auto* folderCaption = new QLabel(QStringLiteral("Scenario folder"), this);
    folderCaption->setObjectName(QStringLiteral("Label1"));
    folders_ = new FolderList(this);
    folders_->setObjectName(QStringLiteral("Dir1"));
    folders_->setToolTip(QStringLiteral("Displys the scenario folders and sub folders"));

    auto* descriptionCaption = new QLabel(QStringLiteral("Open folder description"), this);
    descriptionCaption->setObjectName(QStringLiteral("Label2"));
    description_ = new QPlainTextEdit(this);
    description_->setObjectName(QStringLiteral("Text1"));
    description_->setToolTip(QStringLiteral("Displays the selected folder description"));
    QFont bold = description_->font();
    bold.setBold(true);
    description_->setFont(bold);

    auto* insert = commandButton(QStringLiteral("Command1"), QStringLiteral("Insert new folder"),
                                 QStringLiteral("Create a sub folder in the selected folder"), this);
    auto* remove = commandButton(QStringLiteral("Command2"), QStringLiteral("Delete folder"),
                                 QStringLiteral("Delete the selected folder"), this);
    auto* save = commandButton(QStringLiteral("Command3"), QStringLiteral("Save folder description"),
                               QStringLiteral("Save the scenario description"), this);
    auto* close = commandButton(QStringLiteral("Command4"), QStringLiteral("Close"),
                                QStringLiteral("Close the scenario folder management windows"), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(folderCaption, 0, 0);
    grid->addWidget(folders_, 1, 0);
    grid->addWidget(descriptionCaption, 0, 1);
    grid->addWidget(description_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(insert);
    buttons->addWidget(remove);
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(close);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    resize(760, 440);

    connect(folders_, &FolderList::pathChanged, this, &FolderManagement::folderChanged);
    connect(insert, &QPushButton::clicked, this, &FolderManagement::insertFolder);
    connect(remove, &QPushButton::clicked, this, &FolderManagement::deleteFolder);
    connect(save, &QPushButton::clicked, this, &FolderManagement::saveDescription);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    folders_->setPath(root_);
    folderChanged();
}

void FolderManagement::folderChanged()
{
    if (!isWithinScenarioTree(folders_->path(), root_) && isWithinScenarioTree(root_, root_)) {
        folders_->setPath(root_); // runs this step again, on the root
        return;
    }
    description_->clear();
    descriptionCut_ = false;
    if (isWithinScenarioTree(folders_->path(), root_)) {
        const DescriptionPreview preview =
            readDescriptionPreview(joinPath(folders_->path(), kFolderDescriptionFile));
        descriptionCut_ = preview.cut || !isEditableDescription(preview.text);
        description_->setPlainText(descriptionCut_ ? previewForDisplay(preview)
                                                   : descriptionForDisplay(preview.text));
    }
    description_->setReadOnly(descriptionCut_);
}

void FolderManagement::insertFolder()
{
    const QString folder = folders_->path();
    if (!isWithinScenarioTree(folder, root_))
        return;
    const QString name = MessageService::instance().inputText(
        QStringLiteral("Please, enter the folder name."), QStringLiteral("Making a nex scenario sub folder"),
        QStringLiteral("New scenario folder"));
    if (name.isEmpty())
        return;
    if (const QString problem = folderNameProblem(name); !problem.isEmpty()) {
        stop(kAborted, problem);
        return;
    }
    if (nameTaken(folder, name)) {
        stop(kAborted, QStringLiteral("A folder with the same name already exists.."));
        return;
    }
    std::error_code error;
    std::filesystem::create_directory(std::filesystem::path(joinPath(folder, name).toStdU16String()), error);
    if (error) {
        stop(kAborted, error == std::errc::file_exists
                           ? QStringLiteral("A folder with the same name already exists..")
                           : QStringLiteral("The folder \"%1\" could not be created: %2")
                                 .arg(name, QString::fromLocal8Bit(error.message())));
        return;
    }
    folders_->refresh();
}

void FolderManagement::deleteFolder()
{
    const QString folder = folders_->path();
    if (!isWithinScenarioTree(folder, root_))
        return;
    if (isScenarioRoot(folder, root_)) {
        stop(kAborted,
             QStringLiteral("The scenario folder itself can not be deleted; only its sub folders can."));
        return;
    }
    if (!MessageService::instance().confirm({QStringLiteral("Confirmation before deleting"),
                                             QStringLiteral("Are you sure ?"), MessageButtons::YesNo,
                                             MessageIcon::Question}))
        return;

    // The description goes first, since a folder that still holds it cannot be removed; when
    // the folder turns out to hold more, the description is written back from the window, or
    // byte for byte as it was when the window shows it cut.
    const QString descriptionPath = resolvePath(joinPath(folder, kFolderDescriptionFile));
    const auto original = descriptionCut_ ? readRegularFile(descriptionPath) : std::nullopt;
    if (descriptionCut_ && !original) {
        stop(kAborted, QStringLiteral("The description of this folder could not be read; nothing was deleted."));
        return;
    }
    QFile::remove(descriptionPath);
    if (QDir().rmdir(folder)) {
        folders_->refresh(); // opens the parent folder, whose description is then shown
        return;
    }
    folders_->refresh();
    if (original) {
        const WriteResult result = writeFileSafely(descriptionPath, *original);
        if (!result.ok)
            MessageService::instance().inform(writeFailureMessage(result));
    } else {
        writeDescription();
    }
    stop(QStringLiteral("You may only delete an empty folder !"),
         QStringLiteral("This folder contains files. Operation aborted"));
    folders_->refresh();
}

void FolderManagement::saveDescription()
{
    if (!isWithinScenarioTree(folders_->path(), root_))
        return;
    if (descriptionCut_) {
        stop(kAborted, QStringLiteral("This description is too long to be edited here and is shown cut; "
                                      "saving it would lose its end. Nothing was written."));
        return;
    }
    if (const QString refusal = descriptionRefusal(description_->toPlainText()); !refusal.isEmpty()) {
        stop(kAborted, refusal);
        return;
    }
    writeDescription();
}

void FolderManagement::writeDescription()
{
    const WriteResult result =
        writeFolderDescription(withTrailingSeparator(folders_->path()), description_->toPlainText());
    if (!result.ok)
        MessageService::instance().inform(writeFailureMessage(result));
}
