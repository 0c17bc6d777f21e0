// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows' side of the table: its own boxes, its sounds and its timers. A tick
// is a message to a window of the table's thread, so it comes while a box's own
// message loop runs, and a box opened by a tick runs its loop inside that one.
#include <windows.h>
// after windows.h, whose types it uses
#include <mmsystem.h>

#include <map>
#include <string>

#include "platform/cue_hold.h"
#include "platform/services.h"
#include "platform/timer.h"

namespace korvane {

// The system's task dialog, with the table's words on its buttons, each with
// its first letter as its key; Escape and the close button answer No (or OK).
// MessageBoxW cannot name its buttons, and renaming them from a hook leaves
// them sized for the system's words: the task dialog takes ours as they are,
// and its own message loop runs the table's timers as MessageBoxW's would.
class WinBoxes : public MessageBoxes {
  public:
    // The window the boxes belong to; none before the table's window is made.
    void attach(HWND owner) { owner_ = owner; }
    BoxAnswer show(const BoxRequest& box) override;

  private:
    HWND owner_ = nullptr;
};

// Each cue starts at once and cuts off the one still playing; a missing file,
// or a machine without a sound device, is silence. Until the window is on the
// screen, the last cue waits: the sound libraries are loaded then.
class WinSound : public Sound {
  public:
    ~WinSound() override;
    void play(const std::string& file) override;
    void ready();

  private:
    void start(const std::wstring& path);
    CueHold<std::wstring> hold_;
    // The sound library, from the first cue on.
    decltype(&PlaySoundW) playSound_ = nullptr;
};

class WinTimers : public TimerHost {
  public:
    WinTimers();
    ~WinTimers() override;
    WinTimers(const WinTimers&) = delete;
    WinTimers& operator=(const WinTimers&) = delete;
    void timerChanged(Timer& timer) override;

  private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND messages_ = nullptr;  // a window of its own that hears nothing but the ticks
    std::map<UINT_PTR, Timer*> timers_;
};

}  // namespace korvane
