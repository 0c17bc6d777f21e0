// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card table, Form1: its controls, its table state and the handlers of its
// events. Everything the game does happens in one of these handlers, one at a
// time, and the events that run them are wired in events.cpp.
//
// This header is the table's index: each group below is a phase of a round or a
// part of the table, with the file that holds it. Handlers, procedures, controls
// and table state carry the game's own names (Command3_Click, StartSettlement,
// Label10, DeckPos); helpers of our own have lower-case names.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"
#include "table/events.h"
#include "table/outcome.h"
#include "table/table_state.h"
#include "ui/table_window.h"
#include "ui/texts.h"

namespace korvane {

enum class Side { Dealer, Player };

class Form1 : public TableWindow, public TableState {
  public:
    explicit Form1(const Services& services);

    // The window's creation (form1.cpp) and closing (cash_keeping.cpp).
    void Form_Load();
    void Form_Unload();

    // A round, phase by phase.
    void Command3_Click();    // the round start: round_start.cpp
    void StartOpeningDeal();  // the opening deal: opening_deal.cpp
    void Timer1_Timer();
    void Command1_Click();  // the player's turn: players_turn.cpp
    void Command2_Click();
    void StartDealerTurn();  // the dealer's turn: dealers_turn.cpp
    void Timer2_Timer();
    void StartSettlement();  // the settlement: settlement.cpp
    void Timer3_Timer();

    // The deck (deck.cpp) and the hands (scoring.cpp).
    void BuildDeck();
    void ShuffleDeck();
    void clearCardSlots();
    // Lays the next card of the deck face up in a slot of one side.
    void drawCard(Side side, int slot);
    void ScorePlayerHand();
    void ScoreDealerHand();

    // The bank: the bet (bet.cpp), the loan office (loan_desk.cpp) and the cash
    // file (cash_keeping.cpp).
    void HScroll1_Change();
    void HScroll1_Scroll();
    void Label15_Click();
    // The "$" lends: the cash is gone and the table still keeps its cash file.
    bool lendsNow() const;
    void PaybackOffer();  // a step of the round start
    // The cash file holds what a close would write: it is written after every
    // settlement, loan and repayment, and at the close. Shows nothing; a kill
    // saves through it too.
    FileResult writeCashFile();
    // Another table already plays from this folder's cash file: this one told the
    // player at start-up and stood down, and never touches the file.
    bool standsDown() const { return standsDown_; }
    // Whether the cash file takes the cash as it changes, or why it does not: a
    // window that shows where the cash is kept (the page) tells the truth.
    enum class CashKeeping { Saved, StoodDown, LeftUnread, TakenOver, LastSaveFailed };
    CashKeeping cashKeeping() const;
    // A cash file brought from elsewhere, as one event: the player is asked
    // before the table takes its cash (cash_opening.cpp). Its lines as the table
    // would save them now, for the player to take away.
    void openCashFile(const std::string& name, const std::string& bytes);
    std::string cashFileBytes() const;
    // From Start to the settlement's end.
    bool roundRuns() const;

    // The flags and the rules line (presentation.cpp); the dealer's cards, the
    // deck pile and the chooser's backs (card_backs.cpp); the hidden cheat switch
    // and the cash it sets (cheat_mode.cpp).
    void Picture4_Click(int index);
    void Label11_Click();
    void Picture1_Click(int index);
    void Picture2_Click(int index);
    void Label16_DblClick();
    void Label17_Click();

    // A player's input (input.cpp), each an event of its own. Each returns false
    // when the control could not take it: hidden, disabled, outside the window,
    // or not a control of that kind.
    bool click(Control& control);
    bool doubleClick(Control& control);
    // The second press of a double click, after its first has clicked.
    bool secondClick(Control& control);
    bool scrollTo(int value);
    bool setCheck(int value);
    // The bet's thumb dragged to a value, and let go.
    bool dragBet(int value);
    void endBetDrag();

    // Runs after every event the table handles (an input, a timer's tick) and
    // before every box it opens, so whatever shows the table brings it up to date.
    std::function<void()> afterEvent;
    // Another table holds the cash file: asks that table's window to come to the
    // front, true when it did, so that this one goes without a box.
    std::function<bool()> raiseOpenTable;

    const Services& services() const { return services_; }
    // The language in force, as the caption of Command1 tells it.
    Language language() const;

  private:
    // The wiring of events to handlers (events.cpp).
    struct Route {
        const Control* control;
        Event event;
        void (Form1::*handler)();
        void (Form1::*indexed)(int);
        int index;
    };
    void wireEvents();
    // Runs the handler wired to a control's event, if any.
    void raise(const Control& control, Event event);
    // One event to its end, then `afterEvent`.
    template <class Run>
    void handle(Run&& run) {
        run();
        if (afterEvent) afterEvent();
    }

    // What the table asks of the desktop (form1.cpp).
    BoxAnswer msgBox(const std::string& text, BoxButtons buttons, BoxIcon icon,
                     const std::string& title = "");
    void playSound(const std::string& file);
    void playIfSoundsOn(const std::string& file);

    // The opening deal (opening_deal.cpp).
    void dealHoleCard();
    void dealLastCard();
    void revealDealerKorvane();
    void turnHoleCard();
    // The player's turn is over: neither of the player's buttons takes a click
    // (players_turn.cpp).
    void switchOffPlayerButtons();
    // The dealer's turn (dealers_turn.cpp).
    void dealerDraws(int slot);
    // The settlement (settlement.cpp): moves the bet and counts the win, with the
    // outcome's text and sound, and returns the cash. The boxes that follow come
    // after the cash is saved.
    double settleBet(Outcome outcome, int bet, bool korvane);
    double playerWins(int bet, bool korvane);
    void raiseLimit(double cash);
    void dealerWins(int bet);

    // The deck (deck.cpp): the draw step without its first step, laying the card
    // at DeckPos.
    void layCard(Side side, int slot);
    const std::string& rankText(int rank) const;

    // The cash file (cash_keeping.cpp).
    bool claimCashFile();
    void readCashFile();
    // After a change of the cash: written at once, and a failure told once until
    // a save goes through again.
    void keepCash();
    // Before a save and before a round: the cash file is still this table's.
    // Once another table has taken it over, or the name has come to lead to
    // another file, this one never saves there again.
    bool keepsItsFile();
    // Tells once why the cash is no longer saved, and takes no more rounds.
    void standAside();
    std::string lostFileText() const;

    // The captions of a language (presentation.cpp).
    void putCaptions(Language language);
    // Peeks (card_backs.cpp): shows the face of a code's card in a place while a
    // box is open, then the back.
    void peek(PictureBox& place, const std::string& code);
    // The hole card's picture as the round knows it, whatever a peek shows.
    Picture holeCard() const;

    Services services_;
    std::vector<Route> routes_;
    bool cashFileUnusable_ = false;  // whatever it holds must survive this run
    bool standsDown_ = false;
    bool saveFailureTold_ = false;
    // Why the table can no longer save: another table took the cash file over
    // (HeldElsewhere), or its name leads to another file (FileChanged).
    std::optional<Claim> lost_;
    // The cash after a repayment, saved while its receipt is shown and put on
    // the table once the receipt is closed; the debt is then 0.
    std::optional<std::string> paidUp_;
    bool loanQuestionOpen_ = false;
    bool settling_ = false;
    bool peekingHole_ = false;
    Picture holeUnderPeek_ = nullptr;
};

}  // namespace korvane
