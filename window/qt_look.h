// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table's fonts and colours as Qt takes them.
#include <QColor>
#include <QFont>

#include "platform/colour.h"
#include "ui/screen_look.h"

namespace korvane {

QFont qtFont(const ScreenFont& font);
QColor qtColour(Rgb rgb);

}  // namespace korvane
