#pragma once

#include "editing/form_orbits.h"

#include <QGroupBox>

class OrbitView;
class QLabel;

// The frame beside an editor's orbit values: periapsis and apoapsis altitude, period, a note on
// what is wrong or worth knowing, and the orbit view. Its controls are named after `prefix`
// ("Station" gives StationDerivedOrbit, StationPeriapsisAltitude, StationApoapsisAltitude,
// StationOrbitPeriod, StationOrbitNote, StationOrbitElements and StationOrbitView). A ship's
// elements at the start date are shown under the note; a station's place at the start date is
// marked on the view. The view is below the values (Qt::Vertical), or beside them where the
// page has more width than height to spare (Qt::Horizontal; below them again when the frame is
// too narrow for both side by side).
class DerivedOrbitPanel : public QGroupBox
{
    Q_OBJECT
public:
    DerivedOrbitPanel(const QString& prefix, Qt::Orientation viewPlacement, QWidget* parent = nullptr);

    void showOrbit(const FormOrbit& orbit);

private:
    QLabel* periapsisAltitude_ = nullptr;
    QLabel* apoapsisAltitude_ = nullptr;
    QLabel* period_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* elements_ = nullptr;
    OrbitView* view_ = nullptr;
};
