// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_bridge.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

// Each call hands its strings to page.js and takes its answers back; strings
// coming from the page are allocated there with malloc and freed here.
// clang-format off
EM_JS(void, js_make, (const char* id, const char* kind, const char* parent, int left, int top,
                      int width, int height), {
    Module.page.make(UTF8ToString(id), UTF8ToString(kind), UTF8ToString(parent), left, top, width,
                     height);
});
EM_JS(void, js_shown, (const char* id, int visible, int enabled), {
    Module.page.setShown(UTF8ToString(id), visible !== 0, enabled !== 0);
});
EM_JS(void, js_text, (const char* id, const char* text), {
    Module.page.setText(UTF8ToString(id), UTF8ToString(text));
});
EM_JS(void, js_look, (const char* id, const char* back, const char* fore, const char* family,
                      double pixels, int bold, const char* align), {
    Module.page.setLook(UTF8ToString(id), UTF8ToString(back), UTF8ToString(fore),
                        UTF8ToString(family), pixels, bold !== 0, UTF8ToString(align));
});
EM_JS(void, js_picture, (const char* id, const char* image), {
    Module.page.setPicture(UTF8ToString(id), UTF8ToString(image));
});
EM_JS(void, js_check, (const char* id, int value), {
    Module.page.setCheck(UTF8ToString(id), value);
});
EM_JS(void, js_range, (const char* id, int min, int max, int value, int small, int large), {
    Module.page.setRange(UTF8ToString(id), min, max, value, small, large);
});
EM_JS(void, js_title, (const char* title), { Module.page.setTitle(UTF8ToString(title)); });
EM_JS(void, js_size, (int width, int height, const char* back), {
    Module.page.setSize(width, height, UTF8ToString(back));
});
EM_JS(void, js_stop, (const char* id, int order), { Module.page.setStop(UTF8ToString(id), order); });
EM_JS(void, js_focus, (const char* id), { Module.page.focus(UTF8ToString(id)); });
EM_JS(char*, js_focused, (), { return allocateUTF8(Module.page.focused()); });
EM_JS(void, js_spoken, (const char* id, const char* role, const char* name, const char* description,
                        int checked), {
    Module.page.setSpoken(UTF8ToString(id), UTF8ToString(role), UTF8ToString(name),
                          UTF8ToString(description), checked !== 0);
});
EM_ASYNC_JS(char*, js_next_event, (double milliseconds), {
    const event = await Module.page.nextEvent(milliseconds);
    return allocateUTF8(event);
});
EM_JS(int, js_open_box, (const char* title, const char* text, int buttons, int icon, int danish), {
    return Module.page.openBox(UTF8ToString(title), UTF8ToString(text), buttons, icon,
                               danish !== 0);
});
EM_ASYNC_JS(int, js_wait_box, (int box, double milliseconds), {
    return await Module.page.waitBox(box, milliseconds);
});
EM_JS(void, js_close_box, (int box), { Module.page.closeBox(box); });
EM_JS(void, js_play, (const char* file), { Module.page.play(UTF8ToString(file)); });
EM_JS(char*, js_read, (const char* key, int* state, int* length), {
    const found = Module.page.read(UTF8ToString(key));
    HEAP32[state >> 2] = found.state;
    const bytes = found.bytes;
    const at = _malloc(bytes.length + 1);
    for (let i = 0; i < bytes.length; ++i) HEAPU8[at + i] = bytes.charCodeAt(i) & 255;
    HEAP32[length >> 2] = bytes.length;
    return at;
});
EM_JS(char*, js_write, (const char* key, const char* bytes, int length), {
    let text = "";
    for (let i = 0; i < length; ++i) text += String.fromCharCode(HEAPU8[bytes + i]);
    return allocateUTF8(Module.page.write(UTF8ToString(key), text));
});
EM_JS(int, js_claim, (), { return Module.page.claim(); });
EM_JS(void, js_offer, (const char* name, const char* bytes, int length), {
    Module.page.offer(UTF8ToString(name), HEAPU8.slice(bytes, bytes + length));
});
EM_JS(char*, js_opened, (int* length, char** name), {
    const opened = Module.page.takeOpened();
    const bytes = opened.bytes;
    const at = _malloc(bytes.length + 1);
    HEAPU8.set(bytes, at);
    HEAP32[length >> 2] = bytes.length;
    HEAP32[name >> 2] = allocateUTF8(opened.name);
    return at;
});
EM_JS(void, js_stand_down, (), { Module.page.standDown(); });
EM_JS(void, js_tell_storage, (const char* note), { Module.page.tellStorage(UTF8ToString(note)); });
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
void setTitle(const std::string& title) {
    js_title(title.c_str());
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
