// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text_lines.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(SplitLines, EndsLinesAtCrLfLoneLfOrLoneCr) {
    using Lines = std::vector<std::string>;
    const std::pair<std::string, Lines> cases[] = {
        {"0\r\n0\r\n", {"0", "0"}}, {"2350\n2000\n", {"2350", "2000"}},
        {"1\r2\r", {"1", "2"}},     {"1\r\n\r\n", {"1", ""}},
        {"500", {"500"}},           {"", {}},
        {"\n\n7", {"", "", "7"}},   {"a\r\r\nb", {"a", "", "b"}}};
    for (const auto& [bytes, lines] : cases)
        EXPECT_EQ(splitLines(bytes), lines) << bytes;
}

TEST(JoinLines, EndsEveryLineWithCrLf) {
    EXPECT_EQ(joinLines({" 500", "1000"}), " 500\r\n1000\r\n");
    EXPECT_EQ(joinLines({}), "");
}

}  // namespace
}  // namespace korvane
