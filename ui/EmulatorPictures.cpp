#include "ui/EmulatorPictures.h"

#include "ui/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace orvanta::ui::pictures {

QPixmap ignition(int size) {
    QPixmap pm = canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    // The lock barrel.
    QLinearGradient g(0, 0, 0, s);
    g.setColorAt(0, QColor(0x5a, 0x63, 0x6d));
    g.setColorAt(1, QColor(0x2a, 0x2f, 0x35));
    p.setBrush(g);
    p.setPen(QPen(kDim, s / 24.0));
    p.drawEllipse(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88));
    // Position marks: off at the top, ignition (terminal 15) to the right.
    p.setPen(QPen(kDim, s / 16.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(QPointF(s * 0.5, s * 0.16));
    p.setPen(QPen(kAmber, s / 12.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(QPointF(s * 0.84, s * 0.5));
    // The key, turned towards the ignition mark.
    p.translate(s * 0.5, s * 0.5);
    p.rotate(45);
    p.setPen(Qt::NoPen);
    p.setBrush(kLight);
    p.drawRoundedRect(QRectF(-s * 0.07, -s * 0.34, s * 0.14, s * 0.68), s * 0.04, s * 0.04);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(0, 0), s * 0.05, s * 0.05);
    return pm;
}

QIcon longPress(Qt::ArrowType direction) {
    QPixmap pm = canvas(24, 24);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kLight);
    // Two stacked chevrons: the key held down.
    const bool up = direction == Qt::UpArrow;
    for (int k = 0; k < 2; ++k) {
        const double y = up ? 4 + k * 8 : 20 - k * 8;
        const double d = up ? 8 : -8;
        QPolygonF tri;
        tri << QPointF(12, y) << QPointF(20, y + d) << QPointF(4, y + d);
        p.setBrush(k == 0 ? kLight : kDim);
        p.drawPolygon(tri);
    }
    return QIcon(pm);
}

QPixmap mirror(int size) {
    QPixmap pm = canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    // Housing with its glass, and the arm to the door.
    p.setPen(QPen(kDim, s / 14.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.5, s * 0.72), QPointF(s * 0.5, s * 0.92));
    QPainterPath housing;
    housing.addRoundedRect(QRectF(s * 0.08, s * 0.18, s * 0.84, s * 0.54), s * 0.2, s * 0.2);
    p.setBrush(QColor(0x3a, 0x41, 0x49));
    p.drawPath(housing);
    QLinearGradient glass(0, s * 0.25, 0, s * 0.65);
    glass.setColorAt(0, QColor(0x9f, 0xc3, 0xe6));
    glass.setColorAt(1, kAccent.darker(140));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawRoundedRect(QRectF(s * 0.16, s * 0.26, s * 0.68, s * 0.38), s * 0.14, s * 0.14);
    return pm;
}

QPixmap parkingSensors(int w, int h) {
    QPixmap pm = canvas(w, h);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // The car's rear from above, bumper at the bottom, the four sensors along it.
    const QRectF body(w * 0.02, -h * 0.5, w * 0.96, h * 0.95);
    QLinearGradient g(0, 0, 0, body.bottom());
    g.setColorAt(0, QColor(0x3a, 0x41, 0x49));
    g.setColorAt(1, QColor(0x4a, 0x52, 0x5b));
    p.setBrush(g);
    p.setPen(QPen(kDim, 1.5));
    p.drawRoundedRect(body, w * 0.08, h * 0.3);
    // Rear window.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x2a, 0x36));
    p.drawRoundedRect(QRectF(w * 0.22, 0, w * 0.56, h * 0.2), 4, 4);

    for (int i = 0; i < 4; ++i) {
        const double x = w * (0.125 + 0.25 * i);  // over the four equal editor columns
        const double y = body.bottom() - 2;
        // The echo each sensor sends backwards.
        p.setBrush(Qt::NoBrush);
        for (int r = 1; r <= 2; ++r) {
            QColor c = kAmber;
            c.setAlpha(200 - r * 60);
            p.setPen(QPen(c, 1.5));
            const double rr = h * 0.16 * r;
            p.drawArc(QRectF(x - rr, y - rr, 2 * rr, 2 * rr), 225 * 16, 90 * 16);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(kAmber);
        p.drawEllipse(QPointF(x, y), 3.5, 3.5);
    }
    return pm;
}

}  // namespace orvanta::ui::pictures
