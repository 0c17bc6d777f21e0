#include "platform/seeded_random.h"

#include <bit>

namespace korvane {

void SeededRandom::seed(float seed) {
    engine_.seed(std::bit_cast<uint32_t>(seed));
}

double SeededRandom::next() {
    // 53 random bits make a double strictly below 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

}  // namespace korvane
