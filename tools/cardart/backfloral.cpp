// SPDX-License-Identifier: GPL-3.0-or-later
// Back 6: a floral ornament in red, orange and blue on black, inside a
// patterned border. One quarter is drawn and mirrored into the other three.
#include <QLineF>
#include <QTransform>

#include <cmath>

#include "artkit.h"
#include "cardart.h"

namespace korvane::cardart {
namespace {

constexpr QRgb kGround = qRgb(14, 12, 14);
constexpr QRgb kRed = qRgb(206, 38, 40);
constexpr QRgb kOrange = qRgb(240, 140, 32);
constexpr QRgb kBlue = qRgb(48, 112, 210);
const QPointF kCentre(kCardWidth / 2.0, kCardHeight / 2.0);

// A pointed leaf or petal from base to tip, width at its widest.
QPainterPath leaf(QPointF base, QPointF tip, qreal width) {
    const QLineF axis(base, tip);
    const QPointF side = QPointF(-axis.dy(), axis.dx()) / axis.length() * width;
    const QPointF mid = axis.pointAt(0.45);
    QPainterPath p;
    p.moveTo(base);
    p.quadTo(mid + side, tip);
    p.quadTo(mid - side, base);
    p.closeSubpath();
    return p;
}

void paintFlower(QPainter& painter, QPointF at, qreal size, int petals) {
    painter.setPen(QPen(QColor(kGround), 0.5));
    for (int ring = 0; ring < 2; ++ring) {
        const qreal length = ring == 0 ? size : size * 0.62;
        const qreal turn = ring == 0 ? 0 : 180.0 / petals;
        painter.setBrush(QColor(ring == 0 ? kRed : kOrange));
        for (int i = 0; i < petals; ++i) {
            const qreal a = (turn + i * 360.0 / petals) * M_PI / 180.0;
            const QPointF tip = at + QPointF(std::sin(a), -std::cos(a)) * length;
            painter.drawPath(leaf(at, tip, length * 0.36));
        }
    }
    painter.setBrush(QColor(kBlue));
    painter.drawEllipse(at, size * 0.26, size * 0.26);
    painter.setBrush(QColor(kOrange));
    painter.drawEllipse(at, size * 0.1, size * 0.1);
}

// A leaf growing from the stem at fraction t, to one side of it.
QPainterPath leafOn(const QPainterPath& stem, qreal t, qreal length, int side) {
    const QPointF base = stem.pointAtPercent(t);
    QLineF out = QLineF::fromPolar(length, stem.angleAtPercent(t) + side * 55);
    return leaf(base, base + QPointF(out.dx(), out.dy()), length * 0.3);
}

// One quarter of the ornament, in coordinates relative to the card centre.
void paintQuarter(QPainter& painter) {
    QPainterPath vine;
    vine.moveTo(0, -14);
    vine.cubicTo(-4, -34, -30, -24, -25, -44);
    QPainterPath tendril;
    tendril.moveTo(-14, 0);
    tendril.cubicTo(-26, -2, -34, -10, -36, -20);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kOrange), 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(vine);
    painter.drawPath(tendril);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kBlue));
    painter.drawPath(leafOn(vine, 0.3, 12, 1));
    painter.drawPath(leafOn(vine, 0.62, 10, -1));
    painter.drawPath(leafOn(tendril, 0.45, 10, -1));
    painter.drawPath(leaf(QPointF(0, -54), QPointF(0, -66), 3.5));
    for (int i = -1; i <= 1; ++i) {  // a fan of leaves in the corner
        const QLineF out = QLineF::fromPolar(9, 308 + i * 28);
        painter.drawPath(leaf(QPointF(-40, -61), QPointF(-40 + out.dx(), -61 + out.dy()), 2.6));
    }
    painter.setBrush(QColor(kRed));
    painter.drawEllipse(QPointF(-36, -21), 2.6, 2.6);
    painter.drawEllipse(QPointF(-40, 0), 2.2, 2.2);
    painter.drawEllipse(QPointF(-40, -61), 1.8, 1.8);
    painter.drawEllipse(QPointF(0, -52), 1.8, 1.8);
    painter.setBrush(QColor(kOrange));
    painter.drawEllipse(QPointF(-36, -21), 1, 1);
    paintFlower(painter, QPointF(-25, -46), 8, 6);
}

void paintBorder(QPainter& painter) {
    const QRectF outer = cardRect().adjusted(5, 5, -5, -5);
    const QRectF inner = cardRect().adjusted(11, 11, -11, -11);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kOrange), 0.9));
    painter.drawRoundedRect(outer, 3, 3);
    painter.drawRoundedRect(inner, 2, 2);
    painter.setPen(Qt::NoPen);
    const QRectF track = outer.adjusted(3, 3, -3, -3);
    const int alongX = 16;
    const int alongY = 22;
    for (int i = 0; i <= alongX; ++i) {
        for (qreal y : {track.top(), track.bottom()}) {
            const QPointF at(track.left() + i * track.width() / alongX, y);
            painter.setBrush(QColor(i % 2 ? kBlue : kRed));
            painter.drawEllipse(at, i % 2 ? 1.1 : 1.5, i % 2 ? 1.1 : 1.5);
        }
    }
    for (int i = 1; i < alongY; ++i) {
        for (qreal x : {track.left(), track.right()}) {
            const QPointF at(x, track.top() + i * track.height() / alongY);
            painter.setBrush(QColor(i % 2 ? kBlue : kRed));
            painter.drawEllipse(at, i % 2 ? 1.1 : 1.5, i % 2 ? 1.1 : 1.5);
        }
    }
}

}  // namespace

void paintFloralBack(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kGround));
    painter.drawPath(cardShape());
    paintBorder(painter);
    for (int mirror = 0; mirror < 4; ++mirror) {
        painter.save();
        painter.translate(kCentre);
        painter.scale(mirror % 2 ? -1 : 1, mirror / 2 ? -1 : 1);
        paintQuarter(painter);
        painter.restore();
    }
    paintFlower(painter, kCentre, 15, 8);
}

}  // namespace korvane::cardart
