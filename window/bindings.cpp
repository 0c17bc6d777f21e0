// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/bindings.h"

#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "platform/controls.h"
#include "platform/scroll_bar.h"
#include "window/click_target.h"
#include "window/qt_look.h"
#include "window/table_widgets.h"

namespace korvane {
namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

template <class M, class Q>
class BindingOf : public Binding {
  public:
    BindingOf(M& model, Q* widget, bool colours)
        : model_(model), widget_(widget), colours_(colours) {
        widget_->setAutoFillBackground(colours);
    }
    QWidget* widget() const override { return widget_; }
    const Widget& control() const override { return model_; }

  protected:
    void refreshCommon() {
        const Place& p = model_.place;
        const QRect place(pixels(p.left), pixels(p.top), pixels(p.width), pixels(p.height));
        if (widget_->geometry() != place) widget_->setGeometry(place);
        if (widget_->isHidden() == model_.visible) widget_->setVisible(model_.visible);
        if (widget_->isEnabled() != model_.enabled) widget_->setEnabled(model_.enabled);
        if (!(font_ == model_.font)) {
            font_ = model_.font;
            widget_->setFont(qtFont(font_));
        }
        if (colours_ && (back_ != model_.backColor || fore_ != model_.foreColor)) {
            back_ = model_.backColor;
            fore_ = model_.foreColor;
            QPalette palette = widget_->palette();
            // A check box paints with the button roles, labels and frames with the window's.
            for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
                palette.setColor(role, qtColour(back_));
            for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
                palette.setColor(role, qtColour(fore_));
                palette.setColor(QPalette::Disabled, role, qtColour(fore_));
            }
            widget_->setPalette(palette);
        }
    }

    M& model_;
    Q* widget_;

  private:
    bool colours_;
    Font font_{"", -1, false};
    Colour back_ = Colour::fromValue(0xFFFFFFFFu), fore_ = Colour::fromValue(0xFFFFFFFFu);
};

class LabelBinding : public BindingOf<Label, ClickTarget<QLabel>> {
  public:
    using BindingOf::BindingOf;
    void refresh() override {
        refreshCommon();
        widget_->setText(qt(model_.caption));
        const Qt::Alignment h = model_.alignment == Alignment::Left    ? Qt::AlignLeft
                                : model_.alignment == Alignment::Right ? Qt::AlignRight
                                                                       : Qt::AlignHCenter;
        if (widget_->alignment() != (h | Qt::AlignTop)) widget_->setAlignment(h | Qt::AlignTop);
        // A text that does not fit its label with our fonts is whole in its tooltip.
        const QString tip = fits() ? QString() : widget_->text();
        if (widget_->toolTip() != tip) widget_->setToolTip(tip);
    }

  private:
    bool fits() const {
        const QRect room = widget_->contentsRect();
        const QRect needed = widget_->fontMetrics().boundingRect(
            room, static_cast<int>(widget_->alignment()) | Qt::TextWordWrap, widget_->text());
        return needed.width() <= room.width() && needed.height() <= room.height();
    }
};

class ButtonBinding : public BindingOf<Button, QPushButton> {
  public:
    using BindingOf::BindingOf;
    void refresh() override {
        refreshCommon();
        if (widget_->text() == qt(model_.caption)) return;
        widget_->setText(qt(model_.caption));
        // The "&" still marks the access key on the button, but the table
        // decides what the key does.
        widget_->setShortcut(QKeySequence());
    }
};

class FrameBinding : public BindingOf<Frame, FrameWidget> {
  public:
    using BindingOf::BindingOf;
    void refresh() override {
        refreshCommon();
        widget_->setCaption(qt(model_.caption));
    }
};

class PictureBinding : public BindingOf<PictureBox, ClickTarget<PictureWidget>> {
  public:
    PictureBinding(PictureBox& model, ClickTarget<PictureWidget>* widget, ImageStore& images)
        : BindingOf(model, widget, true), images_(images) {}
    void refresh() override {
        refreshCommon();
        // An image is decoded only once it can be seen: the face sources and the
        // hidden back lie outside the window for the whole run.
        const QWidget* parent = widget_->parentWidget();
        const bool seen = widget_->isVisibleTo(widget_->window()) && parent &&
                          parent->rect().intersects(widget_->geometry());
        if (seen) widget_->setPixmap(model_.picture ? &images_.pixmap(model_.picture) : nullptr);
    }

  private:
    ImageStore& images_;
};

class CheckBinding : public BindingOf<CheckBox, QCheckBox> {
  public:
    using BindingOf::BindingOf;
    void refresh() override {
        refreshCommon();
        widget_->setText(qt(model_.caption));
        if (widget_->isChecked() != (model_.value == 1)) widget_->setChecked(model_.value == 1);
    }
};

class ScrollBinding : public BindingOf<ScrollBar, QScrollBar> {
  public:
    using BindingOf::BindingOf;
    void refresh() override {
        refreshCommon();
        const QSignalBlocker quiet(widget_);
        widget_->setRange(model_.min(), model_.max());
        widget_->setSingleStep(model_.smallChange);
        widget_->setPageStep(model_.largeChange);
        if (!widget_->isSliderDown()) widget_->setValue(model_.value());
    }
};

template <class Q>
Q* clickable(Widget& control, QWidget* parent, const WidgetEvents& events) {
    auto* widget = new Q(parent);  // owned by its parent widget
    widget->onClick = [&control, click = events.click] { click(control); };
    widget->onDoubleClick = [&control, twice = events.doubleClick] { twice(control); };
    return widget;
}

std::unique_ptr<Binding> bindButton(Button& button, QWidget* parent, const WidgetEvents& events) {
    auto* widget = new QPushButton(parent);
    widget->setFocusPolicy(Qt::TabFocus);
    QObject::connect(widget, &QPushButton::clicked,
                     [&button, click = events.click] { click(button); });
    return std::make_unique<ButtonBinding>(button, widget, false);
}

std::unique_ptr<Binding> bindCheck(CheckBox& check, QWidget* parent, const WidgetEvents& events) {
    auto* widget = new QCheckBox(parent);
    QObject::connect(widget, &QCheckBox::clicked,
                     [set = events.check](bool on) { set(on ? 1 : 0); });
    return std::make_unique<CheckBinding>(check, widget, true);
}

std::unique_ptr<Binding> bindScroll(ScrollBar& bar, QWidget* parent, const WidgetEvents& events) {
    auto* widget = new QScrollBar(Qt::Horizontal, parent);
    // The bet goes up with the right arrow and the wheel turned up, as a player expects.
    widget->setInvertedControls(false);
    QObject::connect(widget, &QScrollBar::sliderMoved, events.drag);
    QObject::connect(widget, &QScrollBar::sliderReleased, events.dragEnded);
    QObject::connect(widget, &QScrollBar::valueChanged, [widget, scroll = events.scroll](int v) {
        if (!widget->isSliderDown()) scroll(v);
    });
    return std::make_unique<ScrollBinding>(bar, widget, false);
}

}  // namespace

std::unique_ptr<Binding> bind(Widget& control, QWidget* parent, ImageStore& images,
                              const WidgetEvents& events) {
    switch (control.kind()) {
        case ControlKind::Label: {
            auto* label = clickable<ClickTarget<QLabel>>(control, parent, events);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            return std::make_unique<LabelBinding>(static_cast<Label&>(control), label, true);
        }
        case ControlKind::PictureBox:
            return std::make_unique<PictureBinding>(
                static_cast<PictureBox&>(control),
                clickable<ClickTarget<PictureWidget>>(control, parent, events), images);
        case ControlKind::Frame:
            return std::make_unique<FrameBinding>(static_cast<Frame&>(control),
                                                  new FrameWidget(parent), true);
        case ControlKind::Button:
            return bindButton(static_cast<Button&>(control), parent, events);
        case ControlKind::CheckBox:
            return bindCheck(static_cast<CheckBox&>(control), parent, events);
        case ControlKind::ScrollBar:
            return bindScroll(static_cast<ScrollBar&>(control), parent, events);
        default:
            return nullptr;
    }
}

}  // namespace korvane
