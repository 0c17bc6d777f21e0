#pragma once
#include <cstdint>
#include <random>

#include "platform/services.h"

namespace korvane {

// A uniform generator whose sequence follows from its seed alone.
class SeededRandom : public Random {
  public:
    void seed(float seed) override;
    double next() override;

  private:
    std::mt19937_64 engine_{0};
};

}  // namespace korvane
