#pragma once

#include "catalogue/folder_values.h"

#include <QDialog>

class FileList;
class FolderList;
class QPlainTextEdit;

// "Load a scenario": browses the scenario tree (never above its root) with the description of
// the browsed folder, lists its scenario files and previews the description of the one clicked.
// Load (button, double click or Enter) accepts the dialog with the chosen file; the main window
// then reads it.
class LoadFile : public QDialog
{
    Q_OBJECT
public:
    LoadFile(const FolderValues& folders, QWidget* parent);

    // The chosen file after Load: its folder (with a trailing separator) and its name.
    QString chosenFolder() const { return browsed_; }
    QString chosenName() const { return chosen_; }
    // The preview of the chosen file's description, lines ended by CR LF.
    QString preview() const { return preview_; }

private:
    void folderChanged();
    void fileClicked(const QString& name);
    void load();

    QString root_;
    QString browsed_;
    QString chosen_;
    QString preview_;
    FolderList* folders_;
    FileList* files_;
    QPlainTextEdit* folderDescription_;
    QPlainTextEdit* fileDescription_;
};
