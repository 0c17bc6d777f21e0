// SPDX-License-Identifier: GPL-3.0-or-later
// Korvane: 21 against the dealer, for play money, on a green table.
#include <QApplication>
#include <QSessionManager>
#include <QStyleFactory>

#include "platform/qt/closing_signals.h"
#include "platform/qt/qt_table.h"

int main(int argc, char* argv[]) {
    korvane::ClosingSignals::block();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    korvane::QtTable table;
    // However the run ends, the table closes once and the cash is saved.
    const korvane::ClosingSignals closing([&table] {
        table.close();
        QApplication::quit();
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest,
                     [&table](QSessionManager&) { table.close(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&table] { table.close(); });
    table.show();
    return QApplication::exec();
}
