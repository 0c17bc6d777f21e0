// SPDX-License-Identifier: GPL-3.0-or-later
// The window's keyboard: Qt's keys reach the table as its own, the focus goes
// where the table puts it, and the ring shows it. What each key does, and where
// the focus goes, is the table's (tests/access/); a whole round by keys through
// the real accessibility bus is screen_reader_round.py's.
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <functional>

#include "tests/window/window_fixture.h"

namespace korvane {
namespace {

class Keyboard : public WindowTest {
  protected:
    // The game in the active window, from a cash file of these bytes (none: no file).
    void start(const char* cash = nullptr) {
        open(cash);
        ASSERT_TRUE(active());
    }
    Form1& form() { return table_->form(); }
    // The window has the keyboard again, as the desktop gives it back when a box closes.
    bool active() {
        if (!table_->view().isActiveWindow()) table_->view().activateWindow();
        return QTest::qWaitForWindowActive(&table_->view());
    }
    // A key as the player presses it, to whatever has the focus in the window.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ASSERT_TRUE(active());
        QWidget* to = QApplication::focusWidget();
        QTest::keyClick(to ? to : &table_->view(), key, modifiers);
    }
    // The control with the focus; nullptr while the window itself holds it.
    const Control* focused() {
        EXPECT_TRUE(active());
        for (const auto& binding : table_->view().bindings())
            if (binding->widget() == QApplication::focusWidget()) return &binding->control();
        return nullptr;
    }
    std::string focusName() {
        const Control* at = focused();
        return at ? at->name() : "the window";
    }
};

// Every key of the table once, through the idle table and a round played by its
// access keys; Ctrl+Q then closes the window, saving the cash as its close button does.
TEST_F(Keyboard, QtsKeysReachTheTableAsItsOwn) {
    // Dealer 10 and 2; player 5 and 4, then 7 and 3; the dealer busts on five cards.
    forceDeck({9, 40, 30, 16, 6, 41, 20, 27, 1, 51});
    start("2350\n2000\n");  // written back with CR LF only by a proper closing
    Form1& f = form();
    const auto boxes = watchBoxes();
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::function<bool()> done;
        const char* focus;
    };
    auto bet = [&f](int value) { return [&f, value] { return f.HScroll1.value() == value; }; };
    const auto any = [] { return true; };
    const Step steps[] = {
        {Qt::Key_Tab, {}, any, "HScroll1"},
        {Qt::Key_Right, {}, bet(11), "HScroll1"},
        {Qt::Key_Up, {}, bet(12), "HScroll1"},
        {Qt::Key_Left, {}, bet(11), "HScroll1"},
        {Qt::Key_Down, {}, bet(10), "HScroll1"},
        {Qt::Key_PageUp, {}, bet(20), "HScroll1"},
        {Qt::Key_PageDown, {}, bet(10), "HScroll1"},
        {Qt::Key_End, {}, bet(100), "HScroll1"},
        {Qt::Key_Home, {}, bet(0), "HScroll1"},
        {Qt::Key_Backtab, Qt::ShiftModifier, any, "Command3"},
        {Qt::Key_Tab, {}, any, "HScroll1"},
        {Qt::Key_Tab, {}, any, "Check1"},
        {Qt::Key_Space, {}, [&f] { return f.Check1.value == 0; }, "Check1"},
        {Qt::Key_Tab, {}, any, "Picture4(0)"},
        {Qt::Key_Tab, {}, any, "Picture4(1)"},
        // A keypad's Enter is Enter.
        {Qt::Key_Enter, Qt::KeypadModifier, [&f] { return f.Command1.caption == "&1  EN TIL"; },
         "Picture4(1)"},
        {Qt::Key_Tab, {}, any, "Picture4(2)"},
        {Qt::Key_Space, {}, [&f] { return f.Frame4.visible; }, "Picture1(10)"},
        {Qt::Key_Left, {}, any, "Picture1(9)"},
        {Qt::Key_Return,
         {},
         [&f] { return pictureName(f.Picture1(5).picture) == "back9"; },
         "Picture4(2)"},
        {Qt::Key_F1, {}, [&boxes] { return boxes->count == 1; }, "Picture4(2)"},
        {Qt::Key_Tab, {}, any, "Label11"},
        {Qt::Key_Tab, {}, any, "Command3"},
        // Start goes: the window holds the focus, never the sound switch next to it.
        {Qt::Key_S, Qt::AltModifier, [&f] { return f.Label5.caption == "Blander kort"; },
         "the window"},
    };
    auto play = [this](const auto& steps) {
        for (const Step& step : steps) {
            const std::string what =
                QKeySequence(step.key | step.modifiers).toString().toStdString();
            press(step.key, step.modifiers);
            EXPECT_TRUE(QTest::qWaitFor(step.done, 2000)) << what;
            EXPECT_EQ(focusName(), step.focus) << what;
        }
    };
    play(steps);
    EXPECT_EQ(boxes->count, 1) << "nothing beneath the chosen back took its Enter";
    EXPECT_TRUE(boxes->text.contains(QStringLiteral("Målet med Korvane")));
    ASSERT_TRUE(QTest::qWaitFor([&f] { return f.Command1.enabled; }, 5000));
    const Step round[] = {
        {Qt::Key_1, Qt::AltModifier, [&f] { return f.Label3.caption == "16"; }, "Command1"},
        {Qt::Key_1, Qt::AltModifier, [&f] { return f.Label3.caption == "19"; }, "Command1"},
        {Qt::Key_2, Qt::AltModifier, [&f] { return !f.Command2.enabled; }, "the window"},
    };
    play(round);
    ASSERT_TRUE(QTest::qWaitFor([&f] { return f.Command3.enabled; }, 8000));
    EXPECT_EQ(f.Label5.caption, "DU VANDT");
    EXPECT_EQ(focusName(), "Command3");
    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(table_->view().isVisible());
    QFile cash(QDir(folder()).filePath(QStringLiteral("Korvane.cash")));
    ASSERT_TRUE(cash.open(QIODevice::ReadOnly));
    EXPECT_EQ(cash.readAll(), QByteArray("2350\r\n2000\r\n")) << "the bet was 0";
    cash.close();
    cash.remove();
    table_.reset();  // the table's end does not save a second time
    EXPECT_FALSE(cash.exists());
}

TEST_F(Keyboard, TheLoanOfficeTakesTheFocusOnlyWhileItWouldLend) {
    start("0\r\n0\r\n");
    Form1& f = form();
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(focusName(), "Label15");
    // The offer and the office's reminder, each answered with Enter, as a player
    // would; an access key pressed behind them acts on nothing.
    QSignalSpy pressed(widget<QPushButton>(f.Command3), &QPushButton::pressed);
    int boxes = 0;
    QTimer answering;
    QObject::connect(&answering, &QTimer::timeout, [&boxes, this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++boxes;
            QTest::keyClick(&table_->view(), Qt::Key_S, Qt::AltModifier);
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    answering.start(20);
    press(Qt::Key_Space);
    EXPECT_EQ(boxes, 2);
    EXPECT_EQ(pressed.count(), 0) << "Start went down behind a box";
    EXPECT_EQ(f.Label10.caption, "1000");
    EXPECT_EQ(focusName(), "Command3") << "the office no longer answers; the focus moved on";
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), "Label11");
}

TEST_F(Keyboard, TheFocusRingShowsOnceTheKeysAreUsed) {
    start();
    const QRect start = widget(form().Command3)->geometry();
    const QPoint ring(start.left() - 2, start.center().y());
    const QPoint edge(start.left() - 4, start.center().y());
    const QColor cloth(0, 128, 0);
    EXPECT_EQ(table_->view().grab().toImage().pixelColor(ring), cloth)
        << "no ring for a player who has not touched the keyboard";
    press(Qt::Key_Tab);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(focusName(), "Command3");
    const QImage shot = table_->view().grab().toImage();
    EXPECT_EQ(shot.pixelColor(ring), QColor(255, 255, 0));
    EXPECT_EQ(shot.pixelColor(edge), QColor(0, 0, 0));
    QTest::mouseClick(table_->view().windowHandle(), Qt::LeftButton, {}, QPoint(300, 530));
    EXPECT_EQ(table_->view().grab().toImage().pixelColor(ring), cloth) << "the mouse took over";
}

}  // namespace
}  // namespace korvane
