// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/table_program.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QSessionManager>
#include <QStyleFactory>

#include "window/closing_signals.h"
#include "window/font_setup.h"
#include "window/qt_table.h"
#include "window/raise_channel.h"

namespace korvane {
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

int runTableProgram(int argc, char* argv[], const std::function<void(QWidget&)>& shown) {
    ClosingSignals::block();
    setUpFonts();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    // Listening before the table starts, so a signal ends even a box at start-up.
    QtTable* playing = nullptr;
    RaiseChannel raising;
    const ClosingSignals closing([&playing, &raising] {
        if (playing) playing->saveAsItStands();
        raising.close();  // the process ends at once, past every destructor
    });
    if (!playWithoutCashFolder()) return 0;
    // A second launch for this folder brings its open table to the front and
    // has done what the player wanted; one that does not answer in time leaves
    // the player the box that says the table is open.
    const QString channel = RaiseChannel::address(QDir::currentPath());
    bool raised = false;
    QtTable table(nullptr, [&channel, &raised] {
        raised = RaiseChannel::askToRaise(channel, kRaiseDeadlineMs);
        if (raised)
            qInfo("Korvane: the table of this folder is already open, and came to the front");
        return raised;
    });  // the table's start-up runs here
    if (table.form().standsDown()) return raised ? 0 : 1;
    playing = &table;
    raising.listen(channel, [&table] { table.raise(); });
    // However else the run ends, the table closes once and the cash is saved.
    QObject::connect(&app, &QGuiApplication::commitDataRequest,
                     [&table](QSessionManager&) { table.close(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&table] { table.close(); });
    table.show();
    if (shown) shown(table.view());
    return QApplication::exec();
}

}  // namespace korvane
