// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korvane::soundsynth {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kFullScale = 32767;
constexpr double kDcCornerHz = 20;
// exp(-7) is about -60 dB: quiet enough to stop a burst there.
constexpr double kDecaysToSilence = 7;

}  // namespace

size_t samplesFor(double seconds) {
    return static_cast<size_t>(std::lround(std::max(seconds, 0.0) * kSampleRate));
}

double secondsAt(size_t index) {
    return static_cast<double>(index) / kSampleRate;
}

double noteHz(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

Rng::Rng(uint64_t seed) {
    // splitmix64 spreads any seed, zero included, into a usable state.
    uint64_t z = seed + 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    state_ = (z ^ (z >> 31)) | 1;
}

uint64_t Rng::next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545f4914f6cdd1dULL;
}

double Rng::uniform() {
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

double Rng::between(double low, double high) {
    return low + (high - low) * uniform();
}

LowPass::LowPass(double cornerHz) : coefficient_(1 - std::exp(-kTwoPi * cornerHz / kSampleRate)) {}

double LowPass::step(double in) {
    out_ += coefficient_ * (in - out_);
    return out_;
}

double pluck(double t, double attack, double tau) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / tau);
}

Signal noiseBurst(Rng& rng, const Burst& burst) {
    Signal out(samplesFor(burst.attack + kDecaysToSilence * burst.tau));
    // Two low-pass poles round the noise off; the high-pass thins out the body.
    LowPass first(burst.highHz);
    LowPass second(burst.highHz);
    HighPass thin(burst.lowHz);
    for (size_t i = 0; i < out.size(); ++i) {
        const double white = rng.between(-1, 1);
        out[i] = thin.step(second.step(first.step(white))) *
                 pluck(secondsAt(i), burst.attack, burst.tau);
    }
    return out;
}

Signal tone(double hz, double seconds, const std::vector<Partial>& partials, double attack,
            double glide) {
    Signal out(samplesFor(seconds));
    double cycles = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = secondsAt(i);
        double sum = 0;
        for (const Partial& p : partials)
            sum += p.level * std::sin(kTwoPi * p.ratio * cycles) * pluck(t, attack, p.tau);
        out[i] = sum;
        cycles += hz * std::pow(glide, t / seconds) / kSampleRate;
    }
    return out;
}

void mixAt(Signal& into, const Signal& part, size_t offset, double gain) {
    if (into.size() < offset + part.size()) into.resize(offset + part.size());
    for (size_t i = 0; i < part.size(); ++i)
        into[offset + i] += gain * part[i];
}

void taper(Signal& signal, double fadeIn, double fadeOut) {
    const size_t in = std::min(samplesFor(fadeIn), signal.size());
    const size_t out = std::min(samplesFor(fadeOut), signal.size());
    // Half a cosine: no corner at either end of the fade for the ear to catch.
    const auto curve = [](size_t i, size_t length) {
        return 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) /
                                    static_cast<double>(length));
    };
    for (size_t i = 0; i < in; ++i)
        signal[i] *= curve(i, in);
    for (size_t i = 0; i < out; ++i)
        signal[signal.size() - 1 - i] *= curve(i, out);
}

void lowPass(Signal& signal, double cornerHz) {
    LowPass filter(cornerHz);
    for (double& sample : signal)
        sample = filter.step(sample);
}

std::vector<int16_t> finish(Signal signal, double peakDbfs, double fadeIn, double fadeOut) {
    HighPass dc(kDcCornerHz);
    for (double& sample : signal)
        sample = dc.step(sample);
    taper(signal, fadeIn, fadeOut);
    double peak = 0;
    for (const double sample : signal)
        peak = std::max(peak, std::abs(sample));
    const double gain = peak > 0 ? kFullScale * std::pow(10.0, peakDbfs / 20) / peak : 0;
    std::vector<int16_t> out(signal.size());
    for (size_t i = 0; i < signal.size(); ++i) {
        const long value = std::lround(signal[i] * gain);
        out[i] = static_cast<int16_t>(std::clamp(value, -32767L, 32767L));
    }
    return out;
}

}  // namespace korvane::soundsynth
