// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table speaks UTF-8, Windows' wide calls UTF-16: every caption, title and
// box passes through here, so æ, ø and å show as they are.
#include <string>
#include <string_view>

namespace korvane {

std::wstring wide(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace korvane
