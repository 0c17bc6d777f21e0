// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything a window needs from outside, for running the table without a screen.
#include "headless/memory_files.h"
#include "headless/recording_sound.h"
#include "headless/scripted_boxes.h"
#include "headless/scripted_random.h"
#include "headless/virtual_clock.h"

namespace korvane {

class HeadlessPlatform {
  public:
    // Files in memory unless a test or the driver hands in its own.
    explicit HeadlessPlatform(TextFiles* files = nullptr) : files_(files ? *files : memoryFiles) {}
    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

    Services services() { return Services{boxes, sound, files_, random, clock, clock}; }
    // Lets go of the sounds, boxes and seeds written down so far.
    void forget() {
        sound.played.clear();
        boxes.forget();
        random.seeds.clear();
    }

    VirtualClock clock;
    ScriptedBoxes boxes{clock};
    RecordingSound sound;
    MemoryFiles memoryFiles;
    ScriptedRandom random;

  private:
    TextFiles& files_;
};

}  // namespace korvane
