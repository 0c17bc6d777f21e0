// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/shuffle.h"

#include <algorithm>
#include <cmath>

namespace korvane {

int drawCardNumber(Random& random) {
    const double u = random.next();
    const int n = static_cast<int>(std::floor(u * kDeckSize));
    return std::clamp(n, 0, kDeckSize - 1);
}

std::vector<int> shuffledOrder(Random& random, std::array<int16_t, kDeckSize>& drawn) {
    drawn.fill(0);
    std::vector<int> order;
    order.reserve(kDeckSize);
    for (int placed = 0; placed < kDeckSize; ++placed) {
        int n = drawCardNumber(random);
        while (drawn[static_cast<size_t>(n)] != 0)
            n = drawCardNumber(random);
        drawn[static_cast<size_t>(n)] = 1;
        order.push_back(n);
    }
    return order;
}

}  // namespace korvane
