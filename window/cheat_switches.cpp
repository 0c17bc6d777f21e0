// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/cheat_switches.h"

#include <QMouseEvent>
#include <QWidget>

#include "window/qt_look.h"

namespace korvane {
void CheatSwitches::add(const Label& label, std::function<void()> click,
                        std::function<void()> doubleClick) {
    Switch added;
    added.label = &label;
    added.click = std::move(click);
    added.doubleClick = std::move(doubleClick);
    switches_.push_back(std::move(added));
    grabbed_ = nullptr;  // the vector may have moved
}

// The switches lie on the cloth itself, in no frame: their place is on the window.
void CheatSwitches::show(const Label& label, const Shown& now) {
    for (Switch& s : switches_) {
        if (s.label != &label) continue;
        cloth_.update(s.place);
        s.now = now;
        s.place = QRect(now.place.left, now.place.top, now.place.width, now.place.height);
        cloth_.update(s.place);
    }
}

void CheatSwitches::paint(QPainter& painter) const {
    for (const Switch& s : switches_) {
        if (!s.now.visible) continue;
        painter.fillRect(s.place, qtColour(s.now.back));
        painter.setFont(qtFont(s.now.font));
        painter.setPen(qtColour(s.now.fore));
        painter.drawText(s.place, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         QString::fromStdString(s.now.text));
    }
}

CheatSwitches::Switch* CheatSwitches::at(QPoint point) {
    for (Switch& s : switches_)
        if (s.now.visible && s.label->usable() && s.place.contains(point)) return &s;
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
