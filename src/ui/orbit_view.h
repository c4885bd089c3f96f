#pragma once

#include "editing/form_orbits.h"

#include <QColor>
#include <QWidget>

// The orbit an editor form describes, seen face-on in its own plane: the body as a disc to
// scale, its atmosphere as a ring, the orbit with its periapsis (Pe) and apoapsis (Ap) and the
// current position. An orbit that dips into the atmosphere or starts inside the body is drawn in
// the warning colour. Lengths are in metres, with y pointing up.
class OrbitView : public QWidget
{
    Q_OBJECT
public:
    explicit OrbitView(QWidget* parent = nullptr);

    void setOrbit(const FormOrbit& orbit);
    const FormOrbit& orbit() const { return orbit_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The colour of an orbit that crosses the atmosphere or starts inside the body.
    static QColor warningColour();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FormOrbit orbit_;
};
