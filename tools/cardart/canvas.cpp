// SPDX-License-Identifier: GPL-3.0-or-later
// The blank every card starts from, and the scaled canvas it is drawn on.
#include "artkit.h"
#include "cardart.h"

#include <QPen>

namespace korvane::cardart {

QImage makeCanvas(QSizeF logical, qreal scale, QImage::Format format, QColor ground) {
    QImage image(qRound(logical.width() * scale), qRound(logical.height() * scale), format);
    image.fill(ground);
    return image;
}

void beginLogical(QPainter& painter, qreal scale) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
}

QImage paintedCard(qreal scale, const std::function<void(QPainter&)>& paint) {
    QImage image = makeCanvas(QSizeF(kCardWidth, kCardHeight), scale, QImage::Format_RGB32,
                              QColor(kTableGreen));
    QPainter painter(&image);
    beginLogical(painter, scale);
    paint(painter);
    return image;
}

QRectF cardRect() {
    return QRectF(0.5, 0.5, kCardWidth - 1.0, kCardHeight - 1.0);
}

QPainterPath cardShape() {
    QPainterPath path;
    path.addRoundedRect(cardRect(), 7, 7);
    return path;
}

void strokeCardEdge(QPainter& painter) {
    painter.save();
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kCardEdge), 1.0));
    painter.drawPath(cardShape());
    painter.restore();
}

}  // namespace korvane::cardart
