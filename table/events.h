// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The events a control of the table can raise.
namespace korvane {

enum class Event { Click, DoubleClick, Tick, Change, Scroll };

}  // namespace korvane
