// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module: QSoundEffect, one per file, kept for the run.
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <map>
#include <memory>

#include "window/sound_module.h"

namespace korvane {
namespace {

class EffectPlayer : public SoundPlayer {
  public:
    void play(const QString& path) override {
        // Without a device every new effect would say so as it loads: say it once,
        // and look again at the next cue, for a device plugged in meanwhile.
        if (QMediaDevices::audioOutputs().isEmpty()) {
            if (!toldNoDevice_) qWarning("No audio device detected");
            toldNoDevice_ = true;
            return;
        }
        auto& effect = effects_[path];
        if (!effect) {
            effect = std::make_unique<QSoundEffect>();
            effect->setSource(QUrl::fromLocalFile(path));
        }
        if (playing_) playing_->stop();
        playing_ = effect.get();
        effect->play();
    }

  private:
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* playing_ = nullptr;
    bool toldNoDevice_ = false;
};

}  // namespace
}  // namespace korvane

extern "C" Q_DECL_EXPORT korvane::SoundPlayer* korvane_create_sound_player() {
    return new korvane::EffectPlayer;  // owned by the table's sound service
}
