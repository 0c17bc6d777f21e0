// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table on the page: one element per control at its place and size, brought
// in step with the controls after every event. The view decides nothing.
#include <map>
#include <string>

#include "table/form1.h"

namespace korvane {

// The element id of a control: "Picture1(5)" is "Picture1_5".
std::string elementId(const std::string& controlName);

class PageView {
  public:
    explicit PageView(Form1& form);
    void refresh();

  private:
    struct Shown {
        std::string state, text, look, picture, value;
    };
    void refreshWidget(const Widget& widget, Shown& shown);
    void refreshContent(const Widget& widget, const std::string& id, Shown& shown);

    Form1& form_;
    std::map<const Widget*, Shown> shown_;
    std::string window_;
};

}  // namespace korvane
