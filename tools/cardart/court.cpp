// SPDX-License-Identifier: GPL-3.0-or-later
// The court panel: a framed picture whose upper half is a figure and whose
// lower half is the same figure turned round, so the card reads both ways up.
#include "court.h"

#include <QPolygonF>
#include <QTransform>

namespace korvane::cardart {
namespace {

const QRectF kPanel(23.5, 9.5, 73, 145);  // on half pixels so the frame stays crisp
constexpr QRgb kPanelGround = qRgb(252, 246, 226);

// The half above the slanted divider through the panel's centre.
QPainterPath upperHalf() {
    QPainterPath half;
    half.addPolygon(QPolygonF({kPanel.topLeft(), kPanel.topRight(), QPointF(kPanel.right(), 74),
                               QPointF(kPanel.left(), 90)}));
    half.closeSubpath();
    return half;
}

court::Colours coloursFor(Suit suit) {
    // Red suits dress in red with blue trim, black suits the other way round.
    if (isRed(suit)) return {QColor(kCourtRed), QColor(kCourtBlue)};
    return {QColor(kCourtBlue), QColor(kCourtRed)};
}

void paintHalfFigure(QPainter& painter, Suit suit, int rank) {
    const court::Colours colours = coloursFor(suit);
    painter.save();
    painter.setClipPath(upperHalf(), Qt::IntersectClip);
    court::paintHairBehind(painter, rank);
    court::paintRobe(painter, colours, rank);
    court::paintHeldItem(painter, colours, rank);
    court::paintCollar(painter, colours, rank);
    court::paintHead(painter);
    court::paintHairFront(painter, rank);
    court::paintHeadwear(painter, colours, rank);
    const qreal markX = rank == court::kKing ? 32 : 88;
    paintPip(painter, suit, QPointF(markX, 20), 11);
    painter.restore();
}

void paintFrame(QPainter& painter, Suit suit) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kOutline), 0.6));
    painter.drawLine(QPointF(kPanel.left(), 90), QPointF(kPanel.right(), 74));
    painter.setPen(QPen(suitInk(suit), 1.0));
    painter.drawRect(kPanel);
    painter.setPen(QPen(suitInk(suit), 0.6));
    painter.drawRect(kPanel.adjusted(2, 2, -2, -2));
    painter.restore();
}

}  // namespace

void paintCourtPanel(QPainter& painter, Suit suit, int rank) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kPanelGround));
    painter.drawRect(kPanel);
    painter.setClipRect(kPanel.adjusted(2, 2, -2, -2), Qt::IntersectClip);
    paintHalfFigure(painter, suit, rank);
    painter.translate(kPanel.center());
    painter.rotate(180);
    painter.translate(-kPanel.center());
    paintHalfFigure(painter, suit, rank);
    painter.restore();
    paintFrame(painter, suit);
}

namespace court {

void inked(QPainter& painter, const QPainterPath& shape, const QColor& fill, qreal pen) {
    painter.setPen(QPen(QColor(kOutline), pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(shape);
}

namespace {

QPainterPath robeShape() {
    QPainterPath robe;
    robe.moveTo(22, 104);
    robe.lineTo(22, 74);
    robe.cubicTo(25, 63, 38, 57, 51, 55);
    robe.lineTo(69, 55);
    robe.cubicTo(82, 57, 95, 63, 98, 74);
    robe.lineTo(98, 104);
    robe.closeSubpath();
    return robe;
}

// Little gold dots woven into the cloth.
void paintBrocade(QPainter& painter, const QPainterPath& robe) {
    painter.save();
    painter.setClipPath(robe, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kCourtYellow));
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 14; ++col) {
            painter.drawEllipse(QPointF(24 + col * 6 + (row % 2) * 3, 60 + row * 5), 0.75, 0.75);
        }
    }
    painter.restore();
}

// A short cape over each shoulder: ermine for the king, trim cloth for the queen.
void paintMantle(QPainter& painter, const Colours& colours, int rank) {
    QPainterPath left;
    left.moveTo(51, 55);
    left.cubicTo(38, 57, 25, 63, 22, 74);
    left.lineTo(22, 82);
    left.cubicTo(32, 77, 44, 71, 52, 69);
    left.closeSubpath();
    const QPainterPath both = unite(left, QTransform(-1, 0, 0, 1, 120, 0).map(left));
    inked(painter, both, rank == kKing ? QColor(kPaper) : colours.trim);
    painter.save();
    painter.setClipPath(both, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(rank == kKing ? QColor(kOutline) : QColor(kCourtYellow));
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 16; ++col) {
            const QPointF at(21 + col * 5 + (row % 2) * 2.5, 58 + row * 4.5);
            if (rank == kKing) {
                painter.drawEllipse(at, 0.6, 1.1);
            } else {
                painter.drawEllipse(at, 0.6, 0.6);
            }
        }
    }
    painter.restore();
}

// The jack's livery: a sash across the chest and bands on the sleeves.
void paintLivery(QPainter& painter, const Colours& colours) {
    QPainterPath sash;
    sash.addPolygon(
        QPolygonF({QPointF(36, 58), QPointF(43, 56), QPointF(88, 104), QPointF(80, 106)}));
    sash.closeSubpath();
    inked(painter, sash, colours.trim);
    painter.setPen(QPen(QColor(kCourtYellow), 1.6));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 67 + i * 7;
        painter.drawLine(QPointF(24 + i, y + 1), QPointF(37.5, y));
        painter.drawLine(QPointF(82.5, y), QPointF(96 - i, y + 1));
    }
}

}  // namespace

void paintRobe(QPainter& painter, const Colours& colours, int rank) {
    const QPainterPath robe = robeShape();
    inked(painter, robe, colours.robe);
    paintBrocade(painter, robe);
    painter.setPen(QPen(QColor(kOutline), 0.6));
    painter.drawLine(QPointF(38, 60), QPointF(40, 104));  // sleeve seams
    painter.drawLine(QPointF(82, 60), QPointF(80, 104));

    // The front panel of the tunic, with a row of studs down the middle.
    QPainterPath front;
    front.addRect(QRectF(52, 55, 16, 50));
    inked(painter, front, QColor(kCourtYellow));
    painter.setBrush(colours.trim);
    for (int i = 0; i < 5; ++i)
        painter.drawEllipse(QPointF(60, 62 + i * 8), 1.6, 1.6);

    if (rank == kJack) {
        paintLivery(painter, colours);
    } else {
        paintMantle(painter, colours, rank);
    }
}

void paintCollar(QPainter& painter, const Colours& colours, int rank) {
    // A ruff of overlapping scallops; the king's is white ermine.
    const QColor ruff = rank == kKing ? QColor(kPaper) : QColor(kCourtYellow);
    for (int i = -3; i <= 3; ++i) {
        QPainterPath scallop;
        scallop.addEllipse(QPointF(60 + i * 4.2, 56.5 - (3 - qAbs(i)) * 0.4), 3.2, 3.4);
        inked(painter, scallop, ruff, 0.5);
    }
    if (rank == kKing) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(kOutline));
        for (int i = -2; i <= 2; i += 2)
            painter.drawEllipse(QPointF(60 + i * 4.2, 57.5), 0.7, 1.1);
    }
    painter.setPen(QPen(colours.trim, 0.8));
    painter.drawLine(QPointF(48, 59.5), QPointF(72, 59.5));
}

void paintHead(QPainter& painter) {
    QPainterPath neck;
    neck.addRect(QRectF(56, 44, 8, 10));
    inked(painter, neck, QColor(kSkin), 0.5);
    QPainterPath face;
    face.addEllipse(QPointF(60, 36), 9.5, 11.5);
    inked(painter, face, QColor(kSkin));

    painter.setPen(QPen(QColor(kOutline), 0.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(54, 32, 5, 3), 20 * 16, 140 * 16);  // brows
    painter.drawArc(QRectF(61, 32, 5, 3), 20 * 16, 140 * 16);
    painter.drawPolyline(QPolygonF({QPointF(60.3, 36), QPointF(59.2, 40.5), QPointF(60.8, 40.8)}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kOutline));
    painter.drawEllipse(QPointF(56.6, 35.6), 1.1, 0.8);
    painter.drawEllipse(QPointF(63.4, 35.6), 1.1, 0.8);
    painter.setBrush(QColor(214, 120, 120, 90));  // cheeks
    painter.drawEllipse(QPointF(55.5, 40), 2, 1.4);
    painter.drawEllipse(QPointF(64.5, 40), 2, 1.4);
    painter.setPen(QPen(QColor(kCourtRed), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(57.5, 41.5, 5, 2.4), 200 * 16, 140 * 16);
}

}  // namespace court
}  // namespace korvane::cardart
