// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sounds' use of Qt Multimedia lives in a module of its own, opened once the
// table's first frame is on the screen: the window does not wait for the audio
// libraries to load.
#include <QString>

namespace korvane {

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Starts a WAV file at once; a new one cuts off the one still playing.
    virtual void play(const QString& path) = 0;
};

// The module's one entry: a new player, owned by the caller.
using CreateSoundPlayer = SoundPlayer* (*)();
inline constexpr char kCreateSoundPlayer[] = "korvane_create_sound_player";

}  // namespace korvane
