// SPDX-License-Identifier: GPL-3.0-or-later
// A game whose player has opened the rules box and walked away: wired as the
// game's own main is, it says "box open" once the box is up, so a test can send
// it a signal with the box open and see what the kill does. Given "start", the
// player starts a round instead, answers yes to any question, and walks away from
// the first box that asks none (a repayment's receipt, say).
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "window/closing_signals.h"
#include "window/qt_table.h"

int main(int argc, char* argv[]) {
    korvane::ClosingSignals::block();
    QApplication app(argc, argv);
    const bool startRound = argc > 1 && std::strcmp(argv[1], "start") == 0;
    korvane::QtTable table;
    const korvane::ClosingSignals closing([&table] { table.saveAsItStands(); });
    table.show();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&watch] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
            yes->click();
            return;
        }
        watch.stop();
        std::puts("box open");
        std::fflush(stdout);
    });
    watch.start(20);
    QTimer::singleShot(0, [&table, startRound] {
        korvane::Form1& form = table.form();
        form.click(startRound ? static_cast<korvane::Control&>(form.Command3) : form.Label11);
    });
    return QApplication::exec();
}
