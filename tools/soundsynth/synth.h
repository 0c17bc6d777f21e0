// SPDX-License-Identifier: GPL-3.0-or-later
// The few building blocks the table's sounds are made of: noise, filters,
// decaying tones, and turning the mix into quiet, click-free 16-bit samples.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace korvane::soundsynth {

inline constexpr int kSampleRate = 22050;

// Samples at kSampleRate, nominally within [-1, 1] before the final scaling.
using Signal = std::vector<double>;

size_t samplesFor(double seconds);
double secondsAt(size_t index);
double noteHz(int midiNote);

// Our own xorshift64*, so a seed always gives the same sound on any machine.
class Rng {
  public:
    explicit Rng(uint64_t seed);
    uint64_t next();
    double uniform();  // [0, 1)
    double between(double low, double high);

  private:
    uint64_t state_;
};

// One pole: gentle 6 dB/octave roll-off above the corner.
class LowPass {
  public:
    explicit LowPass(double cornerHz);
    double step(double in);

  private:
    double coefficient_;
    double out_ = 0;
};

// What the low-pass takes away: keeps the bite, drops the rumble.
class HighPass {
  public:
    explicit HighPass(double cornerHz) : low_(cornerHz) {}
    double step(double in) { return in - low_.step(in); }

  private:
    LowPass low_;
};

// A linear rise over attack seconds, then exponential decay with time constant tau.
double pluck(double t, double attack, double tau);

// Noise shaped between lowHz and highHz, plucked; long enough to fade by 60 dB.
struct Burst {
    double attack;
    double tau;
    double lowHz;
    double highHz;
};
Signal noiseBurst(Rng& rng, const Burst& burst);

// One partial of a struck tone: a multiple of the pitch, its level and its own decay.
struct Partial {
    double ratio;
    double level;
    double tau;
};
// glide is the pitch reached by the end, as a fraction of the start.
Signal tone(double hz, double seconds, const std::vector<Partial>& partials, double attack,
            double glide = 1.0);

void mixAt(Signal& into, const Signal& part, size_t offset, double gain);
// Fades in over the first fadeIn seconds and out over the last fadeOut seconds.
void taper(Signal& signal, double fadeIn, double fadeOut);
void lowPass(Signal& signal, double cornerHz);

// Fades both ends, removes any DC, and scales the peak to peakDbfs (-3 is 3 dB under full scale).
std::vector<int16_t> finish(Signal signal, double peakDbfs, double fadeIn, double fadeOut);

}  // namespace korvane::soundsynth
