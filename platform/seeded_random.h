// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>

#include "platform/services.h"

namespace korvane {

// A uniform generator whose sequence follows from its seed alone (xoshiro256**,
// seeded through splitmix64): cheap to seed, as the table seeds it every round.
class SeededRandom : public Random {
  public:
    void seed(float seed) override;
    double next() override;

  private:
    std::array<uint64_t, 4> state_{1, 2, 3, 4};
};

}  // namespace korvane
