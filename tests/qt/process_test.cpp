// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a program: closed by a signal, it still saves the cash; its sounds
// never hold up the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "platform/qt/qt_services.h"

namespace korvane {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Process, ASignalClosesTheTableAndSavesTheCash) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString cash = folder.filePath(QStringLiteral("Korvane.cash"));
        QFile laid(cash);
        ASSERT_TRUE(laid.open(QIODevice::WriteOnly));
        laid.write("2350\n2000\n");  // written back with CR LF only by a proper closing
        laid.close();
        QProcess game;
        game.setWorkingDirectory(folder.path());
        game.setProgram(QStringLiteral(KORVANE_GAME));
        game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        game.start();
        ASSERT_TRUE(game.waitForStarted(5000));
        QTest::qWait(700);
        ::kill(static_cast<pid_t>(game.processId()), signal);
        ASSERT_TRUE(game.waitForFinished(10000)) << signal;
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(readAll(cash), QByteArray("2350\r\n2000\r\n")) << signal;
    }
}

TEST(Process, SoundsPlayWithoutHoldingUpTheWindow) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString sounds = QStringLiteral(KORVANE_SOUNDS_DIR);
    const char* cues[] = {"deal.wav", "shuffle1.wav", "shuffle2.wav", "youwin.wav", "youlose.wav"};
    for (const char* cue : cues)
        ASSERT_TRUE(QFile::copy(sounds + "/" + cue, folder.filePath(QString::fromLatin1(cue))))
            << cue;
    const QString home = QDir::currentPath();
    QDir::setCurrent(folder.path());
    QtSound sound;
    sound.play("deal.wav");
    EXPECT_FALSE(sound.loaded()) << "nothing is loaded before the window is up";
    sound.ready();
    EXPECT_TRUE(sound.loaded()) << "the cue that waited plays once it is";
    int ticks = 0;
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, [&ticks] { ++ticks; });
    clock.start(20);
    QElapsedTimer elapsed;
    elapsed.start();
    for (int round = 0; round < 3; ++round)
        for (const char* cue : cues)
            sound.play(cue);
    sound.play("missing.wav");  // no file: silence, and nothing else
    EXPECT_LT(elapsed.elapsed(), 250) << "starting a sound returns at once";
    QTest::qWait(400);
    EXPECT_GE(ticks, 10) << "the window's clock kept ticking";
    QDir::setCurrent(home);
}

}  // namespace
}  // namespace korvane
