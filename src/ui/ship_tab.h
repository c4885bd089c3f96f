#pragma once

#include "editing/ship_editing.h"
#include "editing/user_message.h"
#include "editing/workspace.h"

#include <QWidget>

class DerivedOrbitPanel;
class PlaceTreeView;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

// The "Ship list" tab: every control of the ship editor, bound to the ship form of the
// workspace, with the dock and landing trees. The tab shows the workspace (refresh) and hands
// every action to the functions of src/editing.
class ShipTab : public QWidget
{
    Q_OBJECT
public:
    ShipTab(Workspace& ws, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Shows the workspace: the ship list, the form, the class and planet lists, both trees.
    void refresh();
    // Before the shown ship is left: pending edits validated or discarded as the user answers.
    // Whether to go on (false on Cancel, or when validation refused the form).
    bool settlePending();
    // The user picked the ship of row `index`, in its list or elsewhere (the system map): pending
    // edits are settled first. Whether it is shown (not on Cancel).
    bool pickShip(int index);

signals:
    // A ship was validated, added or deleted: the focus ship and its candidates may have changed.
    void shipsChanged();
    // The form holds edits that are not validated (or no longer does).
    void pendingChanged(bool pending);
    // A ship was stored by validation.
    void shipValidated(const QString& name);

private:
    struct Level
    {
        QSlider* slider = nullptr;
        QLabel* readOut = nullptr;
    };

    QWidget* buildHeading();
    QWidget* buildStatusFrame();
    QWidget* buildEngineFrame();
    QWidget* buildActionFrame();
    QGroupBox* buildLandedFrame();
    QGroupBox* buildDockedFrame();
    QGroupBox* buildOrbitingFrame();
    QGroupBox* vectorFrame(const QString& title, const QString& prefix, QString ShipForm::*x,
                           QString ShipForm::*y, QString ShipForm::*z);
    QLineEdit* formBox(const QString& name, QString ShipForm::*field, const QString& toolTip = {});
    QRadioButton* statusOption(const QString& name, const QString& caption, const QString& toolTip,
                               ShipStatusOption option);
    Level level(const QString& name, int minimum, int maximum, const QString& toolTip, ShipSlider slider);
    void connectControls();
    void showLevels();
    // The derived orbit and the field hints of the form as it stands.
    void showOrbitAndHints();
    // The validation button stands out while the form holds pending edits.
    void showPending();

    void statusClicked(ShipStatusOption option);
    void validateClicked();
    void addClicked();
    void deleteClicked();
    void dockDoubleClicked(int node);
    void padDoubleClicked(int node);

    Workspace& ws_;
    UserDialogs& dialogs_;

    QComboBox* shipName_ = nullptr;
    QPushButton* validate_ = nullptr;
    bool shownPending_ = false;
    QLabel* shipIndex_ = nullptr;
    QLabel* shipClass_ = nullptr;
    QComboBox* spacecraft_ = nullptr;
    QVector<std::pair<QRadioButton*, ShipStatusOption>> options_;
    Level fuel_;
    Level mainEngine_;
    Level hoverEngine_;

    QGroupBox* landed_ = nullptr;
    PlaceTreeView* landingTree_ = nullptr;
    QLabel* landedPlanet_ = nullptr;
    QLabel* landedBase_ = nullptr;
    QLabel* landedPad_ = nullptr;

    QGroupBox* docked_ = nullptr;
    PlaceTreeView* dockedTree_ = nullptr;
    QLabel* dockedPlanet_ = nullptr;
    QLabel* dockedStation_ = nullptr;
    QLabel* dockedPort_ = nullptr;

    QGroupBox* orbiting_ = nullptr;
    QLabel* orbitingPlanet_ = nullptr;
    QComboBox* orbitingRef_ = nullptr;
    DerivedOrbitPanel* orbitPanel_ = nullptr;

    // The text boxes that edit one text field of the form each.
    QVector<std::pair<QLineEdit*, QString ShipForm::*>> boxes_;
};
