// SPDX-License-Identifier: GPL-3.0-or-later
#include "wav.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace korvane::soundsynth {

namespace {

constexpr int kPcm = 1;
constexpr size_t kChunkHeader = 8;

void put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value & 0xff));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xff));
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

void putTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(tag[i]));
}

uint32_t get16(const std::vector<uint8_t>& in, size_t at) {
    return static_cast<uint32_t>(in[at]) | static_cast<uint32_t>(in[at + 1]) << 8;
}

uint32_t get32(const std::vector<uint8_t>& in, size_t at) {
    return get16(in, at) | get16(in, at + 2) << 16;
}

bool tagIs(const std::vector<uint8_t>& in, size_t at, const char* tag) {
    return std::equal(tag, tag + 4, in.begin() + static_cast<std::ptrdiff_t>(at));
}

// Where the data chunk lies once the header has been found sound.
struct Layout {
    WavInfo info;
    size_t dataOffset = 0;
    size_t dataBytes = 0;
};

std::optional<WavInfo> parseFormat(const std::vector<uint8_t>& in, size_t at, size_t size) {
    if (size < 16) return std::nullopt;
    WavInfo info;
    info.formatTag = static_cast<int>(get16(in, at));
    info.channels = static_cast<int>(get16(in, at + 2));
    info.sampleRate = static_cast<int>(get32(in, at + 4));
    const uint32_t byteRate = get32(in, at + 8);
    const uint32_t blockAlign = get16(in, at + 12);
    info.bitsPerSample = static_cast<int>(get16(in, at + 14));
    const bool sane = info.formatTag == kPcm && info.channels > 0 && info.sampleRate > 0 &&
                      info.bitsPerSample > 0 && info.bitsPerSample % 8 == 0 &&
                      info.bitsPerSample <= 32 &&
                      blockAlign == static_cast<uint32_t>(info.channels * info.bitsPerSample / 8) &&
                      byteRate == blockAlign * static_cast<uint32_t>(info.sampleRate);
    if (!sane) return std::nullopt;
    return info;
}

// Walks the chunks; every size must fit inside the RIFF chunk, and that inside the bytes.
std::optional<Layout> parseLayout(const std::vector<uint8_t>& in) {
    if (in.size() < 12 || !tagIs(in, 0, "RIFF") || !tagIs(in, 8, "WAVE")) return std::nullopt;
    const size_t riffEnd = size_t{get32(in, 4)} + kChunkHeader;
    if (riffEnd > in.size() || riffEnd < 12) return std::nullopt;
    std::optional<WavInfo> format;
    for (size_t at = 12; at + kChunkHeader <= riffEnd;) {
        const size_t size = get32(in, at + 4);
        const size_t body = at + kChunkHeader;
        if (size > riffEnd - body) return std::nullopt;
        if (tagIs(in, at, "fmt ")) {
            format = parseFormat(in, body, size);
            if (!format) return std::nullopt;
        } else if (tagIs(in, at, "data")) {
            if (!format) return std::nullopt;
            const size_t block = static_cast<size_t>(format->channels * format->bitsPerSample / 8);
            if (size % block != 0) return std::nullopt;
            Layout layout{*format, body, size};
            layout.info.frames = size / block;
            layout.info.seconds =
                static_cast<double>(layout.info.frames) / static_cast<double>(format->sampleRate);
            return layout;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

}  // namespace

std::vector<uint8_t> encodeWav(const std::vector<int16_t>& samples, int sampleRate) {
    const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
    const auto rate = static_cast<uint32_t>(sampleRate);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, kPcm);
    put16(out, 1);  // mono
    put32(out, rate);
    put32(out, rate * 2);  // bytes a second
    put16(out, 2);         // bytes a frame
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataBytes);
    for (const int16_t sample : samples)
        put16(out, static_cast<uint16_t>(sample));
    return out;
}

std::optional<WavInfo> readWavHeader(const std::vector<uint8_t>& bytes) {
    const auto layout = parseLayout(bytes);
    if (!layout) return std::nullopt;
    return layout->info;
}

std::optional<std::vector<int16_t>> readWavSamples(const std::vector<uint8_t>& bytes) {
    const auto layout = parseLayout(bytes);
    if (!layout || layout->info.bitsPerSample != 16) return std::nullopt;
    std::vector<int16_t> samples(layout->dataBytes / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(get16(bytes, layout->dataOffset + 2 * i));
    return samples;
}

std::optional<std::vector<uint8_t>> readFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file),
                               std::istreambuf_iterator<char>()};
    if (file.bad()) return std::nullopt;
    return bytes;
}

bool writeFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

}  // namespace korvane::soundsynth
