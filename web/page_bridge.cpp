// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_bridge.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

// Each call hands its strings to the page's scripts and takes its answers back;
// strings coming from the page are allocated there with malloc and freed here
// (the helpers are in bridge.js).
// clang-format off
EM_JS(void, js_make, (const char* id, const char* kind, const char* parent, int left, int top,
                      int width, int height), {
    Module.page.make(korvaneText(id), korvaneText(kind), korvaneText(parent), left, top, width,
                     height);
});
EM_JS(void, js_shown, (const char* id, int visible, int enabled), {
    Module.page.setShown(korvaneText(id), visible !== 0, enabled !== 0);
});
EM_JS(void, js_text, (const char* id, const char* text), {
    Module.page.setText(korvaneText(id), korvaneText(text));
});
EM_JS(void, js_look, (const char* id, const char* back, const char* fore, const char* family,
                      double pixels, int bold, const char* align), {
    Module.page.setLook(korvaneText(id), korvaneText(back), korvaneText(fore),
                        korvaneText(family), pixels, bold !== 0, korvaneText(align));
});
EM_JS(void, js_picture, (const char* id, const char* image), {
    Module.page.setPicture(korvaneText(id), korvaneText(image));
});
EM_JS(void, js_check, (const char* id, int value), {
    Module.page.setCheck(korvaneText(id), value);
});
EM_JS(void, js_range, (const char* id, int min, int max, int value, int small, int large), {
    Module.page.setRange(korvaneText(id), min, max, value, small, large);
});
EM_JS(void, js_title, (const char* title, int danish), {
    Module.page.setTitle(korvaneText(title), danish !== 0);
});
EM_JS(void, js_size, (int width, int height, const char* back), {
    Module.page.setSize(width, height, korvaneText(back));
});
EM_JS(void, js_stop, (const char* id, int order), { Module.page.setStop(korvaneText(id), order); });
EM_JS(void, js_focus, (const char* id), { Module.page.focus(korvaneText(id)); });
EM_JS(char*, js_focused, (), { return korvaneString(Module.page.focused()); });
EM_JS(void, js_spoken, (const char* id, const char* role, const char* name, const char* description,
                        int checked), {
    Module.page.setSpoken(korvaneText(id), korvaneText(role), korvaneText(name),
                          korvaneText(description), checked !== 0);
});
EM_ASYNC_JS(char*, js_next_event, (double milliseconds), {
    const event = await Module.page.nextEvent(milliseconds);
    return korvaneString(event);
});
EM_JS(int, js_open_box, (const char* title, const char* text, int buttons, int icon, int danish), {
    return Module.page.openBox(korvaneText(title), korvaneText(text), buttons, icon,
                               danish !== 0);
});
EM_ASYNC_JS(int, js_wait_box, (int box, double milliseconds), {
    return await Module.page.waitBox(box, milliseconds);
});
EM_JS(void, js_close_box, (int box), { Module.page.closeBox(box); });
EM_JS(void, js_play, (const char* file), { Module.page.play(korvaneText(file)); });
EM_JS(char*, js_read, (const char* key, int* state, int* length), {
    const found = Module.page.read(korvaneText(key));
    korvaneSetInt(state, found.state);
    korvaneSetInt(length, found.bytes.length);
    return korvaneBytes(found.bytes);
});
EM_JS(char*, js_write, (const char* key, const char* bytes, int length), {
    let text = "";
    for (let i = 0; i < length; ++i) text += String.fromCharCode(HEAPU8[bytes + i]);
    return korvaneString(Module.page.write(korvaneText(key), text));
});
EM_JS(int, js_claim, (), { return Module.page.claim(); });
EM_JS(void, js_offer, (const char* name, const char* bytes, int length), {
    Module.page.offer(korvaneText(name), HEAPU8.slice(bytes, bytes + length));
});
EM_JS(char*, js_opened, (int* length, char** name), {
    const opened = Module.page.takeOpened();
    const bytes = opened.bytes;
    const at = _malloc(bytes.length + 1);
    HEAPU8.set(bytes, at);
    korvaneSetInt(length, bytes.length);
    korvaneSetInt(name, korvaneString(opened.name));
    return at;
});
EM_JS(void, js_stand_down, (), { Module.page.standDown(); });
EM_JS(void, js_tell_storage, (const char* note), { Module.page.tellStorage(korvaneText(note)); });
EM_JS(double, js_seconds, (), { return Module.page.secondsSinceMidnight(); });
EM_JS(double, js_now, (), { return Module.page.now(); });
// clang-format on

namespace korvane::page {
namespace {

std::string taken(char* text) {
    const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
    return text ? std::string(text) : std::string();
}

}  // namespace

void make(const std::string& id, const std::string& kind, const std::string& parent, int left,
          int top, int width, int height) {
    js_make(id.c_str(), kind.c_str(), parent.c_str(), left, top, width, height);
}
void setShown(const std::string& id, bool visible, bool enabled) {
    js_shown(id.c_str(), visible, enabled);
}
void setText(const std::string& id, const std::string& text) {
    js_text(id.c_str(), text.c_str());
}
void setLook(const std::string& id, const std::string& back, const std::string& fore,
             const std::string& family, double pixels, bool bold, const std::string& align) {
    js_look(id.c_str(), back.c_str(), fore.c_str(), family.c_str(), pixels, bold, align.c_str());
}
void setPicture(const std::string& id, const std::string& image) {
    js_picture(id.c_str(), image.c_str());
}
void setCheck(const std::string& id, int value) {
    js_check(id.c_str(), value);
}
void setRange(const std::string& id, int min, int max, int value, int small, int large) {
    js_range(id.c_str(), min, max, value, small, large);
}
void setTitle(const std::string& title, bool danish) {
    js_title(title.c_str(), danish);
}
void setSize(int width, int height, const std::string& back) {
    js_size(width, height, back.c_str());
}

void setStop(const std::string& id, int order) {
    js_stop(id.c_str(), order);
}
void focus(const std::string& id) {
    js_focus(id.c_str());
}
std::string focused() {
    return taken(js_focused());
}
void setSpoken(const std::string& id, const std::string& role, const std::string& name,
               const std::string& description, bool checked) {
    js_spoken(id.c_str(), role.c_str(), name.c_str(), description.c_str(), checked);
}

std::string nextEvent(double milliseconds) {
    return taken(js_next_event(milliseconds));
}

int openBox(const std::string& title, const std::string& text, int buttons, int icon, bool danish) {
    return js_open_box(title.c_str(), text.c_str(), buttons, icon, danish);
}
int waitBox(int box, double milliseconds) {
    return js_wait_box(box, milliseconds);
}
void closeBox(int box) {
    js_close_box(box);
}

void play(const std::string& file) {
    js_play(file.c_str());
}

int read(const std::string& key, std::string& bytes) {
    int state = 2, length = 0;
    char* at = js_read(key.c_str(), &state, &length);
    bytes.assign(at, static_cast<size_t>(length));
    std::free(at);
    return state;
}
std::string write(const std::string& key, const std::string& bytes) {
    return taken(js_write(key.c_str(), bytes.data(), static_cast<int>(bytes.size())));
}
int claim() {
    return js_claim();
}
void offer(const std::string& name, const std::string& bytes) {
    js_offer(name.c_str(), bytes.data(), static_cast<int>(bytes.size()));
}

std::string openedFile(std::string& bytes) {
    int length = 0;
    char* name = nullptr;
    char* at = js_opened(&length, &name);
    bytes.assign(at, static_cast<size_t>(length));
    std::free(at);
    return taken(name);
}
void standDown() {
    js_stand_down();
}
void tellStorage(const std::string& note) {
    js_tell_storage(note.c_str());
}

double now() {
    return js_now();
}
double secondsSinceMidnight() {
    return js_seconds();
}

}  // namespace korvane::page
