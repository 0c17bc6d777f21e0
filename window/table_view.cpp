// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/table_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <map>

#include "window/focus_ring.h"
#include "window/qt_look.h"

namespace korvane {

TableView::TableView(Form1& form)
    : form_(form), access_(form), screen_(form), spoken_(form), switches_(*this) {
    installSpokenInterfaces();
    speech = [this] { return Spoken{SpokenRole::Window, form_.Me.caption, "", {}, false}; };
    std::map<const Widget*, QWidget*> parents{{nullptr, this}};
    const WidgetEvents handlers = events();
    for (Widget* control : screen_.controls()) {
        if (access_.secret(*control)) {
            addCheatSwitch(static_cast<Label&>(*control), handlers);
            continue;
        }
        auto binding = bind(*control, parents.at(control->container), images_, handlers);
        if (!binding) continue;
        parents[control] = binding->widget();
        spoken_.add(*control, *binding->widget());
        byControl_[control] = binding.get();
        bindings_.push_back(std::move(binding));
    }
    // The card-back chooser opens over everything on the table.
    if (QWidget* chooser = widgetFor(form_.Frame4)) chooser->raise();
    ring_ = new FocusRing(*this);
    keys_ = std::make_unique<TableKeys>(
        *this, access_, [this](const Control& control) { return widgetFor(control); },
        [this](Widget& control) { form_.click(control); });
    setAutoFillBackground(true);
    qApp->installEventFilter(this);
    // The one place the screen catches up with the table: after every event it
    // handles, and before every box it opens.
    form_.afterEvent = [this] { refresh(); };
    refresh();
}

TableView::~TableView() {
    form_.afterEvent = nullptr;
    qApp->removeEventFilter(this);
    // The widgets outlive this part of the window by a little; from here they say nothing.
    speech = nullptr;
}

WidgetEvents TableView::events() {
    WidgetEvents e;
    e.click = [this](Widget& w) {
        form_.click(w);
        swallowRestOfDoubleClick(w);
    };
    e.doubleClick = [this](Widget& w) { form_.secondClick(w); };
    e.check = [this](int value) { form_.setCheck(value); };
    e.scroll = [this](int value) { form_.scrollTo(value); };
    e.drag = [this](int value) { form_.dragBet(value); };
    e.dragEnded = [this] { form_.endBetDrag(); };
    return e;
}

void TableView::addCheatSwitch(Label& label, const WidgetEvents& handlers) {
    switches_.add(
        label, [&label, click = handlers.click] { click(label); },
        [&label, twice = handlers.doubleClick] { twice(label); });
}

QWidget* TableView::widgetFor(const Control& control) const {
    for (const auto& b : bindings_)
        if (&b->control() == &control) return b->widget();
    return nullptr;
}

void TableView::refreshWindow() {
    bool changed = false;
    const ShownWindow& window = screen_.window(changed);
    if (!changed) return;
    setWindowTitle(QString::fromStdString(window.title));
    setFixedSize(window.width, window.height);
    QPalette p = palette();
    p.setColor(QPalette::Window, qtColour(window.back));
    setPalette(p);
}

void TableView::refresh() {
    keys_->beforeRefresh();
    refreshWindow();
    for (const ShownChange& change : screen_.update()) {
        if (Binding* binding = byControl_[change.control])
            binding->show(*change.now, change.aspects);
        else if (access_.secret(*change.control))
            switches_.show(static_cast<const Label&>(*change.control), *change.now);
    }
    for (const auto& binding : bindings_)
        binding->settle();
    spoken_.update();
    keys_->afterRefresh();
    ring_->follow();
}

void TableView::swallowRestOfDoubleClick(const Widget& clicked) {
    if (!clicked.shown()) swallowing_.setRemainingTime(QApplication::doubleClickInterval());
}

bool TableView::eventFilter(QObject* target, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                       type == QEvent::MouseButtonRelease;
    if (!mouse || swallowing_.hasExpired()) return false;
    auto* widget = qobject_cast<QWidget*>(target);
    return widget && widget->window() == this;
}

bool TableView::focusNextPrevChild(bool next) {
    if (keys_) keys_->moveFocus(next);
    return true;
}

void TableView::mousePressEvent(QMouseEvent* event) {
    if (!switches_.press(*event)) QWidget::mousePressEvent(event);
}

void TableView::mouseReleaseEvent(QMouseEvent* event) {
    if (!switches_.release(*event)) QWidget::mouseReleaseEvent(event);
}

void TableView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!switches_.doubleClick(*event)) QWidget::mouseDoubleClickEvent(event);
}

void TableView::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter cloth(this);
    switches_.paint(cloth);
    if (painted_) return;
    painted_ = true;
    // The widgets on the cloth paint after it in the same frame: tell of it after.
    QTimer::singleShot(0, this, [this] {
        // The icon's images are decoded as soon as they are given, so only now.
        // Up to 64 pixels: a launcher or a dock takes larger ones from the installed
        // icon theme, and every size given here goes whole to the X server.
        QIcon icon;
        for (const char* name : {"icon16", "icon22", "icon24", "icon32", "icon48", "icon"})
            icon.addPixmap(ImageStore::readPng(images_.path(name)));
        setWindowIcon(icon);
        if (onFirstFrame) onFirstFrame();
    });
}

void TableView::closeEvent(QCloseEvent* event) {
    if (onClose) onClose();
    event->accept();
}

}  // namespace korvane
