// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// korvane-drive: the table without a screen, driven by one command a line, so a
// whole game can be scripted, replayed and compared. What it prints is relied on
// by the tests: lines may be added to it, never changed.
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "headless/headless_platform.h"
#include "table/form1.h"

namespace korvane {

class Driver {
  public:
    // Files go through `files` (the current folder for the real driver).
    Driver(TextFiles& files, std::ostream& out, std::ostream& err);

    // Runs every line of `in`, then returns.
    void run(std::istream& in);
    void execute(const std::string& line);

    Form1& form() { return *form_; }
    HeadlessPlatform& platform() { return platform_; }

  private:
    using Words = std::vector<std::string>;
    void error(const std::string& message);
    bool windowOpen(const std::string& command);
    void lifecycle(const std::string& command);
    void userInput(const Words& words);
    void scroll(const Words& words);
    void check(const Words& words);
    void wait(const Words& words);
    void answer(const Words& words);
    void deck(const Words& words);
    void get(const Words& words);
    void state();
    void printBox(const ShownBox& shown);

    HeadlessPlatform platform_;
    std::unique_ptr<Form1> form_;
    std::ostream& out_;
    std::ostream& err_;
    bool loaded_ = false;
    bool unloaded_ = false;
};

}  // namespace korvane
