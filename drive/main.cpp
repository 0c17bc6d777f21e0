// SPDX-License-Identifier: GPL-3.0-or-later
// korvane-drive: runs the table headless in the current folder, reading one
// command a line from standard input.
#include <iostream>

#include "drive/driver.h"
#include "platform/system_services.h"

int main() {
    const auto files = korvane::makeDiskFiles();
    korvane::Driver driver(*files, std::cout, std::cerr);
    driver.run(std::cin);
    return 0;
}
