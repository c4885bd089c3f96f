#pragma once

#include "editing/user_message.h"
#include "editing/workspace.h"

#include <QWidget>

class DerivedOrbitPanel;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// The "Orbital station list" tab: every control of the station editor, bound to the station
// form of the workspace. The tab shows the workspace (refresh) and hands every action to the
// functions of src/editing.
class StationTab : public QWidget
{
    Q_OBJECT
public:
    StationTab(Workspace& ws, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Shows the workspace: the station list, the form, the planet and class lists.
    void refresh();
    // Before the shown station is left: pending edits validated or discarded as the user answers.
    // Whether to go on (false on Cancel, or when validation refused the form).
    bool settlePending();
    // The user picked the station of row `index`, in its list or elsewhere (the system map):
    // pending edits are settled first. Whether it is shown (not on Cancel).
    bool pickStation(int index);

signals:
    // A station was validated or deleted: the ship tab's trees and display may have changed.
    void stationsChanged();
    // The form holds edits that are not validated (or no longer does).
    void pendingChanged(bool pending);
    // A station was stored by validation.
    void stationValidated(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QWidget* buildOrbitFrame();
    QWidget* buildRightColumn();
    void connectControls();
    QLineEdit* formBox(const QString& name, QString StationForm::*field, const QString& toolTip);
    // The derived orbit and the field hints of the form as it stands.
    void showOrbitAndHints();
    // The validation button stands out while the form holds pending edits.
    void showPending();

    void validateClicked();
    void deleteClicked();
    void addClicked();
    void classRotationClicked(bool ticked);
    void epochDateChanged(const QDate& date);

    Workspace& ws_;
    UserDialogs& dialogs_;

    QComboBox* stationName_ = nullptr;
    QPushButton* validate_ = nullptr;
    bool shownPending_ = false;
    QLabel* stationIndex_ = nullptr;
    QLabel* refPlanet_ = nullptr;
    QComboBox* stationRef_ = nullptr;
    QLabel* className_ = nullptr;
    QComboBox* stationClass_ = nullptr;
    QLineEdit* rotationFrequency_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QDateEdit* epochDate_ = nullptr;
    QComboBox* epochHour_ = nullptr;
    QComboBox* epochMinute_ = nullptr;
    DerivedOrbitPanel* orbitPanel_ = nullptr;
    // The text boxes that edit one text field of the form each.
    QVector<std::pair<QLineEdit*, QString StationForm::*>> boxes_;
};
