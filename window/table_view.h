// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table on the screen: one top-level window with a widget for every control,
// refreshed from the model after every event.
#include <QDeadlineTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "access/table_access.h"
#include "table/form1.h"
#include "ui/screen_table.h"
#include "window/accessible_table.h"
#include "window/bindings.h"
#include "window/cheat_switches.h"
#include "window/image_store.h"
#include "window/spoken_widget.h"
#include "window/table_keys.h"

namespace korvane {

class FocusRing;

class TableView : public QWidget, public SpokenWidget {
  public:
    explicit TableView(Form1& form);
    ~TableView() override;

    // Brings every widget in step with the table.
    void refresh();
    ImageStore& images() { return images_; }
    const std::vector<std::unique_ptr<Binding>>& bindings() const { return bindings_; }
    QWidget* widgetFor(const Control& control) const;
    const CheatSwitches& cheatSwitches() const { return switches_; }

    // Runs when the player closes the window, before it goes.
    std::function<void()> onClose;
    // Runs once, after the first frame has been painted.
    std::function<void()> onFirstFrame;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* target, QEvent* event) override;
    // Tab and Shift+Tab go round the table in its own order.
    bool focusNextPrevChild(bool next) override;
    // The cloth takes the mouse only where the cheat switches lie.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    WidgetEvents events();
    void addCheatSwitch(Label& label, const WidgetEvents& handlers);
    void refreshWindow();
    // A click that took away the control it landed on (a back chosen closes the
    // chooser) keeps the rest of its double click from reaching what lay beneath.
    void swallowRestOfDoubleClick(const Widget& clicked);

    Form1& form_;
    TableAccess access_;
    ScreenTable screen_;
    ImageStore images_;
    std::vector<std::unique_ptr<Binding>> bindings_;
    std::map<const Widget*, Binding*> byControl_;
    AccessibleTable spoken_;
    CheatSwitches switches_;
    std::unique_ptr<TableKeys> keys_;
    FocusRing* ring_ = nullptr;  // a child of the window
    QDeadlineTimer swallowing_;
    bool painted_ = false;
};

}  // namespace korvane
