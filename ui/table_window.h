// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card table's controls, by the names the game gives them, as they stand
// when the window is created: green cloth, dealer's row at the top, player's
// row at the bottom, the settings frame on the right, and the hidden helpers
// (face sources, rank labels, deck lists) below and right of the visible part.
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/image.h"
#include "platform/scroll_bar.h"
#include "platform/timer.h"
#include "platform/window.h"
#include "ui/control_array.h"

namespace korvane {

class TableWindow {
  public:
    TableWindow();
    TableWindow(const TableWindow&) = delete;
    TableWindow& operator=(const TableWindow&) = delete;

    // Comes first, so every picture below can name its image.
    ImageCatalogue images;

    Window Me{"Form1"};  // the window itself

    ControlArray<PictureBox> Picture1{"Picture1", 12};  // 0..4 dealer, 5 back, 6..10 backs, 11 pile
    ControlArray<PictureBox> Picture2{"Picture2", 5};   // player's cards
    ControlArray<PictureBox> Picture3{"Picture3", 52};  // face sources
    ControlArray<PictureBox> Picture4{"Picture4", 3};   // flags and the miniature back
    ControlArray<Label> Label1{"Label1", 5};            // dealer's rank labels
    ControlArray<Label> Label2{"Label2", 5};            // player's rank labels

    Label Label3{"Label3"}, Label4{"Label4"}, Label5{"Label5"}, Label6{"Label6"};
    Label Label7{"Label7"}, Label8{"Label8"}, Label9{"Label9"}, Label10{"Label10"};
    Label Label11{"Label11"}, Label12{"Label12"}, Label13{"Label13"}, Label14{"Label14"};
    Label Label15{"Label15"}, Label16{"Label16"}, Label17{"Label17"}, Label18{"Label18"};

    Button Command1{"Command1"}, Command2{"Command2"}, Command3{"Command3"};
    Frame Frame3{"Frame3"}, Frame4{"Frame4"};
    CheckBox Check1{"Check1"};
    ScrollBar HScroll1{"HScroll1"};
    ListBox List1{"List1"}, List2{"List2"};
    Timer Timer1{"Timer1"}, Timer2{"Timer2"}, Timer3{"Timer3"};

    // Every control, in the order they were laid out (frames before what they hold).
    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(const std::string& name) const;
    // Everything with a place on the window, for the view to build.
    std::vector<Widget*> widgets() const;
    // Could a player reach it with the mouse: shown, enabled and inside the window.
    bool reachable(const Widget& widget) const;
    // Does any of its place lie on the window's client area.
    bool insideWindow(const Widget& widget) const;

  private:
    // Where each control stands and how it looks (control_table.cpp).
    void layOutWindow();
    void layOutRows();
    void layOutSettings();
    void layOutChooser();
    void layOutHidden();
    void registerAll();

    std::vector<Control*> controls_;
};

}  // namespace korvane
