#pragma once

#include "editing/workspace.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

// "Orbit from elements…": puts the shown ship on an orbit around its planet by six elements, by
// the altitudes of its apsides and three angles, or a distance along a station's track, and
// writes the state at the start date into the ship form's position and velocity boxes. The form
// values only: validation stores them as it stores anything typed there. A refusal (below the
// surface, not a closed orbit, a value that is not a number) is shown in the window.
class OrbitFromElementsWindow : public QDialog
{
    Q_OBJECT
public:
    OrbitFromElementsWindow(Workspace& ws, QWidget* parent);

signals:
    // The ship form's position and velocity were set: the ship tab shows them.
    void stateFilled();

private:
    QWidget* buildElementsPage();
    QWidget* buildSimplePage();
    QWidget* buildStationPage();
    void fillClicked();
    void showResult(const QString& text, bool refusal);

    Workspace& ws_;
    QTabWidget* ways_ = nullptr;
    QLabel* body_ = nullptr;
    QLabel* result_ = nullptr;
    QVector<QLineEdit*> elements_;
    QVector<QLineEdit*> simple_;
    QCheckBox* atPeriapsis_ = nullptr;
    QComboBox* station_ = nullptr;
    QLineEdit* trackDistance_ = nullptr;
};
