// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/colour.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(Colour, ReadsAndWritesTheGamesColourTexts) {
    const std::pair<const char*, Rgb> cases[] = {{"&H000000FF", {255, 0, 0}},
                                                 {"&H0000FF00", {0, 255, 0}},
                                                 {"&H00FF0000", {0, 0, 255}},
                                                 {"&H00008000", {0, 128, 0}}};
    for (const auto& [text, rgb] : cases) {
        const auto colour = Colour::fromText(text);
        ASSERT_TRUE(colour) << text;
        EXPECT_EQ(colour->resolved(), rgb) << text;
        EXPECT_EQ(colour->text(), text);
        EXPECT_EQ(Colour::rgb(rgb.red, rgb.green, rgb.blue), *colour);
    }
    EXPECT_EQ(Colour::fromText("&HFF")->text(), "&H000000FF");
    EXPECT_EQ(Colour::fromText("&h8000000f")->text(), "&H8000000F");
}

TEST(Colour, SystemColoursResolveToTheDesktopsOwn) {
    const Colour face = *Colour::fromText("&H8000000F");
    EXPECT_TRUE(face.isSystem());
    EXPECT_EQ(face.resolved(), (Rgb{212, 208, 200}));
    EXPECT_FALSE(Colour::rgb(255, 0, 0).isSystem());
}

TEST(Colour, RefusesWhatIsNoColour) {
    for (const char* text : {"", "&H", "H00FF", "&H0000000FF", "&HXYZ", "255", "&H12 34"})
        EXPECT_FALSE(Colour::fromText(text)) << text;
}

}  // namespace
}  // namespace korvane
