// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the table's probe and the minimal window share: they say when their first
// frame is painted and, if asked, stand idle and report what that cost.
#include <sys/resource.h>

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace korvane::bench {

// Counts the program's timer events and spots the window's first paint.
class Watch : public QObject {
  public:
    explicit Watch(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
    long timerEvents = 0;

  protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() == QEvent::Timer) ++timerEvents;
        if (!painted_ && event->type() == QEvent::Paint && target == window_) {
            painted_ = true;
            // Told once the paint is done, from the next turn of the event loop.
            QTimer::singleShot(0, [] {
                std::puts("painted");
                std::fflush(stdout);
            });
        }
        return false;
    }

  private:
    QWidget* window_;
    bool painted_ = false;
};

// The baselines' window: the table's size, in the table's style.
inline void dressAsTable(QWidget& window) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    window.resize(693, 563);
}

struct Usage {
    double cpuMs;
    long switches, maxRssKb;
};

inline Usage usage() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    const double cpu = (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 +
                       (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
    return {cpu, r.ru_nvcsw + r.ru_nivcsw, r.ru_maxrss};
}

// What a start-up run waits after the first paint before it weighs itself: the
// table's start-up cue is playing by then.
constexpr int kSettleMs = 500;

// Before the event loop runs: after the first paint, settle, print the peak
// memory and quit; or, if asked, settle a second, stand idle for `idleSeconds`
// and print what that cost (the one timer that ends the wait is ours).
inline void schedule(Watch& watch, int idleSeconds) {
    if (idleSeconds <= 0) {
        QTimer::singleShot(kSettleMs, [] {
            std::printf("memory max_rss_kb=%ld\n", usage().maxRssKb);
            std::fflush(stdout);
            QApplication::quit();
        });
        return;
    }
    QTimer::singleShot(1000, [&watch, idleSeconds] {
        const Usage before = usage();
        const long timersBefore = watch.timerEvents;
        QTimer::singleShot(idleSeconds * 1000, [&watch, before, timersBefore] {
            const Usage after = usage();
            std::printf("idle cpu_ms=%.1f switches=%ld timer_events=%ld max_rss_kb=%ld\n",
                        after.cpuMs - before.cpuMs, after.switches - before.switches,
                        watch.timerEvents - timersBefore - 1, after.maxRssKb);
            std::fflush(stdout);
            QApplication::quit();
        });
    });
}

}  // namespace korvane::bench
