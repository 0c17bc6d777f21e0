// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A headless table played by keys, as a window plays it: each key goes to the
// control that has the focus, and after every event the focus goes where the
// table says.
#include <string>
#include <vector>

#include "access/table_access.h"
#include "table/table_fixture.h"

namespace korvane {

class AccessTest : public TableTest {
  protected:
    void SetUp() override {
        table.afterEvent = [this] {
            focus = access.settle(focus);
            visited.push_back(focus);
        };
    }
    // The table as a window first shows it, from a cash file of these bytes.
    void load(const char* cash = nullptr) {
        if (cash) saveCashFile(cash);
        table.Form_Load();
        focus = access.settle(focus);
    }
    KeyAnswer press(TableKey key, bool repeat = false) {
        const KeyAnswer answer = access.press(key, focus, repeat);
        focus = answer.focus;
        visited.push_back(focus);
        return answer;
    }
    void wait(int milliseconds) { platform.clock.advance(milliseconds); }
    void tabTo(const std::string& name) {
        for (int i = 0; i < 20 && nameOf(focus) != name; ++i)
            press(TableKey::Tab);
        ASSERT_EQ(nameOf(focus), name);
    }
    static std::string nameOf(const Widget* control) {
        return control ? control->name() : "the table";
    }
    static std::string nameOf(TableKey key) { return std::string(korvane::nameOf(key)); }
    // The controls that are stops now, in Tab order.
    std::vector<std::string> stops() const {
        std::vector<std::string> out;
        for (const Widget* control : access.tabOrder())
            if (access.isStop(*control)) out.push_back(control->name());
        return out;
    }
    Widget& control(const std::string& name) { return dynamic_cast<Widget&>(*table.find(name)); }

    TableAccess access{table};
    const Widget* focus = nullptr;
    std::vector<const Widget*> visited;  // every place the focus has been
};

// A deck with no two-card 21 on either side: the dealer's 10 and 2, the
// player's 5 and 4; then 7, 3 for the player and the dealer busts.
inline constexpr std::initializer_list<int> kPlainDeck{9, 40, 30, 16, 6, 41, 20, 27, 1, 51};

}  // namespace korvane
