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

struct FileResult {
    bool ok = true;
    std::string reason;  // why not, in words a player can read
};

class TextFiles {
  public:
    virtual ~TextFiles() = default;
    // An ordinary file by that name (not a folder, device or pipe).
    virtual bool exists(const std::string& name) = 0;
    // Its lines, without their line ends.
    virtual FileResult readLines(const std::string& name, std::vector<std::string>& lines) = 0;
    // Replaces the file with these lines, each ended by CR LF.
    virtual FileResult writeLines(const std::string& name,
                                  const std::vector<std::string>& lines) = 0;
    // Where the file is, in words a player can look for.
    virtual std::string location(const std::string& name) { return name; }
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
