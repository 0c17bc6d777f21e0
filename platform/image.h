// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures are shared handles to named images: copying a picture from one box to
// another hands over the same image, and two boxes show the same picture exactly
// when their handles are equal. The core only names images; the window draws them.
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

struct Image {
    std::string name;  // "face51", "back10", "flag_dk", ...
};

using Picture = const Image*;  // nullptr: an empty picture box

inline std::string pictureName(Picture picture) {
    return picture ? picture->name : "none";
}

// One image per name for the whole run, so handles stay comparable.
class ImageCatalogue {
  public:
    Picture get(std::string_view name);
    std::vector<std::string> names() const;

  private:
    std::map<std::string, std::unique_ptr<Image>, std::less<>> images_;
};

}  // namespace korvane
