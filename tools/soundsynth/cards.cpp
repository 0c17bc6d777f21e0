// SPDX-License-Identifier: GPL-3.0-or-later
// The cards' own sounds: one laid on the cloth, and the deck riffled together.
#include <cmath>
#include <numbers>

#include "cues.h"
#include "synth.h"

namespace korvane::soundsynth {

namespace {

constexpr double kPeakDbfs = -3;

// The soft knock of a card or the deck meeting the cloth: air pushed out, and a low thud.
Signal landing(Rng& rng, double airTau, double thudHz, double thudTau) {
    Signal out = noiseBurst(rng, {0.0015, airTau, 180, 2000});
    const Signal thud =
        tone(thudHz, 6 * thudTau, {{1, 1, thudTau}, {2.1, 0.3, thudTau / 3}}, 0.002, 0.6);
    mixAt(out, thud, 0, 0.5);
    return out;
}

// How one riffle sounds: how many cards, how fast, how bright.
struct Riffle {
    uint64_t seed;
    double seconds;  // the whole cue
    int cards;       // flicks heard
    double span;     // seconds the flicks take
    double swell;    // how much slower the first and last cards fall than the middle ones
    double lowHz;    // the flicks' band: higher is thinner and brighter
    double highHz;
    double flickTau;  // how long each flick rings
    int taps;         // knocks of the deck squared up afterwards
};

// When each card falls: slow at the ends, quick in the middle, never evenly.
std::vector<double> flickTimes(Rng& rng, const Riffle& riffle) {
    std::vector<double> gaps;
    double total = 0;
    for (int i = 0; i < riffle.cards; ++i) {
        const double u = static_cast<double>(i) / (riffle.cards - 1);
        const double gap = (1 + riffle.swell * std::pow(2 * u - 1, 2)) * rng.between(0.6, 1.4);
        gaps.push_back(gap);
        total += gap;
    }
    std::vector<double> times;
    double t = 0.01;
    for (const double gap : gaps) {
        times.push_back(t);
        t += gap * riffle.span / total;
    }
    return times;
}

// One card's edge snapping free of the thumb.
Signal flick(Rng& rng, const Riffle& riffle, bool leftHalf) {
    const double bright = leftHalf ? 1.1 : 0.9;
    const Burst burst{0.0004, riffle.flickTau * rng.between(0.7, 1.3), riffle.lowHz * bright,
                      riffle.highHz * bright * rng.between(0.8, 1.2)};
    Signal out = noiseBurst(rng, burst);
    const double snapHz = rng.between(0.45, 0.75) * riffle.highHz * bright;
    mixAt(out, tone(snapHz, 0.01, {{1, 1, 0.0012}}, 0.0002), 0, 0.12);
    return out;
}

// The faint rustle of the two halves brushing, loudest while the cards fall fastest.
Signal rustle(Rng& rng, const Riffle& riffle) {
    Signal out(samplesFor(riffle.span));
    LowPass round(riffle.highHz * 0.6);
    HighPass thin(riffle.lowHz * 1.5);
    for (size_t i = 0; i < out.size(); ++i) {
        const double u = secondsAt(i) / riffle.span;
        out[i] = thin.step(round.step(rng.between(-1, 1))) * std::sin(std::numbers::pi * u);
    }
    return out;
}

Samples riffleCue(const Riffle& riffle) {
    Rng rng(riffle.seed);
    Signal out(samplesFor(riffle.seconds));
    const std::vector<double> times = flickTimes(rng, riffle);
    for (size_t i = 0; i < times.size(); ++i) {
        const double u = times[i] / riffle.span;
        const double level = (0.55 + 0.45 * std::sin(std::numbers::pi * u)) * rng.between(0.5, 1);
        mixAt(out, flick(rng, riffle, i % 2 == 0), samplesFor(times[i]), level);
    }
    mixAt(out, rustle(rng, riffle), samplesFor(0.01), 0.25);
    double knock = riffle.span + 0.07;
    for (int tap = 0; tap < riffle.taps; ++tap, knock += 0.085)
        mixAt(out, landing(rng, 0.018, 120, 0.025), samplesFor(knock), 0.6 - 0.2 * tap);
    out.resize(samplesFor(riffle.seconds));
    return finish(out, kPeakDbfs, 0.004, 0.04);
}

}  // namespace

Samples dealCue() {
    Rng rng(0x6465616c);
    Signal out;
    // The card skims the cloth for a moment before it settles.
    mixAt(out, noiseBurst(rng, {0.025, 0.012, 600, 3500}), 0, 0.18);
    mixAt(out, landing(rng, 0.028, 150, 0.03), samplesFor(0.03), 1);
    out.resize(samplesFor(0.22));
    return finish(out, kPeakDbfs, 0.003, 0.03);
}

Samples shuffle1Cue() {
    return riffleCue({0x73687566666c6531, 0.85, 52, 0.62, 1.6, 1200, 7000, 0.0025, 1});
}

Samples shuffle2Cue() {
    return riffleCue({0x73687566666c6532, 0.68, 34, 0.42, 0.8, 700, 4200, 0.0035, 2});
}

}  // namespace korvane::soundsynth
