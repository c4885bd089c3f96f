#include "delete_file_dialog.h"

#include "app_icon.h"
#include "description_text.h"
#include "document/file_paths.h"
#include "document/folder_description.h"
#include "file_list.h"
#include "folder_list.h"
#include "message_service.h"
#include "scenario_tree_bounds.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QPlainTextEdit* previewBox(const QString& name, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

QLabel* caption(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// Descriptions are kept with CR LF line ends; the text boxes want plain line feeds.
} // namespace

bool isProtectedScenarioFile(const QString& name)
{
    return name == u"(Current state).scn" || name == u"(Quicksave state).scn";
}

DeleteFile::DeleteFile(Workspace& ws, QWidget* parent) : QDialog(parent), root_(ws.folders.scenarioRoot())
{
    setObjectName(QStringLiteral("DeleteFile"));
    setWindowTitle(QStringLiteral("Delete a scenario file"));
    setWindowIcon(applicationIcon());
    setModal(true);

    folders_ = new FolderList(this);
    folders_->setObjectName(QStringLiteral("Dir1"));
    folderDescription_ = previewBox(QStringLiteral("Text2"), this);
    files_ = new FileList(this);
    files_->setObjectName(QStringLiteral("FileListtoDelete"));
    files_->setToolTip(QStringLiteral("List of the scenario files installed in the Corvane configuration"));
    fileDescription_ = previewBox(QStringLiteral("Text1"), this);

    auto* remove = new QPushButton(QStringLiteral("Delete"), this);
    remove->setObjectName(QStringLiteral("Command1"));
    remove->setToolTip(
        QStringLiteral("Delete the selected scenario file. Both standard scenario files (Current "
                       "save and quick save) are protected from deleting in order to ensure to keep "
                       "at least a scenario when starting Corvane "));
    remove->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    cancel->setToolTip(QStringLiteral(
        "Return to the Corvane Scenario Editor main windows without deleting the selected scenario"));
    cancel->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(folders_, 0, 0, 4, 1);
    grid->addWidget(caption(QStringLiteral("Label2"), QStringLiteral("Scenario folder description"), this), 0,
                    1);
    grid->addWidget(folderDescription_, 1, 1);
    grid->addWidget(caption(QStringLiteral("Label1"), QStringLiteral("Scenario file to delete"), this), 2, 1);
    grid->addWidget(files_, 3, 1);
    grid->addWidget(caption(QStringLiteral("Label3"), QStringLiteral("Scenario descripton"), this), 4, 0, 1,
                    2);
    grid->addWidget(fileDescription_, 5, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(remove);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 6, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    resize(720, 560);

    connect(folders_, &FolderList::pathChanged, this, &DeleteFile::folderChanged);
    connect(files_, &FileList::clicked, this, &DeleteFile::showFileDescription);
    connect(files_, &FileList::doubleClicked, this, [this] { deleteSelected(MessageButtons::OkCancel); });
    connect(files_, &FileList::enterPressed, this, [this] { deleteSelected(MessageButtons::OkCancel); });
    connect(remove, &QPushButton::clicked, this, [this] { deleteSelected(MessageButtons::YesNo); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    files_->setPattern(QStringLiteral("*.scn"));
    folders_->setPath(ws.folders.ScnDir);
    folderChanged();
}

void DeleteFile::done(int result)
{
    if (parentWidget())
        parentWidget()->setEnabled(true);
    QDialog::done(result);
}

void DeleteFile::folderChanged()
{
    if (!isWithinScenarioTree(folders_->path(), root_) && isWithinScenarioTree(root_, root_)) {
        folders_->setPath(root_); // runs this step again, on the root
        return;
    }
    fileDescription_->clear();
    folderDescription_->clear();
    if (!isWithinScenarioTree(folders_->path(), root_)) {
        files_->setFolder(QString()); // no scenario tree: nothing to offer for deletion
        return;
    }
    files_->setFolder(folders_->path());
    folderDescription_->setPlainText(
        previewForDisplay(readDescriptionPreview(joinPath(folders_->path(), kFolderDescriptionFile))));
}

void DeleteFile::showFileDescription(const QString& name)
{
    const QString path = joinPath(files_->folder(), name);
    // A link that leads out of the scenario tree is not read, not even for its preview.
    const bool readable = !name.isEmpty() && isWithinTree(resolvePath(path), root_);
    fileDescription_->setPlainText(readable ? previewForDisplay(readDescriptionPreview(path)) : QString());
}

void DeleteFile::deleteSelected(MessageButtons confirmation)
{
    const QString name = files_->selectedName();
    if (name.isEmpty() || !isWithinScenarioTree(files_->folder(), root_))
        return;
    MessageService& messages = MessageService::instance();
    if (isProtectedScenarioFile(name)) {
        messages.inform({QStringLiteral("Warning"), QStringLiteral("This file must not be deleted !"),
                         MessageButtons::Ok, MessageIcon::Exclamation});
        return;
    }
    if (!messages.confirm({QStringLiteral("Confirmation before deleting"), QStringLiteral("Are you sure ?"),
                           confirmation, MessageIcon::Question}))
        return;

    QFile file(joinPath(files_->folder(), name));
    if (!file.remove())
        messages.inform({QStringLiteral("Operation aborted !"),
                         QStringLiteral("The file %1 could not be deleted: %2")
                             .arg(QDir::toNativeSeparators(file.fileName()), file.errorString()),
                         MessageButtons::Ok, MessageIcon::Stop});
    files_->refresh();
    files_->setCurrentIndex(0);
    showFileDescription(files_->selectedName());
}
