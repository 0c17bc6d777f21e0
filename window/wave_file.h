// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A cue's WAV file read into samples the sound server takes as they are. The
// game's own cues are 16-bit mono; a player's own may be any plain WAV.
#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

enum class SampleFormat { U8, S16, S24, S32, Float32, ALaw, MuLaw };

struct Wave {
    SampleFormat format = SampleFormat::S16;
    std::uint32_t rate = 0;
    std::uint16_t channels = 0;
    std::vector<char> samples;  // little-endian, as in the file
};

// The file's samples, or why it cannot be played (empty `error` when it can).
struct WaveRead {
    Wave wave;
    std::string error;
};

WaveRead readWave(const std::string& path);
// The same from bytes already read.
WaveRead parseWave(const std::vector<char>& bytes);

}  // namespace korvane
