// SPDX-License-Identifier: GPL-3.0-or-later
// Korvane in a browser page: the table runs here for as long as the page lives.
#include "web/page_table.h"

int main() {
    korvane::PageTable table;
    table.run();
    return 0;
}
