#include "open_dialog.h"

#include "description_text.h"
#include "document/file_paths.h"
#include "document/folder_description.h"
#include "file_list.h"
#include "folder_list.h"
#include "message_service.h"
#include "scenario_tree_bounds.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QPlainTextEdit* descriptionBox(const QString& name, const QString& toolTip)
{
    auto* box = new QPlainTextEdit;
    box->setObjectName(name);
    box->setToolTip(toolTip);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}

QLabel* caption(const QString& name, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

} // namespace

LoadFile::LoadFile(const FolderValues& folders, QWidget* parent)
    : QDialog(parent), root_(folders.scenarioRoot())
{
    setObjectName(QStringLiteral("LoadFile"));
    setWindowTitle(QStringLiteral("Load a scenario"));

    folders_ = new FolderList;
    folders_->setObjectName(QStringLiteral("Dir1"));
    folderDescription_ =
        descriptionBox(QStringLiteral("Text2"), QStringLiteral("Selected folder scenario description"));
    files_ = new FileList;
    files_->setObjectName(QStringLiteral("FilelisttoLoad"));
    files_->setToolTip(QStringLiteral("List of the scenario files installed in the Corvane configuration"));
    fileDescription_ =
        descriptionBox(QStringLiteral("Text1"), QStringLiteral("Selected scenario description"));
    auto* loadButton = new QPushButton(QStringLiteral("Load"));
    loadButton->setObjectName(QStringLiteral("Command1"));
    loadButton->setToolTip(QStringLiteral("Load the selected scenario"));
    loadButton->setAutoDefault(false);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"));
    cancelButton->setObjectName(QStringLiteral("Command2"));
    cancelButton->setToolTip(
        QStringLiteral("Return the the main Corvane Scenario Editor without loading the seleted scenario"));
    cancelButton->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(folders_, 0, 0, 2, 1);
    grid->addWidget(caption(QStringLiteral("Label2"), QStringLiteral("Scenario file to load"), files_), 0, 1);
    grid->addWidget(files_, 1, 1);
    grid->addWidget(
        caption(QStringLiteral("Label3"), QStringLiteral("Scenario folder description"), folderDescription_),
        2, 0);
    grid->addWidget(
        caption(QStringLiteral("Label1"), QStringLiteral("Scenario description"), fileDescription_), 2, 1);
    grid->addWidget(folderDescription_, 3, 0);
    grid->addWidget(fileDescription_, 3, 1);
    grid->setRowStretch(1, 3);
    grid->setRowStretch(3, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(loadButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    resize(640, 480);

    connect(folders_, &FolderList::pathChanged, this, &LoadFile::folderChanged);
    connect(files_, &FileList::clicked, this, &LoadFile::fileClicked);
    connect(files_, &FileList::doubleClicked, this, &LoadFile::load);
    connect(files_, &FileList::enterPressed, this, &LoadFile::load);
    connect(loadButton, &QPushButton::clicked, this, &LoadFile::load);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    files_->setPattern(QStringLiteral("*.scn"));
    files_->setFolder(root_);
    {
        const QSignalBlocker blocker(folders_);
        folders_->setPath(folders.ScnDir);
    }
    folderChanged();
}

void LoadFile::folderChanged()
{
    fileDescription_->clear();
    // The folder list never leaves the scenario tree: a folder above or beside it opens the root.
    const QString shown = confinedFolder(folders_->path(), root_);
    if (shown != folders_->path()) {
        const QSignalBlocker blocker(folders_);
        folders_->setPath(shown);
    }
    browsed_ = withTrailingSeparator(folders_->path());
    folderDescription_->setPlainText(
        previewForDisplay(readDescriptionPreview(browsed_ + kFolderDescriptionFile)));
    files_->setFolder(folders_->path());
}

void LoadFile::fileClicked(const QString& name)
{
    // A link that leads out of the scenario tree is not read, not even for its preview.
    const DescriptionPreview preview = isWithinTree(resolvePath(browsed_ + name), root_)
                                           ? readDescriptionPreview(browsed_ + name)
                                           : DescriptionPreview{};
    preview_ = preview.text;
    fileDescription_->setPlainText(previewForDisplay(preview));
}

void LoadFile::load()
{
    const QString name = files_->selectedName();
    if (name.isEmpty())
        return;
    const QString path = resolvePath(browsed_ + name);
    if (const QString problem = unreadableScenarioProblem(path, root_); !problem.isEmpty()) {
        MessageService::instance().inform(
            {QStringLiteral("Warning"), problem, MessageButtons::Ok, MessageIcon::Exclamation});
        return;
    }
    fileClicked(name);
    chosen_ = name;
    accept();
}
