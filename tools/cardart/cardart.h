// SPDX-License-Identifier: GPL-3.0-or-later
// Korvane's card art, drawn by code. Every image the table shows comes from here.
#pragma once

#include <QImage>
#include <QString>
#include <QtGlobal>

#include <utility>
#include <vector>

namespace korvane::cardart {

// Logical sizes; images come out at these times the scale factor.
inline constexpr int kCardWidth = 120;
inline constexpr int kCardHeight = 164;
inline constexpr int kMiniWidth = 32;
inline constexpr int kMiniHeight = 44;
inline constexpr int kCardCount = 52;
inline constexpr int kFirstBack = 6;
inline constexpr int kLastBack = 10;
inline constexpr int kDefaultBack = 10;

// The felt the cards lie on; the corners outside a card show it.
inline constexpr QRgb kTableGreen = qRgb(0, 128, 0);

enum class Flag { UnitedStates, Denmark };

// cardNumber 0..51: suit = n / 13 (hearts, diamonds, clubs, spades),
// rank = n % 13 (ace, 2..10, jack, queen, king). Opaque RGB on table green;
// a null image for a number outside 0..51.
QImage drawFace(int cardNumber, qreal scale = 1);
// backIndex kFirstBack..kLastBack (null image otherwise). Opaque RGB on table green.
QImage drawBack(int backIndex, qreal scale = 1);
// The deck pile's small back (back 10), kMiniWidth x kMiniHeight times scale.
QImage drawMiniBack(qreal scale = 1);
// Square icon of size x size pixels, transparent above and below the flag.
QImage drawFlag(Flag flag, int size);
// Program icon, size x size pixels with a transparent surround.
QImage drawIcon(int size);
// The program icon for menus and panels, where the big one would blur: laid out
// on whole pixels, each either opaque or transparent.
QImage drawSmallIcon(int size);

// "face0.png" at scale 2 -> "face0@2x.png"; unchanged at scale 1.
QString scaledName(const QString& fileName, qreal scale);
// Every image the game loads, as (file name, image), at the given scale.
std::vector<std::pair<QString, QImage>> renderAll(qreal scale = 1);

}  // namespace korvane::cardart
