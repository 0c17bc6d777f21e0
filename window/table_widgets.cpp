// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/table_widgets.h"

#include <QPainter>

namespace korvane {

void PictureWidget::setPixmap(const QPixmap* pixmap) {
    if (pixmap == pixmap_) return;
    pixmap_ = pixmap;
    update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    // A pixmap with twice the pixels and a device pixel ratio of 2 covers the same place.
    if (pixmap_ && !pixmap_->isNull()) painter.drawPixmap(0, 0, *pixmap_);
}

void FrameWidget::setCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    update();
}

void FrameWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QFontMetrics metrics(font());
    const int edge = metrics.height() / 2;
    // An etched edge: a dark line with a light one just inside it.
    const QRect box = rect().adjusted(0, edge, -2, -2);
    painter.setPen(palette().color(QPalette::Window).darker(170));
    painter.drawRect(box);
    painter.setPen(palette().color(QPalette::Window).lighter(160));
    painter.drawRect(box.translated(1, 1));
    if (caption_.isEmpty()) return;
    const QRect text(8, 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
    painter.fillRect(text, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter, caption_);
}

}  // namespace korvane
