#pragma once

#include "editing/workspace.h"

#include <QDialog>

class FolderList;
class QPlainTextEdit;

// Keeps the scenario tree in order: creates and removes sub-folders of the scenario root and
// edits the description ("description.txt") of each folder. Everything it does happens on disk
// at once; the edited scenario is not touched.
class FolderManagement : public QDialog
{
    Q_OBJECT
public:
    FolderManagement(Workspace& ws, QWidget* parent);

private:
    void folderChanged();
    void insertFolder();
    void deleteFolder();
    void saveDescription();
    // Writes the window's text as the open folder's description; a failure is reported.
    void writeDescription();

    QString root_;
    FolderList* folders_;
    QPlainTextEdit* description_;
    // The open folder's description is longer than a preview and is shown cut: the window then
    // never writes its text over the file, which would lose the rest.
    bool descriptionCut_ = false;
};
