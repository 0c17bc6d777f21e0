// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/seeded_random.h"

#include <cstring>

namespace korvane {
namespace {

uint64_t splitMix(uint64_t& x) {
    uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint64_t rotl(uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

}  // namespace

void SeededRandom::seed(float seed) {
    // The seed's bits, copied rather than cast, as every compiler we build with takes it.
    uint32_t bits = 0;
    static_assert(sizeof bits == sizeof seed);
    std::memcpy(&bits, &seed, sizeof bits);
    uint64_t x = bits;
    for (uint64_t& word : state_)
        word = splitMix(x);
}

double SeededRandom::next() {
    const uint64_t result = rotl(state_[1] * 5, 7) * 9;
    const uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotl(state_[3], 45);
    // 53 random bits make a double strictly below 1.
    return static_cast<double>(result >> 11) * 0x1.0p-53;
}

}  // namespace korvane
