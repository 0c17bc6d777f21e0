// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A kill, Ctrl+C or a closed terminal closes the table as the player would, so
// the cash is saved. The signals are blocked for the whole process and read from
// a descriptor, so they arrive as ordinary events on the window's thread.
#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace korvane {

class ClosingSignals {
  public:
    // First thing in main, before any thread starts, so every thread blocks them.
    static void block();

    explicit ClosingSignals(std::function<void()> close);
    ~ClosingSignals();
    ClosingSignals(const ClosingSignals&) = delete;
    ClosingSignals& operator=(const ClosingSignals&) = delete;

  private:
    void arrived();

    int fd_ = -1;
    std::function<void()> close_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace korvane
