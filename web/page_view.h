// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table on the page: one element per control at its place and size, brought
// in step with the controls after every event. The view decides nothing.
#include <string>

#include "table/form1.h"
#include "ui/screen_table.h"

namespace korvane {

// The element id of a control: "Picture1(5)" is "Picture1_5".
std::string elementId(const std::string& controlName);

class PageView {
  public:
    explicit PageView(Form1& form);
    void refresh();

  private:
    void show(const Widget& control, const Shown& now, unsigned aspects);

    ScreenTable screen_;
};

}  // namespace korvane
