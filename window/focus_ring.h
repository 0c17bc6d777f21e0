// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A ring around the control that has the keyboard's focus, bright yellow edged
// in black so it stands out on the green cloth, the black cash strip and the dark
// settings alike. It shows once the player uses the keyboard and goes when the
// mouse is used, so a mouse player sees the table as it always was.
#include <QWidget>

#include "window/spoken_widget.h"

namespace korvane {

class FocusRing : public QWidget, public SpokenWidget {
  public:
    // A child of the window, over everything on it; it takes no clicks.
    explicit FocusRing(QWidget& window);
    ~FocusRing() override;

    // Around the focused control, or gone when there is none to show.
    void follow();

    static constexpr int kWidth = 5;  // black, three of yellow, black
    static const QColor kColour;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* target, QEvent* event) override;

  private:
    QWidget& window_;
    bool keyboard_ = false;
};

}  // namespace korvane
