// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table's sounds, looked up by bare name in the folder the game runs in.
#include <array>

namespace korvane {

inline constexpr const char* kDealSound = "deal.wav";
inline constexpr const char* kStartUpSound = "shuffle1.wav";
inline constexpr const char* kPushSound = "shuffle1.wav";
inline constexpr const char* kShuffleSound = "shuffle2.wav";
inline constexpr const char* kWinSound = "youwin.wav";
inline constexpr const char* kLoseSound = "youlose.wav";

// Every file the cues play, once each.
inline constexpr std::array<const char*, 5> kSoundFiles{kDealSound, kStartUpSound, kShuffleSound,
                                                        kWinSound, kLoseSound};

}  // namespace korvane
