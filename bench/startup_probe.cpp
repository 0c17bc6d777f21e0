// SPDX-License-Identifier: GPL-3.0-or-later
// The table started as the game starts it, for qt_bench to time and weigh.
#include <cstdlib>
#include <memory>

#include "bench/probe_watch.h"
#include "window/table_program.h"

int main(int argc, char* argv[]) {
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 0;
    std::unique_ptr<korvane::bench::Watch> watch;
    return korvane::runTableProgram(argc, argv, [&](QWidget& window) {
        watch = std::make_unique<korvane::bench::Watch>(&window);
        korvane::bench::schedule(*watch, idleSeconds);
    });
}
