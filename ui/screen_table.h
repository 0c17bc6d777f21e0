// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every window shows of the table, decided once: which controls are ever
// seen, each one's place, look, text and picture on a screen, and what changed
// since the window last caught up with the table. A window makes its own thing
// for each of controls() and, after every event, applies what update() tells.
//
//   ScreenTable screen(form);
//   for (Widget* c : screen.controls()) make(*c);
//   for (const ShownChange& change : screen.update()) show(*change.control, *change.now,
//   change.aspects);
#include <map>
#include <string>
#include <vector>

#include "platform/image.h"
#include "ui/screen_look.h"
#include "ui/table_window.h"
#include "ui/texts.h"

namespace korvane {

struct ShownRange {
    int min = 0, max = 0, value = 0, smallChange = 0, largeChange = 0;
    bool operator==(const ShownRange&) const = default;
};

// One control as a screen shows it.
struct Shown {
    bool visible = false;  // itself; the frames around it hide it on their own
    bool enabled = false;
    PixelPlace place;  // in its frame, or on the window
    ScreenFont font;
    Rgb back, fore;
    Alignment alignment = Alignment::Left;
    std::string text;           // the caption of a label, button, frame or check box
    Picture picture = nullptr;  // what it showed when last seen: an unseen box keeps it
    int check = 0;
    ShownRange range;
    bool operator==(const Shown&) const = default;
};

// What of a control changed.
enum ShownAspect : unsigned {
    kShownState = 1,  // visible or enabled
    kShownPlace = 2,
    kShownLook = 4,  // font, colours, alignment
    kShownText = 8,
    kShownPicture = 16,
    kShownCheck = 32,
    kShownRange = 64,
};

struct ShownChange {
    Widget* control;
    unsigned aspects;  // ShownAspect bits
    const Shown* now;
};

struct ShownWindow {
    std::string title;
    int width = 0, height = 0;  // the client area, pixels
    Rgb back;
    Language language = Language::English;
    bool operator==(const ShownWindow&) const = default;
};

class ScreenTable {
  public:
    explicit ScreenTable(const TableWindow& table);

    // Every control a window shows: what lies on the window once it is laid out
    // and has something to show (the deck's lists have not).
    const std::vector<Widget*>& controls() const { return controls_; }
    // What changed since the last call; the first call tells everything.
    std::vector<ShownChange> update();
    // The window itself as it should look now; `changed` tells whether it did
    // since the last call.
    const ShownWindow& window(bool& changed);

  private:
    Shown look(const Widget& control, const Shown& before) const;

    const TableWindow& table_;
    std::vector<Widget*> controls_;
    std::map<const Widget*, Shown> shown_;
    bool first_ = true;
    ShownWindow window_;
    bool windowFirst_ = true;
};

}  // namespace korvane
