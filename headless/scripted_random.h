// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random numbers for the tests: queued values first, then a seeded generator, so
// a test can pin the next shuffle and leave the rest to chance.
#include <deque>
#include <vector>

#include "cards/card.h"
#include "platform/seeded_random.h"

namespace korvane {

// The draw the shuffle turns into `card` (0..51): the middle of the card's slice
// of [0, 1), clear of both edges however the draw rounds.
inline double drawOf(int card) {
    return (card + 0.5) / kDeckSize;
}

class ScriptedRandom : public Random {
  public:
    void seed(float seed) override {
        seeds.push_back(seed);
        fallback_.seed(seed);
    }
    double next() override {
        if (queued.empty()) return fallback_.next();
        const double value = queued.front();
        queued.pop_front();
        return value;
    }

    // The next shuffle deals these card numbers first, in this order, and the rest
    // at random; whatever was queued before is dropped.
    void forceDeck(const std::vector<int>& cards) {
        queued.clear();
        for (const int card : cards)
            queued.push_back(drawOf(card));
    }

    std::deque<double> queued;
    std::deque<float> seeds;

  private:
    SeededRandom fallback_;
};

}  // namespace korvane
