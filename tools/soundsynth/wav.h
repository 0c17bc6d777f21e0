// SPDX-License-Identifier: GPL-3.0-or-later
// Mono 16-bit PCM WAV files: writing the table's sounds and checking them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvane::soundsynth {

// What a WAV header says about the sound inside it.
struct WavInfo {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int formatTag = 0;
    size_t frames = 0;
    double seconds = 0;
};

// A canonical 44-byte header and the samples, little-endian whatever the machine.
std::vector<uint8_t> encodeWav(const std::vector<int16_t>& samples, int sampleRate);

// Refuses anything but PCM whose RIFF, fmt and data chunks fit the bytes given.
std::optional<WavInfo> readWavHeader(const std::vector<uint8_t>& bytes);

// The samples of a valid 16-bit PCM file, channels interleaved.
std::optional<std::vector<int16_t>> readWavSamples(const std::vector<uint8_t>& bytes);

std::optional<std::vector<uint8_t>> readFileBytes(const std::string& path);
bool writeFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace korvane::soundsynth
