// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the model's fonts and colours look on a Qt screen.
#include <QColor>
#include <QFont>

#include "platform/colour.h"
#include "platform/control.h"

namespace korvane {

// The table's fonts are mapped to installed faces of the same metrics, sized in
// pixels so the table looks the same on every screen: 8.25 pt is 11 px.
QFont qtFont(const Font& font);
QColor qtColour(Colour colour);
// The size a twips place takes on the screen.
inline int pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

}  // namespace korvane
