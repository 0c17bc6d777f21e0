// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole table by keyboard. Tab and Shift+Tab go round the controls in the
// order of the table; Space and Enter act on a flag, the miniature back, the
// rules line and the loan office's "$" as a click does; the arrows move between
// the backs of the open chooser; F1 opens the rules and Ctrl+Q closes the window.
// The focus goes where the player needs it next, but a move of the focus never
// acts by itself, and no key reaches what a click could not reach.
#include <QObject>
#include <functional>
#include <vector>

#include "table/form1.h"

class QWidget;

namespace korvane {

class TableKeys : public QObject {
  public:
    // `widgetFor` finds a control's widget; `activate` clicks a control through the
    // table's own input, as the mouse does.
    TableKeys(QWidget& window, Form1& form, std::function<QWidget*(const Control&)> widgetFor,
              std::function<void(Widget&)> activate);

    // The controls Tab visits, in order, whether or not they can take the focus now.
    std::vector<Widget*> tabOrder() const;
    // Could the control take a click now: shown, usable, not covered by the open
    // chooser, and for the "$" only while the loan office would answer.
    bool canTakeClick(const Widget& control) const;

    // Tab (forward) or Shift+Tab.
    void moveFocus(bool forward);
    // Around every refresh of the table: a control about to be switched off or
    // hidden gives up the focus first, so it never slides on to the next control
    // (the sound switch); afterwards the focus goes where the round needs it.
    void beforeRefresh();
    void afterRefresh();

  protected:
    bool eventFilter(QObject* target, QEvent* event) override;

  private:
    Widget* controlOf(const QWidget* widget) const;
    QWidget* focused() const;
    bool onKey(Widget& control, int key);
    // An arrow, Home or End among the chooser's backs; false for any other key.
    bool stepBack(int index, int key);
    void focus(const Widget& control);
    const Widget* backInUse() const;
    const Widget* nextStop() const;
    void parkFocus();

    QWidget& window_;
    Form1& form_;
    std::function<QWidget*(const Control&)> widgetFor_;
    std::function<void(Widget&)> activate_;
    bool wasChooser_ = false, wasTurn_ = false, wasIdle_ = false;
    const Widget* pending_ = nullptr;  // where the focus goes once the chooser closes
};

}  // namespace korvane
