// SPDX-License-Identifier: GPL-3.0-or-later
// A game whose player has opened the rules box and walked away: wired as the
// game's own main is, it says "box open" once the box is up, so a test can send
// it a signal with the box open and see what the kill does.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

#include "window/closing_signals.h"
#include "window/qt_table.h"

int main(int argc, char* argv[]) {
    korvane::ClosingSignals::block();
    QApplication app(argc, argv);
    korvane::QtTable table;
    const korvane::ClosingSignals closing([&table] { table.saveAsItStands(); });
    table.show();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&watch] {
        if (!qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) return;
        watch.stop();
        std::puts("box open");
        std::fflush(stdout);
    });
    watch.start(20);
    QTimer::singleShot(0, [&table] { table.form().click(table.form().Label11); });
    return QApplication::exec();
}
