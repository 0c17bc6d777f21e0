// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/closing_signals.h"

#include <sys/signalfd.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

namespace korvane {
namespace {

sigset_t closingSet() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaddset(&set, signal);
    return set;
}

}  // namespace

void ClosingSignals::block() {
    const sigset_t set = closingSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

ClosingSignals::ClosingSignals(std::function<void()> save) : save_(std::move(save)) {
    const sigset_t set = closingSet();
    fd_ = ::signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (fd_ < 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { arrived(); });
}

ClosingSignals::~ClosingSignals() {
    notifier_.reset();
    if (fd_ >= 0) ::close(fd_);
}

void ClosingSignals::arrived() {
    signalfd_siginfo info{};
    bool any = false;
    while (::read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info))
        any = true;
    if (!any) return;
    if (save_) save_();
    // Nothing else is owed: no box to close, no loop to leave, no second save.
    std::fflush(nullptr);
    ::_exit(0);
}

}  // namespace korvane
