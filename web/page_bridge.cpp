// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_bridge.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

// Each call hands its strings to the page's scripts as bytes and their count, so
// a text arrives whole whatever bytes it holds, and takes its answers back;
// strings coming from the page are allocated there with malloc and freed here
// (the helpers are in bridge.js).
// clang-format off
EM_JS(void, js_make, (const char* id, int idSize, const char* kind, int kindSize,
                      const char* parent, int parentSize, int left, int top, int width,
                      int height), {
    Module.page.make(korvaneText(id, idSize), korvaneText(kind, kindSize),
                     korvaneText(parent, parentSize), left, top, width, height);
});
EM_JS(void, js_shown, (const char* id, int idSize, int visible, int enabled), {
    Module.page.setShown(korvaneText(id, idSize), visible !== 0, enabled !== 0);
});
EM_JS(void, js_text, (const char* id, int idSize, const char* text, int textSize), {
    Module.page.setText(korvaneText(id, idSize), korvaneText(text, textSize));
});
EM_JS(void, js_look, (const char* id, int idSize, const char* back, int backSize,
                      const char* fore, int foreSize, const char* family, int familySize,
                      double pixels, int bold, const char* align, int alignSize), {
    Module.page.setLook(korvaneText(id, idSize), korvaneText(back, backSize),
                        korvaneText(fore, foreSize), korvaneText(family, familySize), pixels,
                        bold !== 0, korvaneText(align, alignSize));
});
EM_JS(void, js_picture, (const char* id, int idSize, const char* image, int imageSize), {
    Module.page.setPicture(korvaneText(id, idSize), korvaneText(image, imageSize));
});
EM_JS(void, js_check, (const char* id, int idSize, int value), {
    Module.page.setCheck(korvaneText(id, idSize), value);
});
EM_JS(void, js_range, (const char* id, int idSize, int min, int max, int value, int small,
                       int large), {
    Module.page.setRange(korvaneText(id, idSize), min, max, value, small, large);
});
EM_JS(void, js_title, (const char* title, int titleSize, int danish), {
    Module.page.setTitle(korvaneText(title, titleSize), danish !== 0);
});
EM_JS(void, js_size, (int width, int height, const char* back, int backSize), {
    Module.page.setSize(width, height, korvaneText(back, backSize));
});
EM_JS(void, js_stop, (const char* id, int idSize, int order), {
    Module.page.setStop(korvaneText(id, idSize), order);
});
EM_JS(void, js_focus, (const char* id, int idSize), {
    Module.page.focus(korvaneText(id, idSize));
});
EM_JS(char*, js_focused, (), { return korvaneString(Module.page.focused()); });
EM_JS(void, js_spoken, (const char* id, int idSize, const char* role, int roleSize,
                        const char* name, int nameSize, const char* description,
                        int descriptionSize, int checked), {
    Module.page.setSpoken(korvaneText(id, idSize), korvaneText(role, roleSize),
                          korvaneText(name, nameSize),
                          korvaneText(description, descriptionSize), checked !== 0);
});
EM_ASYNC_JS(char*, js_next_event, (double milliseconds), {
    const event = await Module.page.nextEvent(milliseconds);
    return korvaneString(event);
});
EM_JS(int, js_open_box, (const char* title, int titleSize, const char* text, int textSize,
                        const char* words, int wordsSize, int icon, int danish), {
    return Module.page.openBox(korvaneText(title, titleSize), korvaneText(text, textSize),
                               korvaneText(words, wordsSize).split("\n"), icon, danish !== 0);
});
EM_ASYNC_JS(int, js_wait_box, (int box, double milliseconds), {
    return await Module.page.waitBox(box, milliseconds);
});
EM_JS(void, js_close_box, (int box), { Module.page.closeBox(box); });
EM_JS(void, js_play, (const char* file, int fileSize), {
    Module.page.play(korvaneText(file, fileSize));
});
EM_JS(char*, js_read, (const char* key, int keySize, int* state, int* length), {
    const found = Module.page.read(korvaneText(key, keySize));
    let bytes = korvaneEncoder.encode(found.why || "");
    if (found.state === 0) {
        // A character past 255 is no byte the page wrote: the value is left unread.
        const text = found.text;
        let written = true;
        for (let i = 0; i < text.length && written; ++i) written = text.charCodeAt(i) < 256;
        if (written) bytes = Uint8Array.from(text, (c) => c.charCodeAt(0));
        else {
            found.state = 2;
            bytes = korvaneEncoder.encode("text");
        }
    }
    korvaneSetInt(state, found.state);
    korvaneSetInt(length, bytes.length);
    return korvaneBlock(bytes);
});
EM_JS(char*, js_write, (const char* key, int keySize, const char* bytes, int length), {
    let text = "";
    for (let i = 0; i < length; ++i) text += String.fromCharCode(HEAPU8[bytes + i]);
    return korvaneString(Module.page.write(korvaneText(key, keySize), text));
});
EM_JS(int, js_claim, (), { return Module.page.claim(); });
EM_JS(void, js_offer, (const char* name, int nameSize, const char* bytes, int length), {
    Module.page.offer(korvaneText(name, nameSize), HEAPU8.slice(bytes, bytes + length));
});
EM_JS(char*, js_opened, (int* length, char** name), {
    const opened = Module.page.takeOpened();
    korvaneSetInt(length, opened.bytes.length);
    korvaneSetInt(name, korvaneString(opened.name));
    return korvaneBlock(opened.bytes);
});
EM_JS(void, js_know, (const char* sounds, int soundsSize, const char* keys, int keysSize,
                      int largest), {
    Module.page.know(korvaneText(sounds, soundsSize).split("\n"),
                     korvaneText(keys, keysSize).split("\n"), largest);
});
EM_JS(void, js_stand_down, (), { Module.page.standDown(); });
EM_JS(void, js_tell_storage, (const char* note, int noteSize), {
    Module.page.tellStorage(korvaneText(note, noteSize));
});
EM_JS(void, js_set_words, (const char* lines, int linesSize), {
    Module.page.setWords(korvaneText(lines, linesSize));
});
EM_JS(void, js_announce, (const char* words, int wordsSize), {
    Module.page.announce(korvaneText(words, wordsSize));
});
EM_JS(double, js_seconds, (), { return Module.page.secondsSinceMidnight(); });
EM_JS(double, js_now, (), { return Module.page.now(); });
// clang-format on

namespace korvane::page {
namespace {

int size(const std::string& text) {
    return static_cast<int>(text.size());
}

std::string taken(char* text) {
    const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
    return text ? std::string(text) : std::string();
}

}  // namespace

void make(const std::string& id, const std::string& kind, const std::string& parent, int left,
          int top, int width, int height) {
    js_make(id.data(), size(id), kind.data(), size(kind), parent.data(), size(parent), left, top,
            width, height);
}
void setShown(const std::string& id, bool visible, bool enabled) {
    js_shown(id.data(), size(id), visible, enabled);
}
void setText(const std::string& id, const std::string& text) {
    js_text(id.data(), size(id), text.data(), size(text));
}
void setLook(const std::string& id, const std::string& back, const std::string& fore,
             const std::string& family, double pixels, bool bold, const std::string& align) {
    js_look(id.data(), size(id), back.data(), size(back), fore.data(), size(fore), family.data(),
            size(family), pixels, bold, align.data(), size(align));
}
void setPicture(const std::string& id, const std::string& image) {
    js_picture(id.data(), size(id), image.data(), size(image));
}
void setCheck(const std::string& id, int value) {
    js_check(id.data(), size(id), value);
}
void setRange(const std::string& id, int min, int max, int value, int small, int large) {
    js_range(id.data(), size(id), min, max, value, small, large);
}
void setTitle(const std::string& title, bool danish) {
    js_title(title.data(), size(title), danish);
}
void setSize(int width, int height, const std::string& back) {
    js_size(width, height, back.data(), size(back));
}

void setStop(const std::string& id, int order) {
    js_stop(id.data(), size(id), order);
}
void focus(const std::string& id) {
    js_focus(id.data(), size(id));
}
std::string focused() {
    return taken(js_focused());
}
void setSpoken(const std::string& id, const std::string& role, const std::string& name,
               const std::string& description, bool checked) {
    js_spoken(id.data(), size(id), role.data(), size(role), name.data(), size(name),
              description.data(), size(description), checked);
}

std::string nextEvent(double milliseconds) {
    return taken(js_next_event(milliseconds));
}

int openBox(const std::string& title, const std::string& text, const std::string& words, int icon,
            bool danish) {
    return js_open_box(title.data(), size(title), text.data(), size(text), words.data(),
                       size(words), icon, danish);
}
int waitBox(int box, double milliseconds) {
    return js_wait_box(box, milliseconds);
}
void closeBox(int box) {
    js_close_box(box);
}

void play(const std::string& file) {
    js_play(file.data(), size(file));
}

int read(const std::string& key, std::string& bytes) {
    int state = 2, length = 0;
    char* at = js_read(key.data(), size(key), &state, &length);
    bytes.assign(at, static_cast<size_t>(length));
    std::free(at);
    return state;
}
std::string write(const std::string& key, const std::string& bytes) {
    return taken(js_write(key.data(), size(key), bytes.data(), size(bytes)));
}
int claim() {
    return js_claim();
}
void offer(const std::string& name, const std::string& bytes) {
    js_offer(name.data(), size(name), bytes.data(), size(bytes));
}

std::string openedFile(std::string& bytes) {
    int length = 0;
    char* name = nullptr;
    char* at = js_opened(&length, &name);
    bytes.assign(at, static_cast<size_t>(length));
    std::free(at);
    return taken(name);
}
void know(const std::string& sounds, const std::string& keys, int largestCashFile) {
    js_know(sounds.data(), size(sounds), keys.data(), size(keys), largestCashFile);
}
void standDown() {
    js_stand_down();
}
void tellStorage(const std::string& note) {
    js_tell_storage(note.data(), size(note));
}
void setWords(const std::string& lines) {
    js_set_words(lines.data(), size(lines));
}
void announce(const std::string& words) {
    js_announce(words.data(), size(words));
}

double now() {
    return js_now();
}
double secondsSinceMidnight() {
    return js_seconds();
}

}  // namespace korvane::page
