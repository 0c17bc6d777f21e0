// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacing a file's content so that a crash, a kill or a full disk leaves the
// old content or the new, never a part of either: a fresh file beside it,
// written, flushed to the disk, then moved over it.
#include <windows.h>

#include <string>

#include "platform/services.h"
#include "winsys/file_hold.h"
#include "winsys/patience.h"

namespace korvane::winsys {

// `path` takes `bytes`. `oldAttributes` are those of the file there now
// (INVALID_FILE_ATTRIBUTES: there is none), which the new file keeps. A table's
// `hold` on the file passes to the fresh one.
FileResult replaceWith(const std::wstring& path, DWORD oldAttributes, const std::string& bytes,
                       const Patience& patience, FileHold* hold = nullptr);

}  // namespace korvane::winsys
