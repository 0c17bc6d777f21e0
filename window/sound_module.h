// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sounds live in a module of their own, opened once the table's first frame
// is on the screen: the window does not wait for the audio library to load. The
// module knows no Qt; it plays through the desktop's sound server.
#include <string>

namespace korvane {

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Starts a WAV file at once and returns; a new one cuts off the one still playing.
    virtual void play(const std::string& path) = 0;
};

// How the module tells why the table is silent. It may be called from the
// module's own thread.
using TellSilence = void (*)(const char* why);

// The module's one entry: a new player, owned by the caller.
using CreateSoundPlayer = SoundPlayer* (*)(TellSilence tell);
inline constexpr char kCreateSoundPlayer[] = "korvane_create_sound_player";

}  // namespace korvane
