// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace korvane {
namespace {

bool skipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool digit(char c) {
    return c >= '0' && c <= '9';
}

// The readable part of a text, gathered without the skipped characters.
struct Reading {
    bool negative = false;
    std::string mantissa;     // digits and at most one '.'
    long exponent = 0;        // saturated, so a huge exponent cannot overflow
    int leadingDigits = 0;    // significant digits before the point
    int zerosAfterPoint = 0;  // zeros between the point and the first nonzero digit
    bool nonzero = false;
};

class Scanner {
  public:
    explicit Scanner(std::string_view text) : text_(text) {}
    char peek() {
        while (pos_ < text_.size() && skipped(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void take() { ++pos_; }

  private:
    std::string_view text_;
    size_t pos_ = 0;
};

void readMantissa(Scanner& in, Reading& r) {
    bool point = false;
    for (char c = in.peek(); digit(c) || (c == '.' && !point); c = in.peek()) {
        in.take();
        r.mantissa += c;
        if (c == '.') {
            point = true;
        } else if (c != '0') {
            r.nonzero = true;
        } else if (!r.nonzero && point) {
            ++r.zerosAfterPoint;
        }
        if (c != '.' && !point && r.nonzero) ++r.leadingDigits;
    }
}

void readExponent(Scanner& in, Reading& r) {
    if (in.peek() != 'e' && in.peek() != 'E') return;
    in.take();
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.take();
    }
    for (char c = in.peek(); digit(c); c = in.peek()) {
        in.take();
        if (r.exponent < 1000000) r.exponent = r.exponent * 10 + (c - '0');
    }
    if (negative) r.exponent = -r.exponent;
}

Reading read(std::string_view text) {
    Scanner in(text);
    Reading r;
    if (in.peek() == '+' || in.peek() == '-') {
        r.negative = in.peek() == '-';
        in.take();
    }
    readMantissa(in, r);
    if (!r.mantissa.empty() && r.mantissa != ".") readExponent(in, r);
    return r;
}

}  // namespace

double numericValue(std::string_view text) {
    const Reading r = read(text);
    if (!r.nonzero) return 0.0;
    // Decimal magnitude of the first significant digit decides overflow against
    // underflow before the conversion is asked to deal with it.
    const long magnitude =
        (r.leadingDigits > 0 ? r.leadingDigits : -r.zerosAfterPoint) + r.exponent;
    double value = 0.0;
    if (magnitude > 400) {
        value = std::numeric_limits<double>::max();
    } else if (magnitude < -400) {
        value = 0.0;
    } else {
        const std::string number = r.mantissa + "e" + std::to_string(r.exponent);
        auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
        (void)end;
        if (error == std::errc::result_out_of_range) {
            value = magnitude > 0 ? std::numeric_limits<double>::max() : 0.0;
        }
        if (std::isinf(value)) value = std::numeric_limits<double>::max();
    }
    return r.negative ? -value : value;
}

namespace {

// Every conversion here is std::to_chars and std::from_chars: they never look at
// the locale, so a table running under a comma-decimal language still writes and
// reads its money with a ".".
std::string fixedText(double value, int decimals) {
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return error == std::errc() ? std::string(buffer, end) : "0";
}

std::string wholeText(double value) {
    // Every count and sum of money the table makes is a whole number well inside
    // 2^53: written straight out as an integer.
    if (std::fabs(value) < 9.0e15) {
        char digits[24];
        const auto [end, error] =
            std::to_chars(digits, digits + sizeof digits, static_cast<int64_t>(value));
        if (error == std::errc()) return std::string(digits, end);
    }
    return fixedText(value, 0);
}

// Fifteen significant digits, as the table has always shown its money, written
// out in full rather than with an exponent.
std::string fractionText(double value) {
    char digits[40];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value,
                                            std::chars_format::scientific, 14);
    if (error != std::errc()) return "0";
    double rounded = 0.0;
    std::from_chars(digits, end, rounded);
    if (rounded == std::floor(rounded)) return wholeText(rounded);
    // The decimal exponent as printed, not a logarithm that may round up a power of ten.
    const char* e = std::find(digits, end, 'e') + 1;
    if (*e == '+') ++e;
    int magnitude = 0;
    std::from_chars(e, end, magnitude);
    std::string text = fixedText(rounded, std::clamp(14 - magnitude, 0, 340));
    if (text.find('.') == std::string::npos) return text;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

}  // namespace

std::string plainText(double value) {
    if (std::isnan(value)) return "0";
    if (std::isinf(value)) value = std::copysign(std::numeric_limits<double>::max(), value);
    std::string text = value == std::floor(value) ? wholeText(value) : fractionText(value);
    return text == "-0" ? "0" : text;
}

std::string blankText(double value) {
    std::string text = plainText(value);
    return text.front() == '-' ? text : " " + text;
}

double roundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    // nearbyint follows the current rounding mode, which the game never changes
    // from round-to-nearest-even.
    return std::nearbyint(value);
}

int16_t toInt16(double value) {
    const double r = roundHalfEven(value);
    if (std::isnan(r)) return 0;
    if (r >= 32767.0) return 32767;
    if (r <= -32768.0) return -32768;
    return static_cast<int16_t>(r);
}

int32_t toInt32(double value) {
    const double r = roundHalfEven(value);
    if (std::isnan(r)) return 0;
    if (r >= 2147483647.0) return 2147483647;
    if (r <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int32_t>(r);
}

}  // namespace korvane
