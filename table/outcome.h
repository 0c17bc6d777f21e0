// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Who won the round, from the two hands and the marks the round left.
namespace korvane {

enum class Outcome { PlayerWins, DealerWins, Push };

struct RoundEnd {
    bool dealerKorvane;  // the dealer's two cards made 21
    bool playerKorvane;  // the status line reads "Korvane"
    int playerTotal;
    int dealerTotal;
};

// The dealer's two-card 21 beats everything; the player's wins against anything
// else; then over 21 loses, the player's first.
constexpr Outcome outcomeOf(const RoundEnd& r) {
    if (r.dealerKorvane) return Outcome::DealerWins;
    if (r.playerKorvane) return Outcome::PlayerWins;
    if (r.playerTotal > 21) return Outcome::DealerWins;
    if (r.dealerTotal > 21) return Outcome::PlayerWins;
    if (r.dealerTotal > r.playerTotal) return Outcome::DealerWins;
    if (r.dealerTotal == r.playerTotal) return Outcome::Push;
    return Outcome::PlayerWins;
}

}  // namespace korvane
