// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game keeps money, bets and counts as texts in its captions. These are the
// few rules by which a text becomes a number and a number becomes a text again.
#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

// Reads the leading number of a text: blanks, tabs and line feeds anywhere are
// skipped, then a sign, digits with one decimal point and an exponent are read up
// to the first character that does not fit. Nothing readable counts 0. Never
// throws; a value beyond the double range gives the largest finite one.
double numericValue(std::string_view text);

// Plain form: "-1234.5", no blanks, no exponent, never "-0", "inf" or "nan".
std::string plainText(double value);

// As the plain form, but a non-negative value gets one leading blank where the
// sign would stand (" 5", "-5"): the form used inside card codes and messages.
std::string blankText(double value);

// Nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);

// Rounding into the 16- and 32-bit counters; out-of-range values are clamped.
int16_t toInt16(double value);
int32_t toInt32(double value);

}  // namespace korvane
