// SPDX-License-Identifier: GPL-3.0-or-later
// The five sounds the table plays, rendered as 16-bit mono samples at kSampleRate.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace korvane::soundsynth {

using Samples = std::vector<int16_t>;

Samples dealCue();      // a card laid on the cloth
Samples shuffle1Cue();  // a long, bright riffle: start-up and a tie
Samples shuffle2Cue();  // a short, darker riffle: each new round
Samples youWinCue();    // a rising major arpeggio
Samples youLoseCue();   // a falling minor line

// Every cue under the file name the table loads it by, e.g. "deal.wav".
std::vector<std::pair<std::string, Samples>> renderCues();

}  // namespace korvane::soundsynth
