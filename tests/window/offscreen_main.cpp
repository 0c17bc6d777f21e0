// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests run on Qt's offscreen platform, so they need no display, not
// even to be listed; a box no test answers fails the test instead of waiting.
#include <gtest/gtest.h>

#include <QApplication>

#include "tests/window/unexpected_boxes.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef KORVANE_SCREEN_SCALE
    qputenv("QT_SCALE_FACTOR", KORVANE_SCREEN_SCALE);
#endif
    QApplication app(argc, argv);
    const korvane::UnexpectedBoxes guard;
    return RUN_ALL_TESTS();
}
