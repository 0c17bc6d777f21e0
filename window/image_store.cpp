// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/image_store.h"

#include <QFile>
#include <QGuiApplication>
#include <QtDebug>

namespace korvane {

QString ImageStore::resourcePath(const std::string& name) {
    return QStringLiteral(":/images/") + QString::fromStdString(name) + QStringLiteral(".png");
}

const QPixmap& ImageStore::pixmap(Picture picture) {
    auto found = loaded_.find(picture);
    if (found != loaded_.end()) return found->second;
    QPixmap pixmap;
    if (picture) {
        // On a screen scaled past 1x the cards are drawn from art made at twice the
        // size, so they stay crisp.
        const bool sharp =
            qApp->devicePixelRatio() > 1.0 && pixmap.load(resourcePath(picture->name + "@2x"));
        if (sharp)
            pixmap.setDevicePixelRatio(2.0);
        else if (!pixmap.load(resourcePath(picture->name)))
            qCritical("Korvane: the image %s is missing from this build", picture->name.c_str());
    }
    return loaded_.emplace(picture, pixmap).first->second;
}

std::vector<std::string> ImageStore::missing(const ImageCatalogue& catalogue) {
    std::vector<std::string> names;
    for (const std::string& name : catalogue.names())
        if (!QFile::exists(resourcePath(name))) names.push_back(name);
    return names;
}

}  // namespace korvane
