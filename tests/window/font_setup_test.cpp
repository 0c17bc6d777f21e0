// SPDX-License-Identifier: GPL-3.0-or-later
// The table's short font configuration picks the faces the system's full one picks.
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <string>

#include "window/font_setup.h"

namespace {

// The file and hinting a configuration gives for a fontconfig pattern.
std::string chosen(FcConfig* config, const char* pattern) {
    FcPattern* asked = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
    FcConfigSubstitute(config, asked, FcMatchPattern);
    FcDefaultSubstitute(asked);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(config, asked, &result);
    std::string shown = "nothing";
    FcChar8* file = nullptr;
    int hinting = -1;
    if (found && FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch) {
        FcPatternGetInteger(found, FC_HINT_STYLE, 0, &hinting);
        shown = reinterpret_cast<const char*>(file) + std::string(" hintstyle ") +
                std::to_string(hinting);
    }
    if (found) FcPatternDestroy(found);
    FcPatternDestroy(asked);
    return shown;
}

TEST(FontSetup, PicksTheSystemsFaceForEveryFamilyTheWindowsAskFor) {
    FcConfig* system = FcInitLoadConfigAndFonts();
    korvane::setUpFonts();
    FcConfig* own = FcConfigGetCurrent();
    ASSERT_NE(own, system) << "the table's configuration was not taken";
    // The table's faces, the boxes' and tooltips' default, the generic names and
    // a face the machine lacks.
    for (const char* pattern :
         {"Liberation Sans", "Liberation Sans:bold", "Liberation Serif", "Liberation Mono",
          "Sans Serif", "sans-serif", "serif", "monospace", "MS Sans Serif"})
        EXPECT_EQ(chosen(own, pattern), chosen(system, pattern)) << pattern;
    FcConfigDestroy(system);
}

}  // namespace
