// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/spoken_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace korvane {
namespace {

QAccessible::Role qtRole(SpokenRole role) {
    switch (role) {
        case SpokenRole::Window:
            return QAccessible::Window;
        case SpokenRole::Group:
            return QAccessible::Grouping;
        case SpokenRole::Label:
            return QAccessible::StaticText;
        case SpokenRole::Button:
            return QAccessible::Button;
        case SpokenRole::CheckBox:
            return QAccessible::CheckBox;
        case SpokenRole::ScrollBar:
            return QAccessible::ScrollBar;
        case SpokenRole::Graphic:
            return QAccessible::Graphic;
        case SpokenRole::Choice:
            return QAccessible::RadioButton;
        case SpokenRole::None:
            break;
    }
    return QAccessible::NoRole;
}

// Speaks for a SpokenWidget. It asks the widget afresh on every question: a
// widget being destroyed is no longer a SpokenWidget and then says nothing.
class SpokenAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit SpokenAccessible(QWidget* widget) : QAccessibleWidget(widget) {}

    QAccessible::Role role() const override { return qtRole(spoken().role); }
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}  // what a label shows is the table's
    QVariant maximumValue() const override { return currentValue(); }
    QVariant minimumValue() const override { return currentValue(); }
    QVariant minimumStepSize() const override { return 0; }

  private:
    Spoken spoken() const {
        const auto* speaker = dynamic_cast<const SpokenWidget*>(widget());
        return speaker ? speaker->spoken() : Spoken{};
    }
    QList<QWidget*> children() const;
};

QString SpokenAccessible::text(QAccessible::Text t) const {
    const Spoken s = spoken();
    switch (t) {
        case QAccessible::Name:
            return QString::fromStdString(s.name);
        case QAccessible::Description: {
            // A text cut short on the screen is whole in the tooltip; say it unless
            // the name already does.
            const QString tip = widget() ? widget()->toolTip() : QString();
            const QString name = QString::fromStdString(s.name);
            if (s.description.empty() && !name.contains(tip)) return tip;
            return QString::fromStdString(s.description);
        }
        case QAccessible::Value:
            return s.value ? QString::number(*s.value, 'g', 15) : QString();
        default:
            return QAccessibleWidget::text(t);
    }
}

QAccessible::State SpokenAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    const Spoken s = spoken();
    if (s.role == SpokenRole::None) state.invisible = true;
    if (s.role == SpokenRole::Choice) {
        state.checkable = true;
        state.checked = s.checked;
    }
    return state;
}

QList<QWidget*> SpokenAccessible::children() const {
    QList<QWidget*> out;
    if (!widget()) return out;
    for (QObject* object : widget()->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && exposed(*child)) out.append(child);
    }
    return out;
}

QAccessibleInterface* SpokenAccessible::child(int index) const {
    const QList<QWidget*> list = children();
    if (index < 0 || index >= list.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(list.at(index));
}

int SpokenAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child) return -1;
    return static_cast<int>(children().indexOf(qobject_cast<QWidget*>(child->object())));
}

void* SpokenAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface)
        return spoken().value ? static_cast<QAccessibleValueInterface*>(this) : nullptr;
    return QAccessibleWidget::interface_cast(type);
}

QVariant SpokenAccessible::currentValue() const {
    const Spoken s = spoken();
    return s.value ? QVariant(*s.value) : QVariant();
}

QAccessibleInterface* spokenInterface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !dynamic_cast<SpokenWidget*>(widget)) return nullptr;
    return new SpokenAccessible(widget);  // owned by Qt's accessibility cache
}

}  // namespace

void installSpokenInterfaces() {
    QAccessible::installFactory(&spokenInterface);
}

bool exposed(const QWidget& widget) {
    if (widget.isHidden()) return false;
    const auto* speaker = dynamic_cast<const SpokenWidget*>(&widget);
    return !speaker || speaker->spoken().role != SpokenRole::None;
}

}  // namespace korvane
