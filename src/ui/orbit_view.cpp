#include "orbit_view.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kSamples = 720;
constexpr double kMargin = 26.0;     // room for the Pe and Ap labels around the picture
constexpr double kScaleStrip = 18.0; // below the bottom margin: the scale bar

const QColor kSpace(16, 22, 34);
const QColor kBody(62, 110, 168);
const QColor kAtmosphere(125, 185, 255, 150);
const QColor kOrbitLine(226, 232, 240);
const QColor kPosition(255, 210, 63);
const QColor kCaption(190, 200, 215);

// Maps metres of the orbit's plane into the widget: the bounds centred in the area, y up.
struct PlaneToScreen
{
    QPointF centre;
    QPointF origin;
    double scale = 1.0;

    QPointF operator()(const QPointF& metres) const
    {
        return {centre.x() + (metres.x() - origin.x()) * scale,
                centre.y() - (metres.y() - origin.y()) * scale};
    }
};

// 1, 2 or 5 times a power of ten, at most `limit`.
double roundLength(double limit)
{
    const double power = std::pow(10.0, std::floor(std::log10(limit)));
    for (double step : {5.0, 2.0, 1.0}) {
        if (step * power <= limit)
            return step * power;
    }
    return power;
}

void drawMark(QPainter& painter, const QPointF& at, const QPointF& away, const QString& label)
{
    painter.setBrush(painter.pen().color());
    painter.drawEllipse(at, 3.5, 3.5);
    // The label sits outside the orbit, on the side away from the body.
    QPointF outward = at - away;
    const double length = std::hypot(outward.x(), outward.y());
    outward = length > 0.0 ? outward / length : QPointF(1.0, 0.0);
    const QPointF textCentre = at + outward * 14.0;
    const QRectF box(textCentre - QPointF(12.0, 8.0), QSizeF(24.0, 16.0));
    painter.drawText(box, Qt::AlignCenter, label);
}

void drawScaleBar(QPainter& painter, const QRectF& area, double scale)
{
    const double metres = roundLength(area.width() / 4.0 / scale);
    const double pixels = metres * scale;
    const QPointF start(area.left(), area.bottom() + kMargin + kScaleStrip / 2.0 - 2.0);
    painter.setPen(QPen(kCaption, 1.5));
    painter.drawLine(start, start + QPointF(pixels, 0.0));
    painter.drawLine(start + QPointF(0.0, -3.0), start + QPointF(0.0, 3.0));
    painter.drawLine(start + QPointF(pixels, -3.0), start + QPointF(pixels, 3.0));
    const QString text = QLocale().toString(metres / 1000.0, 'g', 6) + QStringLiteral(" km");
    painter.drawText(QRectF(start.x() + pixels + 6.0, start.y() - 8.0, area.width(), 16.0),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
}

// Where a point at `direction` on the orbit lies, in metres of the orbit's plane.
QPointF orbitPoint(const Orbit& orbit, double periapsisDirection, double direction)
{
    const double trueAnomaly = direction - periapsisDirection;
    const double denominator = 1.0 + orbit.eccentricity * std::cos(trueAnomaly);
    // A straight fall or climb has no width: its points lie on the line of apsides.
    const double r = orbit.semiLatusRectum > 0.0   ? orbit.semiLatusRectum / denominator
                     : std::cos(trueAnomaly) > 0.0 ? orbit.periapsisRadius
                                                   : orbit.apoapsisRadius.value_or(orbit.periapsisRadius);
    return {r * std::cos(direction), r * std::sin(direction)};
}

// The whole ellipse of a closed orbit; the part of an escape orbit out to `reach` on either side
// of the periapsis.
QVector<QPointF> orbitCurve(const Orbit& orbit, double periapsisDirection, double reach)
{
    double widest = kPi;
    if (orbit.escapes) {
        // r = p / (1 + e cos v) reaches `reach` where cos v = (p / reach - 1) / e.
        const double e = std::max(orbit.eccentricity, 1e-12);
        widest = std::acos(std::clamp((orbit.semiLatusRectum / reach - 1.0) / e, -1.0, 1.0));
    }
    QVector<QPointF> curve;
    curve.reserve(kSamples + 1);
    for (int k = 0; k <= kSamples; ++k) {
        const double anomaly = -widest + 2.0 * widest * k / kSamples;
        const QPointF point = orbitPoint(orbit, periapsisDirection, periapsisDirection + anomaly);
        if (std::isfinite(point.x()) && std::isfinite(point.y()))
            curve.append(point);
    }
    return curve;
}

// How far out an escape orbit is drawn: well past the periapsis, the atmosphere and the position.
double escapeReach(const FormOrbit& orbit)
{
    const double top = orbit.body ? orbit.body->radius + orbit.body->atmosphereLimit : 0.0;
    double reach = std::max(4.0 * orbit.orbit->periapsisRadius, 2.0 * top);
    if (orbit.positionDirection) {
        const QPointF at = orbitPoint(*orbit.orbit, orbit.periapsisDirection, *orbit.positionDirection);
        reach = std::max(reach, 1.5 * std::hypot(at.x(), at.y()));
    }
    return reach;
}

// The smallest rectangle, in metres, that holds the body with its atmosphere and the curve.
QRectF orbitBounds(const FormOrbit& orbit, const QVector<QPointF>& curve)
{
    const double top = orbit.body ? std::max(orbit.body->radius + orbit.body->atmosphereLimit, 0.0) : 0.0;
    double left = -top, right = top, bottom = -top, upper = top;
    for (const QPointF& point : curve) {
        left = std::min(left, point.x());
        right = std::max(right, point.x());
        bottom = std::min(bottom, point.y());
        upper = std::max(upper, point.y());
    }
    return QRectF(QPointF(left, bottom), QPointF(right, upper));
}

} // namespace

OrbitView::OrbitView(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void OrbitView::setOrbit(const FormOrbit& orbit)
{
    orbit_ = orbit;
    update();
}

QSize OrbitView::sizeHint() const
{
    return {300, 300};
}

QSize OrbitView::minimumSizeHint() const
{
    return {140, 120};
}

QColor OrbitView::warningColour()
{
    return {255, 80, 80};
}

void OrbitView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), kSpace);
    const QRectF area = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin - kScaleStrip);
    if (!orbit_.body || area.width() <= 0.0 || area.height() <= 0.0) {
        painter.setPen(kCaption);
        painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, orbit_.problem);
        return;
    }

    const OrbitBody& body = *orbit_.body;
    QVector<QPointF> curve;
    if (orbit_.orbit)
        curve = orbitCurve(*orbit_.orbit, orbit_.periapsisDirection,
                           orbit_.orbit->escapes ? escapeReach(orbit_) : 0.0);
    const QRectF bounds = orbitBounds(orbit_, curve);
    PlaneToScreen toScreen;
    toScreen.centre = area.center();
    toScreen.origin = bounds.center();
    toScreen.scale = bounds.width() > 0.0 && bounds.height() > 0.0
                         ? std::min(area.width() / bounds.width(), area.height() / bounds.height())
                         : 1.0;

    // The body and its atmosphere to scale; a body too small to see gets a cross to find it by.
    const QPointF centre = toScreen(QPointF(0.0, 0.0));
    const double radius = body.radius * toScreen.scale;
    painter.setPen(Qt::NoPen);
    if (body.atmosphereLimit > 0.0) {
        painter.setBrush(kAtmosphere);
        const double outer = (body.radius + body.atmosphereLimit) * toScreen.scale;
        painter.drawEllipse(centre, outer, outer);
    }
    painter.setBrush(kBody);
    painter.drawEllipse(centre, radius, radius);
    if (radius < 3.0) {
        painter.setPen(QPen(kBody, 1.0));
        painter.drawLine(centre - QPointF(5.0, 0.0), centre + QPointF(5.0, 0.0));
        painter.drawLine(centre - QPointF(0.0, 5.0), centre + QPointF(0.0, 5.0));
    }
    drawScaleBar(painter, area, toScreen.scale);

    const bool warning = orbit_.insideBody || (orbit_.orbit && orbit_.orbit->crossesAtmosphere);
    const QColor line = warning ? warningColour() : kOrbitLine;
    QString headline;
    if (orbit_.insideBody)
        headline = tr("Inside the body");
    else if (orbit_.orbit && orbit_.orbit->crossesAtmosphere)
        headline =
            orbit_.orbit->periapsisAltitude >= 0.0 ? tr("Crosses the atmosphere") : tr("Crosses the surface");
    if (orbit_.orbit && orbit_.orbit->escapes)
        headline += (headline.isEmpty() ? QString() : QStringLiteral(" · ")) + tr("Escape orbit");
    if (!orbit_.orbit)
        headline = orbit_.problem;
    painter.setPen(warning ? warningColour() : kCaption);
    painter.drawText(QRectF(rect()).adjusted(6, 4, -6, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     headline);
    if (!orbit_.orbit)
        return;

    const Orbit& orbit = *orbit_.orbit;
    QPainterPath path;
    for (qsizetype k = 0; k < curve.size(); ++k) {
        if (k == 0)
            path.moveTo(toScreen(curve[k]));
        else
            path.lineTo(toScreen(curve[k]));
    }
    if (!orbit.escapes)
        path.closeSubpath();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(line, 2.0));
    painter.drawPath(path);

    painter.setPen(line);
    const double pe = orbit_.periapsisDirection;
    drawMark(painter, toScreen(orbitPoint(orbit, pe, pe)), centre, tr("Pe"));
    if (!orbit.escapes)
        drawMark(painter, toScreen(orbitPoint(orbit, pe, pe + kPi)), centre, tr("Ap"));
    // A station's place at the start date: a ring, with the epoch's dot inside it when they meet.
    if (orbit_.startDirection) {
        painter.setPen(QPen(kPosition, 2.0));
        painter.setBrush(Qt::NoBrush);
        const QPointF start = toScreen(orbitPoint(orbit, pe, *orbit_.startDirection));
        painter.drawEllipse(start, 8.0, 8.0);
        QPointF outward = start - centre;
        const double length = std::hypot(outward.x(), outward.y());
        outward = length > 0.0 ? outward / length : QPointF(1.0, 0.0);
        const QPointF textCentre = start + outward * 24.0;
        painter.drawText(QRectF(textCentre - QPointF(22.0, 8.0), QSizeF(44.0, 16.0)), Qt::AlignCenter,
                         tr("Start"));
    }
    if (orbit_.positionDirection) {
        painter.setPen(QPen(kSpace, 1.5));
        painter.setBrush(kPosition);
        painter.drawEllipse(toScreen(orbitPoint(orbit, pe, *orbit_.positionDirection)), 5.0, 5.0);
    }
}
