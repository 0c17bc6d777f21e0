// SPDX-License-Identifier: GPL-3.0-or-later
// What sets the three court figures apart: hair, headwear and what they hold.
// The king has a beard, a pointed crown and a sword; the queen long hair, a
// pearl tiara and a flower; the jack short curls, a feathered cap and a halberd.
#include <QTransform>

#include "court.h"

namespace korvane::cardart::court {
namespace {

constexpr QRgb kDarkHair = qRgb(110, 64, 32);
constexpr QRgb kFairHair = qRgb(188, 124, 46);
constexpr QRgb kSteel = qRgb(214, 218, 226);
constexpr QRgb kWood = qRgb(138, 90, 43);
constexpr QRgb kLeaf = qRgb(46, 130, 60);

QPainterPath circle(QPointF centre, qreal r) {
    QPainterPath p;
    p.addEllipse(centre, r, r);
    return p;
}

void paintHand(QPainter& painter, QPointF centre) {
    QPainterPath hand;
    hand.addEllipse(centre, 3.3, 2.7);
    inked(painter, hand, QColor(kSkin), 0.6);
}

void paintKingsBeard(QPainter& painter) {
    QPainterPath beard;
    beard.moveTo(50.6, 37);
    beard.cubicTo(50.5, 50, 56, 55, 60, 55);
    beard.cubicTo(64, 55, 69.5, 50, 69.4, 37);
    beard.cubicTo(67, 42, 65, 44.8, 60, 44.8);
    beard.cubicTo(55, 44.8, 53, 42, 50.6, 37);
    inked(painter, beard, QColor(kDarkHair), 0.6);
    QPainterPath moustache;
    moustache.moveTo(60, 40.8);
    moustache.cubicTo(57, 40.2, 55, 41.5, 54, 43.4);
    moustache.cubicTo(56, 42.6, 58, 42.4, 60, 42.3);
    moustache.cubicTo(62, 42.4, 64, 42.6, 66, 43.4);
    moustache.cubicTo(65, 41.5, 63, 40.2, 60, 40.8);
    inked(painter, moustache, QColor(kDarkHair), 0.4);
}

void paintCrown(QPainter& painter) {
    QPainterPath crown;
    crown.moveTo(49.5, 27.5);
    crown.lineTo(49.5, 16);
    const qreal peaks[] = {49.5, 54.75, 60, 65.25, 70.5};
    for (int i = 1; i < 5; ++i) {
        crown.lineTo((peaks[i - 1] + peaks[i]) / 2, 21);
        crown.lineTo(peaks[i], i == 2 ? 12.5 : (i == 4 ? 16 : 14));
    }
    crown.lineTo(70.5, 27.5);
    crown.closeSubpath();
    inked(painter, crown, QColor(kCourtYellow));
    for (int i = 0; i < 5; ++i) {
        const qreal top = i == 2 ? 12.5 : (i == 0 || i == 4 ? 16 : 14);
        inked(painter, circle(QPointF(peaks[i], top - 1), 1.3), QColor(kPaper), 0.4);
    }
    painter.setPen(QPen(QColor(kOutline), 0.5));
    painter.drawLine(QPointF(49.5, 23), QPointF(70.5, 23));
    for (int i = 0; i < 4; ++i) {
        const QColor jewel(i % 2 ? kCourtBlue : kCourtRed);
        inked(painter, circle(QPointF(52.5 + i * 5, 25.3), 1.2), jewel, 0.3);
    }
}

void paintTiara(QPainter& painter) {
    QPainterPath tiara;
    tiara.addRect(QRectF(51, 22.5, 18, 3));
    tiara = unite(tiara, circle(QPointF(54.5, 21.5), 2.4));
    tiara = unite(tiara, circle(QPointF(60, 19.5), 3));
    tiara = unite(tiara, circle(QPointF(65.5, 21.5), 2.4));
    inked(painter, tiara, QColor(kCourtYellow));
    inked(painter, circle(QPointF(60, 19.5), 1.3), QColor(kCourtRed), 0.3);
    for (qreal x : {54.5, 65.5})
        inked(painter, circle(QPointF(x, 21.5), 1), QColor(kCourtBlue), 0.3);
    for (qreal x : {50.8, 60.0, 69.2}) {
        const qreal y = x == 60.0 ? 15.8 : 19.2;
        inked(painter, circle(QPointF(x, y), 1.1), QColor(kPaper), 0.4);
    }
}

void paintCap(QPainter& painter, const Colours& colours) {
    QPainterPath feather;
    feather.moveTo(66, 23);
    feather.cubicTo(69, 14, 74, 9, 80, 7);
    feather.cubicTo(78, 13, 74, 20, 67, 25);
    feather.closeSubpath();
    inked(painter, feather, colours.robe, 0.5);
    painter.setPen(QPen(QColor(kCourtYellow), 0.6));
    painter.drawLine(QPointF(67, 23.5), QPointF(78.5, 8.5));
    QPainterPath cap;
    cap.addEllipse(QPointF(0, 0), 13, 5.5);
    inked(painter, QTransform().translate(59, 22).rotate(-7).map(cap), colours.trim);
    QPainterPath band;
    band.addRoundedRect(QRectF(50, 24.5, 20, 3.2), 1, 1);
    inked(painter, band, QColor(kCourtYellow), 0.5);
}

void paintSword(QPainter& painter) {
    QPainterPath blade;
    blade.addPolygon(QPolygonF({QPointF(82.6, 66), QPointF(82.6, 19), QPointF(84, 14),
                                QPointF(85.4, 19), QPointF(85.4, 66)}));
    blade.closeSubpath();
    inked(painter, blade, QColor(kSteel), 0.5);
    painter.drawLine(QPointF(84, 20), QPointF(84, 63));
    QPainterPath guard;
    guard.addRoundedRect(QRectF(77.5, 64, 13, 2.8), 1.2, 1.2);
    inked(painter, guard, QColor(kCourtYellow), 0.5);
    QPainterPath grip;
    grip.addRect(QRectF(83, 66.8, 2, 7));
    inked(painter, grip, QColor(kWood), 0.4);
    paintHand(painter, QPointF(84, 70));
}

void paintFlower(QPainter& painter, const Colours& colours) {
    painter.setPen(QPen(QColor(kLeaf), 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath stem;
    stem.moveTo(40, 72);
    stem.cubicTo(39, 62, 35, 54, 36, 45);
    painter.drawPath(stem);
    QPainterPath leaf;
    leaf.moveTo(38.5, 60);
    leaf.quadTo(44, 54, 46, 57);
    leaf.quadTo(43, 61, 38.5, 60);
    inked(painter, leaf, QColor(kLeaf), 0.4);
    for (int i = 0; i < 5; ++i) {
        const QTransform turn = QTransform().translate(36, 42).rotate(i * 72);
        inked(painter, turn.map(circle(QPointF(0, -3), 2.6)), colours.trim, 0.4);
    }
    inked(painter, circle(QPointF(36, 42), 1.8), QColor(kCourtYellow), 0.4);
    paintHand(painter, QPointF(40, 69));
}

void paintHalberd(QPainter& painter) {
    QPainterPath shaft;
    shaft.addRect(QRectF(33, 16, 2.2, 90));
    inked(painter, shaft, QColor(kWood), 0.4);
    QPainterPath head;
    head.moveTo(34.1, 7);
    head.lineTo(36, 17);
    head.lineTo(32.2, 17);
    head.closeSubpath();
    head.moveTo(33, 19);
    head.cubicTo(29, 17, 26, 18, 25, 16);
    head.cubicTo(24, 22, 24, 28, 25, 33);
    head.cubicTo(27, 30, 30, 30, 33, 29);
    head.closeSubpath();
    inked(painter, head, QColor(kSteel), 0.5);
    paintHand(painter, QPointF(34.1, 68));
}

}  // namespace

void paintHairBehind(QPainter& painter, int rank) {
    if (rank == kQueen) {
        QPainterPath hair;
        hair.moveTo(60, 21.5);
        hair.cubicTo(46, 21.5, 48, 44, 42, 61);
        hair.cubicTo(47, 62, 51, 60, 53, 56);
        hair.lineTo(67, 56);
        hair.cubicTo(69, 60, 73, 62, 78, 61);
        hair.cubicTo(72, 44, 74, 21.5, 60, 21.5);
        inked(painter, hair, QColor(kFairHair));
        return;
    }
    QPainterPath hair;
    hair.addEllipse(QPointF(60, 33), 11.5, rank == kKing ? 12 : 10.5);
    inked(painter, hair, QColor(kDarkHair));
}

void paintHairFront(QPainter& painter, int rank) {
    if (rank == kKing) {
        paintKingsBeard(painter);
        return;
    }
    QPainterPath fringe;
    fringe.moveTo(50.5, 34);
    fringe.cubicTo(50.5, 24, 69.5, 24, 69.5, 34);
    fringe.cubicTo(66, 28.5, 54, 28.5, 50.5, 34);
    inked(painter, fringe, QColor(rank == kQueen ? kFairHair : kDarkHair), 0.5);
    if (rank == kJack) {
        for (qreal x : {50.5, 69.5})
            inked(painter, circle(QPointF(x, 40), 2.6), QColor(kDarkHair), 0.5);
    }
}

void paintHeadwear(QPainter& painter, const Colours& colours, int rank) {
    if (rank == kKing) {
        paintCrown(painter);
    } else if (rank == kQueen) {
        paintTiara(painter);
    } else {
        paintCap(painter, colours);
    }
}

void paintHeldItem(QPainter& painter, const Colours& colours, int rank) {
    if (rank == kKing) {
        paintSword(painter);
    } else if (rank == kQueen) {
        paintFlower(painter, colours);
    } else {
        paintHalberd(painter);
    }
}

}  // namespace korvane::cardart::court
