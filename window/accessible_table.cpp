// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/accessible_table.h"

#include <QAccessible>

#include "window/spoken_widget.h"

namespace korvane {
namespace {

void notify(QWidget* widget, QAccessible::Event event) {
    QAccessibleEvent e(widget, event);
    QAccessible::updateAccessibility(&e);
}

}  // namespace

AccessibleTable::~AccessibleTable() {
    for (const auto& [control, widget] : widgets_)
        if (auto* speaker = dynamic_cast<SpokenWidget*>(widget)) speaker->speech = nullptr;
}

void AccessibleTable::add(const Widget& control, QWidget& widget) {
    if (auto* speaker = dynamic_cast<SpokenWidget*>(&widget))
        speaker->speech = [this, &control] { return spoken_.now(control); };
    widgets_[&control] = &widget;
}

void AccessibleTable::update() {
    for (const SpokenChange& change : spoken_.update()) {
        const auto found = widgets_.find(change.control);
        if (found != widgets_.end()) announce(found->second, change);
    }
}

void AccessibleTable::announce(QWidget* widget, const SpokenChange& change) {
    const Spoken& now = change.now;
    const QString name = QString::fromStdString(now.name);
    const QString description = QString::fromStdString(now.description);
    if (!dynamic_cast<SpokenWidget*>(widget)) {
        // Qt's own widgets tell of their names and values themselves.
        if (widget->accessibleName() != name) widget->setAccessibleName(name);
        if (widget->accessibleDescription() != description)
            widget->setAccessibleDescription(description);
        return;
    }
    if ((change.appeared || change.went) && widget->parentWidget())
        notify(widget->parentWidget(), QAccessible::ObjectReorder);
    if (now.role == SpokenRole::None) return;
    if (change.name) notify(widget, QAccessible::NameChanged);
    if (change.description) notify(widget, QAccessible::DescriptionChanged);
    if (change.value) {
        QAccessibleValueChangeEvent e(widget, *now.value);
        QAccessible::updateAccessibility(&e);
    }
    if (change.checked) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent e(widget, changed);
        QAccessible::updateAccessibility(&e);
    }
}

}  // namespace korvane
