// SPDX-License-Identifier: GPL-3.0-or-later
// The least a page built like the table's can be: a program that makes one button
// and one status line in the page and answers a click on the button. The web
// benchmark holds the table's page against it.
#include <emscripten.h>
#include <emscripten/html5.h>

namespace {

EM_JS(void, makeControls, (), {
    const button = document.createElement('button');
    button.id = 'Command3';
    button.textContent = 'Start';
    const status = document.createElement('div');
    status.id = 'Label5';
    document.body.append(button, status);
});

EM_JS(void, showStatus, (const char* text),
      { document.getElementById('Label5').textContent = UTF8ToString(text); });

EM_BOOL clicked(int, const EmscriptenMouseEvent*, void*) {
    showStatus("Shuffling");
    return EM_TRUE;
}

}  // namespace

int main() {
    makeControls();
    emscripten_set_click_callback("#Command3", nullptr, EM_FALSE, clicked);
    return 0;
}
