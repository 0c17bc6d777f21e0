// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fresh file a save writes before it takes the old file's place, named
// ".Korvane.cash~korvane-save~" and a few random letters, so that no person's
// file is ever taken for one. Its writer holds it open until it is in place or
// gone, so a fresh file that nobody has open is one whose save was killed.
#include <windows.h>

#include <string>

namespace korvane::winsys {

// A fresh file beside `path`, made anew and open for writing (and for its own
// removal) by this process alone, which others may only read;
// INVALID_HANDLE_VALUE, with the last error set, when the folder takes none.
// `fresh` is its name.
HANDLE createFresh(const std::wstring& path, DWORD attributes, std::wstring& fresh);

// Whether `entry`, a name in the folder of `path`, is a fresh file for `path`.
bool isFreshFileFor(const std::wstring& path, const std::wstring& entry);

// Removes the fresh files beside `path` that killed saves of it left: only
// ordinary files with no second name that no program has open.
void sweepFreshFiles(const std::wstring& path);

}  // namespace korvane::winsys
