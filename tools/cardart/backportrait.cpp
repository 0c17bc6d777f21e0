// SPDX-License-Identifier: GPL-3.0-or-later
// Back 8: a portrait in a painted manner of a figure in a feathered headdress,
// set on a wall of brown stone. Soft gradients stand in for brushwork.
#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

#include "artkit.h"
#include "cardart.h"

namespace korvane::cardart {
namespace {

constexpr QRgb kGrout = qRgb(48, 30, 20);
constexpr QRgb kHair = qRgb(28, 22, 20);
constexpr QRgb kSkinLight = qRgb(204, 142, 98);
constexpr QRgb kSkinShade = qRgb(140, 88, 58);
constexpr QRgb kFeather = qRgb(246, 240, 226);
constexpr QRgb kFeatherTip = qRgb(58, 40, 30);
constexpr QRgb kHide = qRgb(176, 128, 80);
const QPointF kFace(60, 84);

QPolygonF stoneBlock(QRectF box, int salt) {
    auto jitter = [salt](int corner) { return (noise(corner, salt, 5) - 0.5) * 2.4; };
    return QPolygonF({box.topLeft() + QPointF(jitter(0), jitter(1)),
                      box.topRight() + QPointF(jitter(2), jitter(3)),
                      box.bottomRight() + QPointF(jitter(4), jitter(5)),
                      box.bottomLeft() + QPointF(jitter(6), jitter(7))});
}

void paintStone(QPainter& painter, QRectF box, int salt) {
    const QColor base =
        QColor::fromHsv(20 + int(noise(salt, 1, 9) * 14), 110 + int(noise(salt, 2, 9) * 50),
                        100 + int(noise(salt, 3, 9) * 55));
    QLinearGradient light(box.topLeft(), box.bottomRight());
    light.setColorAt(0, base.lighter(125));
    light.setColorAt(1, base.darker(125));
    painter.setPen(QPen(QBrush(light), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(light);
    painter.drawPolygon(stoneBlock(box.adjusted(2, 2, -2, -2), salt));
    painter.setPen(Qt::NoPen);
    painter.setBrush(base.darker(150));
    for (int i = 0; i < 3; ++i) {
        const QPointF speck(box.left() + 4 + noise(salt, i, 13) * (box.width() - 8),
                            box.top() + 3 + noise(salt, i, 17) * (box.height() - 6));
        painter.drawEllipse(speck, 0.7, 0.7);
    }
}

// Courses of stone of uneven length, each course offset from the last.
void paintWall(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kGrout));
    painter.drawPath(cardShape());
    const qreal course = 14;
    for (int row = 0; row * course < kCardHeight; ++row) {
        qreal x = -noise(row, 0, 21) * 18;
        for (int n = 0; x < kCardWidth; ++n) {
            const qreal width = 18 + noise(row, n, 23) * 14;
            paintStone(painter, QRectF(x, row * course, width, course), row * 31 + n);
            x += width;
        }
    }
    QRadialGradient glow(QPointF(60, 70), 62);
    glow.setColorAt(0, QColor(255, 196, 120, 120));
    glow.setColorAt(1, QColor(255, 196, 120, 0));
    painter.setBrush(glow);
    painter.drawPath(cardShape());
}

void paintFeather(QPainter& painter, qreal angle) {
    painter.save();
    painter.translate(kFace + QPointF(0, 8));
    painter.rotate(angle);
    QPainterPath vane;
    vane.moveTo(0, -18);
    vane.cubicTo(-4.2, -30, -4.2, -48, 0, -56);
    vane.cubicTo(4.2, -48, 4.2, -30, 0, -18);
    QLinearGradient shade(QPointF(0, -18), QPointF(0, -56));
    shade.setColorAt(0, QColor(kFeather));
    shade.setColorAt(0.62, QColor(kFeather));
    shade.setColorAt(0.7, QColor(kFeatherTip));
    shade.setColorAt(1, QColor(kFeatherTip));
    painter.setPen(QPen(QColor(120, 100, 86), 0.4));
    painter.setBrush(shade);
    painter.drawPath(vane);
    painter.setPen(QPen(QColor(150, 130, 110), 0.5));
    painter.drawLine(QPointF(0, -18), QPointF(0, -52));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(196, 48, 40));
    painter.drawEllipse(QPointF(0, -19.5), 1.7, 3);
    painter.restore();
}

// A hide garment over the shoulders: a stitched yoke with a fringe below it.
void paintGarment(QPainter& painter) {
    QPainterPath shoulders;
    shoulders.moveTo(6, 166);
    shoulders.cubicTo(8, 130, 26, 114, 50, 110);
    shoulders.lineTo(70, 110);
    shoulders.cubicTo(94, 114, 112, 130, 114, 166);
    shoulders.closeSubpath();
    QLinearGradient hide(QPointF(30, 120), QPointF(90, 166));
    hide.setColorAt(0, QColor(kHide).lighter(115));
    hide.setColorAt(1, QColor(kHide).darker(140));
    painter.setPen(Qt::NoPen);
    painter.setBrush(hide);
    painter.drawPath(shoulders);
    painter.save();
    painter.setClipPath(shoulders, Qt::IntersectClip);
    QPainterPath yoke;
    yoke.moveTo(10, 130);
    yoke.quadTo(60, 158, 110, 130);
    painter.setPen(QPen(QColor(kHide).lighter(130), 1.1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(yoke);
    painter.setPen(QPen(QColor(kHide).darker(125), 0.7, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i < 30; ++i) {
        const QPointF root = yoke.pointAtPercent(i / 30.0);
        painter.drawLine(root + QPointF(0, 1.2), root + QPointF(0, 7));
    }
    painter.restore();
}

void paintBody(QPainter& painter) {
    painter.setPen(Qt::NoPen);  // hair falling behind the shoulders
    painter.setBrush(QColor(kHair));
    painter.drawEllipse(kFace + QPointF(0, -2), 17, 19);
    painter.drawRect(QRectF(44, 84, 32, 42));
    paintGarment(painter);

    QLinearGradient neckShade(QPointF(52, 0), QPointF(68, 0));
    neckShade.setColorAt(0, QColor(kSkinShade));
    neckShade.setColorAt(0.45, QColor(kSkinLight).darker(108));
    neckShade.setColorAt(1, QColor(kSkinShade).darker(115));
    painter.setBrush(neckShade);
    painter.drawRoundedRect(QRectF(52.5, 96, 15, 18), 4, 4);
    painter.setBrush(QColor(60, 36, 24, 90));
    painter.drawEllipse(QPointF(60, 101), 8, 3.5);  // shadow under the chin
}

// Beads strung in arcs across the chest, in the headband's colours.
void paintNecklace(QPainter& painter) {
    static constexpr QRgb kBeads[] = {qRgb(196, 48, 40), qRgb(240, 236, 224), qRgb(40, 150, 170),
                                      qRgb(236, 180, 50)};
    painter.setPen(Qt::NoPen);
    for (int arc = 0; arc < 3; ++arc) {
        const qreal radius = 13 + arc * 4;
        const int beads = 12 + arc * 3;
        for (int i = 0; i <= beads; ++i) {
            const qreal a = (30 + 120.0 * i / beads) * M_PI / 180.0;
            const QPointF at(60 + radius * std::cos(a), 101 + radius * std::sin(a) * 0.85);
            painter.setBrush(QColor(kBeads[(i + arc) % 4]));
            painter.drawEllipse(at, 1.5, 1.5);
        }
    }
}

void paintBraids(QPainter& painter) {
    for (qreal x : {44.5, 75.5}) {
        for (int i = 0; i < 8; ++i) {
            const QPointF at(x + (i % 2 ? 0.9 : -0.9), 98 + i * 5.2);
            QRadialGradient sheen(at + QPointF(-1, -1.5), 4);
            sheen.setColorAt(0, QColor(86, 70, 62));
            sheen.setColorAt(1, QColor(kHair));
            painter.setBrush(sheen);
            painter.drawEllipse(at, 3.6, 3.2);
        }
        painter.setBrush(QColor(196, 48, 40));
        painter.drawRoundedRect(QRectF(x - 3.4, 128, 6.8, 7), 1.5, 1.5);
        painter.setBrush(QColor(240, 236, 224));
        painter.drawRect(QRectF(x - 3.4, 130.5, 6.8, 1.6));
    }
}

void paintFace(QPainter& painter) {
    QRadialGradient skin(kFace + QPointF(-4, -5), 20);
    skin.setColorAt(0, QColor(kSkinLight).lighter(108));
    skin.setColorAt(0.6, QColor(kSkinLight));
    skin.setColorAt(1, QColor(kSkinShade));
    QPainterPath face;
    face.moveTo(46.5, 78);
    face.cubicTo(46.5, 63, 73.5, 63, 73.5, 78);
    face.cubicTo(73.5, 91, 68, 101, 60, 102);
    face.cubicTo(52, 101, 46.5, 91, 46.5, 78);
    painter.setPen(Qt::NoPen);
    painter.setBrush(skin);
    painter.drawPath(face);
    painter.setBrush(QColor(110, 64, 40, 60));  // under the cheekbones
    painter.drawEllipse(QPointF(51, 90), 3, 5);
    painter.drawEllipse(QPointF(69, 90), 3, 5);
}

void paintFeatures(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(44, 28, 22), 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(50.5, 78.5, 7.5, 3), 30 * 16, 120 * 16);
    painter.drawArc(QRectF(62, 78.5, 7.5, 3), 30 * 16, 120 * 16);
    for (qreal x : {54.5, 65.5}) {
        QPainterPath eye;
        eye.moveTo(x - 3, 84);
        eye.quadTo(x, 81.6, x + 3, 84);
        eye.quadTo(x, 85.6, x - 3, 84);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(232, 218, 200));
        painter.drawPath(eye);
        painter.setBrush(QColor(40, 24, 16));
        painter.drawEllipse(QPointF(x, 83.7), 1.3, 1.3);
        painter.setPen(QPen(QColor(44, 28, 22), 0.7));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(x - 3, 82.2, 6, 3.6), 20 * 16, 140 * 16);
    }
    painter.setPen(QPen(QColor(120, 72, 48), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(58.6, 85), QPointF(57.8, 91.5));
    painter.drawArc(QRectF(56.6, 90.5, 6.8, 2.6), 200 * 16, 140 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(136, 72, 56));
    painter.drawEllipse(QPointF(60, 96.3), 3.6, 1.3);
    painter.setPen(QPen(QColor(70, 36, 28), 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(56.2, 95.6), QPointF(63.8, 95.6));
}

// The browband of square beads the feathers rise from, and its side drops.
void paintBrowband(QPainter& painter) {
    static constexpr QRgb kSquares[] = {qRgb(196, 48, 40), qRgb(240, 236, 224), qRgb(40, 110, 180),
                                        qRgb(240, 236, 224)};
    painter.setPen(QPen(QColor(60, 40, 28), 0.4));
    for (int i = 0; i < 9; ++i) {
        const qreal x = 46.2 + i * 3.1;
        const qreal lift = std::pow((i - 4) / 4.0, 2) * 2.5;
        painter.setBrush(QColor(kSquares[i % 4]));
        painter.drawRect(QRectF(x, 72 + lift, 3.1, 3.6));
    }
    for (qreal x : {46, 74}) {
        painter.setBrush(QColor(240, 236, 224));
        painter.drawEllipse(QPointF(x, 80), 2.4, 2.4);
        for (int i = 0; i < 5; ++i) {
            painter.setBrush(QColor(i % 2 ? kSquares[0] : kSquares[2]));
            painter.drawEllipse(QPointF(x, 84 + i * 3.6), 1.2, 1.6);
        }
    }
}

}  // namespace

void paintPortraitBack(QPainter& painter) {
    paintWall(painter);
    for (int i = -6; i <= 6; ++i)
        paintFeather(painter, i * 11.5);
    paintBody(painter);
    paintNecklace(painter);
    paintBraids(painter);
    paintFace(painter);
    paintFeatures(painter);
    paintBrowband(painter);
    painter.setPen(QPen(QColor(226, 190, 140), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(cardRect().adjusted(4, 4, -4, -4), 4, 4);
}

}  // namespace korvane::cardart
