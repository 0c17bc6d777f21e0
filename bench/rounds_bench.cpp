// SPDX-License-Identifier: GPL-3.0-or-later
// How many whole rounds a second the table plays through its handlers on the
// virtual clock, against the cost of the one step every round must take anyway:
// building and shuffling the deck, measured in the same run.
#include <chrono>
#include <cstdio>

#include "headless/headless_platform.h"
#include "table/form1.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kAimRoundsPerSecond = 100000;

// Runs `step` in batches for about `seconds` and returns steps per second.
template <class Step>
double perSecond(Step step, double seconds) {
    long done = 0;
    const auto start = Clock::now();
    double elapsed = 0;
    while (elapsed < seconds) {
        for (int i = 0; i < 1000; ++i)
            step();
        done += 1000;
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    }
    return done / elapsed;
}

void playRound(korvane::HeadlessPlatform& platform, korvane::Form1& table) {
    table.click(table.Command3);
    platform.clock.advance(3500);
    table.click(table.Command2);  // a player who stands on what the deal gives
    platform.clock.advance(3000);
    platform.sound.played.clear();
}

}  // namespace

int main() {
    korvane::HeadlessPlatform platform;
    korvane::Form1 table(platform.services());
    table.Form_Load();
    const double shuffles = perSecond(
        [&] {
            table.BuildDeck();
            table.ShuffleDeck();
        },
        1.0);
    const double rounds = perSecond([&] { playRound(platform, table); }, 2.0);
    if (!table.Command3.enabled) {
        std::puts("error: a round did not come to its end");
        return 1;
    }
    std::printf("baseline: %.0f deck builds and shuffles a second\n", shuffles);
    std::printf("rounds:   %.0f whole rounds a second through Form1's handlers\n", rounds);
    std::printf("ratio:    a round costs %.2fx a deck build and shuffle\n", shuffles / rounds);
    std::printf("aim:      %.2fx the aim of %.0f rounds a second\n", rounds / kAimRoundsPerSecond,
                kAimRoundsPerSecond);
    return 0;
}
