// SPDX-License-Identifier: GPL-3.0-or-later
// Where the keyboard's focus goes: along the table, where the round needs it,
// never to the cheat switches; and the ring that shows it.
#include <cmath>

#include "tests/window/keyboard_fixture.h"

namespace korvane {
namespace {

TEST_F(Keyboard, TabAndShiftTabFollowTheTable) {
    forceDeck({9, 40, 30, 16});  // no two-card 21 on either side: the player's turn comes
    start();
    Form1& f = form();
    EXPECT_EQ(focused(), &f.Command3) << "the table opens with Start in hand";
    const std::vector<const Control*> idle{&f.Command3,    &f.HScroll1,    &f.Check1,
                                           &f.Picture4(0), &f.Picture4(1), &f.Picture4(2),
                                           &f.Label11};
    expectTabRound(idle);
    press(Qt::Key_Space);  // Start
    dealNow();
    EXPECT_EQ(focused(), &f.Command1);
    const std::vector<const Control*> turn{&f.Command1,    &f.Command2,    &f.Check1,
                                           &f.Picture4(0), &f.Picture4(1), &f.Picture4(2),
                                           &f.Label11};
    expectTabRound(turn);
    tabTo(f.Picture4(2));
    press(Qt::Key_Space);  // the chooser covers the middle of the table, settings and all
    const std::vector<const Control*> chooser{&f.Picture1(6), &f.Picture1(7), &f.Picture1(8),
                                              &f.Picture1(9), &f.Picture1(10)};
    expectTabRound(chooser);
}

TEST_F(Keyboard, TheLoanOfficeIsAStopOnlyWhileItWouldAnswer) {
    start("0\r\n0\r\n");
    Form1& f = form();
    expectTabRound({&f.Command3, &f.HScroll1, &f.Check1, &f.Picture4(0), &f.Picture4(1),
                    &f.Picture4(2), &f.Label11, &f.Label15});
    int boxes = 0;
    answerBoxesWithEnter(&boxes);
    backTab();
    ASSERT_EQ(focused(), &f.Label15);
    press(Qt::Key_Space);  // the offer, "Yes", and the office's reminder
    EXPECT_EQ(boxes, 2);
    EXPECT_EQ(f.Label10.caption, "1000");
    EXPECT_EQ(f.Debt, 1000);
    EXPECT_EQ(focused(), &f.Command3) << "the office no longer answers; the focus moved on";
    expectTabRound({&f.Command3, &f.HScroll1, &f.Check1, &f.Picture4(0), &f.Picture4(1),
                    &f.Picture4(2), &f.Label11});
}

TEST_F(Keyboard, FocusGoesWhereTheRoundNeedsItAndNeverToSounds) {
    // Dealer 10 and 2; player 5 and 4, then 7 and 3; the dealer busts on five cards.
    forceDeck({9, 40, 30, 16, 6, 41, 20, 27, 1, 51});
    start();
    Form1& f = form();
    std::vector<QWidget*> focusedOnTheWay;
    QObject listening;  // for as long as this test runs
    QObject::connect(qApp, &QApplication::focusChanged, &listening,
                     [&](QWidget*, QWidget* now) { focusedOnTheWay.push_back(now); });
    ASSERT_EQ(focused(), &f.Command3);
    press(Qt::Key_Space);
    EXPECT_EQ(f.Label5.caption, "Shuffling");
    EXPECT_EQ(QApplication::focusWidget(), &table_->view()) << "held by the table, not Sounds";
    ASSERT_TRUE(QTest::qWaitFor([&] { return focused() == &f.Command1; }, 5000));
    EXPECT_EQ(f.Label5.caption, "Your Turn");
    press(Qt::Key_Space);
    press(Qt::Key_Return);  // Enter deals as Space does
    EXPECT_EQ(f.Label3.caption, "19");
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), &f.Command2);
    press(Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return focused() == &f.Command3; }, 8000));
    EXPECT_EQ(f.Label5.caption, "YOU WIN");
    EXPECT_EQ(f.Label10.caption, "1010");
    EXPECT_EQ(f.Check1.value, 1);
    for (QWidget* w : focusedOnTheWay)
        EXPECT_NE(w, widget(f.Check1));
}

TEST_F(Keyboard, NoKeyReachesTheCheatSwitches) {
    forceDeck({9, 40, 30, 16});
    start();
    Form1& f = form();
    const CheatSwitches& switches = table_->view().cheatSwitches();
    const QRect hidden[] = {switches.placeOf(f.Label16), switches.placeOf(f.Label17)};
    ASSERT_FALSE(hidden[0].isEmpty());
    auto tabAround = [&](int presses) {
        for (int i = 0; i < presses; ++i) {
            press(i % 2 ? Qt::Key_Tab : Qt::Key_Right);  // arrows move on between buttons too
            QWidget* at = QApplication::focusWidget();
            ASSERT_NE(at, nullptr);
            const QRect place(at->mapTo(&table_->view(), QPoint(0, 0)), at->size());
            for (const QRect& h : hidden)
                EXPECT_FALSE(at != &table_->view() && place.intersects(h)) << nameOf(focused());
        }
    };
    tabAround(24);
    // With the cheat mode switched on by the mouse, the unseen "X" would set the
    // cash at a click: no key does.
    whenABoxOpens([](QMessageBox&) {});
    QTest::mouseDClick(table_->view().windowHandle(), Qt::LeftButton, {}, middleOf(f.Label16));
    ASSERT_TRUE(f.CheatMode);
    tabTo(f.Command3);
    press(Qt::Key_Space);  // Start: the focus stays with the window through the deal
    const Qt::Key keys[] = {Qt::Key_X,     Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter,
                            Qt::Key_Left,  Qt::Key_Up,    Qt::Key_Home,   Qt::Key_Delete,
                            Qt::Key_Minus, Qt::Key_1,     Qt::Key_Escape, Qt::Key_Menu};
    for (const Qt::Key key : keys)
        press(key);
    EXPECT_TRUE(f.CheatMode);
    EXPECT_EQ(f.Label10.caption, "1000");
    dealNow();
    tabAround(24);
    // Nor does a screen reader find anything there.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&table_->view());
    for (const QRect& h : hidden) {
        const QPoint spot = table_->view().mapToGlobal(h.center());
        EXPECT_EQ(window->childAt(spot.x(), spot.y()), nullptr);
    }
}

TEST_F(Keyboard, TheFocusRingStandsOutOnTheCloth) {
    start();
    const QRect start = widget(form().Command3)->geometry();
    const QPoint ring(start.left() - 2, start.center().y());
    const QPoint edge(start.left() - 4, start.center().y());
    const QColor cloth(0, 128, 0);
    EXPECT_EQ(table_->view().grab().toImage().pixelColor(ring), cloth)
        << "no ring for a player who has not touched the keyboard";
    press(Qt::Key_Tab);
    backTab();
    ASSERT_EQ(focused(), &form().Command3);
    QImage shot = table_->view().grab().toImage();
    EXPECT_EQ(shot.pixelColor(ring), QColor(255, 255, 0));
    EXPECT_EQ(shot.pixelColor(edge), QColor(0, 0, 0));
    // Contrast with the cloth, by the relative luminance of both colours.
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    EXPECT_GE((luminance(shot.pixelColor(ring)) + 0.05) / (luminance(cloth) + 0.05), 3.0);
    QTest::mouseClick(table_->view().windowHandle(), Qt::LeftButton, {}, QPoint(300, 530));
    EXPECT_EQ(table_->view().grab().toImage().pixelColor(ring), cloth) << "the mouse took over";
}

}  // namespace
}  // namespace korvane
