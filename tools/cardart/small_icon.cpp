// SPDX-License-Identifier: GPL-3.0-or-later
// The program icon at the sizes of menus and panels (16 to 32 px, and twice
// that on dense screens), laid out on whole pixels: the big icon's two cards on the felt, turned
// straight, the back in its red and the ace of spades as one pip. Drawn without antialiasing, so
// every pixel is either the art or transparent, and no edge blurs.
#include <QPainter>
#include <algorithm>
#include <array>

#include "cardart.h"

namespace korvane::cardart {
namespace {

constexpr QRgb kFeltTop = qRgb(24, 160, 64);
constexpr QRgb kFeltBottom = qRgb(0, 96, 32);
constexpr QRgb kFeltEdge = qRgb(0, 64, 0);
constexpr QRgb kBackRed = qRgb(140, 20, 30);
constexpr QRgb kPaperWhite = qRgb(250, 248, 240);
constexpr QRgb kCardLine = qRgb(40, 40, 40);

// The spade, a pixel to a cell.
constexpr std::array<const char*, 6> kSpade = {
    "..#..", ".###.", "#####", "#####", "..#..", ".###.",
};

// Inside the felt: a square with corners rounded on pixel centres.
bool onFelt(int x, int y, int size) {
    if (x < 0 || y < 0 || x >= size || y >= size) return false;
    const double corner = size / 8.0;
    const auto out = [&](int at) {
        return std::max({0.0, corner - (at + 0.5), at + 0.5 - (size - corner)});
    };
    return out(x) * out(x) + out(y) * out(y) <= corner * corner;
}

// Rows of one colour each, from light to dark, so the gradient has no soft
// edge; the rim is every felt pixel beside one that is not.
void paintFelt(QImage& image) {
    const int size = image.width();
    for (int y = 0; y < size; ++y) {
        const double t = double(y) / (size - 1);
        const QRgb row = qRgb(qRound(qRed(kFeltTop) * (1 - t) + qRed(kFeltBottom) * t),
                              qRound(qGreen(kFeltTop) * (1 - t) + qGreen(kFeltBottom) * t),
                              qRound(qBlue(kFeltTop) * (1 - t) + qBlue(kFeltBottom) * t));
        for (int x = 0; x < size; ++x) {
            if (!onFelt(x, y, size)) continue;
            const bool rim = !onFelt(x - 1, y, size) || !onFelt(x + 1, y, size) ||
                             !onFelt(x, y - 1, size) || !onFelt(x, y + 1, size);
            image.setPixel(x, y, rim ? kFeltEdge : row);
        }
    }
}

void paintCard(QPainter& painter, const QRect& card, QRgb fill, QRgb line) {
    painter.fillRect(card, QColor(line));
    painter.fillRect(card.adjusted(1, 1, -1, -1), QColor(fill));
}

}  // namespace

QImage drawSmallIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    paintFelt(image);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Laid out on a 16-pixel grid, each cell as many pixels as the size allows.
    const auto at = [size](int cells) { return cells * size / 16; };
    const QRect back(at(2), at(2), at(8), at(11));
    const QRect face(at(6), at(4), at(8), at(11));
    paintCard(painter, back, kBackRed, kPaperWhite);
    if (size >= 24) paintCard(painter, back.adjusted(2, 2, -2, -2), kBackRed, kPaperWhite);
    paintCard(painter, face, kPaperWhite, kCardLine);
    const int cell = std::max(1, size / 16);
    const int width = 5 * cell;
    const int height = int(kSpade.size()) * cell;
    const QPoint pip(face.left() + (face.width() - width + 1) / 2,
                     face.top() + (face.height() - height + 1) / 2);
    for (int row = 0; row < int(kSpade.size()); ++row)
        for (int col = 0; col < 5; ++col)
            if (kSpade[size_t(row)][col] == '#')
                painter.fillRect(pip.x() + col * cell, pip.y() + row * cell, cell, cell, Qt::black);
    return image;
}

}  // namespace korvane::cardart
