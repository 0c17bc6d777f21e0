// SPDX-License-Identifier: GPL-3.0-or-later
#include "winwindow/spoken_windows.h"

namespace korvane {

SpokenWindows::SpokenWindows(const TableWindow& table)
    : spoken_(table), voice_(std::make_shared<Voice>()) {
    voice_->speak = [this](const Widget& control) { return spoken_.now(control); };
}

SpokenWindows::~SpokenWindows() {
    voice_->speak = nullptr;
}

void SpokenWindows::update() {
    for (const SpokenChange& change : spoken_.update()) {
        const auto found = windows_.find(change.control);
        if (found == windows_.end()) continue;
        const HWND hwnd = found->second;
        const auto tell = [hwnd](DWORD event) {
            NotifyWinEvent(event, hwnd, OBJID_CLIENT, CHILDID_SELF);
        };
        if (change.appeared || change.went) tell(EVENT_OBJECT_STATECHANGE);
        if (change.now.role == SpokenRole::None) continue;
        if (change.name) tell(EVENT_OBJECT_NAMECHANGE);
        if (change.description) tell(EVENT_OBJECT_DESCRIPTIONCHANGE);
        if (change.value) tell(EVENT_OBJECT_VALUECHANGE);
        if (change.checked) tell(EVENT_OBJECT_STATECHANGE);
    }
}

}  // namespace korvane
