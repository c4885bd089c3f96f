#include "app_icon.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

// Every length is a fraction of the side, so that each resolution is drawn, not scaled.
// desktop/org.corvane.ScenarioEditor.svg is the same drawing; a change here belongs there too.
QImage applicationImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;

    // Sky: a rounded square, deep blue to black.
    QRadialGradient sky(QPointF(0.35 * s, 0.3 * s), 0.9 * s);
    sky.setColorAt(0.0, QColor(28, 44, 92));
    sky.setColorAt(1.0, QColor(6, 8, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0, 0, s, s), 0.18 * s, 0.18 * s);

    // A few stars.
    p.setBrush(QColor(235, 240, 255));
    for (const QPointF& star :
         {QPointF(0.15, 0.2), QPointF(0.82, 0.14), QPointF(0.88, 0.7), QPointF(0.2, 0.84)})
        p.drawEllipse(QPointF(star.x() * s, star.y() * s), 0.022 * s + 0.3, 0.022 * s + 0.3);

    const QPointF centre(0.5 * s, 0.52 * s);
    const QRectF ring(centre.x() - 0.42 * s, centre.y() - 0.13 * s, 0.84 * s, 0.26 * s);
    const QPen ringPen(QColor(242, 196, 110), 0.055 * s, Qt::SolidLine, Qt::RoundCap);

    // The tilted ring is drawn in two halves: the back one behind the planet, the front one over it.
    const auto drawRingHalf = [&](int startAngle) {
        p.save();
        p.translate(centre);
        p.rotate(-18);
        p.translate(-centre);
        p.setPen(ringPen);
        p.setBrush(Qt::NoBrush);
        p.drawArc(ring, startAngle, 180 * 16);
        p.restore();
    };
    drawRingHalf(0);

    // The planet, lit from the upper left.
    QRadialGradient body(QPointF(centre.x() - 0.1 * s, centre.y() - 0.12 * s), 0.3 * s);
    body.setColorAt(0.0, QColor(150, 214, 255));
    body.setColorAt(0.6, QColor(38, 120, 200));
    body.setColorAt(1.0, QColor(14, 46, 96));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(centre, 0.25 * s, 0.25 * s);

    drawRingHalf(180 * 16);

    // The craft: a small white arrow on the upper right of the orbit.
    QPainterPath craft;
    craft.moveTo(0.80 * s, 0.22 * s);
    craft.lineTo(0.64 * s, 0.27 * s);
    craft.lineTo(0.70 * s, 0.31 * s);
    craft.lineTo(0.71 * s, 0.38 * s);
    craft.closeSubpath();
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(craft);
    p.end();
    return image;
}

QPixmap applicationPixmap()
{
    return QPixmap::fromImage(applicationImage(32));
}

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(applicationImage(size)));
    return icon;
}
