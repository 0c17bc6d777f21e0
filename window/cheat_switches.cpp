// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/cheat_switches.h"

#include <QMouseEvent>
#include <QWidget>

#include "window/qt_look.h"

namespace korvane {
namespace {

QRect onScreen(const Widget& control) {
    const Place p = control.placeOnWindow();
    return {pixels(p.left), pixels(p.top), pixels(p.width), pixels(p.height)};
}

}  // namespace

void CheatSwitches::add(const Label& label, std::function<void()> click,
                        std::function<void()> doubleClick) {
    Switch added;
    added.label = &label;
    added.click = std::move(click);
    added.doubleClick = std::move(doubleClick);
    switches_.push_back(std::move(added));
    grabbed_ = nullptr;  // the vector may have moved
    refresh();
}

void CheatSwitches::refresh() {
    for (Switch& s : switches_) {
        const Label& label = *s.label;
        const QRect place = onScreen(label);
        if (place == s.place && label.caption == s.caption && label.backColor == s.back &&
            label.foreColor == s.fore && label.shown() == s.shown)
            continue;
        cloth_.update(s.place);
        s.place = place;
        s.caption = label.caption;
        s.back = label.backColor;
        s.fore = label.foreColor;
        s.shown = label.shown();
        cloth_.update(s.place);
    }
}

void CheatSwitches::paint(QPainter& painter) const {
    for (const Switch& s : switches_) {
        if (!s.shown) continue;
        painter.fillRect(s.place, qtColour(s.back));
        painter.setFont(qtFont(s.label->font));
        painter.setPen(qtColour(s.fore));
        painter.drawText(s.place, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         QString::fromStdString(s.caption));
    }
}

CheatSwitches::Switch* CheatSwitches::at(QPoint point) {
    for (Switch& s : switches_)
        if (s.shown && s.label->usable() && s.place.contains(point)) return &s;
    return nullptr;
}

bool CheatSwitches::press(const QMouseEvent& event) {
    grabbed_ = at(event.position().toPoint());
    if (grabbed_) grabbed_->logic.press(event.button());
    return grabbed_ != nullptr;
}

bool CheatSwitches::release(const QMouseEvent& event) {
    Switch* s = grabbed_;
    grabbed_ = nullptr;
    if (!s) return false;
    if (s->logic.release(s->place.contains(event.position().toPoint())) && s->click) s->click();
    return true;
}

bool CheatSwitches::doubleClick(const QMouseEvent& event) {
    grabbed_ = at(event.position().toPoint());
    if (!grabbed_) return false;
    if (grabbed_->logic.secondPress(event.button()) && grabbed_->doubleClick)
        grabbed_->doubleClick();
    return true;
}

QRect CheatSwitches::placeOf(const Label& label) const {
    for (const Switch& s : switches_)
        if (s.label == &label) return s.place;
    return {};
}

}  // namespace korvane
