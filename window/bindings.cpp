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
    void showCommon(const Shown& now, unsigned aspects) {
        if (aspects & kShownPlace) {
            const PixelPlace& p = now.place;
            widget_->setGeometry(p.left, p.top, p.width, p.height);
        }
        if (aspects & kShownState) {
            widget_->setVisible(now.visible);
            widget_->setEnabled(now.enabled);
        }
        if (!(aspects & kShownLook)) return;
        widget_->setFont(qtFont(now.font));
        if (!colours_) return;
        QPalette palette = widget_->palette();
        // A check box paints with the button roles, labels and frames with the window's.
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
            palette.setColor(role, qtColour(now.back));
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
            palette.setColor(role, qtColour(now.fore));
            palette.setColor(QPalette::Disabled, role, qtColour(now.fore));
        }
        widget_->setPalette(palette);
    }

    M& model_;
    Q* widget_;

  private:
    bool colours_;
};

class LabelBinding : public BindingOf<Label, ClickTarget<QLabel>> {
  public:
    using BindingOf::BindingOf;
    void show(const Shown& now, unsigned aspects) override {
        showCommon(now, aspects);
        if (aspects & kShownText) widget_->setText(qt(now.text));
        if (aspects & kShownLook) {
            const Qt::Alignment h = now.alignment == Alignment::Left    ? Qt::AlignLeft
                                    : now.alignment == Alignment::Right ? Qt::AlignRight
                                                                        : Qt::AlignHCenter;
            widget_->setAlignment(h | Qt::AlignTop);
        }
        // A text that does not fit its label with our fonts is whole in its tooltip.
        if (aspects & (kShownText | kShownLook | kShownPlace))
            widget_->setToolTip(fits() ? QString() : widget_->text());
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
    void show(const Shown& now, unsigned aspects) override {
        showCommon(now, aspects);
        if (!(aspects & kShownText)) return;
        widget_->setText(qt(now.text));
        // The "&" still marks the access key on the button, but the table
        // decides what the key does.
        widget_->setShortcut(QKeySequence());
    }
};

class FrameBinding : public BindingOf<Frame, FrameWidget> {
  public:
    using BindingOf::BindingOf;
    void show(const Shown& now, unsigned aspects) override {
        showCommon(now, aspects);
        if (aspects & kShownText) widget_->setCaption(qt(now.text));
    }
};

class PictureBinding : public BindingOf<PictureBox, ClickTarget<PictureWidget>> {
  public:
    PictureBinding(PictureBox& model, ClickTarget<PictureWidget>* widget, ImageStore& images)
        : BindingOf(model, widget, true), images_(images) {}
    void show(const Shown& now, unsigned aspects) override {
        showCommon(now, aspects);
        if (aspects & kShownPicture)
            widget_->setPixmap(now.picture ? &images_.pixmap(now.picture) : nullptr);
    }

  private:
    ImageStore& images_;
};

class CheckBinding : public BindingOf<CheckBox, QCheckBox> {
  public:
    using BindingOf::BindingOf;
    void show(const Shown& now, unsigned aspects) override {
        showCommon(now, aspects);
        if (aspects & kShownText) widget_->setText(qt(now.text));
    }
    void settle() override {
        if (widget_->isChecked() != (model_.value == 1)) widget_->setChecked(model_.value == 1);
    }
};

class ScrollBinding : public BindingOf<ScrollBar, QScrollBar> {
  public:
    using BindingOf::BindingOf;
    void show(const Shown& now, unsigned aspects) override {
        showCommon(now, aspects);
        if (!(aspects & kShownRange)) return;
        const QSignalBlocker quiet(widget_);
        widget_->setRange(now.range.min, now.range.max);
        widget_->setSingleStep(now.range.smallChange);
        widget_->setPageStep(now.range.largeChange);
    }
    void settle() override {
        const QSignalBlocker quiet(widget_);
        if (!widget_->isSliderDown() && widget_->value() != model_.value())
            widget_->setValue(model_.value());
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
