// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A control array: elements named "Picture1(0)", "Picture1(1)", ... and reached
// by index as Picture1(k).
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvane {

template <class T>
class ControlArray {
  public:
    ControlArray(const std::string& name, int count) {
        for (int i = 0; i < count; ++i)
            items_.push_back(std::make_unique<T>(name + "(" + std::to_string(i) + ")"));
    }

    T& operator()(int index) { return *items_.at(static_cast<size_t>(index)); }
    const T& operator()(int index) const { return *items_.at(static_cast<size_t>(index)); }
    int size() const { return static_cast<int>(items_.size()); }

    std::optional<int> indexOf(const void* control) const {
        for (size_t i = 0; i < items_.size(); ++i)
            if (items_[i].get() == control) return static_cast<int>(i);
        return std::nullopt;
    }

  private:
    std::vector<std::unique_ptr<T>> items_;
};

}  // namespace korvane
