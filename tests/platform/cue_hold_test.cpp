// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cue_hold.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

TEST(CueHold, OnlyTheLastCueBeforeTheFirstFramePlaysThenEveryCueAtOnce) {
    CueHold<std::string> hold;
    EXPECT_EQ(hold.offer("shuffle1.wav"), std::nullopt);
    EXPECT_EQ(hold.offer("deal.wav"), std::nullopt);
    EXPECT_EQ(hold.windowUp(), "deal.wav");
    EXPECT_EQ(hold.offer("youwin.wav"), "youwin.wav");
    EXPECT_EQ(hold.windowUp(), std::nullopt);  // nothing plays twice
}

TEST(CueHold, AWindowUpBeforeAnyCuePlaysNothing) {
    CueHold<std::string> hold;
    EXPECT_EQ(hold.windowUp(), std::nullopt);
    EXPECT_TRUE(hold.up());
}

}  // namespace
}  // namespace korvane
