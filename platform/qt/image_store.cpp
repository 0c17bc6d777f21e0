#include "platform/qt/image_store.h"

#include <QFile>
#include <QtDebug>

namespace korvane {

QString ImageStore::resourcePath(const std::string& name) {
    return QStringLiteral(":/images/") + QString::fromStdString(name) + QStringLiteral(".png");
}

const QPixmap& ImageStore::pixmap(Picture picture) {
    auto found = loaded_.find(picture);
    if (found != loaded_.end()) return found->second;
    QPixmap pixmap;
    if (picture && !pixmap.load(resourcePath(picture->name)))
        qCritical("Korvane: the image %s is missing from this build", picture->name.c_str());
    return loaded_.emplace(picture, pixmap).first->second;
}

std::vector<std::string> ImageStore::missing(const ImageCatalogue& catalogue) {
    std::vector<std::string> names;
    for (const std::string& name : catalogue.names())
        if (!QFile::exists(resourcePath(name))) names.push_back(name);
    return names;
}

}  // namespace korvane
