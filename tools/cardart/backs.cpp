// SPDX-License-Identifier: GPL-3.0-or-later
// Card backs: the classic lattice-and-rosette (blue and dark red) and the
// red hexagon mosaic; the floral and portrait backs have files of their own.
#include <QLinearGradient>
#include <QPolygonF>

#include <cmath>

#include "artkit.h"
#include "cardart.h"

namespace korvane::cardart {
namespace {

constexpr QRgb kLatticeBlue = qRgb(30, 62, 150);
constexpr QRgb kLatticeRed = qRgb(140, 20, 30);
const QRectF kField(7.5, 7.5, kCardWidth - 15.0, kCardHeight - 15.0);

void paintRosette(QPainter& painter, QPointF at, qreal size, int petals, const QColor& ink) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kPaper));
    for (int i = 0; i < petals; ++i) {
        painter.save();
        painter.translate(at);
        painter.rotate(i * 360.0 / petals);
        painter.drawEllipse(QPointF(0, -size * 0.55), size * 0.28, size * 0.5);
        painter.restore();
    }
    painter.setBrush(ink);
    painter.drawEllipse(at, size * 0.22, size * 0.22);
}

// Diagonal lattice through the field's centre, a rosette at every crossing.
void paintLattice(QPainter& painter, const QColor& ink) {
    const QPointF centre = kField.center();
    const qreal step = 5.25;
    const int across = int(kField.width() / step / 2) + 2;
    const int down = int(kField.height() / step / 2) + 2;
    painter.setPen(QPen(QColor(255, 255, 255, 220), 0.5));
    for (int k = -across - down; k <= across + down; k += 2) {
        const qreal c = k * step;
        const qreal reach = (across + down) * step;
        painter.drawLine(centre + QPointF(c - reach, -reach), centre + QPointF(c + reach, reach));
        painter.drawLine(centre + QPointF(c - reach, reach), centre + QPointF(c + reach, -reach));
    }
    for (int i = -across; i <= across; ++i) {
        for (int j = -down; j <= down; ++j) {
            const QPointF at = centre + QPointF(i * step, j * step);
            if ((i + j) % 2 == 0) {
                paintRosette(painter, at, 2.6, 4, ink);
            } else {
                painter.setBrush(QColor(kPaper));
                painter.drawEllipse(at, 0.7, 0.7);
            }
        }
    }
}

void paintMedallion(QPainter& painter, const QColor& ink) {
    const QPointF centre = kField.center();
    painter.setPen(QPen(QColor(kPaper), 1.1));
    painter.setBrush(ink);
    painter.drawEllipse(centre, 14, 14);
    painter.setPen(QPen(QColor(kPaper), 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 11.8, 11.8);
    paintRosette(painter, centre, 9, 8, ink);
    painter.setPen(QPen(ink, 0.6));
    painter.drawEllipse(centre, 3.2, 3.2);
}

void paintLatticeBack(QPainter& painter, const QColor& ink) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kPaper));
    painter.drawPath(cardShape());
    painter.setBrush(ink);
    painter.drawRoundedRect(kField, 3, 3);
    painter.save();
    QPainterPath field;
    field.addRoundedRect(kField, 3, 3);
    painter.setClipPath(field, Qt::IntersectClip);
    paintLattice(painter, ink);
    painter.restore();
    painter.setPen(QPen(QColor(kPaper), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(kField.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
    painter.setPen(QPen(ink, 2.6));
    painter.drawRoundedRect(kField.adjusted(1, 1, -1, -1), 2, 2);
    paintMedallion(painter, ink);
}

QPolygonF hexagon(QPointF centre, qreal radius) {
    QPolygonF hex;
    for (int i = 0; i < 6; ++i) {
        const qreal a = (60.0 * i + 30.0) * M_PI / 180.0;
        hex << centre + QPointF(radius * std::cos(a), radius * std::sin(a));
    }
    return hex;
}

// Rings of tiles around the centre tile: every third ring dark, so the
// mosaic shows nested hexagons; a little noise keeps it hand-laid.
QColor tileColour(int q, int r) {
    const int ring = (std::abs(q) + std::abs(r) + std::abs(q + r)) / 2;
    static constexpr int kBandValue[] = {120, 235, 190};
    const int value = (ring == 0 ? 255 : kBandValue[ring % 3]) - int(noise(q, r, 7) * 30);
    const int saturation = 215 + int(noise(q, r, 11) * 40);
    return QColor::fromHsv(350 + int(noise(q, r, 3) * 9), saturation, value);
}

// A glazed tile: lit from the top left.
void paintTile(QPainter& painter, QPointF at, qreal radius, const QColor& colour) {
    QLinearGradient glaze(at - QPointF(radius, radius), at + QPointF(radius, radius));
    glaze.setColorAt(0, colour.lighter(118));
    glaze.setColorAt(1, colour.darker(112));
    painter.setBrush(glaze);
    painter.drawPolygon(hexagon(at, radius));
}

void paintMosaicBack(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 12, 16));
    painter.drawPath(cardShape());
    const qreal radius = 4.4;
    const qreal dx = std::sqrt(3.0) * radius;
    const qreal dy = 1.5 * radius;
    const QPointF centre(kCardWidth / 2.0, kCardHeight / 2.0);
    for (int row = -15; row <= 15; ++row) {
        for (int col = -10; col <= 10; ++col) {
            const int q = col - (row - (row & 1)) / 2;  // axial coordinates from offset rows
            const QPointF at = centre + QPointF((col + (row & 1) * 0.5) * dx, row * dy);
            paintTile(painter, at, radius - 0.55, tileColour(q, row));
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(250, 226, 200), 1.2));
    painter.drawRoundedRect(cardRect().adjusted(4, 4, -4, -4), 4, 4);
}

}  // namespace

void paintBack(QPainter& painter, int backIndex) {
    painter.save();
    painter.setClipPath(cardShape());
    switch (backIndex) {
        case 6:
            paintFloralBack(painter);
            break;
        case 7:
            paintMosaicBack(painter);
            break;
        case 8:
            paintPortraitBack(painter);
            break;
        case 9:
            paintLatticeBack(painter, QColor(kLatticeBlue));
            break;
        default:
            paintLatticeBack(painter, QColor(kLatticeRed));
            break;
    }
    painter.restore();
    strokeCardEdge(painter);
}

QImage drawBack(int backIndex, qreal scale) {
    if (backIndex < kFirstBack || backIndex > kLastBack) return {};
    return paintedCard(scale, [backIndex](QPainter& painter) { paintBack(painter, backIndex); });
}

// Drawn at its own size: the full lattice would blur into pink at 32 px, so the
// small back keeps the dark red field, the white margin and the medallion.
QImage drawMiniBack(qreal scale) {
    QImage image = makeCanvas(QSizeF(kMiniWidth, kMiniHeight), scale, QImage::Format_RGB32,
                              QColor(kTableGreen));
    QPainter painter(&image);
    beginLogical(painter, scale);
    const QRectF card(0.5, 0.5, kMiniWidth - 1.0, kMiniHeight - 1.0);
    const QRectF field = card.adjusted(2, 2, -2, -2);
    painter.setPen(QPen(QColor(kCardEdge), 1.0));
    painter.setBrush(QColor(kPaper));
    painter.drawRoundedRect(card, 2.5, 2.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kLatticeRed));
    painter.drawRect(field);
    painter.setClipRect(field);
    painter.setPen(QPen(QColor(255, 255, 255, 80), 0.5));
    for (qreal c = -48; c <= 48; c += 3) {
        painter.drawLine(QPointF(16 + c - 30, 22 - 30), QPointF(16 + c + 30, 22 + 30));
        painter.drawLine(QPointF(16 + c - 30, 22 + 30), QPointF(16 + c + 30, 22 - 30));
    }
    painter.setPen(QPen(QColor(kPaper), 0.7));
    painter.setBrush(QColor(kLatticeRed));
    painter.drawEllipse(QPointF(16, 22), 4.5, 4.5);
    painter.setBrush(QColor(kPaper));
    painter.drawEllipse(QPointF(16, 22), 1.6, 1.6);
    return image;
}

}  // namespace korvane::cardart
