// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces of the court figures (jack, queen, king), drawn as the upper half of
// the panel; court.cpp mirrors that half to make the full card.
#pragma once

#include "artkit.h"

namespace korvane::cardart::court {

inline constexpr int kJack = 10;
inline constexpr int kQueen = 11;
inline constexpr int kKing = 12;

struct Colours {
    QColor robe;
    QColor trim;
};

// Fills a shape and outlines it with the figures' dark ink.
void inked(QPainter& painter, const QPainterPath& shape, const QColor& fill, qreal pen = 0.7);

// From court.cpp: body, collar and face, common to all three.
void paintRobe(QPainter& painter, const Colours& colours, int rank);
void paintCollar(QPainter& painter, const Colours& colours, int rank);
void paintHead(QPainter& painter);

// From courtwear.cpp: what tells the three apart.
void paintHairBehind(QPainter& painter, int rank);
void paintHairFront(QPainter& painter, int rank);
void paintHeadwear(QPainter& painter, const Colours& colours, int rank);
void paintHeldItem(QPainter& painter, const Colours& colours, int rank);

}  // namespace korvane::cardart::court
