#pragma once

#include "editing/form_orbits.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QVector>
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

// The orbit's curve in the plane, in metres: the whole ellipse of a closed orbit, the part of an
// escape orbit out to `reach` on either side of the periapsis.
QVector<QPointF> orbitCurve(const Orbit& orbit, double periapsisDirection, double reach);
// Where a point at `direction` on the orbit lies, in metres.
QPointF orbitPoint(const Orbit& orbit, double periapsisDirection, double direction);
// How far out an escape orbit is drawn: well past the periapsis, the atmosphere and the position.
double escapeReach(const FormOrbit& orbit);
// The smallest rectangle, in metres, that holds the body with its atmosphere and the curve.
QRectF orbitBounds(const FormOrbit& orbit, const QVector<QPointF>& curve);
