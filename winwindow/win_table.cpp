// SPDX-License-Identifier: GPL-3.0-or-later
#include "winwindow/win_table.h"

#include <string>

#include "bank/cash_file.h"
#include "winwindow/wide_text.h"

namespace korvane {

WinTable::WinTable(Random* random, std::function<bool()> raiseOpenTable)
    : form_(Services{boxes_, sound_, *files_, random ? *random : seeded_, *clock_, timers_}) {
    form_.raiseOpenTable = std::move(raiseOpenTable);
    // The table's start-up runs before the window is made.
    form_.Form_Load();
    if (form_.standsDown()) return;
    view_ = std::make_unique<WinView>(form_);
    boxes_.attach(view_->hwnd());
    view_->onClose = [this] { unloadOnce(); };
    view_->onEndSession = [this] { saveAsItStands(); };
    view_->onFirstFrame = [this] { sound_.ready(); };
}

WinTable::~WinTable() {
    unloadOnce();
    view_.reset();
}

void WinTable::show(int show) {
    if (!view_) return;
    view_->refresh();
    ShowWindow(view_->hwnd(), show);
    // The keyboard's place is the table: a player who cannot see or reach the
    // mouse must not have to bring the window up first.
    SetForegroundWindow(view_->hwnd());
    UpdateWindow(view_->hwnd());
}

void WinTable::saveAsItStands() {
    if (unloaded_) return;
    unloaded_ = true;
    const FileResult saved = form_.writeCashFile();
    if (!saved.ok && !form_.standsDown())
        OutputDebugStringW(wide("Korvane: the cash was not saved in " +
                                files_->location(kCashFileName) + ": " + saved.reason)
                               .c_str());
}

void WinTable::unloadOnce() {
    if (unloaded_) return;
    unloaded_ = true;
    form_.Form_Unload();
}

}  // namespace korvane
