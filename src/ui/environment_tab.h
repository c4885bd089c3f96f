#pragma once

#include "editing/user_message.h"
#include "editing/workspace.h"

#include <QWidget>

#include <functional>

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTimer;

// The "Description, environment and focus" tab: the description, the planetary system with its
// lock, the user-controlled ship and the scenario start time, bound to the scenario-wide values
// of the workspace. Edits reach the document at once; nothing here is validated.
class EnvironmentTab : public QWidget
{
    Q_OBJECT
public:
    // `settleForms` is asked before a planetary system empties the station and ship forms:
    // whether their pending edits are settled (validated or discarded) and the change may go on.
    EnvironmentTab(Workspace& ws, UserDialogs& dialogs, std::function<bool()> settleForms,
                   QWidget* parent = nullptr);

    // Shows the workspace: system list and selection, description, focus ship and candidates,
    // start date and time.
    void refresh();

signals:
    // A planetary system was applied: the scenario was emptied and the bodies and bases changed.
    void systemApplied();

private:
    void buildControls();
    void lockClicked(bool locked);
    void systemChosen(int position);
    void changeFocus();
    void descriptionEdited();
    void showDescriptionHint();

    Workspace& ws_;
    UserDialogs& dialogs_;
    std::function<bool()> settleForms_;
    QPlainTextEdit* description_;
    QLabel* descriptionHint_;
    QComboBox* planetarySystem_;
    QCheckBox* lock_;
    QLineEdit* appliedSystem_;
    QLabel* shipFocus_;
    QComboBox* possibleShipFocus_;
    QCalendarWidget* calendar_;
    QComboBox* hour_;
    QComboBox* minute_;
    QLabel* julian_;
    QTimer* typingPause_;
    bool showing_ = false;
};
