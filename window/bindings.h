// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One Qt widget for each control on the table, kept in step with the model. The
// widgets only show; every decision is the table's.
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/control.h"
#include "ui/screen_table.h"
#include "window/image_store.h"

namespace korvane {

// What a widget tells the table: it was clicked, double-clicked, or changed by the
// player (a tick, a drag, a move of the thumb).
struct WidgetEvents {
    std::function<void(Widget&)> click;
    std::function<void(Widget&)> doubleClick;
    std::function<void(int)> check;   // the sound switch, 0 or 1
    std::function<void(int)> scroll;  // the bet moved by arrow, page or key
    std::function<void(int)> drag;    // the thumb dragged
    std::function<void()> dragEnded;
};

class Binding {
  public:
    virtual ~Binding() = default;
    // Shows what changed of the control (ShownAspect bits).
    virtual void show(const Shown& now, unsigned aspects) = 0;
    // A widget that moves by itself under the player's hand (the switch, the
    // bet) goes back to what the table holds, if the table did not follow.
    virtual void settle() {}
    virtual QWidget* widget() const = 0;
    virtual const Widget& control() const = 0;
};

// The widget for a control, made a child of `parent`; nullptr for a control that
// has nothing to show (the deck lists).
std::unique_ptr<Binding> bind(Widget& control, QWidget* parent, ImageStore& images,
                              const WidgetEvents& events);

}  // namespace korvane
