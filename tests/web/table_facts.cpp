// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the core says of the table after a few driver commands: the client
// area, and for each control its place on the window and what a screen reader is
// told. The browser tests hold the page against it, so both read one table.
//   web_table_facts 'load' 'click Picture4(1)' ...
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

#include "drive/driver.h"
#include "headless/memory_files.h"
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
              << ",\"checked\":" << (s.checked ? "true" : "false") << '}';
}

}  // namespace
}  // namespace korvane

int main(int argc, char** argv) {
    korvane::MemoryFiles files;
    std::ostringstream said, errors;
    korvane::Driver driver(files, said, errors);
    for (int i = 1; i < argc; ++i)
        driver.execute(argv[i]);
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
    std::cout << "]}\n";
    return 0;
}
