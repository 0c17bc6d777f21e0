// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a program: a signal saves the cash as the table stands and ends the
// game at once, box or no box; a second copy in the folder stays out.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>


namespace korvane {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class GameProcess : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
    // Whatever a failed test left playing in the folder goes with it.
    void TearDown() override {
        for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs))
            if (QFile::symLinkTarget(QStringLiteral("/proc/%1/cwd").arg(pid)) == folder_.path())
                ::kill(static_cast<pid_t>(pid.toLong()), SIGKILL);
    }
    QString path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
    void lay(const char* name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void start(QProcess& process, const QString& program,
               QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel) {
        // The player's runtime folder, where an open table listens for a second launch.
        const QString runtime = path("run");
        QDir().mkdir(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder_.path());
        process.setProgram(program);
        process.setProcessChannelMode(channels);
        process.start();
        ASSERT_TRUE(process.waitForStarted(5000));
    }
    // The table has painted its first frame: the sound module, loaded just
    // then for the start-up sound, is in the process's memory.
    static bool painted(const QProcess& process) {
        return readAll(QStringLiteral("/proc/%1/maps").arg(process.processId()))
            .contains("libkorvane_sound");
    }
    // Signals the process and tells how long it took to end; -1: it did not.
    static qint64 signalAndTime(QProcess& process, int signal) {
        QElapsedTimer took;
        took.start();
        ::kill(static_cast<pid_t>(process.processId()), signal);
        return process.waitForFinished(5000) ? took.elapsed() : -1;
    }

    QTemporaryDir folder_;
};

TEST_F(GameProcess, ASignalSavesTheCashAndEndsTheGameAtOnce) {
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(KORVANE_SOUNDS_DIR "/shuffle1.wav"), path("shuffle1.wav")));
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        lay("Korvane.cash", "2350\n2000\n");  // written back with CR LF only by a save
        QProcess game;
        start(game, QStringLiteral(KORVANE_GAME));
        ASSERT_TRUE(QTest::qWaitFor([&] { return painted(game); }, 10000)) << signal;
        const qint64 took = signalAndTime(game, signal);
        ASSERT_GE(took, 0) << signal;
        EXPECT_LT(took, 1000) << signal;
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(game.exitCode(), 0) << signal;
        EXPECT_EQ(readAll(path("Korvane.cash")), QByteArray("2350\r\n2000\r\n")) << signal;
    }
}

// A logout's signal must not wait for a player to answer a box.
TEST_F(GameProcess, ASignalEndsTheGameWithABoxOpen) {
    lay("Korvane.cash", "2350\n2000\n");
    QProcess probe;  // the table with its rules box left open
    start(probe, QStringLiteral(KORVANE_BOX_PROBE));
    ASSERT_TRUE(probe.waitForReadyRead(10000));
    ASSERT_EQ(probe.readLine().trimmed(), QByteArray("box open"));
    const qint64 took = signalAndTime(probe, SIGTERM);
    ASSERT_GE(took, 0) << "the box held the game";
    EXPECT_LT(took, 1000);
    EXPECT_EQ(readAll(path("Korvane.cash")), QByteArray("2350\r\n2000\r\n"));

    // A box at start-up, before the table holds any cash: ended, the file untouched.
    const QByteArray tooLarge(70000, '7');
    lay("Korvane.cash", tooLarge);
    QProcess game;
    start(game, QStringLiteral(KORVANE_GAME));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path("Korvane.lock")); }, 10000));
    const qint64 ended = signalAndTime(game, SIGTERM);
    ASSERT_GE(ended, 0) << "the start-up box held the game";
    EXPECT_LT(ended, 1000);
    EXPECT_EQ(readAll(path("Korvane.cash")), tooLarge);
}

// A repayment the player agreed to is in the file before its receipt opens: a
// signal while the receipt is open saves it, not the cash from before.
TEST_F(GameProcess, ASignalWithARepaymentsReceiptOpenKeepsThePayment) {
    lay("Korvane.cash", "5000\r\n1000\r\n");
    QProcess probe;  // starts a round, says yes to the payback, leaves the receipt open
    probe.setArguments({QStringLiteral("start")});
    start(probe, QStringLiteral(KORVANE_BOX_PROBE));
    ASSERT_TRUE(probe.waitForReadyRead(10000));
    ASSERT_EQ(probe.readLine().trimmed(), QByteArray("box open"));
    EXPECT_EQ(readAll(path("Korvane.cash")), QByteArray("3750\r\n0\r\n"));
    ASSERT_GE(signalAndTime(probe, SIGTERM), 0) << "the box held the game";
    EXPECT_EQ(readAll(path("Korvane.cash")), QByteArray("3750\r\n0\r\n"));
}

// Two tables on one purse would create or lose money: the second stays out.
TEST_F(GameProcess, ASecondTableInTheFolderStaysOut) {
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(KORVANE_SOUNDS_DIR "/shuffle1.wav"), path("shuffle1.wav")));
    lay("Korvane.cash", "2350\r\n2000\r\n");
    QProcess first;
    start(first, QStringLiteral(KORVANE_GAME));
    ASSERT_TRUE(QTest::qWaitFor([&] { return painted(first); }, 10000));
    lay("Korvane.cash", "777\n0\n");  // a second table that played would save it with CR LF
    QProcess drive;                   // the driver takes the same lock
    start(drive, QStringLiteral(KORVANE_DRIVE), QProcess::SeparateChannels);
    drive.write("load\nclick Command3\nunload\n");
    drive.closeWriteChannel();
    ASSERT_TRUE(drive.waitForFinished(5000));
    EXPECT_TRUE(drive.readAllStandardOutput().startsWith(
        "box title=\"Korvane\" text=\"The table is already open in another window"));
    EXPECT_TRUE(drive.readAllStandardError().contains("error: click: the window is closed"));
    // A second game brings the first one's window to the front and goes, having
    // done what the player wanted (status 0), never touching the file.
    QProcess second;
    start(second, QStringLiteral(KORVANE_GAME));
    ASSERT_TRUE(second.waitForFinished(10000)) << "the second game stayed";
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(readAll(path("Korvane.cash")), QByteArray("777\n0\n")) << "never touched";
    EXPECT_GE(signalAndTime(first, SIGTERM), 0);
    EXPECT_EQ(readAll(path("Korvane.cash")), QByteArray("2350\r\n2000\r\n"))
        << "the first table saves what it holds";
}

}  // namespace
}  // namespace korvane
