// SPDX-License-Identifier: GPL-3.0-or-later
// The little tunes at the end of a hand: bright and rising for a win, dull and falling for a loss.
#include <vector>

#include "cues.h"
#include "synth.h"

namespace korvane::soundsynth {

namespace {

// Held tones carry further than clicks, so the tunes sit a little lower; the loss
// lower still, so it does not rub it in.
constexpr double kWinPeakDbfs = -6;
constexpr double kLosePeakDbfs = -7.5;

struct Note {
    int midi;
    double at;  // seconds into the tune
    double gain;
    double ring;  // how long the note takes to die away
};

// How an instrument strikes: its partials with decays as fractions of a note's ring.
struct Voice {
    std::vector<Partial> shape;
    double attack;
    double lastGlide;  // how far the final note sags in pitch
    bool oneAtATime;   // each note silences the last, rather than ringing on under it
};

constexpr double kRelease = 0.04;
// A breath of silence first, so the first strike is not cut by the fade-in.
constexpr double kLeadIn = 0.006;

Signal play(const std::vector<Note>& notes, const Voice& voice, double seconds) {
    Signal out(samplesFor(seconds));
    for (size_t n = 0; n < notes.size(); ++n) {
        const Note& note = notes[n];
        std::vector<Partial> partials = voice.shape;
        for (Partial& p : partials)
            p.tau *= note.ring;
        const bool last = n + 1 == notes.size();
        const double length =
            voice.oneAtATime && !last ? notes[n + 1].at - note.at + kRelease : seconds - note.at;
        Signal sound =
            tone(noteHz(note.midi), length, partials, voice.attack, last ? voice.lastGlide : 1.0);
        if (!last && voice.oneAtATime) taper(sound, 0, kRelease);
        mixAt(out, sound, samplesFor(kLeadIn + note.at), note.gain);
    }
    out.resize(samplesFor(seconds));
    return out;
}

}  // namespace

Samples youWinCue() {
    // A mallet on wood: the fundamental, a soft octave, and the quick bright fourth harmonic.
    const Voice mallet{{{1, 1, 1}, {2, 0.12, 0.4}, {3.98, 0.22, 0.15}}, 0.003, 1.0, false};
    const std::vector<Note> arpeggio{
        {72, 0.00, 0.60, 0.28},  // C
        {76, 0.11, 0.65, 0.28},  // E
        {79, 0.22, 0.70, 0.30},  // G
        {84, 0.33, 0.90, 0.45},  // C above
        {88, 0.33, 0.18, 0.35},  // a faint E sparkling over it
    };
    return finish(play(arpeggio, mallet, 1.4), kWinPeakDbfs, 0.003, 0.2);
}

Samples youLoseCue() {
    // Rounder and slower to speak, and the last note sags.
    const Voice muffled{{{1, 1, 1}, {2, 0.25, 0.5}, {3, 0.08, 0.3}}, 0.012, 0.975, true};
    const std::vector<Note> line{
        {67, 0.00, 0.80, 0.30},  // G
        {63, 0.17, 0.75, 0.30},  // E flat
        {62, 0.34, 0.70, 0.30},  // D
        {60, 0.51, 0.70, 0.50},  // C
    };
    Signal out = play(line, muffled, 1.45);
    lowPass(out, 1400);
    return finish(out, kLosePeakDbfs, 0.003, 0.2);
}

}  // namespace korvane::soundsynth
