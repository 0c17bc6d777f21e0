// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A kill, Ctrl+C or a closed terminal ends the game: the cash is saved as the
// table stands and the process ends at once, even with a box open, for a logout
// waits for no one. The signals are blocked for the whole process and read from a
// descriptor, so they arrive as ordinary events on the window's thread, between
// two handlers or inside a box's own event loop.
#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace korvane {

class ClosingSignals {
  public:
    // First thing in main, before any thread starts, so every thread blocks them.
    static void block();

    // `save` runs when a signal comes; then the process ends with status 0.
    explicit ClosingSignals(std::function<void()> save);
    ~ClosingSignals();
    ClosingSignals(const ClosingSignals&) = delete;
    ClosingSignals& operator=(const ClosingSignals&) = delete;

  private:
    void arrived();

    int fd_ = -1;
    std::function<void()> save_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace korvane
