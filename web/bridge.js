// SPDX-License-Identifier: GPL-3.0-or-later
// Strings and numbers across the bridge (web/page_bridge.cpp), by the browser's
// own encoders, so the bridge needs nothing of emscripten's runtime helpers, which
// differ from one emscripten to the next.

// A text of the table's, `length` bytes of UTF-8 at `at`, as JavaScript text:
// whole, a NUL byte in it too, as a cash text read from a file may hold one.
const korvaneDecoder = new TextDecoder();
function korvaneText(at, length) {
    return korvaneDecoder.decode(HEAPU8.subarray(at, at + length));
}

// JavaScript text as a C string the table frees.
const korvaneEncoder = new TextEncoder();
function korvaneString(text) {
    const bytes = korvaneEncoder.encode(text);
    const at = _malloc(bytes.length + 1);
    HEAPU8.set(bytes, at);
    HEAPU8[at + bytes.length] = 0;
    return at;
}

// Bytes (a Uint8Array) as a block the table frees.
function korvaneBlock(bytes) {
    const at = _malloc(bytes.length + 1);
    HEAPU8.set(bytes, at);
    return at;
}

function korvaneSetInt(at, value) {
    new DataView(HEAPU8.buffer).setInt32(at, value, true);
}
