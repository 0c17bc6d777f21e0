// SPDX-License-Identifier: GPL-3.0-or-later
// The committed sound cues against the synthesiser, and the WAV reader against bad files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
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

void setLe32(Bytes& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

double dbfs(int level) {
    return 20 * std::log10(std::max(level, 1) / 32767.0);
}

// The loudest sample in [first, last), in dBFS.
double peakDbfs(const sound::Samples& samples, size_t first, size_t last) {
    int peak = 0;
    for (size_t i = first; i < last && i < samples.size(); ++i)
        peak = std::max(peak, std::abs(int{samples[i]}));
    return dbfs(peak);
}

sound::Samples committedSamples(const std::string& name) {
    return sound::readWavSamples(committed(name)).value_or(sound::Samples{});
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

TEST(SoundFiles, AreAudibleButNeverClipped) {
    for (const CueLimits& cue : kCues) {
        const sound::Samples samples = committedSamples(cue.name);
        ASSERT_FALSE(samples.empty()) << cue.name << kRerun;
        const double peak = peakDbfs(samples, 0, samples.size());
        EXPECT_GT(peak, -12) << cue.name << " is too quiet";
        EXPECT_LT(peak, -1) << cue.name << " is too close to clipping";
    }
}

// A sound that starts or stops mid-wave clicks in the speaker.
TEST(SoundFiles, StartAndEndInSilence) {
    const size_t edge = sound::samplesFor(0.002);
    const size_t tail = sound::samplesFor(0.01);
    for (const CueLimits& cue : kCues) {
        SCOPED_TRACE(cue.name);
        const sound::Samples samples = committedSamples(cue.name);
        ASSERT_GT(samples.size(), tail) << kRerun;
        EXPECT_LE(std::abs(samples.front()), 64);
        EXPECT_LE(std::abs(samples.back()), 64);
        EXPECT_LT(peakDbfs(samples, 0, edge), -30) << "starts with a click";
        EXPECT_LT(peakDbfs(samples, samples.size() - tail, samples.size()), -36)
            << "stops before it has faded";
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

// Nothing may depend on the clock, the machine or a global seed.
TEST(SoundCues, RenderTheSameEveryTime) {
    EXPECT_TRUE(sound::renderCues() == sound::renderCues());
}

// One is heard at start-up and on a tie, the other every round: they must not blur together.
TEST(SoundCues, TheTwoShufflesAreAudiblyDifferentLengths) {
    const double one = sound::secondsAt(sound::shuffle1Cue().size());
    const double two = sound::secondsAt(sound::shuffle2Cue().size());
    EXPECT_GT(std::abs(one - two), 0.1) << one << " s against " << two << " s";
}

// Zero crossings a second: a rough pitch, enough to hear which way a tune goes.
double crossingsPerSecond(const sound::Samples& samples, double from, double to) {
    const size_t first = sound::samplesFor(from);
    const size_t last = std::min(sound::samplesFor(to), samples.size());
    int crossings = 0;
    for (size_t i = first + 1; i < last; ++i)
        if ((samples[i - 1] < 0) != (samples[i] < 0)) ++crossings;
    return crossings / (2 * (to - from));
}

TEST(SoundCues, TheWinRisesAndTheLossFalls) {
    struct Direction {
        sound::Samples samples;
        bool rises;
        const char* name;
    };
    const Direction tunes[] = {{sound::youWinCue(), true, "win"},
                               {sound::youLoseCue(), false, "loss"}};
    for (const Direction& tune : tunes) {
        const double opening = crossingsPerSecond(tune.samples, 0.02, 0.1);
        const double close = crossingsPerSecond(tune.samples, 0.6, 0.9);
        EXPECT_EQ(close > opening * 1.2, tune.rises)
            << tune.name << ": " << opening << " Hz to " << close;
        EXPECT_EQ(close < opening / 1.2, !tune.rises)
            << tune.name << ": " << opening << " Hz to " << close;
    }
}

TEST(WavFile, EncodesACanonicalLittleEndianHeader) {
    const Bytes expected = {'R',  'I',  'F', 'F', 40,   0,    0, 0, 'W',  'A',  'V',  'E',
                            'f',  'm',  't', ' ', 16,   0,    0, 0, 1,    0,    1,    0,
                            0x22, 0x56, 0,   0,   0x44, 0xac, 0, 0, 2,    0,    16,   0,
                            'd',  'a',  't', 'a', 4,    0,    0, 0, 0x01, 0x00, 0xfe, 0xff};
    EXPECT_EQ(sound::encodeWav({1, -2}, 22050), expected);
}

TEST(WavFile, ReadsBackWhatWasWritten) {
    const sound::Samples samples = {0, 1000, -1000, 32767, -32768, 5};
    const Bytes bytes = sound::encodeWav(samples, 44100);
    const auto info = sound::readWavHeader(bytes);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->frames, samples.size());
    EXPECT_EQ(info->sampleRate, 44100);
    EXPECT_DOUBLE_EQ(info->seconds, 6.0 / 44100);
    EXPECT_EQ(sound::readWavSamples(bytes), samples);
}

// Other tools put extra chunks before the samples; they are stepped over.
TEST(WavFile, StepsOverChunksItDoesNotKnow) {
    Bytes bytes = sound::encodeWav({7, 8, 9}, 22050);
    const Bytes list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    bytes.insert(bytes.begin() + 36, list.begin(), list.end());
    setLe32(bytes, 4, static_cast<uint32_t>(bytes.size() - 8));
    EXPECT_EQ(sound::readWavSamples(bytes), (sound::Samples{7, 8, 9}));
}

TEST(WavFile, RefusesBrokenFiles) {
    struct Broken {
        const char* what;
        std::function<void(Bytes&)> spoil;
    };
    const Broken cases[] = {
        {"empty", [](Bytes& b) { b.clear(); }},
        {"cut inside the header", [](Bytes& b) { b.resize(30); }},
        {"cut inside the samples", [](Bytes& b) { b.resize(b.size() - 3); }},
        {"a format other than PCM", [](Bytes& b) { b[20] = 3; }},
        {"a data chunk larger than the file", [](Bytes& b) { setLe32(b, 40, 1000); }},
        {"a data chunk of half a frame", [](Bytes& b) { setLe32(b, 40, 5); }},
        {"a frame size that is not the channels' worth", [](Bytes& b) { b[32] = 4; }},
        {"not RIFF", [](Bytes& b) { b[3] = 'X'; }},
        {"RIFF but not WAVE", [](Bytes& b) { b[8] = 'A'; }},
        {"no format before the samples", [](Bytes& b) { b[12] = 'x'; }},
        {"bytes that are no sound at all", [](Bytes& b) { std::fill(b.begin(), b.end(), 0x5a); }},
    };
    for (const Broken& broken : cases) {
        Bytes bytes = sound::encodeWav({1, 2, 3, 4}, 22050);
        broken.spoil(bytes);
        EXPECT_FALSE(sound::readWavHeader(bytes)) << broken.what;
        EXPECT_FALSE(sound::readWavSamples(bytes)) << broken.what;
    }
}

}  // namespace
