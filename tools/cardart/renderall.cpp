// SPDX-License-Identifier: GPL-3.0-or-later
// The full set of images, under the file names the game loads them by.
#include <QFileInfo>

#include "cardart.h"

namespace korvane::cardart {

QString scaledName(const QString& fileName, qreal scale) {
    if (qFuzzyCompare(scale, 1.0)) return fileName;
    const QFileInfo info(fileName);
    return QStringLiteral("%1@%2x.%3")
        .arg(info.completeBaseName(), QString::number(scale), info.suffix());
}

std::vector<std::pair<QString, QImage>> renderAll(qreal scale) {
    std::vector<std::pair<QString, QImage>> images;
    auto add = [&](const QString& name, QImage image) {
        images.emplace_back(scaledName(name, scale), std::move(image));
    };
    for (int n = 0; n < kCardCount; ++n)
        add(QStringLiteral("face%1.png").arg(n), drawFace(n, scale));
    for (int b = kFirstBack; b <= kLastBack; ++b) {
        add(QStringLiteral("back%1.png").arg(b), drawBack(b, scale));
    }
    add(QStringLiteral("backmini.png"), drawMiniBack(scale));
    const int flag = qRound(32 * scale);
    const int smallFlag = qRound(16 * scale);
    add(QStringLiteral("flag_us.png"), drawFlag(Flag::UnitedStates, flag));
    add(QStringLiteral("flag_us16.png"), drawFlag(Flag::UnitedStates, smallFlag));
    add(QStringLiteral("flag_dk.png"), drawFlag(Flag::Denmark, flag));
    add(QStringLiteral("flag_dk16.png"), drawFlag(Flag::Denmark, smallFlag));
    add(QStringLiteral("icon.png"), drawIcon(qRound(64 * scale)));
    add(QStringLiteral("icon256.png"), drawIcon(qRound(256 * scale)));
    // The sizes of menus and panels, where the big icon would blur.
    for (const int size : {16, 22, 24, 32})
        add(QStringLiteral("icon%1.png").arg(size), drawSmallIcon(qRound(size * scale)));
    add(QStringLiteral("icon48.png"), drawIcon(qRound(48 * scale)));
    return images;
}

}  // namespace korvane::cardart
