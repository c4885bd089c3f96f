#pragma once

#include "editing/user_message.h"
#include "editing/workspace.h"

#include <QDialog>

class FileList;
class FolderList;
class QPlainTextEdit;

// Deletes scenario files below the scenario root, one at a time, with the descriptions of the
// browsed folder and of the selected file as previews. The simulator's own save files are never
// deleted. The edited scenario is not touched, even when its own file is deleted.
class DeleteFile : public QDialog
{
    Q_OBJECT
public:
    DeleteFile(Workspace& ws, QWidget* parent);

    // Closing by any means gives the main window back.
    void done(int result) override;

private:
    void folderChanged();
    void showFileDescription(const QString& name);
    // The button asks Yes/No; a double click or Enter in the list asks OK/Cancel.
    void deleteSelected(MessageButtons confirmation);

    QString root_;
    FolderList* folders_;
    FileList* files_;
    QPlainTextEdit* folderDescription_;
    QPlainTextEdit* fileDescription_;
};

// Names of the simulator's own save files, which the dialog refuses to delete (exact letter case).
bool isProtectedScenarioFile(const QString& name);
