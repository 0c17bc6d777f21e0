// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pixels behind the core's image names, compiled into the program.
#include <QPixmap>
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "platform/image.h"

namespace korvane {

class ImageStore {
  public:
    // An empty pixmap, and a complaint on the console, for an image the program lacks.
    const QPixmap& pixmap(Picture picture);
    // Names of the catalogue that have no image: empty in a sound build.
    std::vector<std::string> missing(const ImageCatalogue& catalogue);

    static QString resourcePath(const std::string& name);

  private:
    std::map<Picture, QPixmap> loaded_;
};

}  // namespace korvane
