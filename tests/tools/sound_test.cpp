// SPDX-License-Identifier: GPL-3.0-or-later
// The committed sound cues: well-formed WAVs of a cue's length, as the synthesiser makes them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "cues.h"
#include "synth.h"
#include "wav.h"

namespace {

namespace sound = korvane::soundsynth;
using Bytes = std::vector<uint8_t>;

const char* const kRerun = "; re-run the tool: korvane-soundsynth assets/sounds";

// Each file the table plays, and how long it may last.
struct CueLimits {
    const char* name;
    double minSeconds;
    double maxSeconds;
};
constexpr CueLimits kCues[] = {
    {"deal.wav", 0.05, 0.3},  {"shuffle1.wav", 0.4, 1.0}, {"shuffle2.wav", 0.4, 1.0},
    {"youwin.wav", 0.8, 1.6}, {"youlose.wav", 0.8, 1.6},
};

Bytes committed(const std::string& name) {
    return sound::readFileBytes(KORVANE_SOUNDS_DIR "/" + name).value_or(Bytes{});
}

uint32_t le32(const Bytes& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t{bytes[at + 3]} << 24;
}

TEST(SoundFiles, AreMonoPcm16WithChunkSizesMatchingTheirLength) {
    for (const CueLimits& cue : kCues) {
        SCOPED_TRACE(cue.name);
        const Bytes bytes = committed(cue.name);
        ASSERT_FALSE(bytes.empty()) << "missing assets/sounds/" << cue.name << kRerun;
        const auto info = sound::readWavHeader(bytes);
        ASSERT_TRUE(info) << "not a valid PCM WAV" << kRerun;
        EXPECT_EQ(info->formatTag, 1);
        EXPECT_EQ(info->channels, 1);
        EXPECT_EQ(info->bitsPerSample, 16);
        EXPECT_EQ(info->sampleRate, sound::kSampleRate);
        EXPECT_EQ(le32(bytes, 4), bytes.size() - 8) << "RIFF size disagrees with the file";
        EXPECT_EQ(bytes.size(), 44 + 2 * info->frames) << "not a canonical 44-byte header";
        EXPECT_GT(info->seconds, cue.minSeconds);
        EXPECT_LT(info->seconds, cue.maxSeconds);
    }
}

TEST(SoundCues, RenderExactlyTheFilesTheTablePlays) {
    std::set<std::string> rendered;
    for (const auto& [name, samples] : sound::renderCues())
        rendered.insert(name);
    std::set<std::string> expected;
    for (const CueLimits& cue : kCues)
        expected.insert(cue.name);
    EXPECT_EQ(rendered, expected);
}

TEST(SoundCues, CommittedFilesMatchAFreshRender) {
    for (const auto& [name, samples] : sound::renderCues()) {
        const Bytes fresh = sound::encodeWav(samples, sound::kSampleRate);
        const Bytes saved = committed(name);
        ASSERT_EQ(saved.size(), fresh.size()) << "assets/sounds/" << name << kRerun;
        const auto apart = std::mismatch(saved.begin(), saved.end(), fresh.begin());
        EXPECT_TRUE(apart.first == saved.end())
            << "assets/sounds/" << name << " differs from the synthesiser at byte "
            << (apart.first - saved.begin()) << kRerun;
    }
}

TEST(WavFile, EncodesACanonicalLittleEndianHeader) {
    const Bytes expected = {'R',  'I',  'F', 'F', 40,   0,    0, 0, 'W',  'A',  'V',  'E',
                            'f',  'm',  't', ' ', 16,   0,    0, 0, 1,    0,    1,    0,
                            0x22, 0x56, 0,   0,   0x44, 0xac, 0, 0, 2,    0,    16,   0,
                            'd',  'a',  't', 'a', 4,    0,    0, 0, 0x01, 0x00, 0xfe, 0xff};
    EXPECT_EQ(sound::encodeWav({1, -2}, 22050), expected);
}

}  // namespace
