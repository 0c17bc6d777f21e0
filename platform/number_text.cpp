// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ios>
#include <limits>
#include <locale>
#include <sstream>

namespace korvane {
namespace {

// Every conversion between a double and its decimal digits goes through a
// stream in the classic locale: it never looks at the player's language, so a
// table under a comma-decimal desktop still writes and reads its money with a
// ".", and the C libraries under it convert exactly, so every platform the game
// is built for writes the same digits.
double decimalValue(const std::string& number) {
    std::istringstream in(number);
    in.imbue(std::locale::classic());
    double value = 0.0;
    in >> value;  // out of range: the nearest finite value or an infinity, by library
    if (std::isinf(value)) return std::copysign(std::numeric_limits<double>::max(), value);
    return value;
}

std::string decimalText(double value, std::ios_base::fmtflags format, int decimals) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.setf(format, std::ios_base::floatfield);
    out.precision(decimals);
    out << value;
    return out.str();
}

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

// Up to fifteen significant digits times a power of ten up to 22 is one exact
// multiplication or division, so rounded once and correctly: the money and counts
// of the table read this way, without a detour through a stream.
bool quickValue(const Reading& r, double& value) {
    static constexpr double kTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    int64_t digits = 0;
    int count = 0;
    long tens = r.exponent;
    bool point = false;
    for (char c : r.mantissa) {
        if (c == '.') {
            point = true;
            continue;
        }
        if (point) --tens;
        if (count == 0 && c == '0') continue;
        if (++count > 15) return false;
        digits = digits * 10 + (c - '0');
    }
    if (tens < -22 || tens > 22) return false;
    const double whole = static_cast<double>(digits);
    value = tens < 0 ? whole / kTens[-tens] : whole * kTens[tens];
    return true;
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
    } else if (!quickValue(r, value)) {
        value = decimalValue(r.mantissa + "e" + std::to_string(r.exponent));
    }
    return r.negative ? -value : value;
}

namespace {

std::string fixedText(double value, int decimals) {
    return decimalText(value, std::ios_base::fixed, decimals);
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
    const std::string digits = decimalText(value, std::ios_base::scientific, 14);
    const double rounded = decimalValue(digits);
    if (rounded == std::floor(rounded)) return wholeText(rounded);
    // The decimal exponent as printed, not a logarithm that may round up a power of ten.
    const size_t e = digits.find('e');
    if (e == std::string::npos) return "0";
    const char* first = digits.data() + e + 1;
    if (*first == '+') ++first;
    int magnitude = 0;
    std::from_chars(first, digits.data() + digits.size(), magnitude);
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
