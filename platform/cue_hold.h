// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's sounds wait for its first frame, so the sound libraries load after
// it. Of the cues asked for until then only the last plays: a newer cue would
// have cut off the one before it anyway.
#include <optional>
#include <utility>

namespace korvane {

template <class Path>
class CueHold {
  public:
    // The cue to start now, or nothing while the window is not up yet.
    std::optional<Path> offer(Path cue) {
        if (up_) return cue;
        waiting_ = std::move(cue);
        return std::nullopt;
    }
    // The window is up: the cue that waited, if one did.
    std::optional<Path> windowUp() {
        up_ = true;
        return std::exchange(waiting_, std::nullopt);
    }
    bool up() const { return up_; }

  private:
    bool up_ = false;
    std::optional<Path> waiting_;
};

}  // namespace korvane
