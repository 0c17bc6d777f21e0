// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's services as a browser page offers them: boxes drawn by the page,
// the browser's audio, and the cash kept in the browser's storage for the page's
// origin.
#include <functional>

#include "platform/services.h"
#include "ui/texts.h"
#include "web/page_timers.h"

namespace korvane {

// A box waits for its answer in a loop of its own that runs the table's due
// ticks and sleeps until the next, as a desktop's modal box keeps its window's
// timers going; the page itself never calls into the table meanwhile.
class PageBoxes : public MessageBoxes {
  public:
    PageBoxes(PageTimers& timers, std::function<Language()> language)
        : timers_(timers), language_(std::move(language)) {}
    BoxAnswer show(const BoxRequest& box) override;

  private:
    PageTimers& timers_;
    std::function<Language()> language_;
};

class PageSound : public Sound {
  public:
    void play(const std::string& file) override;
};

// The cash file's lines under its name in the browser's storage, the same bytes
// the desktop's file holds; why the browser refused them, in the page's words.
class PageFiles : public TextFiles {
  public:
    explicit PageFiles(std::function<Language()> language) : language_(std::move(language)) {}
    FileLook look(const std::string& name) override;
    FileResult readLines(const std::string& name, std::vector<std::string>& lines) override;
    FileResult writeLines(const std::string& name, const std::vector<std::string>& lines) override;
    std::string location(const std::string& name) override;
    // The page's hold on the table: for its whole life where the browser locks,
    // else a lease it renews while it plays, which another tab takes over only
    // once it is gone.
    Claim claim(const std::string& name, const std::string& lockName) override;

  private:
    std::string why(const std::string& code) const;

    std::function<Language()> language_;
};

}  // namespace korvane
