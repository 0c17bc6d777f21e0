// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names and reasons between the table and Windows: the table speaks UTF-8,
// Windows' wide calls UTF-16, so a player named Søren or Ærø keeps a cash file
// in a folder named after them.
#include <windows.h>

#include <string>

namespace korvane::winsys {

// UTF-8 to UTF-16; empty for bytes that are no UTF-8.
std::wstring widened(const std::string& text);
// UTF-16 to UTF-8; a broken pair of surrogates becomes U+FFFD.
std::string narrowed(const std::wstring& text);

// Why a call failed, in words a player reads: our own for the troubles a cash
// file meets, the system's for the rest.
std::string reasonFor(DWORD error);
// The same for GetLastError().
std::string lastReason();

// The folder a path lies in, "." for a bare name; both slashes part folders.
std::wstring folderOf(const std::wstring& path);
// The last part of a path.
std::wstring baseOf(const std::wstring& path);
// The path in full, from the current folder.
std::wstring fullPath(const std::wstring& path);

}  // namespace korvane::winsys
