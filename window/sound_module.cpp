// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module: each cue is a stream of its own on the desktop's sound server
// (PulseAudio, or PipeWire in its place), fed and drained on the library's own
// thread, so the window's thread only hands cues over.
#include <pulse/error.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "window/sound_module.h"
#include "window/wave_file.h"

namespace korvane {
namespace {

// A cue read from its file, and named after it on the server's list of streams.
struct Loaded {
    std::string name;
    Wave wave;
};
using Cue = std::shared_ptr<const Loaded>;

pa_sample_format_t serverFormat(SampleFormat format) {
    switch (format) {
        case SampleFormat::U8:
            return PA_SAMPLE_U8;
        case SampleFormat::S16:
            return PA_SAMPLE_S16LE;
        case SampleFormat::S24:
            return PA_SAMPLE_S24LE;
        case SampleFormat::S32:
            return PA_SAMPLE_S32LE;
        case SampleFormat::Float32:
            return PA_SAMPLE_FLOAT32LE;
        case SampleFormat::ALaw:
            return PA_SAMPLE_ALAW;
        case SampleFormat::MuLaw:
            return PA_SAMPLE_ULAW;
    }
    return PA_SAMPLE_INVALID;
}

// Holds the library's lock for a scope of the window's thread.
class Locked {
  public:
    explicit Locked(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
    ~Locked() { pa_threaded_mainloop_unlock(loop_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

  private:
    pa_threaded_mainloop* loop_;
};

class ServerPlayer final : public SoundPlayer {
  public:
    explicit ServerPlayer(TellSilence tell) : tell_(tell), loop_(pa_threaded_mainloop_new()) {
        pa_threaded_mainloop_start(loop_);
    }
    ~ServerPlayer() override {
        {
            const Locked locked(loop_);
            dropConnection();
        }
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
    }

    void play(const std::string& path) override {
        const Cue cue = load(path);
        if (!cue) return;
        const Locked locked(loop_);
        // A server that was gone may be back: look again at every cue.
        if (!context_ || !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_))) connect();
        if (context_ && pa_context_get_state(context_) == PA_CONTEXT_READY)
            start(cue);
        else
            waiting_ = cue;  // a newer cue replaces one still waiting, as when playing
    }

  private:
    // Read once a file and kept for the run, as the same few cues come round.
    Cue load(const std::string& path) {
        auto known = cues_.find(path);
        if (known != cues_.end()) return known->second;
        WaveRead read = readWave(path);
        Cue cue;
        if (read.error.empty())
            cue = std::make_shared<const Loaded>(
                Loaded{path.substr(path.find_last_of('/') + 1), std::move(read.wave)});
        else
            tell_(("cannot play " + path + ": " + read.error).c_str());
        return cues_[path] = cue;
    }

    void connect() {
        dropConnection();
        pa_proplist* about = pa_proplist_new();
        pa_proplist_sets(about, PA_PROP_APPLICATION_NAME, "Korvane");
        pa_proplist_sets(about, PA_PROP_APPLICATION_ICON_NAME, "korvane");
        context_ =
            pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), "Korvane", about);
        pa_proplist_free(about);
        pa_context_set_state_callback(context_, &ServerPlayer::contextChanged, this);
        // A game never starts a sound server of its own.
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) silent();
    }

    void dropConnection() {
        if (!context_) return;
        cut();  // a stream lives on its connection
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }

    static void contextChanged(pa_context* context, void* self) {
        auto& player = *static_cast<ServerPlayer*>(self);
        const pa_context_state_t state = pa_context_get_state(context);
        if (state == PA_CONTEXT_READY && player.waiting_)
            player.start(std::exchange(player.waiting_, {}));
        if (state == PA_CONTEXT_FAILED) {
            player.waiting_.reset();
            player.silent();
        }
    }

    void start(const Cue& cue) {
        cut();
        const pa_sample_spec samples{serverFormat(cue->wave.format), cue->wave.rate,
                                     static_cast<std::uint8_t>(cue->wave.channels)};
        if (!pa_sample_spec_valid(&samples)) return;
        pa_proplist* about = pa_proplist_new();
        pa_proplist_sets(about, PA_PROP_MEDIA_ROLE, "event");  // the desktop's volume for alerts
        stream_ =
            pa_stream_new_with_proplist(context_, cue->name.c_str(), &samples, nullptr, about);
        pa_proplist_free(about);
        if (!stream_) return silent();
        playing_ = cue;
        sent_ = 0;
        pa_stream_set_state_callback(stream_, &ServerPlayer::streamChanged, this);
        pa_stream_set_write_callback(stream_, &ServerPlayer::feed, this);
        if (pa_stream_connect_playback(stream_, nullptr, nullptr, PA_STREAM_NOFLAGS, nullptr,
                                       nullptr) < 0)
            silent();
    }

    // Gone at once, mid-sound: the server drops what it still holds of it.
    void cut() {
        if (!stream_) return;
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
        stream_ = nullptr;
        playing_.reset();
    }

    static void feed(pa_stream* stream, std::size_t room, void* self) {
        auto& player = *static_cast<ServerPlayer*>(self);
        const std::vector<char>& samples = player.playing_->wave.samples;
        const std::size_t now = std::min(room, samples.size() - player.sent_);
        if (now > 0)
            pa_stream_write(stream, samples.data() + player.sent_, now, nullptr, 0,
                            PA_SEEK_RELATIVE);
        player.sent_ += now;
        if (player.sent_ < samples.size()) return;
        // All of it is with the server: played to its end, the stream goes.
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        pa_operation* drain = pa_stream_drain(stream, &ServerPlayer::drained, self);
        if (drain) pa_operation_unref(drain);
    }

    static void drained(pa_stream* stream, int, void* self) {
        auto& player = *static_cast<ServerPlayer*>(self);
        if (stream == player.stream_) player.cut();
    }

    static void streamChanged(pa_stream* stream, void* self) {
        auto& player = *static_cast<ServerPlayer*>(self);
        if (pa_stream_get_state(stream) != PA_STREAM_FAILED) return;
        player.cut();
        player.silent();
    }

    // Said once a run, from whichever thread finds it.
    void silent() {
        if (told_) return;
        told_ = true;
        const int error = context_ ? pa_context_errno(context_) : PA_ERR_INTERNAL;
        tell_(
            (std::string("No audio device detected, so the table is silent: ") + pa_strerror(error))
                .c_str());
    }

    TellSilence tell_;
    pa_threaded_mainloop* loop_;
    // The rest is the library thread's, under its lock; `cues_` is the caller's.
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    Cue waiting_, playing_;
    std::size_t sent_ = 0;
    bool told_ = false;
    std::map<std::string, Cue> cues_;
};

}  // namespace
}  // namespace korvane

extern "C" __attribute__((visibility("default"))) korvane::SoundPlayer* korvane_create_sound_player(
    korvane::TellSilence tell) {
    return new korvane::ServerPlayer(tell);  // owned by the table's sound service
}
