// SPDX-License-Identifier: GPL-3.0-or-later
// The bet's scroll bar: Label13 shows the bet as it moves.
#include "platform/number_text.h"
#include "table/form1.h"

namespace korvane {

void Form1::HScroll1_Change() {
    Label13.caption = plainText(HScroll1.value());
}

// Dragging the thumb shows the bet as it goes, as a change does.
void Form1::HScroll1_Scroll() {
    HScroll1_Change();
}

}  // namespace korvane
