// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of seeded random event sequences through the table, every event
// checked against what the game may and may not do. A failing seed is printed,
// and its script written out into the build folder, so it can be replayed with
// korvane-drive.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "drive/driver.h"
#include "platform/number_text.h"

namespace korvane {
namespace {

constexpr int kSequences = 10000;
constexpr int kLongestSequence = 300;

const char* kCashFiles[] = {
    nullptr,          "0\r\n0\r\n",      "35.5\r\n1000\r\n",       "2490\r\n0\r\n",
    "50000\r\n0\r\n", "-20\r\n0\r\n",    "9990\r\n2147483000\r\n", "abc\r\n\r\n",
    "100\r\n999\r\n", "3000\r\n1000\r\n"};
const char* kTargets[] = {
    "Command1",    "Command2",    "Command3",    "Command3",     "Command1",
    "Picture1(0)", "Picture1(1)", "Picture1(6)", "Picture1(10)", "Picture1(11)",
    "Picture2(0)", "Picture4(0)", "Picture4(1)", "Picture4(2)",  "Label11",
    "Label15",     "Label16",     "Label17",     "Check1",       "Label10",
    "Picture1(5)", "Picture3(7)", "Frame4",      "List2",        "Form1"};

// A random command in the driver's words.
std::string randomEvent(std::mt19937& rng) {
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const int kind = pick(100);
    if (kind < 40) return std::string("click ") + kTargets[pick(std::size(kTargets))];
    if (kind < 46) return std::string("dblclick ") + kTargets[pick(std::size(kTargets))];
    if (kind < 52) return "scroll HScroll1 " + std::to_string(pick(12100) - 50);
    if (kind < 55) return "check Check1 " + std::to_string(pick(2));
    if (kind < 80) return "wait " + std::to_string(pick(10) == 0 ? pick(12000) : pick(800));
    if (kind < 95) {
        static const char* kAnswers[] = {"yes", "no", "ok"};
        std::string answer = std::string("answer ") + kAnswers[pick(3)];
        return pick(3) == 0 ? answer + " after " + std::to_string(pick(2500)) : answer;
    }
    std::string deck = "deck";
    for (int i = pick(12); i > 0; --i)
        deck.append(" ").append(std::to_string(pick(53)));
    return deck;
}

struct Snapshot {
    double cash, bet;
    std::string cashText;
    int32_t debt;
    bool idle, cheat;
    int wins;
};

// A caption's number as the game reads it, read again only when the text changed.
class CaptionNumber {
  public:
    double operator()(const std::string& text) {
        if (text != text_) {
            text_ = text;
            value_ = numericValue(text);
        }
        return value_;
    }

  private:
    std::string text_;
    double value_ = numericValue("");
};

bool near(double a, double b) {
    return std::fabs(a - b) <= 1e-6 * std::max(1.0, std::fabs(b));
}

// The moves one event can make to the cash: a settlement of either bet or of a
// loan's 50 (won, lost or paid twice), a loan from nothing, a repayment and the
// cheat's cash.
struct CashMoves {
    double bets[3];
    double repaid;
    bool cheat;

    // Whether `target` lies within `steps` moves of `cash`, in any order. The
    // nearer cash is looked at first, so an unmoved or once-moved cash costs little.
    bool reach(double cash, double target) const {
        for (int steps = 0; steps <= 3; ++steps)
            if (within(cash, target, steps)) return true;
        return false;
    }

  private:
    bool within(double c, double target, int steps) const {
        if (steps == 0) return near(target, c);
        for (const double bet : bets)
            for (const double k : {1.0, -1.0, 2.0})
                if (within(c + k * bet, target, steps - 1)) return true;
        return (c == 0 && within(1000, target, steps - 1)) ||
               within(c - repaid, target, steps - 1) || (cheat && within(10000, target, steps - 1));
    }
};

class Checker {
  public:
    explicit Checker(const Form1& t) { before_ = read(t); }
    // What is wrong after an event, or the empty text.
    std::string check(const Form1& t);

  private:
    Snapshot read(const Form1& t);
    std::string money(const Snapshot& before, const Snapshot& after, const Form1& t) const;
    std::string round(const Snapshot& before, const Snapshot& after, const Form1& t);

    int started_ = 0, settled_ = 0;
    int winsAtStart_ = 0;
    CaptionNumber cash_, bet_, dealerWins_, playerWins_;
    // Nothing moves the table between two events: one's after is the next one's before.
    Snapshot before_;
};

Snapshot Checker::read(const Form1& t) {
    return {cash_(t.Label10.caption),
            bet_(t.Label13.caption),
            t.Label10.caption,
            t.Debt,
            t.Command3.enabled,
            t.CheatMode,
            static_cast<int>(dealerWins_(t.Label8.caption) + playerWins_(t.Label9.caption))};
}

std::string Checker::money(const Snapshot& b, const Snapshot& a, const Form1& t) const {
    const bool loan = int64_t{a.debt} == int64_t{b.debt} + 1000;
    const bool repaid = a.debt == 0 && b.debt > 0;
    if (a.debt != b.debt && !loan && !repaid) return "the debt moved without a loan or a repayment";
    if (loan && b.cash != 0 && a.cash - b.cash > 1000 + 2 * 50)
        return "a loan paid out more than 1000";
    const CashMoves moves{{b.bet, a.bet, 50.0},
                          std::floor(static_cast<double>(b.debt) * 1.25),
                          b.cheat || t.CheatMode};
    if (moves.reach(b.cash, a.cash)) return "";
    return "the cash moved from " + b.cashText + " to " + a.cashText +
           " for no reason the game has";
}

std::string Checker::round(const Snapshot& b, const Snapshot& a, const Form1& t) {
    if (b.idle && !a.idle) {
        ++started_;
        winsAtStart_ = b.wins;
        if (a.cash >= 0 && a.bet > a.cash) return "a round stakes more than the player has";
    }
    if (!b.idle && a.idle) {
        ++settled_;
        const bool push = t.Label5.caption == "SAME" || t.Label5.caption == "LIGE";
        if (a.wins - winsAtStart_ != (push ? 0 : 1)) return "a round was not counted exactly once";
    }
    if (settled_ > started_ || started_ > settled_ + 1) return "rounds and settlements out of step";
    if ((t.Timer1.running() || t.Timer2.running() || t.Timer3.running()) && t.Command3.enabled)
        return "the start button is enabled while a round runs";
    if (t.Timer1.running() && t.DeckPos > 2) return "the deal's timer runs past its fourth card";
    if (t.DealerLast > 4 || t.PlayerLast > 4) return "more than five cards a side";
    if (t.DeckPos > 10) return "a deal position past 10";
    if (t.HScroll1.value() > t.HScroll1.max()) return "the bet is above the limit";
    return "";
}

std::string Checker::check(const Form1& t) {
    const Snapshot after = read(t);
    for (const std::string& wrong : {money(before_, after, t), round(before_, after, t)})
        if (!wrong.empty()) return wrong;
    before_ = after;
    return "";
}

// Plays one sequence; returns what went wrong, with the script that led there.
std::string playSequence(unsigned seed, std::string& script, const char*& cashFile) {
    std::mt19937 rng(seed);
    MemoryFiles files;
    cashFile = kCashFiles[rng() % std::size(kCashFiles)];
    if (cashFile) files.files["Korvane.cash"] = cashFile;
    std::ostringstream out, err;
    Driver driver(files, out, err);
    script = "load\n";
    driver.execute("load");
    Checker checker(driver.form());
    const int events = static_cast<int>(rng() % kLongestSequence) + 1;
    for (int i = 0; i < events; ++i) {
        const std::string event = randomEvent(rng);
        script += event + "\n";
        try {
            driver.execute(event);
        } catch (const std::exception& e) {
            return std::string("an exception: ") + e.what();
        }
        const std::string wrong = checker.check(driver.form());
        if (!wrong.empty()) return wrong;
        out.str("");
    }
    driver.execute("unload");
    return "";
}

TEST(RandomPlay, NoSequenceBreaksTheTable) {
    int failures = 0;
    for (unsigned seed = 1; seed <= kSequences && failures < 3; ++seed) {
        std::string script;
        const char* cashFile = nullptr;
        const std::string wrong = playSequence(seed, script, cashFile);
        if (wrong.empty()) continue;
        ++failures;
        const std::filesystem::path folder = KORVANE_REPLAY_DIR;
        std::filesystem::create_directories(folder);
        const std::string name = (folder / ("random-play-" + std::to_string(seed))).string();
        std::ofstream(name + ".drive") << script;
        std::string replay = "korvane-drive < " + name + ".drive";
        if (cashFile) {
            std::ofstream(name + ".cash", std::ios::binary) << cashFile;
            replay = "cp " + name + ".cash Korvane.cash && " + replay;
        }
        ADD_FAILURE() << "seed " << seed << ": " << wrong << "\n  written to " << folder.string()
                      << "\n  replay: " << replay;
    }
}

}  // namespace
}  // namespace korvane
