#pragma once
// The card table: its controls, its table state and the handlers of its events.
// Everything the game does happens in one of these handlers, one at a time.
#include <string>

#include "platform/services.h"
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

    // The loan office: a loan when the cash reads "0", and the payback offer the
    // round start makes.
    void Label15_Click();
    void PaybackOffer();

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
    void BuildDeck();
    void ShuffleDeck();
    // Lays the next card of the deck face up in a slot of one side.
    void drawCard(Side side, int slot);
    void ScorePlayerHand();
    void ScoreDealerHand();
    void StartDealerTurn();

    const Services& services() const { return services_; }
    // The language in force, as the caption of Command1 tells it.
    Language language() const;

  private:
    BoxAnswer msgBox(const std::string& text, BoxButtons buttons, BoxIcon icon,
                     const std::string& title = "");
    void playSound(const std::string& file);
    void playIfSoundsOn(const std::string& file);
    void readCashFile();
    void onClick(Widget& widget);
    void onDoubleClick(Widget& widget);

    Services services_;
    bool cashFileUnreadable_ = false;
    bool loanQuestionOpen_ = false;
};

}  // namespace korvane
