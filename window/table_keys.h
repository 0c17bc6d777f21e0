// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard of the Qt window. Every decision is the table's (TableAccess,
// access/table_access.h): this maps Qt's keys to the table's, tells it which
// control has the focus, does the click or the move of the bet it answers, and
// puts Qt's focus where it says. A button clicked by a key goes down and up as
// Qt's own buttons do; an access key (Alt+S, Alt+1, Alt+2) shows it pressed
// before it clicks.
#include <QObject>
#include <functional>

#include "access/table_access.h"

class QWidget;

namespace korvane {

class TableKeys : public QObject {
  public:
    // `widgetFor` finds a control's widget; `activate` clicks a control through the
    // table's own input, as the mouse does.
    TableKeys(QWidget& window, TableAccess& access,
              std::function<QWidget*(const Control&)> widgetFor,
              std::function<void(Widget&)> activate);

    // Tab (forward) or Shift+Tab, and wherever Qt would move the focus on.
    void moveFocus(bool forward);
    // Around every refresh of the table: a control about to be switched off or
    // hidden gives up the focus first, so Qt never slides it on to the next
    // control (the sound switch); afterwards the focus goes where the round needs it.
    void beforeRefresh();
    void afterRefresh();

  protected:
    bool eventFilter(QObject* target, QEvent* event) override;

  private:
    const Widget* controlOf(const QWidget* widget) const;
    const Widget* focusedControl() const;
    // A key the table knows, on a control (nullptr: the window); false when it
    // was not the table's.
    bool forward(TableKey key, const Widget* on, bool repeat = false);
    void apply(const KeyAnswer& answer, TableKey key);
    void focus(const Widget& control, TableKey key);
    void parkFocus();

    QWidget& window_;
    TableAccess& access_;
    std::function<QWidget*(const Control&)> widgetFor_;
    std::function<void(Widget&)> activate_;
};

}  // namespace korvane
