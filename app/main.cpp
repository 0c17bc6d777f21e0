// SPDX-License-Identifier: GPL-3.0-or-later
// Korvane: 21 against the dealer, for play money, on a green table.
#include "window/table_program.h"

int main(int argc, char* argv[]) {
    return korvane::runTableProgram(argc, argv);
}
