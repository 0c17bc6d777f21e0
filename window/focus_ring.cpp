// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace korvane {

const QColor FocusRing::kColour(255, 255, 0);

FocusRing::FocusRing(QWidget& window) : QWidget(&window), window_(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this] { follow(); });
}

FocusRing::~FocusRing() {
    qApp->removeEventFilter(this);
}

void FocusRing::follow() {
    QWidget* focused = window_.focusWidget();
    const bool wanted = keyboard_ && focused && focused != &window_ && focused != this &&
                        window_.isAncestorOf(focused) && focused->isVisible();
    if (!wanted) {
        if (!isHidden()) hide();
        return;
    }
    // The outer black and the yellow lie just outside the control, the inner
    // black on its edge, so neighbours a few pixels away stay uncovered.
    const QRect around(focused->mapTo(&window_, QPoint(0, 0)), focused->size());
    const int outside = kWidth - 1;
    const QRect place = around.adjusted(-outside, -outside, outside, outside);
    if (geometry() != place) setGeometry(place);
    if (window_.children().constLast() != this) raise();
    if (isHidden()) show();
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect edge = rect();
    const QColor bands[kWidth] = {Qt::black, kColour, kColour, kColour, Qt::black};
    for (const QColor& colour : bands) {
        painter.setPen(colour);
        painter.drawRect(edge.adjusted(0, 0, -1, -1));
        edge.adjust(1, 1, -1, -1);
    }
}

bool FocusRing::eventFilter(QObject* target, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool key = type == QEvent::KeyPress;
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (!key && !mouse) return false;
    auto* widget = qobject_cast<QWidget*>(target);
    if (!widget || widget->window() != &window_ || keyboard_ == key) return false;
    keyboard_ = key;
    follow();
    return false;
}

}  // namespace korvane
