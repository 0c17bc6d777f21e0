// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/image.h"

namespace korvane {

Picture ImageCatalogue::get(std::string_view name) {
    auto found = images_.find(name);
    if (found == images_.end()) {
        auto image = std::make_unique<Image>(Image{std::string(name)});
        found = images_.emplace(std::string(name), std::move(image)).first;
    }
    return found->second.get();
}

std::vector<std::string> ImageCatalogue::names() const {
    std::vector<std::string> names;
    for (const auto& [name, image] : images_)
        names.push_back(name);
    return names;
}

}  // namespace korvane
