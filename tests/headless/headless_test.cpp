// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "headless/headless_platform.h"

namespace korvane {
namespace {

struct TickLog {
    std::vector<std::pair<std::string, int64_t>> ticks;
    void wire(Timer& timer, VirtualClock& clock) {
        timer.onTick = [this, &timer, &clock] { ticks.emplace_back(timer.name(), clock.now()); };
        timer.attach(&clock);
    }
};

TEST(VirtualClock, DeliversEveryDueTickInOrder) {
    VirtualClock clock;
    Timer fast("Timer3"), slow("Timer2");
    TickLog log;
    log.wire(fast, clock);
    log.wire(slow, clock);
    slow.setInterval(500);
    fast.setInterval(300);
    clock.advance(1000);
    const std::vector<std::pair<std::string, int64_t>> expected{
        {"Timer3", 300}, {"Timer2", 500}, {"Timer3", 600}, {"Timer3", 900}, {"Timer2", 1000}};
    EXPECT_EQ(log.ticks, expected);
    EXPECT_EQ(clock.now(), 1000);
}

TEST(VirtualClock, SettingTheIntervalInATickRestartsFromThatTick) {
    VirtualClock clock;
    Timer deal("Timer1");
    TickLog log;
    log.wire(deal, clock);
    deal.onTick = [&] {
        log.ticks.emplace_back("Timer1", clock.now());
        deal.setInterval(500);
        if (log.ticks.size() == 4) deal.setEnabled(false);
    };
    deal.setInterval(2000);
    clock.advance(10000);
    ASSERT_EQ(log.ticks.size(), 4u);
    EXPECT_EQ(log.ticks[0].second, 2000);
    EXPECT_EQ(log.ticks[3].second, 3500);
}

TEST(ScriptedBoxes, UnscriptedOrUnfitAnswersTakeTheDefault) {
    HeadlessPlatform platform;
    const BoxRequest question{"?", "Korvane", BoxButtons::YesNo, BoxIcon::None};
    const BoxRequest notice{"!", "Korvane", BoxButtons::Ok, BoxIcon::Stop};
    EXPECT_EQ(platform.boxes.show(question), BoxAnswer::No);
    EXPECT_EQ(platform.boxes.show(notice), BoxAnswer::Ok);
    platform.boxes.queue({BoxAnswer::Ok, 0});
    EXPECT_EQ(platform.boxes.show(question), BoxAnswer::No);
    platform.boxes.queue({BoxAnswer::Yes, 0});
    EXPECT_EQ(platform.boxes.show(notice), BoxAnswer::Ok);
    EXPECT_EQ(platform.boxes.shown().size(), 4u);
}

}  // namespace
}  // namespace korvane
