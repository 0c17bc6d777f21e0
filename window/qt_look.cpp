// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qt_look.h"

#include <QString>

namespace korvane {

QFont qtFont(const ScreenFont& font) {
    QFont q(QString::fromStdString(font.face));
    q.setPixelSize(font.pixelSize);
    q.setBold(font.bold);
    q.setStyleHint(font.kind == FontKind::Serif  ? QFont::Serif
                   : font.kind == FontKind::Mono ? QFont::Monospace
                                                 : QFont::SansSerif);
    return q;
}

QColor qtColour(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace korvane
