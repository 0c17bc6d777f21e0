// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's side of the table: modal boxes, sounds and real timers.
#include <QLibrary>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "platform/cue_hold.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "window/sound_module.h"

class QWidget;

namespace korvane {

class QtMessageBoxes : public MessageBoxes {
  public:
    // The window the boxes belong to.
    void attach(QWidget* parent) { parent_ = parent; }
    BoxAnswer show(const BoxRequest& box) override;

  private:
    QWidget* parent_ = nullptr;
};

// Each cue starts at once and cuts off the one still playing. Until the window
// is on the screen, cues wait; the audio libraries are loaded then.
class QtSound : public Sound {
  public:
    QtSound();
    ~QtSound() override;
    void play(const std::string& file) override;
    // The window is up: load the audio and play what waited.
    void ready();
    bool loaded() const { return player_ != nullptr; }

  private:
    void start(const QString& path);

    QLibrary module_;
    std::unique_ptr<SoundPlayer> player_;
    CueHold<QString> hold_;
    bool failed_ = false;
};

// Real timers: a tick is an event of the table's. Ticks keep coming while a box's
// own event loop runs.
class QtTimers : public TimerHost {
  public:
    void timerChanged(Timer& timer) override;

  private:
    std::map<Timer*, std::unique_ptr<QTimer>> timers_;
};

}  // namespace korvane
