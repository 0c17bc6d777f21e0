// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces for the drawing files: suits, palette, card blank and the
// painters that draw one card in its logical 120 x 164 coordinate system.
#pragma once

#include <functional>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <cstdint>

namespace korvane::cardart {

enum class Suit { Hearts, Diamonds, Clubs, Spades };

inline constexpr QRgb kPaper = qRgb(255, 255, 255);
inline constexpr QRgb kCardEdge = qRgb(58, 58, 64);
inline constexpr QRgb kInkRed = qRgb(206, 22, 42);
inline constexpr QRgb kInkBlack = qRgb(26, 26, 32);
inline constexpr QRgb kCourtRed = qRgb(200, 34, 44);
inline constexpr QRgb kCourtBlue = qRgb(36, 74, 164);
inline constexpr QRgb kCourtYellow = qRgb(244, 194, 48);
inline constexpr QRgb kSkin = qRgb(250, 222, 190);
inline constexpr QRgb kOutline = qRgb(30, 28, 36);

inline Suit suitOf(int cardNumber) {
    return static_cast<Suit>(cardNumber / 13);
}
inline int rankOf(int cardNumber) {
    return cardNumber % 13;
}  // 0 = ace .. 12 = king
inline bool isRed(Suit s) {
    return s == Suit::Hearts || s == Suit::Diamonds;
}
inline QColor suitInk(Suit s) {
    return QColor(isRed(s) ? kInkRed : kInkBlack);
}

// Same inputs give the same tile shade or stone jitter, run after run.
inline double noise(int x, int y, int salt) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(salt) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffu) / 65535.0;
}

// An image of logical size times scale, filled with ground, and a painter
// already scaled so callers draw in logical units.
QImage makeCanvas(QSizeF logical, qreal scale, QImage::Format format, QColor ground);
void beginLogical(QPainter& painter, qreal scale);
// A card-sized image on table green, painted by `paint` in logical units.
QImage paintedCard(qreal scale, const std::function<void(QPainter&)>& paint);

// The card's rounded outline in logical units.
QPainterPath cardShape();
QRectF cardRect();
void strokeCardEdge(QPainter& painter);

// The union of two shapes, keeping curves smooth at any later scale.
QPainterPath unite(const QPainterPath& a, const QPainterPath& b);

// Suit outline in a unit box centred on the origin (height 1).
QPainterPath suitPath(Suit suit);
// A pip of the given height centred at centre; upsideDown turns it 180 degrees.
void paintPip(QPainter& painter, Suit suit, QPointF centre, qreal height, bool upsideDown = false);

// Card painters in logical card coordinates; each paints only inside cardShape().
void paintFace(QPainter& painter, int cardNumber);
void paintBack(QPainter& painter, int backIndex);
void paintCourtPanel(QPainter& painter, Suit suit, int rank);
void paintFloralBack(QPainter& painter);
void paintPortraitBack(QPainter& painter);

}  // namespace korvane::cardart
