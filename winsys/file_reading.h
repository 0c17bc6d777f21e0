// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a name leads to on a Windows disk, and reading the file there.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/services.h"
#include "winsys/patience.h"

namespace korvane::winsys {

struct Target {
    std::wstring path;                           // in full, where its links lead
    DWORD attributes = INVALID_FILE_ATTRIBUTES;  // INVALID_FILE_ATTRIBUTES: nothing is there
    std::string problem;                // empty, or why the name leads to nothing the table can use
    OldFile left = OldFile::Untouched;  // what a write refused for `problem` leaves
};

// Follows the name's links, as Windows does when it opens the name.
Target targetOf(const std::wstring& name);

// The lines of the file at `path`, bearing a while with a program that has it
// open and shares it with no one.
FileResult readFileLines(const std::wstring& path, const Patience& patience,
                         std::vector<std::string>& lines);

}  // namespace korvane::winsys
