// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_services.h"

#include "platform/text_lines.h"
#include "ui/page_words.h"
#include "web/page_bridge.h"

namespace korvane {

BoxAnswer PageBoxes::show(const BoxRequest& request) {
    const bool question = request.buttons == BoxButtons::YesNo;
    const int icon = request.icon == BoxIcon::Stop          ? 1
                     : request.icon == BoxIcon::Information ? 2
                                                            : 0;
    const std::string words = question ? request.yes + "\n" + request.no : request.ok;
    const int box = page::openBox(request.title.empty() ? "Korvane" : request.title, request.text,
                                  words, icon, language_() == Language::Danish);
    int answer = -1;
    while ((answer = page::waitBox(box, timers_.untilNext())) < 0)
        timers_.runDue();
    page::closeBox(box);
    if (!question) return BoxAnswer::Ok;
    return answer == 1 ? BoxAnswer::Yes : BoxAnswer::No;
}

void PageSound::play(const std::string& file) {
    page::play(file);
}

std::string PageFiles::why(const std::string& code) const {
    const PageWords& words = pageWords(language_());
    if (code == "full") return words.storageFull;
    if (code == "text") return words.storageNotText;
    return words.storageNone;
}

FileLook PageFiles::look(const std::string& name) {
    std::string bytes;
    switch (page::read(name, bytes)) {
        case 0:
            return {FileKind::Ordinary, ""};
        case 1:
            return {};
        default:
            return {FileKind::Unusable, why(bytes)};
    }
}

FileResult PageFiles::readLines(const std::string& name, std::vector<std::string>& lines) {
    lines.clear();
    std::string bytes;
    const int state = page::read(name, bytes);
    if (state != 0) return {false, state == 1 ? "it is gone" : why(bytes)};
    if (bytes.size() > kLargestReadable) return {false, "too large to be a cash file"};
    lines = splitLines(bytes);
    return {};
}

FileResult PageFiles::writeLines(const std::string& name, const std::vector<std::string>& lines) {
    const std::string bytes = joinLines(lines);
    // The browser stores the whole value or nothing: a refusal leaves the old lines.
    std::string old;
    const bool hadOld = page::read(name, old) == 0;
    const std::string refused = page::write(name, bytes);
    if (refused.empty()) return {};
    return {false, why(refused), hadOld ? OldFile::Untouched : OldFile::None};
}

std::string PageFiles::location(const std::string& name) {
    return name;
}

// Every browser keeps one table to an origin, by a lock or by a lease, so a
// page never says that nothing keeps a second table out.
Claim PageFiles::claim(const std::string&, const std::string&) {
    return page::claim() == 1 ? Claim::HeldElsewhere : Claim::Held;
}

}  // namespace korvane
