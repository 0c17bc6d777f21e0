// SPDX-License-Identifier: GPL-3.0-or-later
#include "cues.h"

namespace korvane::soundsynth {

std::vector<std::pair<std::string, Samples>> renderCues() {
    return {
        {"deal.wav", dealCue()},         {"shuffle1.wav", shuffle1Cue()},
        {"shuffle2.wav", shuffle2Cue()}, {"youwin.wav", youWinCue()},
        {"youlose.wav", youLoseCue()},
    };
}

}  // namespace korvane::soundsynth
