// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's whole run, as its `main` runs it: the benchmark starts the table the
// very same way.
#include <functional>

class QWidget;

namespace korvane {

// Runs the game in the current folder until it closes, and gives its exit
// status. `shown`, when given, sees the table's window as it is first shown.
int runTableProgram(int argc, char* argv[], const std::function<void(QWidget&)>& shown = {});

}  // namespace korvane
