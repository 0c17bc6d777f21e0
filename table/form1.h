// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card table: its controls, its table state and the handlers of its events.
// Everything the game does happens in one of these handlers, one at a time.
#include <string>

#include "platform/services.h"
#include "table/outcome.h"
#include "table/table_state.h"
#include "ui/table_window.h"
#include "ui/texts.h"

namespace korvane {

enum class Side { Dealer, Player };

class Form1 : public TableWindow, public TableState {
  public:
    explicit Form1(const Services& services);

    // The window's creation and closing.
    void Form_Load();
    void Form_Unload();

    // A round: the start button, the opening deal, the player's two buttons, the
    // dealer's turn and the settlement.
    void Command3_Click();
    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();
    void Timer2_Timer();
    void Timer3_Timer();

    // The loan office: a loan when the cash reads "0", and the payback offer the
    // round start makes.
    void Label15_Click();
    void PaybackOffer();

    // The flags and the miniature back; the rules line.
    void Picture4_Click(int index);
    void Label11_Click();
    // The dealer's cards, the deck pile and the backs of the chooser; the player's cards.
    void Picture1_Click(int index);
    void Picture2_Click(int index);
    // The hidden cheat switch, and the cash it lets the player set.
    void Label16_DblClick();
    void Label17_Click();

    // The bet's scroll bar.
    void HScroll1_Change();
    void HScroll1_Scroll();

    // A player's input. Each returns false when the control could not take it:
    // hidden, disabled, outside the window, or not a control of that kind.
    bool click(Control& control);
    bool doubleClick(Control& control);
    // The second press of a double click, after its first has clicked.
    bool secondClick(Control& control);
    bool scrollTo(int value);
    bool setCheck(int value);

    // The table's own procedures.
    void clearCardSlots();
    void BuildDeck();
    void ShuffleDeck();
    // Lays the next card of the deck face up in a slot of one side.
    void drawCard(Side side, int slot);
    void ScorePlayerHand();
    void ScoreDealerHand();
    void StartOpeningDeal();
    void StartDealerTurn();
    void StartSettlement();

    // The cash file holds what a close would write: it is written after every
    // settlement, loan and repayment, and at the close. Shows nothing; a kill
    // saves through it too.
    FileResult writeCashFile();
    // Another table already plays from this folder's cash file: this one told the
    // player at start-up and stood down, and never touches the file.
    bool standsDown() const { return standsDown_; }

    const Services& services() const { return services_; }
    // The language in force, as the caption of Command1 tells it.
    Language language() const;

  private:
    BoxAnswer msgBox(const std::string& text, BoxButtons buttons, BoxIcon icon,
                     const std::string& title = "");
    void playSound(const std::string& file);
    void playIfSoundsOn(const std::string& file);
    bool claimCashFile();
    void readCashFile();
    // After a change of the cash: written at once, and a failure told once until
    // a save goes through again.
    void keepCash();
    void putCaptions(Language language);
    // The draw step without its first step: lays the card at DeckPos.
    void layCard(Side side, int slot);
    const std::string& rankText(int rank) const;
    void dealHoleCard();
    void dealLastCard();
    void revealDealerKorvane();
    void turnHoleCard();
    void dealerDraws(int slot);
    // Moves the bet and counts the win, with the outcome's text and sound;
    // returns the cash. The boxes that follow come after the cash is saved.
    double settleBet(Outcome outcome, int bet, bool korvane);
    double playerWins(int bet, bool korvane);
    void raiseLimit(double cash);
    void dealerWins(int bet);
    // Shows the face of a code's card in a place while a box is open, then the back.
    void peek(PictureBox& place, const std::string& code);
    // The hole card's picture as the round knows it, whatever a peek shows.
    Picture holeCard() const;
    void onClick(Widget& widget);
    void onDoubleClick(Widget& widget);

    Services services_;
    bool cashFileUnusable_ = false;  // whatever it holds must survive this run
    bool standsDown_ = false;
    bool saveFailureTold_ = false;
    bool loanQuestionOpen_ = false;
    bool settling_ = false;
    bool peekingHole_ = false;
    Picture holeUnderPeek_ = nullptr;
};

}  // namespace korvane
