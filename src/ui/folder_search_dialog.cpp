#include "folder_search_dialog.h"

#include "catalogue/simulator_settings.h"
#include "folder_list.h"
#include "write_failure.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CorvaneFolderSearch::CorvaneFolderSearch(const QString& settingsFolder, const QString& startFolder,
                                         UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), settingsFolder_(settingsFolder), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("CorvaneFolderSearch"));
    setWindowTitle(QStringLiteral("Corvane folder search"));

    auto* instruction = new QLabel(QStringLiteral(
        "Select (and open by double clicking) the folder where Corvane is installed and click on Validate"));
    instruction->setObjectName(QStringLiteral("Label2"));
    instruction->setWordWrap(true);
    drives_ = new QComboBox;
    drives_->setObjectName(QStringLiteral("Drive1"));
    for (const QFileInfo& drive : QDir::drives())
        drives_->addItem(QDir::toNativeSeparators(drive.absolutePath()), drive.absolutePath());
    folders_ = new FolderList;
    folders_->setObjectName(QStringLiteral("Dir1"));
    folders_->setPath(startFolder);
    path_ = new QLabel;
    path_->setObjectName(QStringLiteral("Label1"));
    path_->setFrameShape(QFrame::Panel);
    path_->setFrameShadow(QFrame::Sunken);
    path_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The open folder is shown from the start; Validate waits until the user has opened or
    // clicked a folder.
    path_->setText(QDir::toNativeSeparators(folders_->path()));
    validate_ = new QPushButton(QStringLiteral("Validate"));
    validate_->setObjectName(QStringLiteral("Command1"));
    validate_->setEnabled(false);
    validate_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(validate_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instruction);
    layout->addWidget(drives_);
    layout->addWidget(folders_, 1);
    layout->addWidget(path_);
    layout->addLayout(buttons);
    resize(460, 420);

    for (int k = 0; k < drives_->count(); ++k) {
        if (folders_->path().startsWith(drives_->itemData(k).toString(), Qt::CaseInsensitive))
            drives_->setCurrentIndex(k);
    }
    connect(drives_, &QComboBox::activated, this, &CorvaneFolderSearch::driveChosen);
    connect(folders_, &FolderList::pathChanged, this, &CorvaneFolderSearch::checkOpenFolder);
    connect(folders_, &FolderList::clicked, this, &CorvaneFolderSearch::checkOpenFolder);
    connect(validate_, &QPushButton::clicked, this, &CorvaneFolderSearch::validate);
}

void CorvaneFolderSearch::driveChosen(int index)
{
    // A drive that cannot be read leaves the folder list where it was (setPath ignores it).
    folders_->setPath(drives_->itemData(index).toString());
}

void CorvaneFolderSearch::checkOpenFolder()
{
    const QString folder = folders_->path();
    path_->setText(QDir::toNativeSeparators(folder));
    validate_->setEnabled(isSimulatorFolder(folder));
}

void CorvaneFolderSearch::validate()
{
    const WriteResult written = writeSettingsFile(settingsFolder_, path_->text());
    if (!written.ok) {
        dialogs_.inform(writeFailureMessage(written));
        return;
    }
    dialogs_.inform({QStringLiteral("Information"),
                     QStringLiteral("This location will be taken into account when you start again Corvane "
                                    "Scenario Editor."),
                     MessageButtons::Ok, MessageIcon::Information});
    accept();
}
