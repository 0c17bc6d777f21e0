// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A table on the headless backend: virtual clock, scripted boxes, recorded
// sounds, files in memory and a deck that can be forced.
#include <gtest/gtest.h>

#include <initializer_list>

#include "headless/headless_platform.h"
#include "table/form1.h"

namespace korvane {

class TableTest : public ::testing::Test {
  protected:
    // The next shuffle deals these card numbers at deal positions 0, 1, ...
    void forceDeck(std::initializer_list<int> cards) { platform.random.forceDeck(cards); }
    void saveCashFile(const std::string& bytes) {
        platform.memoryFiles.files["Korvane.cash"] = bytes;
    }
    // A fresh deck in the forced order, as a round start lays it out.
    void newDeck(std::initializer_list<int> cards) {
        forceDeck(cards);
        table.BuildDeck();
        table.ShuffleDeck();
    }

    HeadlessPlatform platform;
    Form1 table{platform.services()};
};

}  // namespace korvane
