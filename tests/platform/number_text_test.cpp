// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>

namespace korvane {
namespace {

struct Reading {
    const char* text;
    double value;
};

void expectReadings() {
    const Reading cases[] = {{"1000", 1000}, {" 500", 500},      {"-35.5", -35.5},
                             {"+7", 7},      {"1 000", 1000},    {"1\t2\n3", 123},
                             {"\n-\t4", -4}, {"12abc", 12},      {"abc", 0},
                             {"", 0},        {"-", 0},           {".", 0},
                             {".5", 0.5},    {"5.", 5},          {"1.2.3", 1.2},
                             {"1e3", 1000},  {"1E-2", 0.01},     {"2.5e+1x", 25},
                             {"1e", 1},      {"1e+", 1},         {"e5", 0},
                             {"--5", 0},     {"12\r34", 12},     {"0x10", 0},
                             {"1,5", 1},     {"1250.5", 1250.5}, {"00012", 12},
                             {"- 3", -3},    {"1e-400", 0},      {"0.000e999999999", 0}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(numericValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumericValue, ReadsTheLeadingNumberOfAnyText) {
    expectReadings();
}

TEST(NumericValue, BeyondTheDoubleRangeGivesTheLargestFiniteValue) {
    const std::string digits(400, '9');
    const char* huge[] = {"1e309", "1e99999999999999999999", "123456789e400"};
    for (const char* text : huge)
        EXPECT_EQ(numericValue(text), DBL_MAX) << text;
    EXPECT_EQ(numericValue("-1e309"), -DBL_MAX);
    EXPECT_EQ(numericValue(digits), DBL_MAX);
    EXPECT_EQ(numericValue("-" + digits), -DBL_MAX);
}

void expectPlainTexts() {
    const std::pair<double, const char*> cases[] = {{1000, "1000"},
                                                    {-50, "-50"},
                                                    {0, "0"},
                                                    {-0.0, "0"},
                                                    {35.5, "35.5"},
                                                    {999990 + 10, "1000000"},
                                                    {1234567 + 10, "1234577"},
                                                    {0.1 + 0.2, "0.3"},
                                                    {-1250.25, "-1250.25"},
                                                    {1e20, "100000000000000000000"},
                                                    {1e-7, "0.0000001"},
                                                    {2.0000000000000004, "2"},
                                                    {99999999999999.9, "99999999999999.9"},
                                                    {9999999.95, "9999999.95"},
                                                    {0.95, "0.95"},
                                                    {std::nan(""), "0"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(plainText(value), text) << value;
    const std::string largest = plainText(std::numeric_limits<double>::infinity());
    EXPECT_EQ(largest.size(), 309u);
    EXPECT_EQ(largest.find_first_not_of("0123456789"), std::string::npos);
    EXPECT_EQ(plainText(-std::numeric_limits<double>::infinity()), "-" + largest);
}

TEST(PlainText, WritesDigitsOnly) {
    expectPlainTexts();
}

// A player whose desktop speaks Danish or German writes 3750,5 for money; the cash
// file must not. The locales come from `make test`, which generates them.
TEST(Numbers, AreTheSameUnderACommaDecimalLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    // Each locale by its POSIX name, or else by Windows' own.
    const std::pair<const char*, const char*> locales[] = {{"da_DK.UTF-8", "Danish_Denmark.1252"},
                                                           {"de_DE.UTF-8", "German_Germany.1252"}};
    for (const int category : {LC_ALL, LC_NUMERIC})
        for (const auto& [name, windowsName] : locales) {
            ASSERT_TRUE(std::setlocale(category, name) || std::setlocale(category, windowsName))
                << "the locale " << name << " is missing; make test generates it with localedef";
            ASSERT_STREQ(std::localeconv()->decimal_point, ",") << name;
            expectReadings();
            expectPlainTexts();
            EXPECT_EQ(plainText(3750.5), "3750.5") << name;
            EXPECT_EQ(numericValue("3750.5"), 3750.5) << name;
            std::setlocale(LC_ALL, before.c_str());
        }
}

TEST(BlankText, PutsABlankWhereTheSignWouldStand) {
    EXPECT_EQ(blankText(12), " 12");
    EXPECT_EQ(blankText(0), " 0");
    EXPECT_EQ(blankText(-3), "-3");
    EXPECT_EQ(blankText(1250.5), " 1250.5");
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, double> cases[] = {{1250.5, 1250}, {1251.5, 1252}, {-2.5, -2},
                                               {0.5, 0},       {35.5, 36},     {2.49, 2}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(roundHalfEven(value), rounded) << value;
}

TEST(Rounding, CountersAreClampedIntoTheirRange) {
    EXPECT_EQ(toInt16(40000), 32767);
    EXPECT_EQ(toInt16(-40000), -32768);
    EXPECT_EQ(toInt16(10.5), 10);
    EXPECT_EQ(toInt32(1e12), 2147483647);
    EXPECT_EQ(toInt32(-1e12), -2147483647 - 1);
    EXPECT_EQ(toInt32(DBL_MAX), 2147483647);
    EXPECT_EQ(toInt32(std::nan("")), 0);
}

}  // namespace
}  // namespace korvane
