// SPDX-License-Identifier: GPL-3.0-or-later
// The table's sounds through the real module: a cue plays to its end on a sound
// server, the next cuts it off, none holds up the window, a machine without
// sound says so once; and the cue files the module reads.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <cstring>

#include "window/qt_services.h"
#include "window/wave_file.h"

namespace korvane {
namespace {

const char* const kCues[] = {"deal.wav", "shuffle1.wav", "shuffle2.wav", "youwin.wav",
                             "youlose.wav"};

// A folder of the five cues, made the current one, as the game runs in its own.
class CueFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        for (const char* cue : kCues)
            ASSERT_TRUE(QFile::copy(QStringLiteral(KORVANE_SOUNDS_DIR "/") + cue,
                                    folder_.filePath(QString::fromLatin1(cue))));
        home_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        server_ = qgetenv("PULSE_SERVER");
    }
    void TearDown() override {
        QDir::setCurrent(home_);
        if (server_.isNull())
            qunsetenv("PULSE_SERVER");
        else
            qputenv("PULSE_SERVER", server_);
    }
    QString path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }

    QTemporaryDir folder_;
    QString home_;
    QByteArray server_;
};

// A PulseAudio of the test's own, in its folder, with one silent sink that
// takes samples at the sound's own pace, as a sound card does.
class SoundServer : public CueFolder {
  protected:
    void SetUp() override {
        CueFolder::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty())
            GTEST_SKIP() << "no PulseAudio to play into: make test installs it, unless "
                            "PipeWire's pulse server stands in for it on this desktop";
        const QString socket = path("native");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "PULSE_RUNTIME_PATH",
                                 "PULSE_STATE_PATH"})
            environment.insert(QString::fromLatin1(name), folder_.path());
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           QStringLiteral("unix:path=") + path("no-bus"));
        environment.remove(QStringLiteral("DISPLAY"));
        daemon_.setProcessEnvironment(environment);
        daemon_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        daemon_.start(QStringLiteral("pulseaudio"),
                      {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                       "--realtime=no", "--high-priority=no", "--log-level=error", "-L",
                       "module-native-protocol-unix auth-anonymous=1 socket=" + socket, "-L",
                       "module-null-sink"});
        ASSERT_TRUE(QTest::qWaitFor([&socket] { return QFile::exists(socket); }, 10000));
        qputenv("PULSE_SERVER", QFile::encodeName("unix:" + socket));
    }
    void TearDown() override {
        daemon_.terminate();
        daemon_.waitForFinished(5000);
        CueFolder::TearDown();
    }
    // The streams playing now, by name, with their samples' format.
    QStringList playing() {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"),
                    {QStringLiteral("list"), QStringLiteral("sink-inputs")});
        pactl.waitForFinished(5000);
        static const QRegularExpression kSampleLine(QStringLiteral("^\\s*Sample \\w+:(.*)$"));
        QStringList streams;
        QString format;
        for (const QString& line : QString::fromUtf8(pactl.readAllStandardOutput()).split('\n')) {
            // pactl's "Sample ...:" line: the stream's sample format, rate and channels.
            if (const auto sample = kSampleLine.match(line); sample.hasMatch())
                format = sample.captured(1).trimmed();
            if (line.contains(QLatin1String("media.name = ")))
                streams << line.section('"', 1, 1) + ' ' + format;
        }
        return streams;
    }

    QProcess daemon_;  // ended with the test
};

TEST_F(SoundServer, ACuePlaysToItsEndAndTheNextCutsItOff) {
    const auto only = [this](const char* cue) {
        return QTest::qWaitFor(
            [&] {
                return playing() == QStringList{QString::fromLatin1(cue) + " s16le 1ch 22050Hz"};
            },
            5000);
    };
    QtSound sound;
    sound.ready();
    sound.play("youwin.wav");  // 1.40 s
    ASSERT_TRUE(only("youwin.wav"));
    QElapsedTimer since;
    since.start();
    sound.play("youlose.wav");  // 1.45 s
    ASSERT_TRUE(only("youlose.wav")) << "the new cue cuts off the old";
    EXPECT_LT(since.elapsed(), 1000) << "the old one did not play on to its end";
    ASSERT_TRUE(QTest::qWaitFor([this] { return playing().isEmpty(); }, 10000))
        << "a cue that played to its end goes";
    EXPECT_GT(since.elapsed(), 1000) << "it took as long as its sound";
}

TEST_F(CueFolder, SoundsPlayWithoutHoldingUpTheWindow) {
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
        for (const char* cue : kCues)
            sound.play(cue);
    sound.play("missing.wav");  // no file: silence, and nothing else
    const qint64 played = elapsed.elapsed();
    EXPECT_LT(played, 250) << "starting a sound returns at once";
    ASSERT_TRUE(QTest::qWaitFor([&ticks] { return ticks >= 10; }, 5000));
    EXPECT_LT(elapsed.elapsed() - played, 400) << "the window's clock kept ticking";
}

// Counts the warnings that say no sound can be heard, from whichever thread.
struct NoDeviceWarnings {
    static inline std::atomic<int> count = 0;
    static void handler(QtMsgType, const QMessageLogContext&, const QString& message) {
        if (message.contains(QLatin1String("No audio device detected"))) ++count;
    }
};

// A machine without sound hears of it once, not at every cue of every round.
TEST_F(CueFolder, NoAudioDeviceIsToldOnce) {
    // No sound server answers at this address.
    qputenv("PULSE_SERVER", QFile::encodeName("unix:" + path("no-server")));
    const QtMessageHandler before = qInstallMessageHandler(NoDeviceWarnings::handler);
    QtSound sound;
    sound.ready();
    sound.play("shuffle1.wav");
    EXPECT_TRUE(QTest::qWaitFor([] { return NoDeviceWarnings::count > 0; }, 5000))
        << "the player is told why the table is silent";
    for (int round = 0; round < 3; ++round)
        for (const char* cue : kCues)
            sound.play(cue);
    EXPECT_FALSE(QTest::qWaitFor([] { return NoDeviceWarnings::count > 1; }, 1000))
        << NoDeviceWarnings::count << " times";
    qInstallMessageHandler(before);
}

// A WAV file of `channels` x `rate` in `tag`'s encoding, `bits` a sample, with
// `bytes` of samples where the header says `claimed`, after a chunk of odd size.
std::vector<char> wave(int tag, int channels, int bits, std::uint32_t bytes, std::uint32_t claimed,
                       bool extensible = false) {
    std::vector<char> out;
    const auto put = [&out](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            out.push_back(char(value >> (8 * i)));
    };
    const auto word = [&out](const char* name) { out.insert(out.end(), name, name + 4); };
    word("RIFF");
    put(0, 4);
    word("WAVE");
    word("LIST");
    put(3, 4);
    put(0, 4);  // three bytes, and the byte that pads them
    word("fmt ");
    put(extensible ? 40 : 16, 4);
    put(extensible ? 0xFFFE : tag, 2);
    put(channels, 2);
    put(8000, 4);
    put(8000 * channels * bits / 8, 4);
    put(channels * bits / 8, 2);
    put(bits, 2);
    if (extensible) {
        put(22, 2);
        put(bits, 2);
        put(0, 4);
        put(tag, 2);
        out.insert(out.end(), 14, '\0');
    }
    word("data");
    put(claimed, 4);
    out.insert(out.end(), bytes, '\x11');
    return out;
}

TEST(WaveFile, ReadsWhatASoundServerPlays) {
    const WaveRead own = readWave(KORVANE_SOUNDS_DIR "/deal.wav");
    ASSERT_EQ(own.error, "");
    EXPECT_EQ(own.wave.format, SampleFormat::S16);
    EXPECT_EQ(own.wave.rate, 22050u);
    EXPECT_EQ(own.wave.channels, 1u);
    EXPECT_EQ(own.wave.samples.size() + 44,
              std::size_t(QFile(KORVANE_SOUNDS_DIR "/deal.wav").size()));
    const struct {
        const char* what;
        std::vector<char> bytes;
        std::string error;
        SampleFormat format;
        std::size_t samples;
    } cases[] = {
        {"8-bit stereo", wave(1, 2, 8, 100, 100), "", SampleFormat::U8, 100},
        {"24-bit, cut short mid-frame", wave(1, 2, 24, 100, 9000), "", SampleFormat::S24, 96},
        {"float in the extensible header", wave(3, 1, 32, 64, 64, true), "", SampleFormat::Float32,
         64},
        {"mu-law", wave(7, 1, 8, 10, 10), "", SampleFormat::MuLaw, 10},
        {"ADPCM", wave(2, 1, 4, 10, 10), "it is not plain PCM, float, A-law or mu-law", {}, 0},
        {"no channels", wave(1, 0, 16, 10, 10), "it names no channels or no rate", {}, 0},
        {"not a WAV file", {'R', 'I', 'F', 'X'}, "it is not a WAV file", {}, 0},
    };
    for (const auto& c : cases) {
        const WaveRead read = parseWave(c.bytes);
        EXPECT_EQ(read.error, c.error) << c.what;
        if (!c.error.empty()) continue;
        EXPECT_EQ(read.wave.format, c.format) << c.what;
        EXPECT_EQ(read.wave.samples.size(), c.samples) << c.what;
    }
    EXPECT_EQ(readWave(KORVANE_SOUNDS_DIR "/none.wav").error, "it cannot be read");
}

}  // namespace
}  // namespace korvane
