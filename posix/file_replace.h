// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacing a file's content so that a crash, a kill or a full disk leaves the
// old content or the new, never a part of either.
#include <sys/stat.h>

#include <string>

#include "platform/services.h"
#include "posix/file_hold.h"

namespace korvane {

// A fresh file beside `path`, written, flushed and renamed over it. The old file,
// as `stat` found it (nullptr: there is none), gives the new one its mode; a new
// one gets the player's umask. `noNewFile` tells that the folder took no fresh
// file at all. A table's `hold` on the file passes to the fresh one.
FileResult replaceBeside(const std::string& path, const struct stat* old, const std::string& bytes,
                         bool& noNewFile, FileHold* hold = nullptr);

// For a folder that takes no new file: the file is rewritten where it lies, with
// room made first and its old content put back if the new cannot be written whole.
FileResult rewriteInPlace(const std::string& path, const std::string& bytes);

}  // namespace korvane
