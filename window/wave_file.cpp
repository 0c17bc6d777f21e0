// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/wave_file.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>

namespace korvane {
namespace {

// A cue is a few seconds; a file far larger is no cue, and is not read whole.
constexpr std::streamoff kLargestCue = 32 << 20;

std::uint32_t little(const char* at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(at[i]);
    return value;
}

// The encodings a sound server plays without help, by the header's tag and width.
std::optional<SampleFormat> formatOf(std::uint32_t tag, std::uint32_t bits) {
    struct Known {
        std::uint32_t tag, bits;
        SampleFormat format;
    };
    static constexpr Known kKnown[] = {
        {1, 8, SampleFormat::U8},    {1, 16, SampleFormat::S16},     {1, 24, SampleFormat::S24},
        {1, 32, SampleFormat::S32},  {3, 32, SampleFormat::Float32}, {6, 8, SampleFormat::ALaw},
        {7, 8, SampleFormat::MuLaw},
    };
    for (const Known& known : kKnown)
        if (known.tag == tag && known.bits == bits) return known.format;
    return std::nullopt;
}

std::size_t sampleBytes(SampleFormat format) {
    switch (format) {
        case SampleFormat::S16:
            return 2;
        case SampleFormat::S24:
            return 3;
        case SampleFormat::S32:
        case SampleFormat::Float32:
            return 4;
        default:
            return 1;
    }
}

// The "fmt " chunk: the encoding, the rate and the channels.
std::string readFormat(const char* chunk, std::uint32_t size, Wave& wave) {
    if (size < 16) return "its format chunk is too short";
    std::uint32_t tag = little(chunk, 2);
    const std::uint32_t bits = little(chunk + 14, 2);
    // The extensible header names the encoding by the first bytes of its subformat.
    if (tag == 0xFFFE) tag = size >= 26 ? little(chunk + 24, 2) : 0;
    const auto format = formatOf(tag, bits);
    if (!format) return "it is not plain PCM, float, A-law or mu-law";
    wave.format = *format;
    wave.channels = static_cast<std::uint16_t>(little(chunk + 2, 2));
    wave.rate = little(chunk + 4, 4);
    if (wave.channels == 0 || wave.rate == 0) return "it names no channels or no rate";
    return {};
}

}  // namespace

WaveRead parseWave(const std::vector<char>& bytes) {
    WaveRead read;
    const char* at = bytes.data();
    const std::size_t size = bytes.size();
    if (size < 12 || std::memcmp(at, "RIFF", 4) != 0 || std::memcmp(at + 8, "WAVE", 4) != 0)
        return {{}, "it is not a WAV file"};
    bool formatRead = false;
    for (std::size_t chunk = 12; chunk + 8 <= size;) {
        const std::size_t length = little(at + chunk + 4, 4);
        const std::size_t body = chunk + 8;
        const std::size_t inFile = std::min(length, size - body);  // a file cut short
        if (std::memcmp(at + chunk, "fmt ", 4) == 0) {
            read.error = readFormat(at + body, static_cast<std::uint32_t>(inFile), read.wave);
            if (!read.error.empty()) return read;
            formatRead = true;
        } else if (std::memcmp(at + chunk, "data", 4) == 0) {
            if (!formatRead) return {{}, "its samples come before their format"};
            const std::size_t frame = read.wave.channels * sampleBytes(read.wave.format);
            read.wave.samples.assign(at + body, at + body + inFile / frame * frame);
            return read;
        }
        chunk = body + length + (length & 1);  // chunks lie on even bytes
    }
    return {{}, formatRead ? "it holds no samples" : "it has no format chunk"};
}

WaveRead readWave(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {{}, "it cannot be read"};
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0 || size > kLargestCue) return {{}, "it is too large for a cue"};
    file.seekg(0);
    std::vector<char> bytes(static_cast<std::size_t>(size));
    if (!file.read(bytes.data(), size)) return {{}, "it cannot be read"};
    return parseWave(bytes);
}

}  // namespace korvane
