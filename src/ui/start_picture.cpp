#include "start_picture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace {

constexpr int kWidth = 545;
constexpr int kHeight = 389;

void drawSky(QPainter& painter)
{
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.0, QColor(4, 6, 20));
    sky.setColorAt(1.0, QColor(14, 22, 52));
    painter.fillRect(0, 0, kWidth, kHeight, sky);

    // A fixed seed: the same sky at every start.
    QRandomGenerator stars(1958);
    for (int k = 0; k < 260; ++k) {
        const QPointF at(stars.bounded(kWidth), stars.bounded(kHeight));
        const int brightness = 120 + stars.bounded(136);
        const qreal size = stars.bounded(10) == 0 ? 1.6 : 0.8;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(brightness, brightness, qMin(255, brightness + 30)));
        painter.drawEllipse(at, size, size);
    }
}

void drawRingHalf(QPainter& painter, const QRectF& ring, bool front)
{
    QPainterPath half;
    half.arcMoveTo(ring, front ? 180 : 0);
    half.arcTo(ring, front ? 180 : 0, 180);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(214, 190, 150, 170), 7));
    painter.drawPath(half);
    painter.setPen(QPen(QColor(240, 222, 190, 120), 2));
    painter.drawPath(half);
}

void drawPlanet(QPainter& painter)
{
    const QPointF centre(150, 290);
    const qreal radius = 118;
    const QRectF ring(centre.x() - 205, centre.y() - 48, 410, 96);
    painter.save();
    painter.translate(centre);
    painter.rotate(-12);
    painter.translate(-centre);
    drawRingHalf(painter, ring, false);

    QRadialGradient body(centre + QPointF(-45, -55), radius * 1.5);
    body.setColorAt(0.0, QColor(236, 180, 112));
    body.setColorAt(0.45, QColor(180, 104, 58));
    body.setColorAt(1.0, QColor(40, 18, 14));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(centre, radius, radius);

    // Cloud bands, clipped to the disc.
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    painter.setClipPath(disc);
    for (int band = -3; band <= 3; ++band) {
        painter.setBrush(QColor(255, 228, 190, band % 2 == 0 ? 28 : 16));
        painter.drawRect(QRectF(centre.x() - radius, centre.y() + band * 30 - 6, 2 * radius, 12));
    }
    painter.setClipping(false);
    drawRingHalf(painter, ring, true);
    painter.restore();
}

void drawMoonAndStation(QPainter& painter)
{
    QRadialGradient moon(QPointF(402, 88), 40);
    moon.setColorAt(0.0, QColor(230, 232, 240));
    moon.setColorAt(1.0, QColor(70, 74, 90));
    painter.setPen(Qt::NoPen);
    painter.setBrush(moon);
    painter.drawEllipse(QPointF(410, 96), 30, 30);

    // The station's orbit around the moon, and the station on it: a hub with two panels.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(120, 190, 255, 140), 1.2, Qt::DashLine));
    painter.drawEllipse(QPointF(410, 96), 78, 34);
    const QPointF station(478, 112);
    painter.setPen(QPen(QColor(200, 210, 225), 1.5));
    painter.drawLine(station + QPointF(-16, 0), station + QPointF(16, 0));
    painter.setBrush(QColor(60, 110, 190));
    painter.drawRect(QRectF(station.x() - 24, station.y() - 5, 9, 10));
    painter.drawRect(QRectF(station.x() + 15, station.y() - 5, 9, 10));
    painter.setBrush(QColor(225, 228, 235));
    painter.drawEllipse(station, 5, 5);
}

void drawTitle(QPainter& painter)
{
    QFont title(QStringLiteral("Sans Serif"), 22, QFont::Bold);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    painter.setFont(title);
    painter.setPen(QColor(235, 240, 255));
    const QRectF titleBox(200, 200, kWidth - 215, 40);
    painter.drawText(titleBox, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Corvane"));
    QFont subtitle(QStringLiteral("Sans Serif"), 13);
    painter.setFont(subtitle);
    painter.setPen(QColor(170, 200, 240));
    painter.drawText(QRectF(200, 238, kWidth - 215, 24), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Scenario Editor"));
    QFont hint(QStringLiteral("Sans Serif"), 9);
    painter.setFont(hint);
    painter.setPen(QColor(150, 160, 185));
    painter.drawText(QRectF(200, kHeight - 34, kWidth - 215, 20), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Files > Open to edit a scenario"));
}

} // namespace

QPixmap startPicture()
{
    QPixmap picture(kWidth, kHeight);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawSky(painter);
    drawPlanet(painter);
    drawMoonAndStation(painter);
    drawTitle(painter);
    return picture;
}
