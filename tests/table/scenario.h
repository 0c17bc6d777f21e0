// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole rounds played through korvane-drive's commands on a headless table.
#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "drive/driver.h"

namespace korvane {

class Scenario : public ::testing::Test {
  protected:
    // Runs the script's lines and returns what the driver printed.
    std::string play(const std::string& script) {
        std::istringstream in(script);
        out_.str("");
        driver_.run(in);
        EXPECT_EQ(err_.str(), "") << script;
        return out_.str();
    }
    // Each line must come out, in this order (other lines may stand between). A
    // line starting with "~" need only be part of a line. (A braced list stays a
    // list of views: strings built from it trip a false alarm of GCC 16's
    // optimiser, free-nonheap-object, in the allocator.)
    static void expectInOrder(const std::string& output,
                              std::initializer_list<std::string_view> lines) {
        size_t from = 0;
        for (const std::string_view line : lines)
            if (!findAfter(output, line, from)) return;
    }
    // Finds `line` in `output` at or after `from`, and moves `from` past it.
    static bool findAfter(const std::string& output, std::string_view line, size_t& from) {
        const bool part = !line.empty() && line[0] == '~';
        // Built by appending: GCC's optimiser takes "\n" + a temporary for an overlapping copy.
        std::string wanted = part ? "" : "\n";
        wanted += part ? line.substr(1) : line;
        if (!part) wanted += '\n';
        const size_t at = ("\n" + output).find(wanted, from);
        if (at == std::string::npos) {
            ADD_FAILURE() << "missing, or out of order: " << line << "\nin:\n" << output;
            return false;
        }
        from = at + wanted.size() - 1;
        return true;
    }
    static int count(const std::string& output, const std::string& line) {
        int n = 0;
        for (size_t at = output.find(line); at != std::string::npos; at = output.find(line, at + 1))
            ++n;
        return n;
    }
    void cashFile(const std::string& bytes) { files_.files["Korvane.cash"] = bytes; }
    Form1& table() { return driver_.form(); }

    MemoryFiles files_;
    std::ostringstream out_, err_;
    Driver driver_{files_, out_, err_};
};

// A "deck" command from ranks in dealing order ("K 9 10 2": the dealer's hole card
// and second card, then the player's two): each rank takes hearts first, then
// diamonds, clubs and spades as it comes again.
inline std::string deckOf(const std::string& ranks) {
    static const char* kNames[] = {"A", "2", "3",  "4", "5", "6", "7",
                                   "8", "9", "10", "J", "Q", "K"};
    std::istringstream in(ranks);
    std::string rank, line = "deck";
    int used[13] = {};
    while (in >> rank) {
        for (int r = 0; r < 13; ++r)
            if (rank == kNames[r]) line.append(" ").append(std::to_string(13 * used[r]++ + r));
    }
    return line + "\n";
}

// A round the player wins by standing on 20 against the dealer's 18.
inline std::string won() {
    return deckOf("10 8 10 K") + "click Command3\nwait 3500\nclick Command2\nwait 1000\n";
}
// A round the player loses by standing on 12 against the dealer's 19.
inline std::string lost() {
    return deckOf("10 9 10 2") + "click Command3\nwait 3500\nclick Command2\nwait 1000\n";
}

}  // namespace korvane
