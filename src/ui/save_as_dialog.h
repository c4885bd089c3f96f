#pragma once

#include "editing/user_message.h"
#include "editing/workspace.h"

#include <QDialog>

class FileList;
class FolderList;
class QLineEdit;
class QPlainTextEdit;

// "Save the scenario file as ...": browses the scenario tree (never above its root), lists the
// scenario files of the browsed folder and writes the scenario under the typed name into that
// folder, which becomes the current scenario folder. An existing file (in any letter case) is
// overwritten only after the user agreed.
class SaveAs : public QDialog
{
    Q_OBJECT
public:
    SaveAs(Workspace& ws, UserDialogs& dialogs, QWidget* parent);

private:
    void folderChanged();
    // The Save as button asks Yes/No before overwriting; Enter in the name field asks OK/Cancel.
    void save(MessageButtons overwriteQuestion);

    Workspace& ws_;
    UserDialogs& dialogs_;
    QString root_;
    FolderList* folders_;
    FileList* files_;
    QPlainTextEdit* folderDescription_;
    QLineEdit* name_;
};

// The file name a typed name stands for: blanks around it dropped, ".scn" appended unless it
// already ends with ".scn" in any letter case.
QString normalisedScenarioName(const QString& typed);
