// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Qt widget that tells apart a click and a double click as the table expects:
// the first click of a pair is a click, the second press a double click, and the
// release after it nothing. It speaks to a screen reader as the table says.
#include <QMouseEvent>
#include <functional>

#include "window/spoken_widget.h"

namespace korvane {

// The rule itself, for one target.
class ClickLogic {
  public:
    void press(Qt::MouseButton button) {
        if (button == Qt::LeftButton) pressed_ = true;
    }
    // A click when the press was on the target and the button is let go on it.
    bool release(bool inside) {
        const bool click = pressed_ && !afterDouble_ && inside;
        pressed_ = afterDouble_ = false;
        return click;
    }
    // The second press of a pair: a double click.
    bool secondPress(Qt::MouseButton button) {
        if (button != Qt::LeftButton) return false;
        afterDouble_ = true;
        pressed_ = false;
        return true;
    }

  private:
    bool pressed_ = false;
    bool afterDouble_ = false;
};

template <class Base>
class ClickTarget : public Base, public SpokenWidget {
  public:
    using Base::Base;
    std::function<void()> onClick;
    std::function<void()> onDoubleClick;

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        logic_.press(event->button());
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        event->accept();
        if (logic_.release(this->rect().contains(event->position().toPoint())) && onClick)
            onClick();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        event->accept();
        if (logic_.secondPress(event->button()) && onDoubleClick) onDoubleClick();
    }

  private:
    ClickLogic logic_;
};

}  // namespace korvane
