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
    for (Entry& entry : entries_)
        if (auto* speaker = dynamic_cast<SpokenWidget*>(entry.widget)) speaker->speech = nullptr;
}

void AccessibleTable::add(const Widget& control, QWidget& widget) {
    if (auto* speaker = dynamic_cast<SpokenWidget*>(&widget))
        speaker->speech = [this, &control] { return spokenFor(table_, control); };
    entries_.push_back({&control, &widget, Spoken{}});
}

void AccessibleTable::update() {
    for (Entry& entry : entries_) {
        const Spoken now = spokenFor(table_, *entry.control);
        if (now == entry.last) continue;
        announce(entry, now);
        entry.last = now;
    }
}

void AccessibleTable::announce(Entry& entry, const Spoken& now) {
    QWidget* widget = entry.widget;
    const QString name = QString::fromStdString(now.name);
    const QString description = QString::fromStdString(now.description);
    if (!dynamic_cast<SpokenWidget*>(widget)) {
        // Qt's own widgets tell of their names and values themselves.
        if (widget->accessibleName() != name) widget->setAccessibleName(name);
        if (widget->accessibleDescription() != description)
            widget->setAccessibleDescription(description);
        return;
    }
    const Spoken& last = entry.last;
    if ((now.role == SpokenRole::None) != (last.role == SpokenRole::None) && widget->parentWidget())
        notify(widget->parentWidget(), QAccessible::ObjectReorder);
    if (now.role == SpokenRole::None) return;
    if (now.name != last.name) notify(widget, QAccessible::NameChanged);
    if (now.description != last.description) notify(widget, QAccessible::DescriptionChanged);
    if (now.value && now.value != last.value) {
        QAccessibleValueChangeEvent e(widget, *now.value);
        QAccessible::updateAccessibility(&e);
    }
    if (now.checked != last.checked) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent e(widget, changed);
        QAccessible::updateAccessibility(&e);
    }
}

}  // namespace korvane
