// SPDX-License-Identifier: GPL-3.0-or-later
// Card faces: the white blank, the corner indices and the pip arrangements.
#include <QFont>

#include <array>
#include <vector>

#include "artkit.h"
#include "cardart.h"

namespace korvane::cardart {
namespace {

struct PipSpot {
    int column;  // 0 left, 1 centre, 2 right
    qreal row;   // 0 top row .. 1 bottom row
};

constexpr std::array<qreal, 3> kColumnX{37, 60, 83};
constexpr qreal kTopRowY = 27;
constexpr qreal kBottomRowY = 137;
constexpr qreal kPipHeight = 22;

// The classic arrangements for ranks 2..10 (index 0 is the two).
std::vector<PipSpot> pipSpots(int pips) {
    const std::vector<PipSpot> sixSides{{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}};
    const std::vector<PipSpot> eightSides{{0, 0},       {2, 0},       {0, 1.0 / 3}, {2, 1.0 / 3},
                                          {0, 2.0 / 3}, {2, 2.0 / 3}, {0, 1},       {2, 1}};
    auto with = [](std::vector<PipSpot> base, std::initializer_list<PipSpot> extra) {
        base.insert(base.end(), extra);
        return base;
    };
    switch (pips) {
        case 2:
            return {{1, 0}, {1, 1}};
        case 3:
            return {{1, 0}, {1, 0.5}, {1, 1}};
        case 4:
            return {{0, 0}, {2, 0}, {0, 1}, {2, 1}};
        case 5:
            return {{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}};
        case 6:
            return sixSides;
        case 7:
            return with(sixSides, {{1, 0.25}});
        case 8:
            return with(sixSides, {{1, 0.25}, {1, 0.75}});
        case 9:
            return with(eightSides, {{1, 0.5}});
        default:
            return with(eightSides, {{1, 1.0 / 6}, {1, 5.0 / 6}});
    }
}

void paintPips(QPainter& painter, Suit suit, int pips) {
    for (const PipSpot& spot : pipSpots(pips)) {
        const QPointF centre(kColumnX[spot.column], kTopRowY + spot.row * (kBottomRowY - kTopRowY));
        paintPip(painter, suit, centre, kPipHeight, spot.row > 0.5);
    }
}

void paintAce(QPainter& painter, Suit suit) {
    const QPointF centre(kCardWidth / 2.0, kCardHeight / 2.0);
    if (suit != Suit::Spades) {
        paintPip(painter, suit, centre, 50);
        return;
    }
    // The ace of spades carries the deck's flourish: a bigger pip in a fine ring.
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(suitInk(suit), 0.9));
    painter.drawEllipse(centre, 36, 36);
    painter.setPen(QPen(suitInk(suit), 0.5));
    painter.drawEllipse(centre, 33, 33);
    painter.restore();
    paintPip(painter, suit, centre, 52);
}

QString rankText(int rank) {
    static constexpr std::array<const char*, 13> kNames{"A", "2", "3",  "4", "5", "6", "7",
                                                        "8", "9", "10", "J", "Q", "K"};
    return QString::fromLatin1(kNames[rank]);
}

// Rank glyphs as outlines, so they scale with the card like everything else.
QPainterPath indexText(int rank) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(17);
    const QString text = rankText(rank);
    if (text.size() > 1) {
        font.setStretch(QFont::Condensed);
        font.setLetterSpacing(QFont::AbsoluteSpacing, -1.2);
    }
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    const qreal squeeze = qMin(1.0, 15.0 / box.width());
    QTransform place;
    place.translate(11.5, 19.5);
    place.scale(squeeze, 1.0);
    place.translate(-box.center().x(), 0);
    return place.map(path);
}

void paintIndex(QPainter& painter, Suit suit, int rank) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(suitInk(suit));
    painter.drawPath(indexText(rank));
    painter.restore();
    paintPip(painter, suit, QPointF(11.5, 29), 10);
}

void paintIndices(QPainter& painter, Suit suit, int rank) {
    paintIndex(painter, suit, rank);
    painter.save();
    painter.translate(kCardWidth, kCardHeight);
    painter.rotate(180);
    paintIndex(painter, suit, rank);
    painter.restore();
}

}  // namespace

void paintFace(QPainter& painter, int cardNumber) {
    const Suit suit = suitOf(cardNumber);
    const int rank = rankOf(cardNumber);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kPaper));
    painter.drawPath(cardShape());
    painter.setClipPath(cardShape());
    if (rank == 0) {
        paintAce(painter, suit);
    } else if (rank < 10) {
        paintPips(painter, suit, rank + 1);
    } else {
        paintCourtPanel(painter, suit, rank);
    }
    paintIndices(painter, suit, rank);
    painter.restore();
    strokeCardEdge(painter);
}

QImage drawFace(int cardNumber, qreal scale) {
    if (cardNumber < 0 || cardNumber >= kCardCount) return {};
    return paintedCard(scale, [cardNumber](QPainter& painter) { paintFace(painter, cardNumber); });
}

}  // namespace korvane::cardart
