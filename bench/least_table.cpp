// SPDX-License-Identifier: GPL-3.0-or-later
// The least a table can be: the minimal window with one word, one button and the
// start-up cue played through the table's own sound module, as the table plays
// it once its first frame is up. What the table weighs beyond this is its own.
#include <QApplication>
#include <QLabel>
#include <QLibrary>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "bench/probe_watch.h"
#include "ui/sound_cues.h"
#include "window/sound_module.h"

namespace {

void tellSilence(const char*) {}

}  // namespace

int main(int argc, char* argv[]) {
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 0;
    QApplication app(argc, argv);
    QWidget window;
    korvane::bench::dressAsTable(window);
    QLabel word(QStringLiteral("BET $"), &window);
    QFont bold(QStringLiteral("Liberation Sans"));
    bold.setPixelSize(11);
    bold.setBold(true);
    word.setFont(bold);
    word.move(270, 330);
    QPushButton button(QStringLiteral("&Start"), &window);
    button.setGeometry(270, 360, 80, 28);
    korvane::bench::Watch watch(&window);
    window.show();
    QLibrary module(QCoreApplication::applicationDirPath() + "/libkorvane_sound.so");
    std::unique_ptr<korvane::SoundPlayer> sound;
    QTimer::singleShot(0, [&] {
        auto create = reinterpret_cast<korvane::CreateSoundPlayer>(
            module.resolve(korvane::kCreateSoundPlayer));
        if (create) sound.reset(create(&tellSilence));
        if (sound) sound->play(korvane::kStartUpSound);
    });
    korvane::bench::schedule(watch, idleSeconds);
    return QApplication::exec();
}
