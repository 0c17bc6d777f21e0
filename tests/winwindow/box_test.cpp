// SPDX-License-Identifier: GPL-3.0-or-later
// The system's boxes with the table's words on their buttons, and the table's
// timers ticking on while one is open, a box opened by a tick inside it included.
#include "platform/timer.h"
#include "tests/winwindow/win_fixture.h"
#include "ui/texts.h"
#include "winwindow/win_services.h"

namespace korvane {
namespace {

HWND boxSaying(const std::wstring& words) {
    const HWND box = openBox();
    if (box && textsIn(box).find(words) != std::wstring::npos) return box;
    // The box below the one on top.
    const HWND below = box ? GetWindow(box, GW_HWNDNEXT) : nullptr;
    return below && textsIn(below).find(words) != std::wstring::npos ? below : nullptr;
}

TEST(WinBoxes, SpeakTheTablesLanguageWhileTheTimersTick) {
    const LanguageTexts danish = textsFor(Language::Danish);
    WinTimers timers;
    WinBoxes boxes;
    Timer ticking{"Timer1"}, answering{"Timer2"};
    ticking.attach(&timers);
    answering.attach(&timers);
    int ticks = 0;
    std::wstring outerTexts, innerTexts;
    BoxAnswer inner = BoxAnswer::No;
    ticking.onTick = [&] {
        if (++ticks == 5)
            inner = boxes.show({"Indre", kTitle, BoxButtons::Ok, BoxIcon::None, danish.boxOk,
                                danish.boxYes, danish.boxNo});
    };
    const ULONGLONG until = GetTickCount64() + 20000;
    answering.onTick = [&] {
        if (const HWND box = boxSaying(L"Indre"); box && ticks >= 10) {
            innerTexts = textsIn(box);
            SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        } else if (const HWND outer = boxSaying(L"Ydre"); outer && !box && ticks >= 15) {
            outerTexts = textsIn(outer);
            SendMessageW(GetDlgItem(outer, IDNO), BM_CLICK, 0, 0);
        } else if (GetTickCount64() > until) {
            ADD_FAILURE() << "the boxes were never answered; ticks " << ticks;
            if (const HWND any = openBox()) PostMessageW(any, WM_CLOSE, 0, 0);
        }
    };
    ticking.setInterval(20);
    answering.setInterval(30);
    const BoxAnswer outer = boxes.show({"Ydre", kTitle, BoxButtons::YesNo, BoxIcon::None,
                                        danish.boxOk, danish.boxYes, danish.boxNo});
    EXPECT_EQ(outer, BoxAnswer::No);
    EXPECT_EQ(inner, BoxAnswer::Ok);
    EXPECT_GE(ticks, 15);
    EXPECT_NE(outerTexts.find(wide("&" + danish.boxYes)), std::wstring::npos) << narrow(outerTexts);
    EXPECT_NE(outerTexts.find(wide("&" + danish.boxNo)), std::wstring::npos) << narrow(outerTexts);
    EXPECT_NE(innerTexts.find(wide(danish.boxOk)), std::wstring::npos) << narrow(innerTexts);
}

}  // namespace
}  // namespace korvane
