// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table's fonts found without fontconfig reading every rule of the system's
// configuration first: that reading took a quarter of the table's start-up.

namespace korvane {

// Before Qt asks for any font, gives fontconfig a short configuration of its
// own: the system's and the player's font folders and their caches, the
// player's own rules, the generic families, and glyphs drawn as Debian draws
// them. A player who points fontconfig elsewhere (FONTCONFIG_FILE or
// FONTCONFIG_PATH) keeps that.
void setUpFonts();

}  // namespace korvane
