// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/table_keys.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

#include "bank/loan_office.h"

namespace korvane {
namespace {

bool pressKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TableKeys::TableKeys(QWidget& window, Form1& form,
                     std::function<QWidget*(const Control&)> widgetFor,
                     std::function<void(Widget&)> activate)
    : window_(window),
      form_(form),
      widgetFor_(std::move(widgetFor)),
      activate_(std::move(activate)) {
    for (Widget* control : tabOrder()) {
        if (QWidget* widget = widgetFor_(*control)) {
            widget->setFocusPolicy(Qt::TabFocus);
            widget->installEventFilter(this);
        }
    }
    // Both owned by the window, and live only while it is the active one: never
    // behind an open box.
    auto* rules = new QShortcut(QKeySequence(Qt::Key_F1), &window_);
    connect(rules, &QShortcut::activated, this, [this] { activate_(form_.Label11); });
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &window_);
    connect(quit, &QShortcut::activated, &window_, &QWidget::close);
}

std::vector<Widget*> TableKeys::tabOrder() const {
    std::vector<Widget*> order{&form_.Command3,    &form_.Command1,   &form_.Command2,
                               &form_.HScroll1,    &form_.Check1,     &form_.Picture4(0),
                               &form_.Picture4(1), &form_.Picture4(2)};
    for (int back = 6; back <= 10; ++back)
        order.push_back(&form_.Picture1(back));  // only while the chooser is open
    order.push_back(&form_.Label11);
    order.push_back(&form_.Label15);
    return order;
}

bool TableKeys::canTakeClick(const Widget& control) const {
    if (!form_.reachable(control)) return false;
    if (&control == &form_.Label15 && !loanOpensFor(form_.Label10.caption)) return false;
    QWidget* widget = widgetFor_(control);
    if (!widget) return false;
    // What the mouse would hit there: the open chooser covers the middle of the table.
    QWidget* hit = window_.childAt(widget->mapTo(&window_, widget->rect().center()));
    return hit == widget || widget->isAncestorOf(hit);
}

QWidget* TableKeys::focused() const {
    return window_.focusWidget();
}

Widget* TableKeys::controlOf(const QWidget* widget) const {
    if (!widget) return nullptr;
    for (Widget* control : tabOrder())
        if (widgetFor_(*control) == widget) return control;
    return nullptr;
}

void TableKeys::focus(const Widget& control) {
    if (QWidget* widget = widgetFor_(control)) widget->setFocus(Qt::OtherFocusReason);
}

void TableKeys::parkFocus() {
    // The window itself holds the focus until the round wants it somewhere.
    window_.setFocus(Qt::OtherFocusReason);
}

void TableKeys::moveFocus(bool forward) {
    const std::vector<Widget*> order = tabOrder();
    const int count = static_cast<int>(order.size());
    int at = forward ? -1 : count;
    for (int i = 0; i < count; ++i)
        if (widgetFor_(*order[static_cast<size_t>(i)]) == focused()) at = i;
    for (int step = 1; step <= count; ++step) {
        const int i = ((at + (forward ? step : -step)) % count + count) % count;
        const Widget& next = *order[static_cast<size_t>(i)];
        if (!canTakeClick(next)) continue;
        widgetFor_(next)->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return;
    }
}

bool TableKeys::eventFilter(QObject* target, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    Widget* control = controlOf(qobject_cast<QWidget*>(target));
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (!control || mods != Qt::NoModifier) return false;
    if (key->isAutoRepeat() && pressKey(key->key())) return true;  // one press, one click
    return onKey(*control, key->key());
}

bool TableKeys::onKey(Widget& control, int key) {
    if (const auto back = form_.Picture1.indexOf(&control); back && *back >= 6) {
        if (stepBack(*back, key)) return true;
    }
    if (control.kind() == ControlKind::Button) {
        // Space is the button's own; Enter presses it too.
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        if (auto* button = qobject_cast<QPushButton*>(widgetFor_(control))) button->click();
        return true;
    }
    const bool clickable =
        control.kind() == ControlKind::Label || control.kind() == ControlKind::PictureBox;
    if (!clickable || !pressKey(key)) return false;
    if (canTakeClick(control)) activate_(control);
    return true;
}

bool TableKeys::stepBack(int index, int key) {
    const int at = index - 6;
    int next = at;
    if (key == Qt::Key_Left || key == Qt::Key_Up)
        next = (at + 4) % 5;
    else if (key == Qt::Key_Right || key == Qt::Key_Down)
        next = (at + 1) % 5;
    else if (key == Qt::Key_Home)
        next = 0;
    else if (key == Qt::Key_End)
        next = 4;
    else
        return false;
    focus(form_.Picture1(6 + next));
    return true;
}

void TableKeys::beforeRefresh() {
    const Widget* control = controlOf(focused());
    if (control && !(control->shown() && control->usable())) parkFocus();
}

const Widget* TableKeys::backInUse() const {
    for (int back = 6; back <= 10; ++back)
        if (form_.Picture1(back).picture == form_.Picture1(5).picture) return &form_.Picture1(back);
    return &form_.Picture1(6);
}

const Widget* TableKeys::nextStop() const {
    if (canTakeClick(form_.Command1)) return &form_.Command1;
    if (canTakeClick(form_.Command3)) return &form_.Command3;
    return nullptr;
}

void TableKeys::afterRefresh() {
    const bool chooser = form_.Frame4.shown();
    const bool turn = form_.Command1.shown() && form_.Command1.usable();
    const bool idle = form_.Command3.shown() && form_.Command3.usable();
    // The turn begins: Deal. The table is idle again: Start. While the chooser is
    // open, that waits until a back is chosen.
    if (turn && !wasTurn_) pending_ = &form_.Command1;
    if (idle && !wasIdle_) pending_ = &form_.Command3;
    const Widget* target = nullptr;
    if (chooser && !wasChooser_) {
        target = backInUse();
    } else if (!chooser) {
        target = pending_ ? pending_ : wasChooser_ ? &form_.Picture4(2) : nullptr;
        pending_ = nullptr;
    }
    if (!target || !canTakeClick(*target)) {
        const Widget* now = controlOf(focused());
        const bool lost = !now || !canTakeClick(*now);
        target = !lost ? nullptr : chooser ? backInUse() : nextStop();
    }
    if (target && widgetFor_(*target) != focused()) focus(*target);
    // The "$" is a stop only while the office would answer; so a screen reader says too.
    if (QWidget* office = widgetFor_(form_.Label15))
        office->setFocusPolicy(canTakeClick(form_.Label15) ? Qt::TabFocus : Qt::NoFocus);
    wasChooser_ = chooser;
    wasTurn_ = turn;
    wasIdle_ = idle;
}

}  // namespace korvane
