// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table by keyboard, decided once for every window that shows it (the Qt
// window, the browser page). A window only maps its own keys to a TableKey,
// tells which control has its focus, does what the answer says and puts its
// focus where the answer points. What a screen reader is told is SpokenTable's
// (access/spoken_table.h).
//
//   TableAccess access(form);
//   // a key on the focused control (nullptr: the table itself holds the focus);
//   // a page finds keys and controls by name: tableKeyNamed("Space"), form.find("Command3")
//   KeyAnswer a = access.press(TableKey::Space, focused);
//   if (!a.taken) ...                  // not the table's: the window's own, or nobody's
//   if (a.deed == KeyDeed::Close) ...  // the window closes as by its close button
//   focused = a.focus;
//   // after every event of the table (Form1::afterEvent: a click, a tick, a box)
//   focused = access.settle(focused);
//
// press() runs a click or a move of the bet through Form1's own input; a window
// that shows a click its own way (a button going down) asks decide() instead,
// does the click itself, and leaves the rest to perform(). A toolkit that moves
// its focus on by itself when a control goes (Qt) parks it first, by letGo().
//
// The keys: Tab and Shift+Tab go round tabOrder(), skipping what is not a stop
// now (hidden, switched off, under the open chooser, the "$" while the office
// would not lend). On a button or the sound switch the arrows move on as Tab
// does; Space and Enter click a button, Space alone ticks the switch; on the
// bet the arrows, Page Up and Down, Home and End move it as its scroll bar does
// (right and up raise it); on a flag, the miniature back, the rules line and
// the "$", Space and Enter click; among the chooser's backs the arrows, Home and
// End move. F1 clicks the rules line, Alt and a button's "&" letter the button,
// Ctrl+Q closes. A held Space or Enter clicks once.
//
// The focus: Deal when the player's turn begins, Start when the table is idle
// again, the back in use when the chooser opens, the miniature back (or Deal,
// if the turn began meanwhile) when it closes; never Sounds. A move of the focus
// never acts by itself. The cheat switches are no stop, take no key and tell a
// screen reader nothing.
#include <optional>
#include <string_view>
#include <vector>

#include "table/form1.h"

namespace korvane {

// The keys the table knows, as every window names them.
enum class TableKey {
    Tab,
    ShiftTab,
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    Home,
    End,
    Space,
    Enter,
    F1,    // the rules, from anywhere
    AltS,  // the access keys the buttons' captions mark with "&"
    Alt1,
    Alt2,
    CtrlQ,  // the close
    Other,  // any other key: never the table's
};

// A key by its name as the enum spells it ("Tab", "PageUp", "AltS", "CtrlQ"),
// for a page or a script that names its keys; none for a name the table does not know.
std::optional<TableKey> tableKeyNamed(std::string_view name);
std::string_view nameOf(TableKey key);
// Every name tableKeyNamed() knows.
std::vector<std::string_view> tableKeyNames();

// What a key comes to.
enum class KeyDeed {
    None,    // nothing happens (the key may still be the table's)
    Focus,   // only the focus moves, to `focus`
    Click,   // `control` is clicked, as by the mouse
    Scroll,  // the bet moves to `value`, as by the scroll bar's arrows
    Close,   // the window closes as by its close button: the window's to do
};

struct KeyAnswer {
    bool taken = false;  // the key was the table's: nothing else in the window gets it
    KeyDeed deed = KeyDeed::None;
    Widget* control = nullptr;      // what is clicked or scrolled
    int value = 0;                  // where the bet goes
    const Widget* focus = nullptr;  // where the focus is; nullptr: the table itself
    bool operator==(const KeyAnswer&) const = default;
};

class TableAccess {
  public:
    explicit TableAccess(Form1& form) : form_(form) {}

    // The controls Tab visits, in order, whether or not they are stops now.
    std::vector<Widget*> tabOrder() const;
    // Is the control a Tab stop now: could it take the focus and a click. Every
    // window asks this alone, for its Tab order and for what may hold its focus.
    bool isStop(const Widget& control) const;
    // Never a stop, never a key, never a word to a screen reader: the cheat switches.
    bool secret(const Widget& control) const;

    // What a key on the focused control comes to. Changes nothing. `repeat`: the
    // key held down; Space and Enter click once a press.
    KeyAnswer decide(TableKey key, const Widget* focused, bool repeat = false) const;
    // A decided click or move of the bet, through Form1's input. Closing is the window's.
    void perform(const KeyAnswer& answer);
    // decide() and perform(), and the focus as the event left it.
    KeyAnswer press(TableKey key, const Widget* focused, bool repeat = false);

    // Before a window shows the table's change: must the focused control give up
    // the focus first (it is about to be switched off or hidden), so the toolkit
    // does not slide it on to the next control (Sounds)?
    bool letGo(const Widget* focused) const;
    // After every event: where the focus goes now (nullptr: the table itself).
    // Remembers the phase it saw, so call it once after each event.
    const Widget* settle(const Widget* focused);

  private:
    // Every control of the Tab order, but the "$" only while the office would lend.
    bool focusable(const Widget& control) const;
    const Widget* step(const Widget* focused, bool forward) const;
    const Widget* stepBack(int index, TableKey key) const;
    KeyAnswer onControl(TableKey key, Widget& control) const;
    KeyAnswer onBet(TableKey key) const;
    KeyAnswer click(Widget& control) const;
    Widget* accessKeyButton(char key) const;
    bool covered(const Widget& control) const;
    const Widget* backInUse() const;
    const Widget* nextStop() const;

    Form1& form_;
    bool wasChooser_ = false, wasTurn_ = false, wasIdle_ = false;
    const Widget* pending_ = nullptr;  // where the focus goes once the chooser closes
    unsigned settled_ = 0;             // how many events have been settled
    const Widget* lastSettled_ = nullptr;
};

}  // namespace korvane
