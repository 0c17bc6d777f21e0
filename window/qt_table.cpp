// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qt_table.h"

#include <QApplication>

#include "bank/cash_file.h"

namespace korvane {

QtTable::QtTable(Random* random, std::function<bool()> raiseOpenTable)
    : form_(Services{boxes_, sound_, *files_, random ? *random : seeded_, *clock_, timers_}) {
    form_.raiseOpenTable = std::move(raiseOpenTable);
    // The table's start-up runs before the window is first shown.
    form_.Form_Load();
    view_ = std::make_unique<TableView>(form_);
    boxes_.attach(view_.get());
    view_->onClose = [this] { unloadOnce(); };
    view_->onFirstFrame = [this] { sound_.ready(); };
}

QtTable::~QtTable() {
    unloadOnce();
}

void QtTable::show() {
    view_->refresh();
    view_->show();
    // The keyboard's place is the table: a player who cannot see or reach the mouse
    // must not have to bring the window up first.
    view_->activateWindow();
}

void QtTable::close() {
    view_->close();
}

void QtTable::raise() {
    view_->setWindowState(view_->windowState() & ~Qt::WindowMinimized);
    view_->show();
    view_->raise();
    view_->activateWindow();
    // Where the desktop keeps a window from taking the focus, its entry in the
    // panel asks for the player's attention instead.
    QApplication::alert(view_.get());
    if (QWidget* box = QApplication::activeModalWidget()) {
        box->raise();
        box->activateWindow();
    }
}

void QtTable::saveAsItStands() {
    if (unloaded_) return;
    unloaded_ = true;
    const FileResult saved = form_.writeCashFile();
    if (!saved.ok && !form_.standsDown())
        qWarning("Korvane: the cash was not saved in %s: %s",
                 files_->location(kCashFileName).c_str(), saved.reason.c_str());
}

void QtTable::unloadOnce() {
    if (unloaded_) return;
    unloaded_ = true;
    form_.Form_Unload();
}

}  // namespace korvane
