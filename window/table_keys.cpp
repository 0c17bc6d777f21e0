// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/table_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <utility>

namespace korvane {
namespace {

// Keys pressed alone (a keypad's Enter counts as Enter), and Shift+Tab.
TableKey tableKey(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Backtab) return TableKey::ShiftTab;
    if (modifiers != Qt::NoModifier) return TableKey::Other;
    switch (key) {
        case Qt::Key_Tab:
            return TableKey::Tab;
        case Qt::Key_Left:
            return TableKey::Left;
        case Qt::Key_Right:
            return TableKey::Right;
        case Qt::Key_Up:
            return TableKey::Up;
        case Qt::Key_Down:
            return TableKey::Down;
        case Qt::Key_PageUp:
            return TableKey::PageUp;
        case Qt::Key_PageDown:
            return TableKey::PageDown;
        case Qt::Key_Home:
            return TableKey::Home;
        case Qt::Key_End:
            return TableKey::End;
        case Qt::Key_Space:
            return TableKey::Space;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return TableKey::Enter;
        default:
            return TableKey::Other;
    }
}

}  // namespace

TableKeys::TableKeys(QWidget& window, TableAccess& access,
                     std::function<QWidget*(const Control&)> widgetFor,
                     std::function<void(Widget&)> activate)
    : window_(window),
      access_(access),
      widgetFor_(std::move(widgetFor)),
      activate_(std::move(activate)) {
    for (Widget* control : access_.tabOrder()) {
        if (QWidget* widget = widgetFor_(*control)) {
            widget->setFocusPolicy(Qt::TabFocus);
            widget->installEventFilter(this);
        }
    }
    // Owned by the window, and live only while it is the active one: never
    // behind an open box.
    const std::pair<QKeySequence, TableKey> shortcuts[] = {
        {QKeySequence(Qt::Key_F1), TableKey::F1},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), TableKey::CtrlQ},
        {QKeySequence(Qt::ALT | Qt::Key_S), TableKey::AltS},
        {QKeySequence(Qt::ALT | Qt::Key_1), TableKey::Alt1},
        {QKeySequence(Qt::ALT | Qt::Key_2), TableKey::Alt2}};
    for (const auto& shortcut : shortcuts) {
        auto* keys = new QShortcut(shortcut.first, &window_);
        connect(keys, &QShortcut::activated, this,
                [this, key = shortcut.second] { forward(key, focusedControl()); });
    }
}

const Widget* TableKeys::controlOf(const QWidget* widget) const {
    if (!widget) return nullptr;
    for (Widget* control : access_.tabOrder())
        if (widgetFor_(*control) == widget) return control;
    return nullptr;
}

const Widget* TableKeys::focusedControl() const {
    return controlOf(window_.focusWidget());
}

bool TableKeys::forward(TableKey key, const Widget* on, bool repeat) {
    const KeyAnswer answer = access_.decide(key, on, repeat);
    if (answer.taken) apply(answer, key);
    return answer.taken;
}

void TableKeys::apply(const KeyAnswer& answer, TableKey key) {
    switch (answer.deed) {
        case KeyDeed::Focus:
            if (answer.focus) focus(*answer.focus, key);
            return;
        case KeyDeed::Close:
            window_.close();
            return;
        case KeyDeed::Click:
            // Qt's own buttons and check box click themselves, so they look
            // pressed and tell of it as a click of the mouse does.
            if (auto* button = qobject_cast<QAbstractButton*>(widgetFor_(*answer.control))) {
                const bool accessKey =
                    key == TableKey::AltS || key == TableKey::Alt1 || key == TableKey::Alt2;
                if (accessKey)
                    button->animateClick();
                else
                    button->click();
                return;
            }
            activate_(*answer.control);
            return;
        case KeyDeed::Scroll:
            access_.perform(answer);
            return;
        case KeyDeed::None:
            return;
    }
}

void TableKeys::focus(const Widget& control, TableKey key) {
    QWidget* widget = widgetFor_(control);
    if (!widget) return;
    const Qt::FocusReason reason = key == TableKey::Tab        ? Qt::TabFocusReason
                                   : key == TableKey::ShiftTab ? Qt::BacktabFocusReason
                                                               : Qt::OtherFocusReason;
    widget->setFocus(reason);
}

void TableKeys::parkFocus() {
    // The window itself holds the focus until the round wants it somewhere.
    window_.setFocus(Qt::OtherFocusReason);
}

void TableKeys::moveFocus(bool forward) {
    this->forward(forward ? TableKey::Tab : TableKey::ShiftTab, focusedControl());
}

bool TableKeys::eventFilter(QObject* target, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const Widget* control = controlOf(qobject_cast<QWidget*>(target));
    auto* key = static_cast<QKeyEvent*>(event);
    const TableKey code = tableKey(key->key(), key->modifiers() & ~Qt::KeypadModifier);
    if (!control || code == TableKey::Other) return false;
    return forward(code, control, key->isAutoRepeat());
}

void TableKeys::beforeRefresh() {
    if (access_.letGo(focusedControl())) parkFocus();
}

void TableKeys::afterRefresh() {
    const Widget* target = access_.settle(focusedControl());
    if (target && widgetFor_(*target) != window_.focusWidget()) focus(*target, TableKey::Other);
    // Only a stop may hold the focus (the "$" only while the office would lend);
    // so a screen reader says too.
    for (Widget* control : access_.tabOrder()) {
        QWidget* widget = widgetFor_(*control);
        const Qt::FocusPolicy policy = access_.isStop(*control) ? Qt::TabFocus : Qt::NoFocus;
        if (widget && widget->focusPolicy() != policy) widget->setFocusPolicy(policy);
    }
}

}  // namespace korvane
