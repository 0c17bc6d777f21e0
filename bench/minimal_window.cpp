// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline: a Qt Widgets program that shows one empty window the table's size.
#include <QApplication>
#include <QWidget>
#include <cstdlib>

#include "bench/probe_watch.h"

int main(int argc, char* argv[]) {
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 0;
    QApplication app(argc, argv);
    QWidget window;
    korvane::bench::dressAsTable(window);
    korvane::bench::Watch watch(&window);
    window.show();
    korvane::bench::schedule(watch, idleSeconds);
    return QApplication::exec();
}
