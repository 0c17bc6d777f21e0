// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cheat switch and the unseen "X" beside the player's row are painted on the
// cloth and take the mouse there, without a widget of their own: no Tab stop, no
// key and no screen reader ever finds them.
#include <QPainter>
#include <QRect>
#include <functional>
#include <vector>

#include "platform/controls.h"
#include "ui/screen_table.h"
#include "window/click_target.h"

class QMouseEvent;
class QWidget;

namespace korvane {

class CheatSwitches {
  public:
    explicit CheatSwitches(QWidget& cloth) : cloth_(cloth) {}

    void add(const Label& label, std::function<void()> click, std::function<void()> doubleClick);
    // Repaints a switch whose look has changed.
    void show(const Label& label, const Shown& now);
    void paint(QPainter& painter) const;

    // The mouse on the cloth; each returns whether it was a switch's.
    bool press(const QMouseEvent& event);
    bool release(const QMouseEvent& event);
    bool doubleClick(const QMouseEvent& event);

    // Where a switch lies on the cloth, for tests.
    QRect placeOf(const Label& label) const;

  private:
    struct Switch {
        const Label* label;
        std::function<void()> click;
        std::function<void()> doubleClick;
        ClickLogic logic;
        QRect place;
        Shown now;
    };
    Switch* at(QPoint point);

    QWidget& cloth_;
    std::vector<Switch> switches_;
    Switch* grabbed_ = nullptr;  // the one the button went down on
};

}  // namespace korvane
