#include "ui/Pictures.h"

#include <cmath>

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace orvanta::ui::pictures {
QPixmap canvas(int w, int h) {
    QPixmap p(w, h);
    p.fill(Qt::transparent);
    return p;
}

QPixmap title(int w, int h) {
    QPixmap pm(w, h);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, h);
    bg.setColorAt(0, QColor(0x22, 0x27, 0x2d));
    bg.setColorAt(1, QColor(0x14, 0x17, 0x1b));
    p.fillRect(pm.rect(), bg);

    // A stylised instrument cluster: two dials and the colour display between them.
    auto dial = [&](QPointF c, double r, double value) {
        p.setPen(QPen(QColor(0x55, 0x5e, 0x68), 3));
        p.setBrush(QColor(0x1a, 0x1e, 0x22));
        p.drawEllipse(c, r, r);
        p.setPen(QPen(QColor(0x8a, 0x93, 0x9c), 2));
        for (int i = 0; i <= 10; ++i) {
            double a = (225 - i * 27) * M_PI / 180.0;
            QPointF o(c.x() + std::cos(a) * r * 0.85, c.y() - std::sin(a) * r * 0.85);
            QPointF in(c.x() + std::cos(a) * r * 0.72, c.y() - std::sin(a) * r * 0.72);
            p.drawLine(in, o);
        }
        double a = (225 - value * 270) * M_PI / 180.0;
        p.setPen(QPen(kAmber, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, QPointF(c.x() + std::cos(a) * r * 0.7, c.y() - std::sin(a) * r * 0.7));
        p.setBrush(kAmber);
        p.drawEllipse(c, 4, 4);
    };
    const double r = h * 0.36;
    dial(QPointF(w * 0.14, h * 0.5), r, 0.35);
    dial(QPointF(w * 0.86, h * 0.5), r, 0.6);

    QRectF screen(w * 0.32, h * 0.16, w * 0.36, h * 0.68);
    p.setPen(QPen(QColor(0x60, 0x6a, 0x75), 2));
    QLinearGradient sg(screen.topLeft(), screen.bottomLeft());
    sg.setColorAt(0, QColor(0x10, 0x2a, 0x45));
    sg.setColorAt(1, QColor(0x06, 0x12, 0x20));
    p.setBrush(sg);
    p.drawRoundedRect(screen, 8, 8);

    QFont f("DejaVu Sans");
    f.setPixelSize(static_cast<int>(h * 0.2));
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    p.setFont(f);
    p.setPen(kLight);
    p.drawText(screen.adjusted(0, 0, 0, -h * 0.18), Qt::AlignCenter, "ORVANTA");
    QFont s = f;
    s.setPixelSize(static_cast<int>(h * 0.075));
    s.setBold(false);
    s.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(s);
    p.setPen(kAccent);
    p.drawText(screen.adjusted(0, h * 0.3, 0, 0), Qt::AlignCenter, "display module service tool");
    return pm;
}

QPixmap link(int size) {
    QPixmap pm = canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x4c, 0xc2, 0x6a), size / 10.0, Qt::SolidLine, Qt::RoundCap));
    const double s = size;
    // Two plug halves joined.
    p.drawLine(QPointF(s * 0.1, s * 0.5), QPointF(s * 0.35, s * 0.5));
    p.drawLine(QPointF(s * 0.65, s * 0.5), QPointF(s * 0.9, s * 0.5));
    p.setBrush(QColor(0x4c, 0xc2, 0x6a));
    p.drawRoundedRect(QRectF(s * 0.35, s * 0.3, s * 0.3, s * 0.4), 2, 2);
    return pm;
}

QIcon reboot() {
    QPixmap pm = canvas(24, 24);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xff, 0x8a, 0x5c), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(4, 4, 16, 16), 100 * 16, 300 * 16);
    QPainterPath head;
    head.moveTo(12, 1);
    head.lineTo(17, 4.5);
    head.lineTo(12, 8);
    head.closeSubpath();
    p.setBrush(QColor(0xff, 0x8a, 0x5c));
    p.setPen(Qt::NoPen);
    p.drawPath(head);
    return QIcon(pm);
}

QIcon arrow(Qt::ArrowType direction) {
    QPixmap pm = canvas(24, 24);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kLight);
    QPolygonF tri;
    switch (direction) {
    case Qt::UpArrow: tri << QPointF(12, 4) << QPointF(21, 18) << QPointF(3, 18); break;
    case Qt::DownArrow: tri << QPointF(12, 20) << QPointF(21, 6) << QPointF(3, 6); break;
    case Qt::LeftArrow: tri << QPointF(4, 12) << QPointF(18, 3) << QPointF(18, 21); break;
    default: tri << QPointF(20, 12) << QPointF(6, 3) << QPointF(6, 21); break;
    }
    p.drawPolygon(tri);
    return QIcon(pm);
}

QPixmap key(int size) {
    QPixmap pm = canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(size * 0.4, size * 0.35, size * 0.6);
    g.setColorAt(0, QColor(0x6a, 0x74, 0x80));
    g.setColorAt(1, QColor(0x2a, 0x2f, 0x35));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x8a, 0x93, 0x9c), 1.5));
    p.drawEllipse(QRectF(2, 2, size - 4, size - 4));
    QFont f("DejaVu Sans");
    f.setPixelSize(size / 4);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kLight);
    p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, "R");
    return pm;
}

QPixmap help(int size) {
    QPixmap pm = canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(kAccent);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    QFont f("DejaVu Sans");
    f.setPixelSize(static_cast<int>(size * 0.7));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, "?");
    return pm;
}

QIcon returnKey() {
    QPixmap pm = canvas(24, 24);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kLight, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    path.moveTo(19, 5);
    path.lineTo(19, 14);
    path.lineTo(6, 14);
    p.drawPath(path);
    p.drawLine(QPointF(6, 14), QPointF(10, 10));
    p.drawLine(QPointF(6, 14), QPointF(10, 18));
    return QIcon(pm);
}

QIcon resetKey() { return QIcon(key(24)); }

}  // namespace orvanta::ui::pictures
