// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the texts the table makes of many numbers and the numbers it reads from
// many texts, one a line. Built for the desktop and for WebAssembly, the two
// outputs must be the same bytes: the cash file moves between them.
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/number_text.h"

namespace {

// The same sequence on every platform, whatever its library's generators do.
uint64_t nextBits(uint64_t& state) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
}

std::string bitsOf(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    char text[20];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(bits));
    return text;
}

void writeNumber(double value) {
    const std::string plain = korvane::plainText(value);
    std::printf("%s plain=%s blank=%s back=%s\n", bitsOf(value).c_str(), plain.c_str(),
                korvane::blankText(value).c_str(), bitsOf(korvane::numericValue(plain)).c_str());
}

void readText(const std::string& text) {
    std::printf("read \"%s\" = %s\n", text.c_str(), bitsOf(korvane::numericValue(text)).c_str());
}

// Money as the table makes it: whole sums, halves and quarters, bets and
// surcharges, then doubles of every size and sign.
void writeNumbers(uint64_t& state) {
    for (int i = 0; i < 2000; ++i) {
        const double cents = static_cast<double>(nextBits(state) % 100000000) / 100.0;
        writeNumber(i % 2 ? cents : -cents);
        writeNumber(cents * 1.25);
    }
    for (int i = 0; i < 4000; ++i) {
        const double mantissa = static_cast<double>(nextBits(state) >> 11) * 0x1.0p-53;
        const int exponent = static_cast<int>(nextBits(state) % 120) - 60;
        writeNumber(std::ldexp(mantissa, exponent) * (i % 3 ? 1 : -1));
    }
    const double edges[] = {0.0,
                            -0.0,
                            0.5,
                            1.5,
                            2.5,
                            1e15,
                            9.999999999999995e14,
                            1e22,
                            1e23,
                            1e300,
                            5e-324,
                            2.2250738585072014e-308,
                            HUGE_VAL,
                            -HUGE_VAL,
                            NAN};
    for (double value : edges)
        writeNumber(value);
}

// Texts as a cash file or a caption may hold them, then random digit strings.
void readTexts(uint64_t& state) {
    const char* texts[] = {"1000",
                           " 1 000",
                           "-35.5",
                           "12abc",
                           "1e3",
                           "1E-2",
                           ".5",
                           "5.",
                           "1.2.3",
                           "0x10",
                           "1,5",
                           "\t-\n4",
                           "123456789012345",
                           "1234567890123456",
                           "12345678901234567890",
                           "1e22",
                           "1e23",
                           "4.9e-324",
                           "2e-324",
                           "1e-330",
                           "1.7976931348623157e308",
                           "1.8e308",
                           "9007199254740993",
                           "0.1000000000000000055511151231257827"};
    for (const char* text : texts)
        readText(text);
    for (int i = 0; i < 4000; ++i) {
        const std::string digits = std::to_string(nextBits(state) % 1000000000000000000ull);
        const size_t point = nextBits(state) % digits.size();
        std::string text = digits.substr(0, point) + '.' + digits.substr(point);
        text += 'e';
        text += std::to_string(static_cast<int>(nextBits(state) % 80) - 40);
        readText(text);
    }
}

}  // namespace

int main() {
    // The player's locale, which must change nothing.
    std::setlocale(LC_ALL, "");
    uint64_t state = 0x9E3779B97F4A7C15ull;
    writeNumbers(state);
    readTexts(state);
    return 0;
}
