// SPDX-License-Identifier: GPL-3.0-or-later
// The table started as the game starts it, for qt_bench to time and weigh.
#include <QApplication>
#include <QStyleFactory>
#include <cstdlib>

#include "bench/probe_watch.h"
#include "window/qt_table.h"

int main(int argc, char* argv[]) {
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 0;
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    korvane::QtTable table;
    korvane::bench::Watch watch(&table.view());
    table.show();
    return korvane::bench::run(watch, idleSeconds);
}
