// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game needs from the desktop besides its controls: message boxes,
// sounds, text files, random numbers and the time of day. The real window and
// the tests each provide their own.
#include <string>
#include <vector>

namespace korvane {

class TimerHost;

enum class BoxButtons { Ok, YesNo };
enum class BoxIcon { None, Stop, Information };
enum class BoxAnswer { Ok, Yes, No };

struct BoxRequest {
    std::string text;  // character 13 breaks a line
    std::string title;
    BoxButtons buttons = BoxButtons::Ok;
    BoxIcon icon = BoxIcon::None;
    // The words on its buttons, in the table's language; each answers by its
    // first letter too.
    std::string ok = "OK", yes = "Yes", no = "No";
};

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Modal: returns when the player has answered.
    virtual BoxAnswer show(const BoxRequest& box) = 0;
};

class Sound {
  public:
    virtual ~Sound() = default;
    // Starts a WAV file by its bare name and returns at once; a missing file is silence.
    virtual void play(const std::string& file) = 0;
};

// What lies under a file's name when the table looks for it.
enum class FileKind {
    Missing,   // no such file: a fresh start
    Ordinary,  // a file to read
    Unusable,  // something that is no file to read or replace, or that could not be looked at
};

struct FileLook {
    FileKind kind = FileKind::Missing;
    std::string reason;  // why it is unusable, in words a player can read
};

// What a failed write left where the file was, so the player is told only what is true.
enum class OldFile {
    Untouched,  // the file as it was before
    None,       // there was no file, and none was made
    Damaged,    // the file may hold neither the old lines nor the new
};

struct FileResult {
    bool ok = true;
    std::string reason;  // why not, in words a player can read
    OldFile left = OldFile::Untouched;
};

// A table's hold on its folder's cash file.
enum class Claim {
    Held,           // this table alone plays from the file
    HeldElsewhere,  // another table holds it now
    Unavailable,    // the folder takes no hold at all; the table plays on regardless
    FileChanged,    // the name no longer leads to the file this table read at start-up
};

class TextFiles {
  public:
    virtual ~TextFiles() = default;
    // Only "no such file" is a missing file; any other trouble is unusable.
    virtual FileLook look(const std::string& name) = 0;
    // Its lines, without their line ends.
    virtual FileResult readLines(const std::string& name, std::vector<std::string>& lines) = 0;
    // Replaces the file with these lines, each ended by CR LF: afterwards the file
    // holds either all of the old lines or all of the new.
    virtual FileResult writeLines(const std::string& name,
                                  const std::vector<std::string>& lines) = 0;
    // Where the file is, in words a player can look for.
    virtual std::string location(const std::string& name) { return name; }
    // Holds the file `name` leads to, and the lock file `lockName` beside it, for
    // the rest of the run, so that two tables never play from one file, however
    // they reach it; once held, what a killed save left beside it is cleared
    // away. Claimed again before a save, it makes sure both are still this
    // table's: HeldElsewhere then means another table plays from the file now,
    // FileChanged that the name leads to another file (or to none). Either stays
    // so for the rest of the run, and `writeLines` no longer writes that name.
    virtual Claim claim(const std::string& name, const std::string& lockName) = 0;
};

class Random {
  public:
    virtual ~Random() = default;
    virtual void seed(float seed) = 0;
    // Uniform in [0, 1).
    virtual double next() = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() = 0;
};

// Everything a window needs from outside, handed to it whole.
struct Services {
    MessageBoxes& boxes;
    Sound& sound;
    TextFiles& files;
    Random& random;
    Clock& clock;
    TimerHost& timers;
};

}  // namespace korvane
