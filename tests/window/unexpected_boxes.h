// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message box that no test answers would wait for a player who is not there.
// Tests that expect a box answer it within a few ticks of their own; one still
// open after `patience` fails the running test, quoting the box, and is closed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace korvane {

class UnexpectedBoxes {
  public:
    explicit UnexpectedBoxes(int patienceMs = 3000) : patienceMs_(patienceMs) {
        QObject::connect(&look_, &QTimer::timeout, [this] { lookAtTheOpenBox(); });
        look_.start(100);
    }

  private:
    void lookAtTheOpenBox() {
        QWidget* open = QApplication::activeModalWidget();
        if (open != box_) {
            box_ = open;
            since_.start();
            return;
        }
        if (!box_ || since_.elapsed() < patienceMs_) return;
        auto* box = qobject_cast<QMessageBox*>(box_.data());
        ADD_FAILURE() << "a box nobody expected stayed open: title \""
                      << box_->windowTitle().toStdString() << "\" text \""
                      << (box ? box->text().toStdString() : std::string("(not a message box)"))
                      << "\"";
        box_->close();
        box_ = nullptr;
    }

    int patienceMs_;
    QTimer look_;
    QPointer<QWidget> box_;
    QElapsedTimer since_;
};

}  // namespace korvane
