// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qt_look.h"

#include <QString>
#include <cmath>

namespace korvane {
namespace {

QString installedFamily(const std::string& designed) {
    if (designed == "Times New Roman") return QStringLiteral("Liberation Serif");
    if (designed == "Courier New") return QStringLiteral("Liberation Mono");
    // "MS Sans Serif", "Arial" and the dialog font.
    return QStringLiteral("Liberation Sans");
}

}  // namespace

QFont qtFont(const Font& font) {
    QFont q(installedFamily(font.name));
    q.setPixelSize(static_cast<int>(std::lround(font.size * 96.0 / 72.0)));
    q.setBold(font.bold);
    q.setStyleHint(font.name == "Times New Roman" ? QFont::Serif : QFont::SansSerif);
    return q;
}

QColor qtColour(Colour colour) {
    const Rgb rgb = colour.resolved();
    return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace korvane
