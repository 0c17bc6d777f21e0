// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/services.h"

namespace korvane {

// Sounds for the tests: nothing is heard, everything is written down.
class RecordingSound : public Sound {
  public:
    void play(const std::string& file) override {
        played.push_back(file);
        if (onPlay) onPlay(file);
    }
    std::vector<std::string> played;
    std::function<void(const std::string&)> onPlay;
};

}  // namespace korvane
