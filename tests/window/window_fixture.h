// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A table in a real Qt window on the offscreen platform, in a folder of its own,
// so no cash file of a player's is read or written.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "headless/scripted_random.h"
#include "window/qt_look.h"
#include "window/qt_table.h"

namespace korvane {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        QDir::setCurrent(folder_.path());
    }
    void TearDown() override {
        table_.reset();
        QDir::setCurrent(QDir::tempPath());
    }
    // Starts the game as a player would, from a cash file of these bytes (none: no
    // file); the shuffles draw from `random_`.
    void open(const char* cash = nullptr) {
        if (cash) {
            QFile file(QDir(folder()).filePath(QStringLiteral("Korvane.cash")));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(cash) > 0);
        }
        table_ = std::make_unique<QtTable>(&random_);
        table_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&table_->view()));
    }
    // The opening deal, tick by tick, without its waits.
    void dealNow() {
        for (int tick = 0; tick < 4; ++tick) {
            table_->form().Timer1_Timer();
            table_->view().refresh();
        }
    }
    QString folder() const { return folder_.path(); }
    template <class Q = QWidget>
    Q* widget(const Control& control) {
        return qobject_cast<Q*>(table_->view().widgetFor(control));
    }
    // Where a control's middle lies in the window.
    static QPoint middleOf(const Widget& control) {
        const Place p = control.placeOnWindow();
        return {pixels(p.left + p.width / 2), pixels(p.top + p.height / 2)};
    }
    // From now on, runs `look` on each box that opens, then closes the box.
    void whenABoxOpens(std::function<void(QMessageBox&)> look) {
        auto* watcher = new QTimer(&table_->view());  // owned by the window
        QObject::connect(watcher, &QTimer::timeout, [look] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                look(*box);
                box->accept();
            }
        });
        watcher->start(50);
    }
    // The boxes that open from now on, each answered: how many, and the last one's text.
    struct SeenBoxes {
        int count = 0;
        QString text;
    };
    std::shared_ptr<const SeenBoxes> watchBoxes() {
        auto seen = std::make_shared<SeenBoxes>();
        whenABoxOpens([seen](QMessageBox& box) {
            ++seen->count;
            seen->text = box.text();
        });
        return seen;
    }

    // The next shuffle deals these card numbers first.
    void forceDeck(std::initializer_list<int> cards) { random_.forceDeck(cards); }

    QTemporaryDir folder_;
    ScriptedRandom random_;
    std::unique_ptr<QtTable> table_;
};

}  // namespace korvane
