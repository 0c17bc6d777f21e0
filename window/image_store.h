// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pixels behind the core's image names: the PNGs of the game's art folder,
// read when a picture is first shown. Read from files rather than compiled into
// the program, so the art the table does not show takes no memory.
#include <QPixmap>
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "platform/image.h"

namespace korvane {

class ImageStore {
  public:
    // Finds the art beside the running program; says on the console when there is none.
    ImageStore();

    // An empty pixmap, and a complaint on the console, for an image the art lacks.
    const QPixmap& pixmap(Picture picture);
    // Names of the catalogue that have no image: empty for a whole install.
    std::vector<std::string> missing(const ImageCatalogue& catalogue) const;
    QString path(const std::string& name) const;

    // The art of a program in `programFolder`: images/ beside it, as the build
    // tree has it, or share/korvane/images of the prefix it was installed in
    // (the program lies in libexec/korvane/). Empty when neither holds a folder.
    static QString folderFor(const QString& programFolder);
    // The PNG at `path`; a null pixmap when it cannot be read.
    static QPixmap readPng(const QString& path);

  private:
    QString folder_;
    std::map<Picture, QPixmap> loaded_;
};

}  // namespace korvane
