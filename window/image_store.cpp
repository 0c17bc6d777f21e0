// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/image_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QtDebug>

namespace korvane {
namespace {

const char* const kBeside = "images";
const char* const kInstalled = "../../share/korvane/images";

}  // namespace

QString ImageStore::folderFor(const QString& programFolder) {
    const QDir program(programFolder);
    for (const char* relative : {kBeside, kInstalled}) {
        const QString folder = QDir::cleanPath(program.filePath(QLatin1String(relative)));
        if (QFileInfo(folder).isDir()) return folder;
    }
    return {};
}

ImageStore::ImageStore() : folder_(folderFor(QCoreApplication::applicationDirPath())) {
    if (!folder_.isEmpty()) return;
    const QDir program(QCoreApplication::applicationDirPath());
    qCritical(
        "Korvane: the card art is missing: neither %s nor %s is there, so the table "
        "shows no cards",
        qPrintable(QDir::cleanPath(program.filePath(QLatin1String(kBeside)))),
        qPrintable(QDir::cleanPath(program.filePath(QLatin1String(kInstalled)))));
}

QPixmap ImageStore::readPng(const QString& path) {
    // Without guessing: Qt asks every image plugin it has (and so loads GIF's,
    // ICO's, JPEG's and libjpeg) whether a file is theirs before it reads a PNG.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QString ImageStore::path(const std::string& name) const {
    return folder_ + QLatin1Char('/') + QString::fromStdString(name) + QStringLiteral(".png");
}

const QPixmap& ImageStore::pixmap(Picture picture) {
    auto found = loaded_.find(picture);
    if (found != loaded_.end()) return found->second;
    QPixmap pixmap;
    if (picture && !folder_.isEmpty()) {
        // On a screen scaled past 1x the cards are drawn from art made at twice the
        // size, so they stay crisp.
        if (qApp->devicePixelRatio() > 1.0) pixmap = readPng(path(picture->name + "@2x"));
        if (!pixmap.isNull())
            pixmap.setDevicePixelRatio(2.0);
        else
            pixmap = readPng(path(picture->name));
        if (pixmap.isNull())
            qCritical("Korvane: the image %s is missing from %s", picture->name.c_str(),
                      qPrintable(folder_));
    }
    return loaded_.emplace(picture, pixmap).first->second;
}

std::vector<std::string> ImageStore::missing(const ImageCatalogue& catalogue) const {
    std::vector<std::string> names;
    for (const std::string& name : catalogue.names())
        if (folder_.isEmpty() || !QFileInfo::exists(path(name))) names.push_back(name);
    return names;
}

}  // namespace korvane
