// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Widgets that tell a screen reader what the table says they are. Qt's own
// buttons, check box and scroll bar speak for themselves; the labels, pictures,
// frames and the window speak through these.
#include <QWidget>
#include <functional>

#include "ui/spoken.h"

namespace korvane {

class SpokenWidget {
  public:
    virtual ~SpokenWidget() = default;
    // What the widget is as the table stands now; unset, a screen reader finds nothing.
    std::function<Spoken()> speech;
    Spoken spoken() const { return speech ? speech() : Spoken{}; }
};

// Lets every SpokenWidget speak through its own accessibility interface. Safe to
// call more than once.
void installSpokenInterfaces();

// Does a screen reader find this widget among its parent's children: hidden
// widgets, empty places and what speaks nothing stay out of the tree.
bool exposed(const QWidget& widget);

}  // namespace korvane
