#include "place_icons.h"

#include "catalogue/place_tree.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int kSize = 16;

void drawPlanet(QPainter& p)
{
    const QRectF ring(0.8, 6.3, 14.4, 3.4);
    const QPen ringPen(QColor(230, 160, 40), 1.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(ringPen);
    p.drawEllipse(ring);
    QRadialGradient body(QPointF(6, 6), 8);
    body.setColorAt(0, QColor(120, 190, 255));
    body.setColorAt(1, QColor(20, 70, 160));
    p.setPen(QPen(QColor(10, 40, 100), 0.8));
    p.setBrush(body);
    p.drawEllipse(QRectF(3, 3, 10, 10));
    p.setBrush(QColor(70, 160, 80));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(5, 5.5, 3.5, 2.5));
    p.drawEllipse(QRectF(8, 9, 3, 2));
    // The front half of the ring passes before the body.
    p.setPen(ringPen);
    p.drawArc(ring, 180 * 16, 180 * 16);
}

void drawMoon(QPainter& p)
{
    QPainterPath disc;
    disc.addEllipse(QRectF(2, 2, 12, 12));
    QPainterPath shadow;
    shadow.addEllipse(QRectF(6, 0.5, 11, 11));
    p.setPen(QPen(QColor(90, 90, 90), 0.8));
    p.setBrush(QColor(205, 205, 195));
    p.drawPath(disc.subtracted(shadow));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 140));
    p.drawEllipse(QRectF(3.5, 8, 2.2, 2.2));
    p.drawEllipse(QRectF(6, 11, 1.8, 1.8));
}

void drawStation(QPainter& p)
{
    p.setPen(QPen(QColor(40, 40, 60), 0.8));
    p.setBrush(QColor(40, 90, 200));
    p.drawRect(QRectF(0.5, 3.5, 4.5, 9));
    p.drawRect(QRectF(11, 3.5, 4.5, 9));
    p.setPen(QPen(QColor(150, 190, 255), 0.6));
    p.drawLine(QPointF(0.5, 8), QPointF(5, 8));
    p.drawLine(QPointF(11, 8), QPointF(15.5, 8));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawLine(QPointF(5, 8), QPointF(11, 8));
    p.setPen(QPen(QColor(60, 60, 60), 0.8));
    p.setBrush(QColor(225, 225, 225));
    p.drawEllipse(QRectF(5.5, 4.5, 5, 7));
}

void drawBase(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 100, 50));
    p.drawRect(QRectF(0, 12, 16, 4));
    p.setPen(QPen(QColor(70, 70, 70), 0.8));
    p.setBrush(QColor(235, 235, 225));
    p.drawChord(QRectF(2, 5, 12, 14), 0, 180 * 16);
    p.setPen(QPen(QColor(200, 40, 40), 1));
    p.drawLine(QPointF(11.5, 7), QPointF(13.5, 1.5));
    p.setPen(QPen(QColor(60, 120, 200), 1));
    p.drawLine(QPointF(5, 9.5), QPointF(11, 9.5));
}

void drawPad(QPainter& p)
{
    p.setPen(QPen(QColor(40, 40, 40), 0.8));
    p.setBrush(QColor(120, 120, 125));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(QPen(QColor(250, 200, 30), 1.6));
    p.drawLine(QPointF(5.5, 4.5), QPointF(5.5, 11.5));
    p.drawLine(QPointF(10.5, 4.5), QPointF(10.5, 11.5));
    p.drawLine(QPointF(5.5, 8), QPointF(10.5, 8));
}

void drawDock(QPainter& p)
{
    p.setPen(QPen(QColor(50, 50, 50), 0.8));
    p.setBrush(QColor(175, 180, 190));
    p.drawRoundedRect(QRectF(1, 1, 14, 14), 3, 3);
    p.setBrush(QColor(240, 170, 30));
    p.drawEllipse(QRectF(3.5, 3.5, 9, 9));
    p.setBrush(QColor(45, 45, 55));
    p.drawEllipse(QRectF(6, 6, 4, 4));
}

void drawOccupant(QPainter& p)
{
    QPainterPath hull;
    hull.moveTo(8, 0.8);
    hull.lineTo(13.5, 14);
    hull.lineTo(8, 11);
    hull.lineTo(2.5, 14);
    hull.closeSubpath();
    p.setPen(QPen(QColor(90, 10, 10), 0.8));
    p.setBrush(QColor(215, 45, 45));
    p.drawPath(hull);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 230, 255));
    p.drawEllipse(QRectF(6.8, 4.5, 2.4, 3));
}

} // namespace

QPixmap placePixmap(int image)
{
    using Draw = void (*)(QPainter&);
    // In the order of the node kinds, planet (1) to occupant (7).
    static constexpr Draw kDraw[] = {drawPlanet, drawMoon, drawStation, drawBase,
                                     drawPad,    drawDock, drawOccupant};
    if (image < PlanetImage || image > OccupantImage)
        return {};
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    kDraw[image - PlanetImage](painter);
    return pixmap;
}

QIcon placeIcon(int image)
{
    const QPixmap pixmap = placePixmap(image);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}
