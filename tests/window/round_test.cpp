// SPDX-License-Identifier: GPL-3.0-or-later
// A whole round in the real window: the start button, the deal at the timers'
// own pace on the real event loop, two more cards, stop, and the dealer's turn.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "headless/scripted_random.h"
#include "tests/window/window_fixture.h"
#include "window/qt_look.h"
#include "window/qt_table.h"

namespace korvane {
namespace {

class WindowRound : public WindowTest {
  protected:
    QString shown(const Label& label) { return widget<QLabel>(label)->text(); }
    void press(const Button& button) {
        QTest::mouseClick(widget<QPushButton>(button), Qt::LeftButton);
    }
};

TEST_F(WindowRound, PlaysARoundToItsEnd) {
    // Dealer 10 and 2; player 5 and 4, then 7 and 3; the dealer passes over one
    // card, then draws 2, 2 and a king to bust on five cards.
    forceDeck({9, 40, 30, 16, 6, 41, 20, 27, 1, 51});
    open();
    Form1& form = table_->form();
    QElapsedTimer sinceClick;
    sinceClick.start();
    press(form.Command3);
    EXPECT_EQ(shown(form.Label5), QStringLiteral("Shuffling"));
    EXPECT_FALSE(widget(form.Command3)->isEnabled());
    EXPECT_TRUE(widget(form.Command1)->isVisible());
    EXPECT_FALSE(widget(form.Command1)->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return widget(form.Picture1(0))->isVisible(); }, 5000));
    EXPECT_GE(sinceClick.elapsed(), 2000) << "the first card falls 2000 ms after the click";
    ASSERT_TRUE(QTest::qWaitFor([&] { return widget(form.Command1)->isEnabled(); }, 5000));
    EXPECT_EQ(shown(form.Label5), QStringLiteral("Your Turn"));
    EXPECT_EQ(shown(form.Label3), QStringLiteral("9"));
    EXPECT_EQ(shown(form.Label4), QStringLiteral("0"));
    press(form.Command1);
    press(form.Command1);
    EXPECT_EQ(shown(form.Label3), QStringLiteral("19"));
    EXPECT_TRUE(widget(form.Picture2(3))->isVisible());
    press(form.Command2);
    EXPECT_FALSE(widget(form.Command1)->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return widget(form.Command3)->isEnabled(); }, 8000));
    EXPECT_EQ(shown(form.Label5), QStringLiteral("YOU WIN"));
    EXPECT_EQ(shown(form.Label4), QStringLiteral("26"));
    EXPECT_EQ(shown(form.Label10), QStringLiteral("1010"));
    EXPECT_EQ(shown(form.Label9), QStringLiteral("1"));
    EXPECT_TRUE(widget(form.Picture1(4))->isVisible());
    const QImage shot = table_->view().grab().toImage();
    shot.save(QStringLiteral(KORVANE_SHOTS "/round.png"));
    // The dealer's hole card is face up: the ten of hearts, white, not the red back.
    EXPECT_EQ(shot.pixelColor(pixels(120) + 60, pixels(120) + 60), QColor(255, 255, 255));
}

}  // namespace
}  // namespace korvane
