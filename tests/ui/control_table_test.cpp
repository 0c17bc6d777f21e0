// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "table/table_fixture.h"

namespace korvane {
namespace {

using ControlTable = TableTest;

TEST_F(ControlTable, EveryNamedControlExistsOnce) {
    std::set<std::string> names;
    for (const Control* c : table.controls())
        EXPECT_TRUE(names.insert(c->name()).second) << c->name();
    const char* expected[] = {"Form1",        "Frame3",      "Frame4",       "Picture1(0)",
                              "Picture1(11)", "Picture2(4)", "Picture3(51)", "Picture4(2)",
                              "Label1(4)",    "Label2(0)",   "Label3",       "Label18",
                              "Command3",     "Check1",      "HScroll1",     "List1",
                              "List2",        "Timer1",      "Timer3"};
    for (const char* name : expected)
        EXPECT_NE(table.find(name), nullptr) << name;
    EXPECT_EQ(names.size(), 111u);
}

TEST_F(ControlTable, WhatIsNeverSeenLiesOutsideTheWindow) {
    table.Form_Load();
    EXPECT_EQ(table.Me.clientWidth(), 10395);
    EXPECT_EQ(table.Me.clientHeight(), 8445);
    std::vector<const Widget*> unseen{&table.Picture1(5), &table.List1, &table.List2};
    for (int n = 0; n < 52; ++n)
        unseen.push_back(&table.Picture3(n));
    for (int k = 0; k < 5; ++k) {
        unseen.push_back(&table.Label1(k));
        unseen.push_back(&table.Label2(k));
    }
    for (const Widget* w : unseen)
        EXPECT_FALSE(table.reachable(*w)) << w->name();
    for (const Widget* w : table.widgets()) {
        if (std::find(unseen.begin(), unseen.end(), w) != unseen.end() || !w->shown()) continue;
        const Place p = w->placeOnWindow();
        EXPECT_LE(p.left + p.width, table.Me.clientWidth()) << w->name();
        EXPECT_LE(p.top + p.height, table.Me.clientHeight()) << w->name();
    }
}

}  // namespace
}  // namespace korvane
