// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the table asks of its page, and what the page hands back: every call into
// the browser goes through here (page.js on the other side).
#include <string>

namespace korvane::page {

// Elements: one a control, by its DOM id, inside `parent` ("" for the table).
void make(const std::string& id, const std::string& kind, const std::string& parent, int left,
          int top, int width, int height);
void setShown(const std::string& id, bool visible, bool enabled);
void setText(const std::string& id, const std::string& text);
void setLook(const std::string& id, const std::string& back, const std::string& fore,
             const std::string& family, double pixels, bool bold, const std::string& align);
void setPicture(const std::string& id, const std::string& image);
void setCheck(const std::string& id, int value);
void setRange(const std::string& id, int min, int max, int value, int small, int large);
// The window's title, and the language its texts are in now.
void setTitle(const std::string& title, bool danish);
void setSize(int width, int height, const std::string& back);

// The keyboard and the screen reader: a control's place in the Tab order (-1:
// none), the focus, and what it tells ("" role: nothing at all).
void setStop(const std::string& id, int order);
void focus(const std::string& id);
std::string focused();  // the focused control's id, "" when none of the table's
void setSpoken(const std::string& id, const std::string& role, const std::string& name,
               const std::string& description, bool checked);

// The next thing the player did, or "wake" when `milliseconds` have passed
// (never, when below 0). Sleeps the table until then.
std::string nextEvent(double milliseconds);

// A modal box with the words of its buttons, one a line: one word for OK, two
// for Yes and No. Its answer comes from waitBox: 0 OK, 1 Yes, 2 No, or -1 when
// `milliseconds` passed first.
int openBox(const std::string& title, const std::string& text, const std::string& words, int icon,
            bool danish);
int waitBox(int box, double milliseconds);
void closeBox(int box);

void play(const std::string& file);

// The browser's storage for the page's origin, which keeps text: each byte goes
// there as one character, so any bytes come back as they went, and a value the
// page did not write is never read as bytes it did not hold. `read`: 0 found,
// 1 missing, 2 unusable, `bytes` then saying why ("full", "none", or "text" for
// a value that is no bytes). `write`: "" or why not ("full", "none").
int read(const std::string& key, std::string& bytes);
std::string write(const std::string& key, const std::string& bytes);
// 0 this page holds the table, 1 another page of the origin does (asked again
// before each save: a page that lost its hold says so).
int claim();
// Hands the player a file to keep, by its name.
void offer(const std::string& name, const std::string& bytes);

// The file the player chose with "Open cash file": its bytes, and its name.
std::string openedFile(std::string& bytes);
// What the page's scripts need to know of the table, told once at start-up: its
// sound files and the names of its keys, one a line, and the size of the
// largest cash file it reads.
void know(const std::string& sounds, const std::string& keys, int largestCashFile);
// The table stood down for another page that holds it: the page plays nothing.
void standDown();
// Where the cash is kept, or why it is not, in the language in force.
void tellStorage(const std::string& note);
// The page's own words in the language in force, "name=words" a line.
void setWords(const std::string& lines);
// Tells a screen reader of a change, in words ("Cash: 990").
void announce(const std::string& words);

double now();  // milliseconds on the page's clock
double secondsSinceMidnight();

}  // namespace korvane::page
