// SPDX-License-Identifier: GPL-3.0-or-later
// korvane-soundsynth OUTPUT_DIR
// Renders every sound the table plays and writes them as WAV into OUTPUT_DIR.
#include <filesystem>
#include <iostream>
#include <system_error>

#include "cues.h"
#include "synth.h"
#include "wav.h"

int main(int argc, char** argv) {
    namespace sound = korvane::soundsynth;
    if (argc != 2) {
        std::cerr << "usage: korvane-soundsynth OUTPUT_DIR\n";
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        std::cerr << "cannot create " << dir.string() << ": " << error.message() << '\n';
        return 1;
    }
    int written = 0;
    int failed = 0;
    for (const auto& [name, samples] : sound::renderCues()) {
        const std::filesystem::path path = dir / name;
        if (sound::writeFileBytes(path.string(), sound::encodeWav(samples, sound::kSampleRate))) {
            ++written;
        } else {
            ++failed;
            std::cerr << "cannot write " << path.string() << '\n';
        }
    }
    std::cout << "wrote " << written << " sounds to " << dir.string() << '\n';
    return failed == 0 ? 0 : 1;
}
