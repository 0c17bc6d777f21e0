// SPDX-License-Identifier: GPL-3.0-or-later
// The settlement behind an open box; the rest of it plays in the driver's scripts
// (tests/drive/scripts/: tiers, loss_to_nothing, fraction, ...).
#include "table/scenario.h"

namespace korvane {
namespace {

using Settlement = Scenario;

TEST_F(Settlement, TicksBehindAnOpenBoxSettleNothingTwice) {
    cashFile("2490\r\n0\r\n");
    driver_.platform().boxes.onShow = [this](const ShownBox&) {
        // The view is already settled behind the box.
        EXPECT_EQ(table().Label10.caption, "2500");
        EXPECT_EQ(table().Label9.caption, "1");
        EXPECT_EQ(table().Label5.caption, "YOU WIN");
    };
    const std::string out = play("load\nanswer ok after 5000\n" + won() +
                                 "get Label10.Caption\n"
                                 "get Label9.Caption\nget Timer3.Enabled\n" +
                                 won() + "get Label10.Caption\nget Label9.Caption\n");
    expectInOrder(out, {"Label10.Caption=2500", "Label9.Caption=1", "Timer3.Enabled=False",
                        "Label10.Caption=2510", "Label9.Caption=2"});
}

}  // namespace
}  // namespace korvane
