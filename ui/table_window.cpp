// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table_window.h"

namespace korvane {

// As the window is created: every control in its place (control_table.cpp).
TableWindow::TableWindow() {
    layOutWindow();
    layOutRows();
    layOutSettings();
    layOutChooser();
    layOutHidden();
    registerAll();
}

void TableWindow::registerAll() {
    controls_ = {&Me, &Frame3, &Frame4};
    auto addArray = [this](auto& array) {
        for (int i = 0; i < array.size(); ++i)
            controls_.push_back(&array(i));
    };
    addArray(Picture1);
    addArray(Picture2);
    addArray(Picture3);
    addArray(Picture4);
    addArray(Label1);
    addArray(Label2);
    for (Control* c : std::initializer_list<Control*>{
             &Label3,  &Label4,  &Label5,   &Label6,   &Label7,   &Label8,  &Label9,
             &Label10, &Label11, &Label12,  &Label13,  &Label14,  &Label15, &Label16,
             &Label17, &Label18, &Command1, &Command2, &Command3, &Check1,  &HScroll1,
             &List1,   &List2,   &Timer1,   &Timer2,   &Timer3})
        controls_.push_back(c);
}

Control* TableWindow::find(const std::string& name) const {
    for (Control* c : controls_)
        if (c->name() == name) return c;
    return nullptr;
}

std::vector<Widget*> TableWindow::widgets() const {
    std::vector<Widget*> out;
    for (Control* c : controls_)
        if (auto* w = dynamic_cast<Widget*>(c)) out.push_back(w);
    return out;
}

bool TableWindow::insideWindow(const Widget& widget) const {
    const Place p = widget.placeOnWindow();
    return p.left < Me.clientWidth() && p.top < Me.clientHeight() && p.left + p.width > 0 &&
           p.top + p.height > 0;
}

bool TableWindow::reachable(const Widget& widget) const {
    if (!widget.shown() || !widget.usable()) return false;
    if (widget.kind() == ControlKind::ListBox) return false;  // the deck lists are never shown
    return insideWindow(widget);
}

}  // namespace korvane
