// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/form1.h"

#include "platform/number_text.h"
#include "ui/sound_cues.h"
#include "ui/texts.h"

namespace korvane {

Form1::Form1(const Services& services) : services_(services) {
    wireEvents();
}

void Form1::Form_Load() {
    // One table to a cash file: a second one in the folder says so and goes.
    if (!claimCashFile()) return;
    Timer1.setInterval(2000);
    Timer1.setEnabled(false);
    Timer2.setInterval(500);
    Timer2.setEnabled(false);
    Timer3.setInterval(300);
    Timer3.setEnabled(false);
    Frame4.place.top = 2640;   // the chooser, when shown, lies over the middle of the table
    playSound(kStartUpSound);  // whatever the sound switch says
    Label16.caption = "  ";
    Picture1(5).picture = Picture1(10).picture;
    Picture1(11).picture = Picture1(5).picture;
    CheatMode = false;
    Me.height = 8850;
    Me.width = 10515;
    DealerStandsAt = 17;
    DeckPos = 0;
    clearCardSlots();
    RankName = kRankNames;
    RankValue = kRankValues;
    readCashFile();
    if (numericValue(Label10.caption) >= 50000 && HScroll1.max() < 10000) {
        HScroll1.setMax(10000);
        HScroll1.setValue(1000);
    }
    putCaptions(Language::English);
}

Language Form1::language() const {
    return languageOf(Command1.caption);
}

BoxAnswer Form1::msgBox(const std::string& text, BoxButtons buttons, BoxIcon icon,
                        const std::string& title) {
    if (afterEvent) afterEvent();  // the table behind an open box shows what has happened
    const LanguageTexts& words = textsFor(language());
    return services_.boxes.show({text, title.empty() ? Me.caption : title, buttons, icon,
                                 words.boxOk, words.boxYes, words.boxNo});
}

void Form1::playSound(const std::string& file) {
    services_.sound.play(file);
}

void Form1::playIfSoundsOn(const std::string& file) {
    if (Check1.value == 1) playSound(file);
}

}  // namespace korvane
