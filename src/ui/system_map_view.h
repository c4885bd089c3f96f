#pragma once

#include "editing/system_map.h"

#include <QPointF>
#include <QWidget>

// One body of the system map with its stations' and ships' orbits to scale: seen from the north
// of the reference plane (file x to the right, file z up) or edge-on (file x to the right, the
// north y up). Each object is a dot at its place at the start date with its name beside it. The
// wheel zooms about the pointer, dragging pans, a click on an object reports it.
class SystemMapView : public QWidget
{
    Q_OBJECT
public:
    explicit SystemMapView(QWidget* parent = nullptr);

    void setBody(const MapBody& body);
    void setEdgeOn(bool edgeOn);
    // Everything in sight again: the body and the widest orbit fill the view.
    void fitAll();
    void zoomBy(double factor, const QPointF& about);
    double metresPerPixel() const { return metresPerPixel_; }
    // The object drawn within a few pixels of a point of the view, if any.
    const MapObject* objectAt(const QPointF& point) const;
    // Where an object's dot is drawn.
    QPointF screenPoint(const Vector3& position) const;

    QSize sizeHint() const override { return {640, 520}; }

signals:
    void objectClicked(bool station, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    MapBody body_;
    bool edgeOn_ = false;
    double metresPerPixel_ = 1.0;
    QPointF centre_; // metres in the view's plane at the middle of the widget
    QPointF pressedAt_;
    QPointF lastDrag_;
    bool dragged_ = false;
};
