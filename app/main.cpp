// SPDX-License-Identifier: GPL-3.0-or-later
// Korvane: 21 against the dealer, for play money, on a green table.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QSessionManager>
#include <QStyleFactory>

#include "window/closing_signals.h"
#include "window/qt_table.h"
#include "window/raise_channel.h"

namespace {

// How long a second launch waits for the open table to answer.
constexpr int kRaiseDeadlineMs = 1500;

// The launcher found no folder to keep the cash in and starts the game in a
// passing one: the player hears why, and decides whether to play regardless.
bool playWithoutCashFolder() {
    const QString why = QString::fromLocal8Bit(qgetenv("KORVANE_NO_CASH_FOLDER"));
    if (why.isEmpty()) return true;
    qWarning("Korvane: no folder for the cash: %s", qPrintable(why));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Korvane"),
                    QStringLiteral("Korvane cannot keep your cash between games: %1.\n"
                                   "Play anyway? The cash of this game is lost when it closes.")
                        .arg(why),
                    QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

int main(int argc, char* argv[]) {
    korvane::ClosingSignals::block();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    // Listening before the table starts, so a signal ends even a box at start-up.
    korvane::QtTable* playing = nullptr;
    korvane::RaiseChannel raising;
    const korvane::ClosingSignals closing([&playing, &raising] {
        if (playing) playing->saveAsItStands();
        raising.close();  // the process ends at once, past every destructor
    });
    if (!playWithoutCashFolder()) return 0;
    // A second launch for this folder brings its open table to the front; one
    // that does not answer in time leaves the player the box that says so.
    const QString channel = korvane::RaiseChannel::address(QDir::currentPath());
    korvane::QtTable table(nullptr, [&channel] {
        if (!korvane::RaiseChannel::askToRaise(channel, kRaiseDeadlineMs)) return false;
        qInfo("Korvane: the table of this folder is already open, and came to the front");
        return true;
    });  // the table's start-up runs here
    if (table.form().standsDown()) return 1;
    playing = &table;
    raising.listen(channel, [&table] { table.raise(); });
    // However else the run ends, the table closes once and the cash is saved.
    QObject::connect(&app, &QGuiApplication::commitDataRequest,
                     [&table](QSessionManager&) { table.close(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&table] { table.close(); });
    table.show();
    return QApplication::exec();
}
