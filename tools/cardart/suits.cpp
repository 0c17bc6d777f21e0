// SPDX-License-Identifier: GPL-3.0-or-later
// The four suit shapes, built from curves and circles, and the pips made of them.
#include "artkit.h"

#include <QTransform>

namespace korvane::cardart {
namespace {

// A heart, point down, filling x -0.5..0.5 and y -0.5..0.5.
QPainterPath heartPath() {
    QPainterPath p;
    p.moveTo(0, 0.5);
    p.cubicTo(-0.12, 0.3, -0.5, 0.08, -0.5, -0.19);
    p.cubicTo(-0.5, -0.39, -0.37, -0.5, -0.24, -0.5);
    p.cubicTo(-0.1, -0.5, -0.02, -0.41, 0, -0.29);
    p.cubicTo(0.02, -0.41, 0.1, -0.5, 0.24, -0.5);
    p.cubicTo(0.37, -0.5, 0.5, -0.39, 0.5, -0.19);
    p.cubicTo(0.5, 0.08, 0.12, 0.3, 0, 0.5);
    p.closeSubpath();
    return p;
}

// Slightly hollow sides keep the diamond from looking like a plain square.
QPainterPath diamondPath() {
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(0.16, -0.2, 0.39, 0);
    p.quadTo(0.16, 0.2, 0, 0.5);
    p.quadTo(-0.16, 0.2, -0.39, 0);
    p.quadTo(-0.16, -0.2, 0, -0.5);
    p.closeSubpath();
    return p;
}

// A flared foot shared by clubs and spades, from y = top down to 0.5.
QPainterPath stemPath(qreal top) {
    QPainterPath p;
    p.moveTo(-0.05, top);
    p.quadTo(-0.05, 0.38, -0.21, 0.5);
    p.lineTo(0.21, 0.5);
    p.quadTo(0.05, 0.38, 0.05, top);
    p.closeSubpath();
    return p;
}

QPainterPath clubPath() {
    const qreal r = 0.235;
    QPainterPath p;
    p.addEllipse(QPointF(0, -0.265), r, r);
    p.addEllipse(QPointF(-0.265, 0.07), r, r);
    p.addEllipse(QPointF(0.265, 0.07), r, r);
    p.addEllipse(QPointF(0, -0.02), 0.13, 0.13);
    p.setFillRule(Qt::WindingFill);
    return unite(p, stemPath(0.0));
}

QPainterPath spadePath() {
    // An upturned heart, squeezed so the stem fits below it.
    QTransform t;
    t.translate(0, -0.11);
    t.scale(1.0, -0.78);
    QPainterPath body = t.map(heartPath());
    return unite(body, stemPath(0.1));
}

}  // namespace

// Boolean path operations flatten curves to lines at a fixed tolerance, so
// unite the parts at a large size and shrink the result back.
QPainterPath unite(const QPainterPath& a, const QPainterPath& b) {
    const QTransform up = QTransform::fromScale(1000, 1000);
    const QTransform down = QTransform::fromScale(0.001, 0.001);
    return down.map(up.map(a).united(up.map(b)).simplified());
}

QPainterPath suitPath(Suit suit) {
    switch (suit) {
        case Suit::Hearts:
            return heartPath();
        case Suit::Diamonds:
            return diamondPath();
        case Suit::Clubs:
            return clubPath();
        case Suit::Spades:
            return spadePath();
    }
    return {};
}

void paintPip(QPainter& painter, Suit suit, QPointF centre, qreal height, bool upsideDown) {
    painter.save();
    painter.translate(centre);
    if (upsideDown) painter.rotate(180);
    painter.scale(height, height);
    painter.setPen(Qt::NoPen);
    painter.setBrush(suitInk(suit));
    painter.drawPath(suitPath(suit));
    painter.restore();
}

}  // namespace korvane::cardart
