// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table in the active window, played with real key presses to whatever has
// the focus, as a player's keyboard does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "tests/window/window_fixture.h"

namespace korvane {

class Keyboard : public WindowTest {
  protected:
    // The game in the active window, from a cash file of these bytes (none: no file).
    void start(const char* cash = nullptr) {
        if (cash) {
            QFile file(QDir(folder()).filePath(QStringLiteral("Korvane.cash")));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(cash);
        }
        open();
        table_->view().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&table_->view()));
    }
    Form1& form() { return table_->form(); }
    // The window has the keyboard again, as the desktop gives it back when a box closes.
    bool active() {
        if (!table_->view().isActiveWindow()) table_->view().activateWindow();
        return QTest::qWaitForWindowActive(&table_->view());
    }
    // A key as the player presses it: it goes to whatever has the focus in the
    // window, once the window is active again after a box.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ASSERT_TRUE(active());
        QWidget* to = QApplication::focusWidget();
        QTest::keyClick(to ? to : &table_->view(), key, modifiers);
    }
    void backTab() { press(Qt::Key_Backtab, Qt::ShiftModifier); }
    // The control with the focus; nullptr while the window itself holds it.
    const Control* focused() {
        EXPECT_TRUE(active());
        for (const auto& binding : table_->view().bindings())
            if (binding->widget() == QApplication::focusWidget()) return &binding->control();
        return nullptr;
    }
    static std::string nameOf(const Control* control) {
        return control ? control->name() : "the window";
    }
    void tabTo(const Control& control) {
        for (int i = 0; i < 20 && focused() != &control; ++i)
            press(Qt::Key_Tab);
        ASSERT_EQ(focused(), &control) << control.name();
    }
    // Tab goes once round in this order from where the focus is, Shift+Tab back.
    void expectTabRound(const std::vector<const Control*>& order) {
        const auto at = std::find(order.begin(), order.end(), focused());
        ASSERT_NE(at, order.end()) << "the focus is on " << nameOf(focused());
        const size_t count = order.size();
        size_t i = static_cast<size_t>(at - order.begin());
        for (size_t n = 0; n < count; ++n) {
            press(Qt::Key_Tab);
            i = (i + 1) % count;
            EXPECT_EQ(nameOf(focused()), nameOf(order[i])) << "Tab " << n + 1;
        }
        for (size_t n = 0; n < count; ++n) {
            backTab();
            i = (i + count - 1) % count;
            EXPECT_EQ(nameOf(focused()), nameOf(order[i])) << "Shift+Tab " << n + 1;
        }
    }
    // The opening deal, tick by tick, without its waits.
    void dealNow() {
        for (int tick = 0; tick < 4; ++tick) {
            form().Timer1_Timer();
            table_->view().refresh();
        }
    }
    // From now on each box that opens is answered with Enter, as a player would.
    void answerBoxesWithEnter(int* count) {
        auto* watcher = new QTimer(&table_->view());  // owned by the window
        QObject::connect(watcher, &QTimer::timeout, [count] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++*count;
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        watcher->start(20);
    }
};

}  // namespace korvane
