#include "ui/Flags.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <vector>

namespace orvanta::ui::flags {
namespace {

struct Band {
    QColor colour;
    double weight;
};

using Draw = std::function<void(QPainter&, const QRectF&)>;

const QColor kWhite(0xff, 0xff, 0xff);
const QColor kRed(0xd5, 0x2b, 0x1e);
const QColor kBlue(0x00, 0x39, 0xa6);
const QColor kNavy(0x01, 0x21, 0x69);
const QColor kGreen(0x00, 0x8c, 0x45);
const QColor kYellow(0xff, 0xcd, 0x00);
const QColor kBlack(0x10, 0x10, 0x10);

void stripes(QPainter& p, const QRectF& r, const std::vector<Band>& bands, bool vertical) {
    double total = 0;
    for (const Band& b : bands) total += b.weight;
    double at = 0;
    for (const Band& b : bands) {
        const double len = (vertical ? r.width() : r.height()) * b.weight / total;
        // Half a pixel of overlap so no seam shows between bands.
        const QRectF part = vertical ? QRectF(r.left() + at, r.top(), len + 0.5, r.height())
                                     : QRectF(r.left(), r.top() + at, r.width(), len + 0.5);
        p.fillRect(part.intersected(r), b.colour);
        at += len;
    }
}

Draw horizontal(std::initializer_list<Band> bands) {
    return [v = std::vector<Band>(bands)](QPainter& p, const QRectF& r) { stripes(p, r, v, false); };
}

Draw vertical(std::initializer_list<Band> bands) {
    return [v = std::vector<Band>(bands)](QPainter& p, const QRectF& r) { stripes(p, r, v, true); };
}

// A Nordic cross, its upright shifted towards the hoist.
Draw nordic(QColor field, QColor cross) {
    return [field, cross](QPainter& p, const QRectF& r) {
        p.fillRect(r, field);
        const double t = r.height() * 0.22;
        p.fillRect(QRectF(r.left(), r.center().y() - t / 2, r.width(), t), cross);
        p.fillRect(QRectF(r.left() + r.width() * 0.3, r.top(), t, r.height()), cross);
    };
}

void unionFlag(QPainter& p, const QRectF& r) {
    p.fillRect(r, kNavy);
    p.save();
    p.setClipRect(r);
    p.setPen(QPen(kWhite, r.height() * 0.2));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(QPen(kRed, r.height() * 0.08));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.restore();
    const double w = r.height() * 0.32;
    p.fillRect(QRectF(r.left(), r.center().y() - w / 2, r.width(), w), kWhite);
    p.fillRect(QRectF(r.center().x() - w / 2, r.top(), w, r.height()), kWhite);
    const double rw = r.height() * 0.18;
    p.fillRect(QRectF(r.left(), r.center().y() - rw / 2, r.width(), rw), kRed);
    p.fillRect(QRectF(r.center().x() - rw / 2, r.top(), rw, r.height()), kRed);
}

void usa(QPainter& p, const QRectF& r) {
    std::initializer_list<Band> b{{kRed, 1}, {kWhite, 1}, {kRed, 1}, {kWhite, 1}, {kRed, 1}, {kWhite, 1}, {kRed, 1},
                                  {kWhite, 1}, {kRed, 1}, {kWhite, 1}, {kRed, 1}, {kWhite, 1}, {kRed, 1}};
    stripes(p, r, b, false);
    const QRectF canton(r.left(), r.top(), r.width() * 0.4, r.height() * 7 / 13);
    p.fillRect(canton, kNavy);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    const double d = std::max(1.0, r.height() / 16);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            p.drawEllipse(QPointF(canton.left() + canton.width() * (x + 0.5) / 4,
                                  canton.top() + canton.height() * (y + 0.5) / 3),
                          d / 2, d / 2);
}

void czech(QPainter& p, const QRectF& r) {
    stripes(p, r, {{kWhite, 1}, {kRed, 1}}, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x11, 0x45, 0x7e));
    p.drawPolygon(QPolygonF({r.topLeft(), QPointF(r.left() + r.width() / 2, r.center().y()), r.bottomLeft()}));
}

void slovakia(QPainter& p, const QRectF& r) {
    stripes(p, r, {{kWhite, 1}, {kBlue, 1}, {kRed, 1}}, false);
    const QRectF shield(r.left() + r.width() * 0.22, r.top() + r.height() * 0.22, r.width() * 0.2, r.height() * 0.56);
    p.fillRect(shield.adjusted(-0.5, -0.5, 0.5, 0.5), kWhite);
    p.fillRect(shield, kRed);
    const double t = std::max(1.0, shield.width() / 5);
    p.fillRect(QRectF(shield.center().x() - t / 2, shield.top() + 1, t, shield.height() - 2), kWhite);
    p.fillRect(QRectF(shield.left() + 1, shield.top() + shield.height() * 0.35, shield.width() - 2, t), kWhite);
}

void portugal(QPainter& p, const QRectF& r) {
    stripes(p, r, {{QColor(0x00, 0x66, 0x00), 2}, {QColor(0xff, 0x00, 0x00), 3}}, true);
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    const double d = r.height() * 0.45;
    p.drawEllipse(QPointF(r.left() + r.width() * 0.4, r.center().y()), d / 2, d / 2);
}

void latinAmerica(QPainter& p, const QRectF& r) {
    stripes(p, r, {{QColor(0x74, 0xac, 0xdf), 1}, {kWhite, 1}, {QColor(0x74, 0xac, 0xdf), 1}}, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf6, 0xb4, 0x0e));
    const double d = r.height() * 0.26;
    p.drawEllipse(r.center(), d / 2, d / 2);
}

void brazil(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(0x00, 0x9c, 0x3b));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xdf, 0x00));
    const double mx = r.width() * 0.08, my = r.height() * 0.12;
    p.drawPolygon(QPolygonF({QPointF(r.center().x(), r.top() + my), QPointF(r.right() - mx, r.center().y()),
                             QPointF(r.center().x(), r.bottom() - my), QPointF(r.left() + mx, r.center().y())}));
    p.setBrush(QColor(0x00, 0x27, 0x76));
    const double d = r.height() * 0.45;
    p.drawEllipse(r.center(), d / 2, d / 2);
}

void canada(QPainter& p, const QRectF& r) {
    stripes(p, r, {{kRed, 1}, {kWhite, 2}, {kRed, 1}}, true);
    // The leaf as a small pointed star.
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    const QPointF c = r.center();
    const double s = r.height() * 0.3;
    QPolygonF leaf;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rad = i % 2 ? s * 0.45 : s;
        leaf << QPointF(c.x() + rad * std::cos(a), c.y() + rad * std::sin(a));
    }
    p.drawPolygon(leaf);
    p.fillRect(QRectF(c.x() - 0.5, c.y(), 1, s * 1.1), kRed);
}

void greece(QPainter& p, const QRectF& r) {
    const QColor blue(0x0d, 0x5e, 0xaf);
    stripes(p, r,
            {{blue, 1}, {kWhite, 1}, {blue, 1}, {kWhite, 1}, {blue, 1}, {kWhite, 1}, {blue, 1}, {kWhite, 1}, {blue, 1}},
            false);
    const QRectF canton(r.left(), r.top(), r.height() * 5 / 9, r.height() * 5 / 9);
    p.fillRect(canton, blue);
    const double t = canton.height() / 5;
    p.fillRect(QRectF(canton.left(), canton.center().y() - t / 2, canton.width(), t), kWhite);
    p.fillRect(QRectF(canton.center().x() - t / 2, canton.top(), t, canton.height()), kWhite);
}

void turkey(QPainter& p, const QRectF& r) {
    const QColor red(0xe3, 0x0a, 0x17);
    p.fillRect(r, red);
    p.setPen(Qt::NoPen);
    const double d = r.height() * 0.5;
    const QPointF c(r.left() + r.width() * 0.38, r.center().y());
    p.setBrush(kWhite);
    p.drawEllipse(c, d / 2, d / 2);
    p.setBrush(red);
    p.drawEllipse(QPointF(c.x() + d * 0.13, c.y()), d * 0.4, d * 0.4);
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(c.x() + d * 0.62, c.y()), d * 0.12, d * 0.12);
}

void croatia(QPainter& p, const QRectF& r) {
    stripes(p, r, {{kRed, 1}, {kWhite, 1}, {QColor(0x17, 0x17, 0x96), 1}}, false);
    // The chequered shield, two by three squares.
    const double sq = r.height() / 7;
    const QPointF o(r.center().x() - sq, r.center().y() - 1.5 * sq);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            p.fillRect(QRectF(o.x() + x * sq, o.y() + y * sq, sq + 0.3, sq + 0.3), (x + y) % 2 ? kWhite : kRed);
}

std::vector<Draw> makeFlags() {
    return {
        horizontal({{kWhite, 1}, {kBlue, 1}, {kRed, 1}}),                          // Russian
        unionFlag,                                                                  // English
        horizontal({{QColor(0xfd, 0xb9, 0x13), 1}, {QColor(0x00, 0x6a, 0x44), 1},
                    {QColor(0xc1, 0x27, 0x2d), 1}}),                                // Lithuanian
        usa,                                                                        // USA
        vertical({{QColor(0x00, 0x23, 0x95), 1}, {kWhite, 1}, {QColor(0xed, 0x29, 0x39), 1}}),  // French
        horizontal({{kWhite, 1}, {QColor(0xdc, 0x14, 0x3c), 1}}),                  // Polish
        unionFlag,                                                                  // UK
        czech,                                                                      // Czech
        slovakia,                                                                   // Slovak
        horizontal({{kBlack, 1}, {QColor(0xdd, 0x00, 0x00), 1}, {kYellow, 1}}),    // German
        horizontal({{QColor(0xaa, 0x15, 0x1b), 1}, {QColor(0xf1, 0xbf, 0x00), 2},
                    {QColor(0xaa, 0x15, 0x1b), 1}}),                                // Spanish
        horizontal({{kWhite, 1}, {QColor(0x00, 0x96, 0x6e), 1}, {QColor(0xd6, 0x26, 0x12), 1}}),  // Bulgarian
        vertical({{QColor(0x00, 0x2b, 0x7f), 1}, {kYellow, 1}, {QColor(0xce, 0x11, 0x26), 1}}),   // Romanian
        portugal,                                                                   // Portuguese
        vertical({{QColor(0x00, 0x92, 0x46), 1}, {kWhite, 1}, {QColor(0xce, 0x2b, 0x37), 1}}),    // Italian
        horizontal({{QColor(0xce, 0x29, 0x39), 1}, {kWhite, 1}, {QColor(0x47, 0x70, 0x50), 1}}),  // Hungarian
        latinAmerica,                                                               // Latin American
        brazil,                                                                     // Brazil
        canada,                                                                     // Canada
        greece,                                                                     // Greek
        turkey,                                                                     // Turkish
        nordic(kWhite, QColor(0x00, 0x2f, 0x6c)),                                  // Finnish
        horizontal({{QColor(0x9e, 0x30, 0x39), 2}, {kWhite, 1}, {QColor(0x9e, 0x30, 0x39), 2}}),  // Latvian
        horizontal({{QColor(0x00, 0x57, 0xb7), 1}, {QColor(0xff, 0xd7, 0x00), 1}}),              // Ukrainian
        nordic(QColor(0xc8, 0x10, 0x2e), kWhite),                                  // Danish
        croatia,                                                                    // Croatian
        horizontal({{QColor(0xc6, 0x36, 0x3c), 1}, {QColor(0x0c, 0x40, 0x76), 1}, {kWhite, 1}}),  // Serbian
    };
}

const std::vector<Draw>& allFlags() {
    static const std::vector<Draw> f = makeFlags();
    return f;
}

}  // namespace

int languageCount() { return static_cast<int>(allFlags().size()); }

QPixmap languageFlag(int index, QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF field(0.5, 1.5, size.width() - 1.0, size.height() - 3.0);
    if (index >= 0 && index < languageCount())
        allFlags()[static_cast<size_t>(index)](p, field);
    else
        p.fillRect(field, QColor(0x80, 0x80, 0x80));
    // A thin dark edge keeps white flags readable on light and dark lists alike.
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(field);
    return pm;
}

QIcon languageIcon(int index) { return QIcon(languageFlag(index)); }

}  // namespace orvanta::ui::flags
