// SPDX-License-Identifier: GPL-3.0-or-later
// Plays driver commands on the core and prints, as one JSON object, what the
// desktop would show: the client area; for each control its place on the window
// and what a screen reader is told; the lines the driver said (boxes, sounds,
// values); and the files the table left, in hex. The browser tests hold the page
// against it, so the page and the desktop answer to one table.
// With --disk the table works on the files of the current folder, as the game
// does, instead of files in memory.
//   web_table_facts [--disk | --file NAME=PATH...] 'load' 'click Picture4(1)' ...
// With --deal-at SECONDS it prints only the deck a shuffle deals at that time of
// day, as the table seeds its shuffle from the clock.
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "cards/shuffle.h"
#include "drive/driver.h"
#include "headless/memory_files.h"
#include "platform/seeded_random.h"
#include "platform/system_services.h"
#include "ui/spoken.h"

namespace korvane {
namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + '"';
}

const char* roleText(SpokenRole role) {
    switch (role) {
        case SpokenRole::None:
            return "none";
        case SpokenRole::Window:
            return "window";
        case SpokenRole::Group:
            return "group";
        case SpokenRole::Label:
            return "label";
        case SpokenRole::Button:
            return "button";
        case SpokenRole::CheckBox:
            return "checkbox";
        case SpokenRole::ScrollBar:
            return "scrollbar";
        case SpokenRole::Graphic:
            return "graphic";
        case SpokenRole::Choice:
            return "choice";
    }
    return "none";
}

void printControl(const Form1& form, const Widget& w) {
    const Place p = w.placeOnWindow();
    const Spoken s = spokenFor(form, w);
    std::cout << "{\"name\":" << quoted(w.name()) << ",\"shown\":" << (w.shown() ? "true" : "false")
              << ",\"inside\":" << (form.insideWindow(w) ? "true" : "false")
              << ",\"left\":" << p.left << ",\"top\":" << p.top << ",\"width\":" << p.width
              << ",\"height\":" << p.height << ",\"role\":" << quoted(roleText(s.role))
              << ",\"spoken\":" << quoted(s.name) << ",\"description\":" << quoted(s.description)
              << ",\"checked\":" << (s.checked ? "true" : "false");
    if (const auto* picture = dynamic_cast<const PictureBox*>(&w))
        std::cout << ",\"picture\":" << quoted(pictureName(picture->picture));
    std::cout << '}';
}

void printLines(const std::string& text) {
    std::istringstream lines(text);
    const char* comma = "";
    for (std::string line; std::getline(lines, line); comma = ",")
        std::cout << comma << quoted(line);
}

void printFiles(const MemoryFiles& files) {
    const char* comma = "";
    for (const auto& [name, bytes] : files.files) {
        std::cout << comma << quoted(name) << ":\"";
        for (const unsigned char c : bytes) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02x", c);
            std::cout << hex;
        }
        std::cout << '"';
        comma = ",";
    }
}

// "--file NAME=PATH": the table finds the bytes of PATH under NAME.
bool giveFile(MemoryFiles& files, const std::string& namePath) {
    const auto equals = namePath.find('=');
    if (equals == std::string::npos) return false;
    std::ifstream in(namePath.substr(equals + 1), std::ios::binary);
    if (!in) return false;
    files.files[namePath.substr(0, equals)].assign(std::istreambuf_iterator<char>(in), {});
    return true;
}

int printDeal(const char* seconds) {
    SeededRandom random;
    random.seed(static_cast<float>(std::stod(seconds)));
    std::array<int16_t, kDeckSize> drawn{};
    const char* comma = "";
    std::cout << "{\"deck\":[";
    for (const int card : shuffledOrder(random, drawn)) {
        std::cout << comma << card;
        comma = ",";
    }
    std::cout << "]}\n";
    return 0;
}

}  // namespace
}  // namespace korvane

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--deal-at") return korvane::printDeal(argv[2]);
    korvane::MemoryFiles files;
    const auto diskFiles = korvane::makeDiskFiles();
    korvane::TextFiles& disk = *diskFiles;
    const bool onDisk = argc > 1 && std::string(argv[1]) == "--disk";
    std::ostringstream said, errors;
    korvane::Driver driver(onDisk ? static_cast<korvane::TextFiles&>(disk) : files, said, errors);
    for (int i = onDisk ? 2 : 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--file" && i + 1 < argc) {
            if (!korvane::giveFile(files, argv[++i])) {
                std::cerr << "cannot read " << argv[i] << '\n';
                return 1;
            }
        } else {
            driver.execute(word);
        }
    }
    if (!errors.str().empty()) {
        std::cerr << errors.str();
        return 1;
    }
    const korvane::Form1& form = driver.form();
    std::cout << "{\"clientWidth\":" << form.Me.clientWidth()
              << ",\"clientHeight\":" << form.Me.clientHeight() << ",\"controls\":[";
    const char* comma = "";
    for (const korvane::Widget* w : form.widgets()) {
        std::cout << comma;
        korvane::printControl(form, *w);
        comma = ",";
    }
    std::cout << "],\"said\":[";
    korvane::printLines(said.str());
    std::cout << "],\"files\":{";
    korvane::printFiles(files);
    std::cout << "}}\n";
    return 0;
}
