// SPDX-License-Identifier: GPL-3.0-or-later
// Language flags and the program icon. Flags are laid out on whole pixels so
// they stay crisp at 16 x 16; the icon reuses the card painters.
#include <QLinearGradient>

#include "artkit.h"
#include "cardart.h"

namespace korvane::cardart {
namespace {

constexpr QRgb kUsRed = qRgb(190, 30, 52);
constexpr QRgb kUsBlue = qRgb(44, 52, 120);
constexpr QRgb kDkRed = qRgb(200, 16, 46);
constexpr QRgb kWhite = qRgb(255, 255, 255);

QImage transparentSquare(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// Thirteen stripes of whole pixels; the canton carries a staggered grid of dots.
QImage unitedStates(int size) {
    QImage image = transparentSquare(size);
    const int stripe = qMax(1, size / 16);
    const int top = (size - 13 * stripe) / 2;
    QPainter painter(&image);
    for (int i = 0; i < 13; ++i) {
        painter.fillRect(0, top + i * stripe, size, stripe, QColor(i % 2 ? kWhite : kUsRed));
    }
    const int cantonWidth = (size * 13 + 16) / 32;
    const int cantonHeight = 7 * stripe;
    painter.fillRect(0, top, cantonWidth, cantonHeight, QColor(kUsBlue));
    // At 16 px a plain grid reads as stars; a staggered one turns to haze.
    const int dot = qMax(1, size / 32);
    const bool stagger = size >= 32;
    for (int y = dot, row = 0; y + dot <= cantonHeight - dot; y += 2 * dot, ++row) {
        const int first = dot + (stagger && row % 2 ? dot : 0);
        for (int x = first; x + dot <= cantonWidth - dot; x += 2 * dot) {
            painter.fillRect(x, top + y, dot, dot, QColor(kWhite));
        }
    }
    return image;
}

// Red with a white cross set towards the hoist; the hoist fields are square.
QImage denmark(int size) {
    QImage image = transparentSquare(size);
    const int height = (size * 3 + 2) / 4;
    const int top = (size - height) / 2;
    const int bar = qMax(2, (height + 3) / 6);
    const int field = (height - bar) / 2;
    QPainter painter(&image);
    painter.fillRect(0, top, size, height, QColor(kDkRed));
    painter.fillRect(0, top + field, size, bar, QColor(kWhite));
    painter.fillRect(field, top, bar, height, QColor(kWhite));
    return image;
}

void paintFelt(QPainter& painter) {
    QLinearGradient felt(QPointF(0, 2), QPointF(0, 62));
    felt.setColorAt(0, QColor(24, 160, 64));
    felt.setColorAt(1, QColor(0, 96, 32));
    painter.setPen(QPen(QColor(0, 64, 0), 1.5));
    painter.setBrush(felt);
    painter.drawRoundedRect(QRectF(2.75, 2.75, 58.5, 58.5), 12, 12);
}

// A card of the icon, drawn at a fraction of its size around centre.
template <typename PaintCard>
void paintIconCard(QPainter& painter, QPointF centre, qreal angle, PaintCard paintCard) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    painter.scale(0.29, 0.29);
    painter.translate(-kCardWidth / 2.0, -kCardHeight / 2.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));  // shadow on the felt
    painter.drawPath(cardShape().translated(5, 6));
    paintCard(painter);
    painter.restore();
}

}  // namespace

QImage drawFlag(Flag flag, int size) {
    return flag == Flag::UnitedStates ? unitedStates(size) : denmark(size);
}

QImage drawIcon(int size) {
    QImage image = transparentSquare(size);
    QPainter painter(&image);
    beginLogical(painter, size / 64.0);
    paintFelt(painter);
    paintIconCard(painter, QPointF(25, 33), -14, [](QPainter& p) { paintBack(p, kDefaultBack); });
    paintIconCard(painter, QPointF(39, 32), 10, [](QPainter& p) { paintFace(p, 39); });
    return image;
}

}  // namespace korvane::cardart
