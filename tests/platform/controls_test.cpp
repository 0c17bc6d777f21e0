// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/controls.h"
#include "platform/image.h"
#include "platform/scroll_bar.h"
#include "platform/timer.h"

namespace korvane {
namespace {

struct Events {
    int change = 0, scroll = 0;
};

ScrollBar& wired(ScrollBar& bar, Events& events) {
    bar.onChange = [&events] { ++events.change; };
    bar.onScroll = [&events] { ++events.scroll; };
    return bar;
}

TEST(ScrollBar, EveryChangeOfItsValueRaisesTheChangeEvent) {
    ScrollBar bar("HScroll1");
    Events events;
    wired(bar, events).setMax(100);
    bar.setValue(10);
    bar.setValue(10);  // no move, no event
    EXPECT_EQ(events.change, 1);
    bar.setValue(500);
    EXPECT_EQ(bar.value(), 100);
    bar.setValue(-5);
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(events.change, 3);
}

TEST(ScrollBar, LoweringTheMaximumBringsTheValueDownWithIt) {
    ScrollBar bar("HScroll1");
    Events events;
    wired(bar, events).setMax(10000);
    bar.setValue(1000);
    bar.setMax(100);
    EXPECT_EQ(bar.value(), 100);
    EXPECT_EQ(events.change, 2);
}

TEST(ScrollBar, DraggingScrollsAndLettingGoChanges) {
    ScrollBar bar("HScroll1");
    Events events;
    wired(bar, events).setMax(100);
    bar.dragTo(30);
    bar.dragTo(40);
    EXPECT_EQ(events.scroll, 2);
    EXPECT_EQ(events.change, 0);
    bar.endDrag();
    bar.endDrag();
    EXPECT_EQ(events.change, 1);
    EXPECT_EQ(bar.value(), 40);
}

struct CountingHost : TimerHost {
    int restarts = 0;
    void timerChanged(Timer&) override { ++restarts; }
};

TEST(Timer, SwitchingOrSettingTheIntervalRestartsItsCount) {
    CountingHost host;
    Timer timer("Timer2");
    timer.attach(&host);
    timer.setEnabled(false);
    timer.setInterval(500);
    timer.setEnabled(true);
    timer.setEnabled(true);  // already on: nothing changes
    EXPECT_EQ(host.restarts, 3);
    EXPECT_TRUE(timer.running());
    timer.setInterval(0);
    EXPECT_FALSE(timer.running());
}

TEST(ListBox, ReadingPastTheEndGivesTheEmptyText) {
    ListBox list("List2");
    list.addItem("0 0");
    EXPECT_EQ(list.item(0), "0 0");
    EXPECT_EQ(list.item(1), "");
    EXPECT_EQ(list.item(-1), "");
    list.clear();
    EXPECT_EQ(list.count(), 0);
}

TEST(Picture, HandlesCompareByIdentity) {
    ImageCatalogue images;
    PictureBox back("Picture1(5)"), pile("Picture1(11)"), other("Picture1(6)");
    back.picture = images.get("back10");
    pile.picture = back.picture;
    other.picture = images.get("back9");
    EXPECT_EQ(pile.picture, back.picture);
    EXPECT_NE(other.picture, back.picture);
    EXPECT_EQ(images.get("back10"), back.picture);
    EXPECT_EQ(pictureName(pile.picture), "back10");
    EXPECT_EQ(pictureName(nullptr), "none");
}

TEST(Widget, IsShownAndUsableOnlyWithTheFrameAroundIt) {
    Frame frame("Frame4");
    PictureBox inside("Picture1(6)");
    inside.container = &frame;
    frame.place = {120, 2640, 10095, 3135};
    inside.place = {240, 360, 1800, 2460};
    EXPECT_TRUE(inside.shown());
    frame.visible = false;
    EXPECT_FALSE(inside.shown());
    frame.enabled = false;
    EXPECT_FALSE(inside.usable());
    EXPECT_EQ(inside.placeOnWindow(), (Place{360, 3000, 1800, 2460}));
}

}  // namespace
}  // namespace korvane
