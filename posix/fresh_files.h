// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fresh file a save writes before it takes the old file's place. Its name is
// one no person would choose, made from the file it replaces and from the writer
// (machine, start of the machine, process and its start), so a later table can
// tell a file a killed save left from one a live table is still writing.
#include <string>

namespace korvane {

// A name for a fresh file beside `path`, ending in `letters` (random letters).
std::string freshPathFor(const std::string& path, const std::string& letters);

// Whether `entry`, a name in the folder of `path`, is a fresh file for `path`.
bool isFreshFileFor(const std::string& path, const std::string& entry);

// Whether the save that named `entry` may still be writing it: true unless its
// writer is surely gone (ended, or its machine started again since).
bool writerMayLive(const std::string& entry);

// Removes the fresh files beside `path` that saves of it left and that no live
// save can be writing: only ordinary files of the player's own with no other name.
void sweepFreshFiles(const std::string& path);

}  // namespace korvane
