#pragma once

#include "editing/user_message.h"

#include <QDialog>

class FolderList;
class QComboBox;
class QLabel;
class QPushButton;

// "Corvane folder search": the user opens the folder where the simulator is installed and
// validates it; Validate is possible only for a folder that holds corvane.cfg (any letter case)
// and writes that folder into the settings file of `settingsFolder`.
class CorvaneFolderSearch : public QDialog
{
    Q_OBJECT
public:
    CorvaneFolderSearch(const QString& settingsFolder, const QString& startFolder, UserDialogs& dialogs,
                        QWidget* parent);

private:
    void driveChosen(int index);
    void checkOpenFolder();
    void validate();

    QString settingsFolder_;
    UserDialogs& dialogs_;
    QComboBox* drives_;
    FolderList* folders_;
    QLabel* path_;
    QPushButton* validate_;
};
