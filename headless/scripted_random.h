// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random numbers for the tests: queued values first, then a seeded generator, so
// a test can pin the next shuffle and leave the rest to chance.
#include <deque>

#include "platform/seeded_random.h"

namespace korvane {

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

    std::deque<double> queued;
    std::deque<float> seeds;

  private:
    SeededRandom fallback_;
};

}  // namespace korvane
