// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plain kinds of control: what they hold is what they are.
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/image.h"

namespace korvane {

class Label : public Widget {
  public:
    explicit Label(std::string name) : Widget(std::move(name), ControlKind::Label) {}
    std::string caption;
    Alignment alignment = Alignment::Left;
    std::vector<Property> properties() const override;
};

class Button : public Widget {
  public:
    explicit Button(std::string name) : Widget(std::move(name), ControlKind::Button) {}
    std::string caption;
    std::vector<Property> properties() const override;
};

class Frame : public Widget {
  public:
    explicit Frame(std::string name) : Widget(std::move(name), ControlKind::Frame) {}
    std::string caption;
    std::vector<Property> properties() const override;
};

class PictureBox : public Widget {
  public:
    explicit PictureBox(std::string name) : Widget(std::move(name), ControlKind::PictureBox) {}
    Picture picture = nullptr;
    std::vector<Property> properties() const override;
};

class CheckBox : public Widget {
  public:
    explicit CheckBox(std::string name) : Widget(std::move(name), ControlKind::CheckBox) {}
    std::string caption;
    int value = 0;  // 1 ticked, 0 clear
    std::vector<Property> properties() const override;
};

// A hidden list of texts; reading past its end gives the empty text, as the
// deck's lists have always done before the first shuffle.
class ListBox : public Widget {
  public:
    explicit ListBox(std::string name) : Widget(std::move(name), ControlKind::ListBox) {}
    void addItem(std::string item) { items_.push_back(std::move(item)); }
    const std::string& item(int index) const;
    int count() const { return static_cast<int>(items_.size()); }
    void clear() { items_.clear(); }
    std::vector<Property> properties() const override;

  private:
    std::vector<std::string> items_;
};

}  // namespace korvane
