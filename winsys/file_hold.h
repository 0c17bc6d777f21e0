// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The very cash file a table read at start-up, held open for the whole run with
// a lock on a byte far past its end. The lock lies on the file, not on a name,
// so a second table that reaches the file by any name (a second name of the
// file, a link from another folder) finds it locked, while every program may
// still read it. A save puts a fresh file in the old one's place, so the save
// locks the fresh file before the swap and lets the old one go after it: the
// lock travels with the cash, and the file held is always the one at its name.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/services.h"
#include "winsys/patience.h"

namespace korvane::winsys {

// Which file it is, whatever its names: its index on its volume.
struct FileId {
    DWORD volume = 0;
    DWORD high = 0;
    DWORD low = 0;
    bool operator==(const FileId&) const = default;
};

class FileHold {
  public:
    FileHold() = default;
    ~FileHold();
    FileHold(const FileHold&) = delete;
    FileHold& operator=(const FileHold&) = delete;

    // Takes the file at `path`, a name whose links are already followed, bearing
    // a while with a program that has it open and shares it with no one. Held:
    // this table's now, or no file there yet. HeldElsewhere: another table holds
    // it. Unavailable: a file stands there that takes no lock or cannot be opened.
    Claim take(const std::wstring& path, const Patience& patience);
    // Whether the table has a file under its lock: only then does the file
    // itself keep a second table out.
    bool locksAFile() const { return locked_; }
    // Whether `path` still holds what was taken: the same file (the same index
    // on the same volume) and not one on its way out, or still no file where
    // there was none. A file that could not be opened at start-up cannot be told
    // apart, and counts as the same.
    bool isAt(const std::wstring& path) const;

    // A save: `writer` made the fresh file, written and flushed, about to take
    // the old one's place. `adopt` holds and locks it; once the swap is done,
    // `commit` makes it the file held and lets the old one go; `drop` forgets it
    // when the swap failed.
    void adopt(HANDLE writer);
    void commit();
    void drop();
    // Windows moves no file over one that is open, not even over this table's
    // own: `loosen` lets the old file go for such a move, and `regain` takes it
    // back at `path` when the move failed and it is still the file there.
    void loosen();
    void regain(const std::wstring& path);
    // Lets go of the file, for a table that stands down.
    void release();

  private:
    std::optional<Claim> holdOpened(HANDLE file, const std::wstring& path);

    enum class Kind { None, NoFile, File, Unknown };
    Kind kind_ = Kind::None;
    FileId id_;       // of the file held, while the kind is File
    FileId freshId_;  // of the fresh file, while a save holds it
    HANDLE file_ = INVALID_HANDLE_VALUE;
    HANDLE fresh_ = INVALID_HANDLE_VALUE;
    bool locked_ = false;
    bool freshLocked_ = false;
};

}  // namespace korvane::winsys
