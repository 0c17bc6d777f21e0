// SPDX-License-Identifier: GPL-3.0-or-later
// The flags, the miniature back and the rules line.
#include "table/form1.h"
#include "ui/rules_text.h"

namespace korvane {

void Form1::Picture4_Click(int index) {
    if (index == 2) {
        Frame4.visible = true;  // the card-back chooser; the language stays
        return;
    }
    if (index == 0 || index == 1) putCaptions(index == 0 ? Language::English : Language::Danish);
}

// Only these captions change: texts already on the table keep their language
// until they are next written. Command1's caption then tells the language in force.
void Form1::putCaptions(Language language) {
    const LanguageTexts& t = textsFor(language);
    Command1.caption = t.dealCaption;
    Command2.caption = t.stopCaption;
    Label11.caption = t.rulesLine;
    Label12.caption = t.betCaption;
    Frame4.caption = t.chooserCaption;
}

void Form1::Label11_Click() {
    msgBox(rulesMessage(language()), BoxButtons::Ok, BoxIcon::Information);
}

}  // namespace korvane
