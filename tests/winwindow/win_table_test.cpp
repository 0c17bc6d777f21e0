// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows window's own part of the game: its keys, a round by keys and by
// mouse on the real controls, the places and looks at each monitor's scale, what
// a screen reader reads back, the cash kept on a close or at the end of the
// session, and a second start bringing the open table up.
#include <oleacc.h>

#include "tests/winwindow/win_fixture.h"
#include "ui/screen_look.h"
#include "ui/spoken.h"
#include "winwindow/image_bank.h"
#include "winwindow/one_table.h"
#include "winwindow/win_keys.h"
#include "winwindow/win_look.h"

namespace korvane {
namespace {

TEST(WinKeysTest, MapsWindowsKeysToTheTables) {
    const HeldKeys none, shift{true, false, false}, ctrl{false, true, false},
        alt{false, false, true};
    const struct {
        UINT message;
        WPARAM key;
        HeldKeys held;
        TableKey expected;
    } cases[] = {
        {WM_KEYDOWN, VK_TAB, none, TableKey::Tab},
        {WM_KEYDOWN, VK_TAB, shift, TableKey::ShiftTab},
        {WM_KEYDOWN, VK_TAB, ctrl, TableKey::Other},  // the system's, between windows
        {WM_KEYDOWN, 'Q', ctrl, TableKey::CtrlQ},
        {WM_KEYDOWN, 'Q', none, TableKey::Other},
        {WM_KEYDOWN, VK_SPACE, none, TableKey::Space},
        {WM_KEYDOWN, VK_SPACE, shift, TableKey::Other},
        {WM_KEYDOWN, VK_RETURN, none, TableKey::Enter},
        {WM_KEYDOWN, VK_PRIOR, none, TableKey::PageUp},
        {WM_KEYDOWN, VK_END, none, TableKey::End},
        {WM_KEYDOWN, VK_F1, none, TableKey::F1},
        {WM_SYSKEYDOWN, 'S', alt, TableKey::AltS},
        {WM_SYSKEYDOWN, '1', alt, TableKey::Alt1},
        {WM_SYSKEYDOWN, '2', alt, TableKey::Alt2},
        {WM_SYSKEYDOWN, 'S', HeldKeys{true, false, true}, TableKey::Other},
        {WM_SYSKEYDOWN, VK_F4, alt, TableKey::Other},  // the system closes the window itself
        {WM_KEYUP, VK_SPACE, none, TableKey::Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tableKeyOf(c.message, c.key, c.held), c.expected)
            << "message " << c.message << " key " << c.key;
}

class WinWindow : public WinWindowTest {};

TEST_F(WinWindow, PlaysARoundByKeysAndByMouse) {
    for (const bool byKeys : {true, false}) {
        SCOPED_TRACE(byKeys ? "by keys" : "by mouse");
        // Dealer 10 and 2; player 5 and 4, then 7 and 3; the dealer busts on five cards.
        random_.forceDeck({9, 40, 30, 16, 6, 41, 20, 27, 1, 51});
        open();
        const auto act = [&](const Button& button, char accessKey) {
            if (byKeys) return press(WM_SYSKEYDOWN, accessKey);
            SendMessageW(window(button), BM_CLICK, 0, 0);
        };
        act(form().Command3, 'S');
        ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(window(form().Command1)); }, 8000));
        EXPECT_EQ(shown(form().Label5), L"Your Turn");
        EXPECT_EQ(shown(form().Label3), L"9");
        act(form().Command1, '1');
        act(form().Command1, '1');
        EXPECT_EQ(shown(form().Label3), L"19");
        for (int card = 0; card < 4; ++card)
            EXPECT_TRUE(IsWindowVisible(window(form().Picture2(card)))) << "card " << card;
        act(form().Command2, '2');
        ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(window(form().Command3)); }, 10000));
        EXPECT_EQ(shown(form().Label5), L"YOU WIN");
        EXPECT_EQ(shown(form().Label10), byKeys ? L"1010" : L"1020");
        EXPECT_TRUE(!byKeys || saveShot(table(), buildFolder() + L"\\windows.bmp"));
        table_.reset();
    }
}

// The window's words in the table's font at the scale, and a label's where the
// table aligns them.
void expectLook(HWND hwnd, const Widget& control, const Shown& now, int height) {
    const auto kind = control.kind();
    if (kind == ControlKind::Label) {
        const LONG_PTR alignment = GetWindowLongPtrW(hwnd, GWL_STYLE) & SS_TYPEMASK;
        EXPECT_EQ(alignment, now.alignment == Alignment::Right    ? SS_RIGHT
                             : now.alignment == Alignment::Centre ? SS_CENTER
                                                                  : SS_LEFT);
    }
    if (kind != ControlKind::Label && kind != ControlKind::Button && kind != ControlKind::CheckBox)
        return;  // no words, or drawn by the table in its own font
    LOGFONTW font{};
    ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)),
                           sizeof font, &font));
    EXPECT_EQ(font.lfHeight, -height);
    EXPECT_EQ(font.lfWeight, now.font.bold ? FW_BOLD : FW_NORMAL);
}

// Each window as it was made (dpi 0: as the table opens, at 96) and then moved to a monitor
// of another scale: in its place, shown or hidden, with its text and its look.
TEST_F(WinWindow, PlacesEveryControlAtTheMonitorsScale) {
    open();
    for (const UINT dpi : {0u, 96u, 144u, 192u}) {
        RECT suggested{0, 0, 100, 100};
        if (dpi)
            SendMessageW(table(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&suggested));
        const auto scaled = [dpi](int px) {
            return dpi ? MulDiv(px, static_cast<int>(dpi), 96) : px;
        };
        ScreenTable screen(form());
        for (const ShownChange& change : screen.update()) {
            const Widget* control = change.control;
            const HWND hwnd = window(*control);
            if (!hwnd) continue;  // the cheat switches are painted on the cloth
            SCOPED_TRACE(control->name() + " at " + std::to_string(dpi) + " dpi");
            EXPECT_EQ((GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0, change.now->visible);
            EXPECT_EQ(shown(*control), wide(change.now->text));
            RECT at;
            GetWindowRect(hwnd, &at);
            MapWindowPoints(HWND_DESKTOP, table(), reinterpret_cast<POINT*>(&at), 2);
            const PixelPlace p = pixelPlace(control->placeOnWindow());
            EXPECT_NEAR(at.left, scaled(p.left), 1);
            EXPECT_NEAR(at.top, scaled(p.top), 1);
            EXPECT_NEAR(at.right - at.left, scaled(p.width), 1);
            EXPECT_NEAR(at.bottom - at.top, scaled(p.height), 1);
            expectLook(hwnd, *control, *change.now, scaled(change.now->font.pixelSize));
        }
    }
}

TEST_F(WinWindow, DrawsEveryPictureTheTableHolds) {
    open();
    ImageBank bank;
    for (const std::string& name : form().images.names()) {
        const Picture picture = form().images.get(name);
        if (picture == form().Me.icon) continue;  // the program's own icon, a resource of its own
        for (const UINT dpi : {96u, 192u}) {
            BITMAP size{};
            const HBITMAP drawn = bank.bitmap(picture, dpi, Rgb{0, 128, 0});
            EXPECT_TRUE(drawn && GetObjectW(drawn, sizeof size, &size) && size.bmWidth > 0)
                << name << " at " << dpi << " dpi";
        }
    }
}

// What a screen reader in a process of its own reads: the window's answer to
// WM_GETOBJECT, unpacked by oleacc. (wine's AccessibleObjectFromWindow takes the
// in-process road, which its LresultFromObject does not go yet.)
std::wstring readBack(HWND hwnd) {
    IAccessible* object = nullptr;
    const LRESULT answer = SendMessageW(hwnd, WM_GETOBJECT, 0, OBJID_CLIENT);
    if (answer <= 0 || FAILED(ObjectFromLresult(answer, __uuidof(IAccessible), 0,
                                                reinterpret_cast<void**>(&object))))
        return L"(no object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT got = object->get_accName(self, &name);
    std::wstring text = got == S_OK && name ? std::wstring(name) : L"";
    SysFreeString(name);
    object->Release();
    return text;
}

TEST_F(WinWindow, NamesEachControlAsTheTableSpeaksIt) {
    random_.forceDeck({9, 40, 30, 16, 6, 41, 20, 27, 1, 51});
    open();
    SendMessageW(window(form().Command3), BM_CLICK, 0, 0);
    ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(window(form().Command1)); }, 8000));
    // A button, the switch, a label, a card face up and the dealer's hole card,
    // which tells only that it lies face down.
    const Widget* const controls[] = {&form().Command1, &form().Check1, &form().Label5,
                                      &form().Picture2(0), &form().Picture1(0)};
    for (const Widget* control : controls) {
        const std::string spoken = spokenFor(form(), *control).name;
        SCOPED_TRACE(control->name() + ": " + spoken);
        EXPECT_FALSE(spoken.empty());
        EXPECT_EQ(readBack(window(*control)), wide(spoken));
    }
}

TEST_F(WinWindow, KeepsTheCashOnACloseAndAtTheEndOfTheSession) {
    for (const UINT ending : {WM_CLOSE, WM_ENDSESSION}) {
        SCOPED_TRACE(ending == WM_CLOSE ? "close" : "end of session");
        writeBytes(L"Korvane.cash", "700\r\n0\r\n");
        open();
        writeBytes(L"Korvane.cash", "");
        // Windows asks first; the table never holds a session up.
        EXPECT_TRUE(ending == WM_CLOSE || SendMessageW(table(), WM_QUERYENDSESSION, 0, 0));
        SendMessageW(table(), ending, TRUE, 0);
        EXPECT_EQ(bytesOf(L"Korvane.cash").substr(0, 5), "700\r\n");
        table_.reset();
    }
}

TEST_F(WinWindow, ASecondStartBringsTheOpenTableUp) {
    const OneTable first(path(L""));
    EXPECT_FALSE(first.elsewhere());
    open();
    first.mark(table());
    ShowWindow(table(), SW_MINIMIZE);
    const OneTable second(path(L""));
    EXPECT_TRUE(second.elsewhere());
    EXPECT_TRUE(second.raiseOpen(2000));
    EXPECT_FALSE(IsIconic(table()));
    const OneTable elsewhere(path(L"other"));
    EXPECT_FALSE(elsewhere.elsewhere());
}

}  // namespace
}  // namespace korvane
