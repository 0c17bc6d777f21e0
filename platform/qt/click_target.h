// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Qt widget that tells apart a click and a double click as the table expects:
// the first click of a pair is a click, the second press a double click, and the
// release after it nothing.
#include <QMouseEvent>
#include <functional>

namespace korvane {

template <class Base>
class ClickTarget : public Base {
  public:
    using Base::Base;
    std::function<void()> onClick;
    std::function<void()> onDoubleClick;

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) pressed_ = true;
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        event->accept();
        const bool click =
            pressed_ && !afterDouble_ && this->rect().contains(event->position().toPoint());
        pressed_ = afterDouble_ = false;
        if (click && onClick) onClick();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        event->accept();
        if (event->button() != Qt::LeftButton) return;
        afterDouble_ = true;
        pressed_ = false;
        if (onDoubleClick) onDoubleClick();
    }

  private:
    bool pressed_ = false;
    bool afterDouble_ = false;
};

}  // namespace korvane
