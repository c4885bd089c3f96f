#include "system_map_view.h"

#include "label_placement.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

const QColor kSpace(16, 20, 32);
const QColor kBody(70, 120, 180);
const QColor kStationColour(255, 210, 80);
const QColor kShipColour(120, 230, 160);
constexpr int kTrackSamples = 256;
constexpr double kPickRadius = 8.0;

} // namespace

SystemMapView::SystemMapView(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(320, 240);
    setMouseTracking(false);
}

void SystemMapView::setBody(const MapBody& body)
{
    body_ = body;
    fitAll();
}

void SystemMapView::setEdgeOn(bool edgeOn)
{
    edgeOn_ = edgeOn;
    update();
}

void SystemMapView::fitAll()
{
    double reach = body_.body.radius;
    for (const MapObject& object : body_.objects) {
        reach = std::max(reach, norm(object.atStart.position));
        if (object.elements)
            reach = std::max(reach, object.elements->semiMajorAxis * (1.0 + object.elements->eccentricity));
    }
    const double pixels = std::max(1, std::min(width(), height())) / 2.0 - 30.0;
    metresPerPixel_ = reach / std::max(pixels, 10.0);
    centre_ = {};
    update();
}

void SystemMapView::zoomBy(double factor, const QPointF& about)
{
    // The point under `about` stays where it is.
    const QPointF middle(width() / 2.0, height() / 2.0);
    const QPointF metres =
        centre_ + QPointF(about.x() - middle.x(), middle.y() - about.y()) * metresPerPixel_;
    metresPerPixel_ = std::clamp(metresPerPixel_ / factor, 1.0, 1e9);
    centre_ = metres - QPointF(about.x() - middle.x(), middle.y() - about.y()) * metresPerPixel_;
    update();
}

QPointF SystemMapView::screenPoint(const Vector3& position) const
{
    // From the north: file x right, file z up (the right-handed Y). Edge-on: file y (north) up.
    const double up = edgeOn_ ? position[1] : position[2];
    const QPointF middle(width() / 2.0, height() / 2.0);
    return {middle.x() + (position[0] - centre_.x()) / metresPerPixel_,
            middle.y() - (up - centre_.y()) / metresPerPixel_};
}

const MapObject* SystemMapView::objectAt(const QPointF& point) const
{
    const MapObject* nearest = nullptr;
    double best = kPickRadius;
    for (const MapObject& object : body_.objects) {
        const QPointF at = screenPoint(object.atStart.position);
        const double distance = std::hypot(at.x() - point.x(), at.y() - point.y());
        if (distance <= best) {
            best = distance;
            nearest = &object;
        }
    }
    return nearest;
}

void SystemMapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), kSpace);

    const QPointF centre = screenPoint({0.0, 0.0, 0.0});
    const double radius = std::max(body_.body.radius / metresPerPixel_, 2.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBody);
    painter.drawEllipse(centre, radius, radius);

    for (const MapObject& object : body_.objects) {
        const QColor colour = object.station ? kStationColour : kShipColour;
        if (object.elements) {
            QPainterPath path;
            const QVector<Vector3> track = orbitTrack(*object.elements, body_.body.mu(), kTrackSamples);
            for (qsizetype k = 0; k < track.size(); ++k) {
                const QPointF at = screenPoint(track[k]);
                if (k == 0)
                    path.moveTo(at);
                else
                    path.lineTo(at);
            }
            path.closeSubpath();
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(colour.darker(160), 1.0));
            painter.drawPath(path);
        }
    }
    // Dots and names over every orbit line; names of objects close together one under another.
    const QFontMetricsF metrics(painter.font());
    QVector<QRectF> wanted;
    wanted.reserve(body_.objects.size());
    for (const MapObject& object : body_.objects) {
        const QColor colour = object.station ? kStationColour : kShipColour;
        const QPointF at = screenPoint(object.atStart.position);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(at, 4.0, 4.0);
        const QPointF baseline = at + QPointF(7.0, -5.0);
        wanted.append(QRectF(baseline.x(), baseline.y() - metrics.ascent(), metrics.horizontalAdvance(object.name),
                             metrics.height()));
    }
    const QVector<std::optional<QRectF>> labels = placedLabels(wanted);
    qsizetype hidden = 0;
    for (qsizetype k = 0; k < labels.size(); ++k) {
        if (!labels[k]) {
            ++hidden;
            continue;
        }
        const MapObject& object = body_.objects[k];
        painter.setPen(object.station ? kStationColour : kShipColour);
        painter.drawText(labels[k]->topLeft() + QPointF(0.0, metrics.ascent()), object.name);
    }

    painter.setPen(Qt::white);
    const double kmPer100 = metresPerPixel_ / 10.0;
    const QString scale = QStringLiteral("%1 km per 100 pixels")
                              .arg(QLocale().toString(kmPer100, 'f', kmPer100 < 10.0 ? 2 : 0));
    QString caption = body_.name + QStringLiteral(" · ") + (edgeOn_ ? tr("edge-on") : tr("from the north")) +
                      QStringLiteral(" · ") + scale;
    if (hidden > 0)
        caption += QStringLiteral(" · ") + (hidden == 1 ? tr("1 name too close to show: zoom in")
                                                        : tr("%1 names too close to show: zoom in").arg(hidden));
    painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignLeft | Qt::AlignBottom, caption);
}

void SystemMapView::wheelEvent(QWheelEvent* event)
{
    zoomBy(std::pow(1.25, event->angleDelta().y() / 120.0), event->position());
    event->accept();
}

void SystemMapView::mousePressEvent(QMouseEvent* event)
{
    pressedAt_ = lastDrag_ = event->position();
    dragged_ = false;
}

void SystemMapView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF delta = event->position() - lastDrag_;
    lastDrag_ = event->position();
    if ((event->position() - pressedAt_).manhattanLength() > 3.0)
        dragged_ = true;
    centre_ -= QPointF(delta.x(), -delta.y()) * metresPerPixel_;
    update();
}

void SystemMapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (dragged_)
        return;
    if (const MapObject* object = objectAt(event->position()))
        emit objectClicked(object->station, object->row);
}

void SystemMapView::resizeEvent(QResizeEvent*)
{
    fitAll();
}
