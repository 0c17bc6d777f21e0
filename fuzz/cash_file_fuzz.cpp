// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a cash file: start-up takes what it can, and closing writes the
// first line back byte for byte (less a leading byte-order mark), in two CR LF lines.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "bank/cash_file.h"
#include "platform/text_lines.h"
#include "headless/headless_platform.h"
#include "table/form1.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = korvane::splitLines(bytes);
    for (const auto& line : lines)
        if (line.find_first_of("\r\n") != std::string::npos) std::abort();
    korvane::HeadlessPlatform platform;
    platform.memoryFiles.files["Korvane.cash"] = bytes;
    korvane::Form1 table(platform.services());
    table.Form_Load();
    table.Form_Unload();
    const auto written = korvane::splitLines(platform.memoryFiles.files["Korvane.cash"]);
    if (written.size() != 2) std::abort();
    std::string first = lines.empty() ? "1000" : lines[0];
    if (first.rfind("\xEF\xBB\xBF", 0) == 0) first.erase(0, 3);  // an editor's byte-order mark
    if (written[0] != first) std::abort();
    if (korvane::utf8ToLatin1(korvane::latin1ToUtf8(bytes)) != bytes) std::abort();
    return 0;
}
