// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The very cash file a table read at start-up, held open under a lock for the
// whole run. A second table that reaches the same file by any name (a link from
// another folder, a second name of the file, a link changed to lead to it) finds
// it locked. A save puts a fresh file in the old one's place, so the save locks
// the fresh file before the swap and lets the old one go after it: the lock
// travels with the cash, and the file held is always the one at its name.
#include <string>

#include "platform/services.h"

namespace korvane {

class FileHold {
  public:
    FileHold() = default;
    ~FileHold();
    FileHold(const FileHold&) = delete;
    FileHold& operator=(const FileHold&) = delete;

    // Takes the file at `path`, a name whose links are already followed. Held:
    // this table's now, or no file there yet. HeldElsewhere: another table holds
    // it. Unavailable: a file stands there that takes no lock (or cannot be opened).
    Claim take(const std::string& path);
    // Whether the table has a file under its lock: only then does the file
    // itself keep a second table out.
    bool locksAFile() const { return locked_; }
    // Whether `path` still holds what was taken: the same file (device and
    // inode), or still no file where there was none. A file that could not be
    // opened at start-up cannot be told apart, and counts as the same.
    bool isAt(const std::string& path) const;

    // A save: `fd` is the fresh file, written and flushed, about to take the old
    // one's place. `adopt` locks it; once the swap is done, `commit` makes it the
    // file held and lets the old one go; `drop` forgets it when the swap failed.
    void adopt(int fd);
    void commit();
    void drop();
    // Lets go of the file, for a table that stands down.
    void release();

  private:
    enum class Kind { None, NoFile, File, Unknown };
    Kind kind_ = Kind::None;
    int fd_ = -1;
    int fresh_ = -1;
    bool locked_ = false;
    bool freshLocked_ = false;
};

}  // namespace korvane
